// The growable record buffer of the print-information writer and reader, and
// the open file each of them keeps between calls.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

namespace varnel::pif {

// Resizes without throwing; false when memory runs out.
bool resizeBuffer(std::vector<uint8_t>& buffer, size_t bytes);

// One open file and its record buffer, library-wide for each direction.
struct Stream {
    std::FILE* file = nullptr;
    std::vector<uint8_t> buffer;

    void close();
};

} // namespace varnel::pif
