// The one text codec of the library: UTF-8, UTF-16 and Windows-1252.
#include <varnel/text_codec.h>

#include <array>

namespace varnel {
namespace {

constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char16_t kCarriedByteBase = 0xDC00;
constexpr char16_t kFirstCarriedByte = 0xDC80;
constexpr char16_t kLastCarriedByte = 0xDCFF;
constexpr char32_t kFirstSupplementary = 0x10000;

bool isSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}
bool isHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Length of the UTF-8 sequence at text[i] and its code point, or 0 when the
// bytes there are not a valid, shortest-form sequence.
size_t utf8Sequence(std::string_view text, size_t i, char32_t& cp) {
    const auto at = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
    const uint8_t lead = at(i);
    size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = kFirstSupplementary;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (at(i + k) & 0x3F);
    }
    if (cp < minimum || cp > kLastCodePoint || isSurrogate(cp)) return 0;
    return length;
}

} // namespace

char16_t cp1252Char(uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t{byte};
}

bool isValidUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const size_t length = utf8Sequence(bytes, i, cp);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::optional<std::u16string> utf16FromUtf8(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const size_t length = utf8Sequence(bytes, i, cp);
        if (length == 0) return std::nullopt;
        appendUtf16(out, cp);
        i += length;
    }
    return out;
}

std::u16string utf16FromCp1252(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out.push_back(cp1252Char(static_cast<uint8_t>(c)));
    return out;
}

std::u16string utf16From8Bit(std::string_view bytes) {
    if (auto text = utf16FromUtf8(bytes)) return std::move(*text);
    return utf16FromCp1252(bytes);
}

std::u16string utf16CarryingBytes(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const size_t length = utf8Sequence(bytes, i, cp);
        if (length == 0) {
            out.push_back(static_cast<char16_t>(kCarriedByteBase + static_cast<uint8_t>(bytes[i])));
            ++i;
            continue;
        }
        appendUtf16(out, cp);
        i += length;
    }
    return out;
}

std::string bytesFromUtf16Carrying(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool paired =
            isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1]);
        if (paired) {
            appendUtf8(out, kFirstSupplementary + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (c >= kFirstCarriedByte && c <= kLastCarriedByte) {
            out.push_back(static_cast<char>(c - kCarriedByteBase));
        } else {
            appendUtf8(out, isSurrogate(c) ? U'\uFFFD' : char32_t{c});
        }
    }
    return out;
}

std::string utf8FromUtf16(std::u16string_view text, char32_t unpaired, size_t maxBytes) {
    std::string out;
    std::string one;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (isHighSurrogate(cp) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            cp = kFirstSupplementary + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (isSurrogate(cp)) {
            cp = unpaired;
        }
        one.clear();
        appendUtf8(one, cp);
        if (out.size() + one.size() > maxBytes) break;
        out += one;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < kFirstSupplementary) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void appendUtf16(std::u16string& out, char32_t cp) {
    if (cp < kFirstSupplementary) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    cp -= kFirstSupplementary;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

} // namespace varnel
