// Hand-built native trace files for tests: items, stored or imploded blocks
// with any header values, and the surrounding magic and end marker.
#pragma once

#include "support/implode_encoder.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace varnel::test {

using Bytes = std::vector<uint8_t>;

Bytes TaggedItem(uint8_t tag, std::span<const uint8_t> value);
Bytes TaggedItem(uint8_t tag, std::initializer_list<uint8_t> value);
Bytes I32(int32_t v);
Bytes Concat(std::initializer_list<Bytes> parts);

struct BlockOptions {
    bool compress = false; // implode the payload, method 'C'
    ImplodeOptions implode = {};
    bool checked = false;  // check method 'C' with the payload's checksum
    int checksumDelta = 0; // added to the checksum to make it wrong
    int lengthDelta = 0;   // added to the length field to make it wrong
};

Bytes Block(std::span<const uint8_t> payload, BlockOptions options = {});

// "<T6>", the blocks, and the end marker unless withEnd is false.
Bytes NativeFile(std::initializer_list<Bytes> blocks, bool withEnd = true);

} // namespace varnel::test
