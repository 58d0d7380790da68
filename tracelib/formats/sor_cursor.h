// Bounded little-endian access to SR-4731 blocks.
//
// BlockCursor reads one block. A read that would pass the block's end yields
// 0 or an empty string, consumes nothing and marks the block overrun; the
// parser checks the mark once per block instead of after every field.
//
// ByteSink writes a whole file into a caller's buffer of fixed capacity:
// bytes past the capacity are counted but not stored, so the caller learns
// the size it needs and can try again with a larger buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace varnel::sor {

class BlockCursor {
public:
    explicit BlockCursor(std::span<const uint8_t> block) : bytes_(block) {}

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

    size_t remaining() const { return bytes_.size() - position_; }
    bool overrun() const { return overrun_; }
    void markOverrun() { overrun_ = true; }

private:
    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
    bool overrun_ = false;
};

class ByteSink {
public:
    ByteSink(uint8_t* out, size_t capacity) : out_(out), capacity_(out ? capacity : 0) {}

    void u16(uint16_t v);
    void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
    void u32(uint32_t v);
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void bytes(std::span<const uint8_t> data);
    void bytes(std::string_view data);

    // Overwrites 4 bytes written earlier, as far as they were stored.
    void patchI32(size_t at, int32_t v);

    // Bytes counted so far, stored or not.
    size_t size() const { return size_; }
    // The bytes stored so far.
    std::span<const uint8_t> stored() const {
        return {out_, size_ < capacity_ ? size_ : capacity_};
    }

private:
    void put(uint8_t b);

    uint8_t* out_;
    size_t capacity_;
    size_t size_ = 0;
};

} // namespace varnel::sor
