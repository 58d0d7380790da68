// The two header templates built into the library, as template file bytes
// (UTF-16 little-endian with its byte-order mark).
#pragma once

#include <cstdint>
#include <vector>

namespace varnel {

const std::vector<uint8_t>& standardHeaderTemplate();

// Its value fields are the odd fields 1 to 33, which the SR-4731 reader fills.
const std::vector<uint8_t>& bellHeaderTemplate();

} // namespace varnel
