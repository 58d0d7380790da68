// Writing SR-4731 blocks from gathered fields.
#pragma once

#include "formats/sor_blocks.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace varnel::sor {

// Writes map, GenParams, SupParams, FxdParams, KeyEvents (when
// file.hasKeyEvents), "Vosseltrak" holding `native` (listed with size 0 and
// not written when `native` is empty), DataPts and Cksum, in that order, for
// file.issue 1 or 2.
std::vector<uint8_t> writeFile(const SorFile& file, std::span<const uint8_t> native);

} // namespace varnel::sor
