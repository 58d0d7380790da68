// Reads a fuzzer's bytes as a stream of numbers; past the end it yields zeros,
// so a target can draw as many values as it likes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace varnel::fuzz {

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return pos_ >= size_; }
    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    uint16_t uint16() { return static_cast<uint16_t>(byte() << 8 | byte()); }
    int32_t int32() {
        uint32_t v = 0;
        for (int k = 0; k < 4; ++k)
            v = v << 8 | byte();
        return static_cast<int32_t>(v);
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

} // namespace varnel::fuzz
