// Bounded reading of one SR-4731 block over the library's ByteReader.
//
// A read that would pass the block's end yields 0 or an empty string,
// consumes nothing and marks the block overrun; the parser checks the mark
// once per block instead of after every field.
#pragma once

#include "formats/byte_reader.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace varnel::sor {

class BlockCursor {
public:
    explicit BlockCursor(std::span<const uint8_t> block) : block_(block), reader_(block) {}

    uint16_t u16();
    int16_t i16() { return static_cast<int16_t>(u16()); }
    uint32_t u32();
    int32_t i32() { return static_cast<int32_t>(u32()); }

    // A field of exactly n characters without terminator.
    std::string chars(size_t n);
    // A zero-terminated string; the terminator is consumed, not returned.
    std::string text();
    // True when the next bytes are `name` followed by blanks and a zero.
    bool startsWithText(std::string_view name) const;

    // n raw bytes, or an empty span and the overrun mark.
    std::span<const uint8_t> take(size_t n);

    size_t remaining() const { return reader_.remaining(); }
    bool overrun() const { return overrun_; }
    void markOverrun() { overrun_ = true; }

private:
    std::span<const uint8_t> rest() const { return block_.subspan(reader_.position()); }

    std::span<const uint8_t> block_;
    ByteReader reader_;
    bool overrun_ = false;
};

} // namespace varnel::sor
