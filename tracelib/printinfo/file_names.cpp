#include "printinfo/file_names.h"

#include <cstdint>
#include <string_view>

namespace varnel {
namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned ones keep their value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c == U'\\') c = U'/';
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the UTF-8 sequence starting at s[i], 0 when it is not valid.
size_t utf8SequenceLength(std::string_view s, size_t i) {
    auto byte = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
    uint8_t lead = byte(i);
    if (lead < 0x80) return 1;
    size_t n = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (n == 0 || lead > 0xF4 || i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    // Overlong forms, surrogates and code points past U+10FFFF.
    if (lead == 0xE0 && byte(i + 1) < 0xA0) return 0;
    if (lead == 0xED && byte(i + 1) > 0x9F) return 0;
    if (lead == 0xF0 && byte(i + 1) < 0x90) return 0;
    if (lead == 0xF4 && byte(i + 1) > 0x8F) return 0;
    return n;
}

bool isValidUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        size_t n = utf8SequenceLength(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

} // namespace

std::string localPathFrom8Bit(const char* path) {
    std::string_view in = path ? path : "";
    if (isValidUtf8(in)) {
        std::string out(in);
        for (char& c : out)
            if (c == '\\') c = '/';
        return out;
    }
    std::string out;
    for (char b : in) {
        auto byte = static_cast<uint8_t>(b);
        appendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char32_t(byte));
    }
    return out;
}

} // namespace varnel
