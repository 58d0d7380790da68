#include "formats/sor_cursor.h"

#include <algorithm>
#include <cstring>

namespace varnel::sor {

uint16_t BlockCursor::u16() {
    const auto b = take(2);
    if (b.empty()) return 0;
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t BlockCursor::u32() {
    const auto b = take(4);
    if (b.empty()) return 0;
    return uint32_t{b[0]} | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) | (uint32_t{b[3]} << 24);
}

std::string BlockCursor::chars(size_t n) {
    const auto b = take(n);
    return {reinterpret_cast<const char*>(b.data()), b.size()};
}

std::string BlockCursor::text() {
    const auto rest = bytes_.subspan(position_);
    const auto end = std::find(rest.begin(), rest.end(), uint8_t{0});
    if (end == rest.end()) {
        overrun_ = true;
        return {};
    }
    const auto length = static_cast<size_t>(end - rest.begin());
    position_ += length + 1;
    return {reinterpret_cast<const char*>(rest.data()), length};
}

bool BlockCursor::startsWithText(std::string_view name) const {
    const auto rest = bytes_.subspan(position_);
    if (rest.size() <= name.size() || std::memcmp(rest.data(), name.data(), name.size()) != 0) {
        return false;
    }
    for (size_t i = name.size(); i < rest.size(); ++i) {
        if (rest[i] == 0) return true;
        if (rest[i] != ' ') return false;
    }
    return false;
}

std::span<const uint8_t> BlockCursor::take(size_t n) {
    if (n > remaining()) {
        overrun_ = true;
        return {};
    }
    const auto b = bytes_.subspan(position_, n);
    position_ += n;
    return b;
}

void ByteSink::put(uint8_t b) {
    if (size_ < capacity_) out_[size_] = b;
    ++size_;
}

void ByteSink::u16(uint16_t v) {
    put(static_cast<uint8_t>(v));
    put(static_cast<uint8_t>(v >> 8));
}

void ByteSink::u32(uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        put(static_cast<uint8_t>(v >> shift));
}

void ByteSink::bytes(std::span<const uint8_t> data) {
    if (size_ < capacity_) {
        const size_t fits = std::min(data.size(), capacity_ - size_);
        if (fits > 0) std::memcpy(out_ + size_, data.data(), fits);
    }
    size_ += data.size();
}

void ByteSink::bytes(std::string_view data) {
    bytes({reinterpret_cast<const uint8_t*>(data.data()), data.size()});
}

void ByteSink::patchI32(size_t at, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (size_t k = 0; k < 4; ++k) {
        if (at + k < capacity_) out_[at + k] = static_cast<uint8_t>(u >> (8 * k));
    }
}

} // namespace varnel::sor
