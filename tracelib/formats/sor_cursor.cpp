#include "formats/sor_cursor.h"

#include <algorithm>
#include <cstring>

namespace varnel::sor {

uint16_t BlockCursor::u16() {
    uint16_t v = 0;
    if (!reader_.readU16(v)) overrun_ = true;
    return v;
}

uint32_t BlockCursor::u32() {
    uint32_t v = 0;
    if (!reader_.readU32(v)) overrun_ = true;
    return v;
}

std::string BlockCursor::chars(size_t n) {
    const auto b = take(n);
    return {reinterpret_cast<const char*>(b.data()), b.size()};
}

std::string BlockCursor::text() {
    const auto rest = this->rest();
    const auto end = std::find(rest.begin(), rest.end(), uint8_t{0});
    if (end == rest.end()) {
        overrun_ = true;
        return {};
    }
    const auto length = static_cast<size_t>(end - rest.begin());
    reader_.skip(length + 1);
    return {reinterpret_cast<const char*>(rest.data()), length};
}

bool BlockCursor::startsWithText(std::string_view name) const {
    const auto rest = this->rest();
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
    std::span<const uint8_t> b;
    if (!reader_.readBytes(n, b)) overrun_ = true;
    return b;
}

} // namespace varnel::sor
