#include <varnel/sor_damage.h>

#include "formats/sor_parse.h"

namespace varnel {

bool FindSorDamage(const uint8_t* bytes, size_t length, SorDamage& where) {
    if (!bytes || length == 0) return false;
    const std::span<const uint8_t> file(bytes, length);
    if (sor::probe(file).version == 0) return false;
    sor::SorFile parsed;
    sor::ParseStop stop;
    if (sor::parse(file, parsed, stop) == sor::ParseError::None) return false;
    where.block = stop.block;
    where.offset = static_cast<int64_t>(stop.offset);
    return true;
}

} // namespace varnel
