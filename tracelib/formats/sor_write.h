// Writing SR-4731 blocks from gathered fields.
#pragma once

#include "formats/sor_blocks.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace varnel::sor {

// Writes map, GenParams, SupParams, FxdParams, KeyEvents (when
// file.hasKeyEvents), "Vosseltrak" holding `native` (listed with size 0 and
// not written when `native` is empty), DataPts and Cksum, in that order, for
// file.issue 1 or 2. Stores at most `capacity` bytes into out and returns the
// size of the whole file, which exceeds `capacity` when it did not fit.
size_t writeFile(const SorFile& file, std::span<const uint8_t> native, uint8_t* out,
                 size_t capacity);

} // namespace varnel::sor
