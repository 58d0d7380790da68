// Where reading a damaged SR-4731 (.SOR) file stopped, for messages that say
// more than its status.
#pragma once

#include <varnel/varnel.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace varnel {

struct SorDamage {
    std::string block;  // "Map" for the block map, else the block's name
    int64_t offset = 0; // file offset of the field or block reading stopped at
};

// True with where reading stopped when the bytes look like an SR-4731 file
// that cannot be read; false for a sound one and for other formats.
VARNEL_API bool FindSorDamage(const uint8_t* bytes, size_t length, SorDamage& where);

} // namespace varnel
