// Writing SR-4731 blocks from gathered fields.
#pragma once

#include "formats/sor_blocks.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace varnel::sor {

// What goes into a file besides the gathered fields.
struct WriteExtras {
    std::span<const uint8_t> native; // the record in native short form
    // Standard blocks to write as these bytes instead of from the fields,
    // matched by name; their revision is kept.
    std::vector<RawBlock> verbatim;
    // Further blocks, written as they are after DataPts.
    std::vector<RawBlock> kept;
};

// Writes map, GenParams, SupParams, FxdParams, KeyEvents (when
// file.hasKeyEvents), "Vosseltrak" holding the native record (listed with
// size 0 and not written when there is none), DataPts, the kept blocks and
// Cksum, in that order, for file.issue 1 or 2.
std::vector<uint8_t> writeFile(const SorFile& file, const WriteExtras& extras = {});

} // namespace varnel::sor
