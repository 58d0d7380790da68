// The value encodings of native items: I32, U16, U8, DPFR (I32 point, U16
// fraction), STR (UTF-16LE with its 0 character), REAL (a number as STR text,
// "%24.15E" with a three-digit exponent) and LIST5 (up to five I32, missing
// trailing values are 0).
#pragma once

#include "formats/byte_reader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::native {

using List5 = std::array<int32_t, 5>;

// Reads the values of one item in order. Fixed-size reads fail when the item
// is too short; STR, REAL and LIST5 take what the item holds.
class ValueReader {
public:
    explicit ValueReader(std::span<const uint8_t> value) : cursor_(value) {}

    bool i32(int32_t& v) { return cursor_.readI32(v); }
    bool u32(uint32_t& v) { return cursor_.readU32(v); }
    bool u16(uint16_t& v) { return cursor_.readU16(v); }
    bool u8(uint8_t& v) { return cursor_.readU8(v); }
    bool dpfr(int32_t& dp, uint16_t& fr);
    // Copies at most capacity characters and terminates out (room for
    // capacity + 1). A string without its 0 character ends with the item.
    void str(char16_t* out, size_t capacity);
    std::u16string str();
    // A value that does not parse leaves v unchanged and returns false.
    bool real(double& v);
    // Whole I32 values up to five; anything after them is ignored.
    List5 list5();

private:
    ByteReader cursor_;
};

// Builds the value of one item in place: an item holds at most 254 value
// bytes, and anything beyond that is dropped.
class ValueWriter {
public:
    static constexpr size_t kCapacity = 254;

    ValueWriter& i32(int32_t v) { return u32(static_cast<uint32_t>(v)); }
    ValueWriter& u32(uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            put(static_cast<uint8_t>(v >> shift));
        return *this;
    }
    ValueWriter& u16(uint16_t v) {
        put(static_cast<uint8_t>(v));
        put(static_cast<uint8_t>(v >> 8));
        return *this;
    }
    ValueWriter& u8(uint8_t v) {
        put(v);
        return *this;
    }
    ValueWriter& dpfr(int32_t dp, uint16_t fr) { return i32(dp).u16(fr); }
    // At most maxChars characters of text, then the 0 character.
    ValueWriter& str(std::u16string_view text, size_t maxChars = SIZE_MAX);
    ValueWriter& real(double v);
    // Trailing zero values are dropped.
    ValueWriter& list5(const List5& values);

    std::span<const uint8_t> bytes() const { return {bytes_.data(), size_}; }
    bool empty() const { return size_ == 0; }

private:
    std::array<uint8_t, kCapacity> bytes_{};
    size_t size_ = 0;

    void put(uint8_t b) {
        if (size_ < kCapacity) bytes_[size_++] = b;
    }
};

// "%24.15E" with a three-digit exponent, independent of the C locale.
std::u16string FormatReal(double v);
// Leading blanks and a '+' are allowed; the exponent may have any length.
bool ParseReal(std::u16string_view text, double& v);

} // namespace varnel::native
