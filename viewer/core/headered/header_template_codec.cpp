#include "core/headered/header_template_codec.h"

#include "core/headered/instrument_charset.h"

#include <varnel/text_codec.h>

#include <algorithm>

namespace orvane {

namespace {

constexpr char kUnmappable = '?';
constexpr char16_t kFirstCp1252Special = 0x80;
constexpr char16_t kLastCp1252Special = 0x9F;
constexpr char16_t kLastLatin1 = 0xFF;

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The Windows-1252 byte of a character, or '?' when it has none.
char windows1252Byte(char16_t c) {
    if (c < kFirstCp1252Special || (c > kLastCp1252Special && c <= kLastLatin1))
        return static_cast<char>(c);
    for (unsigned byte = kFirstCp1252Special; byte <= kLastCp1252Special; ++byte)
        if (varnel::cp1252Char(static_cast<uint8_t>(byte)) == c) return static_cast<char>(byte);
    return kUnmappable;
}

bool hasUnicodeMark(std::span<const uint8_t> bytes) {
    return bytes.size() >= kUnicodeMarkSize && bytes[0] == kUnicodeMarkFirst &&
           bytes[1] == kUnicodeMarkSecond;
}

// The characters after the mark; an odd last byte is dropped.
std::u16string decodeUnicode(std::span<const uint8_t> bytes) {
    const size_t read = std::min(bytes.size(), kUnicodeTemplateReadLimit);
    const size_t count = read / 2 - 1;
    std::u16string text(count, u'\0');
    for (size_t i = 0; i < count; ++i) {
        const size_t at = kUnicodeMarkSize + 2 * i;
        text[i] = static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
    }
    return text;
}

std::u16string decodeInstrument(std::span<const uint8_t> bytes) {
    std::vector<uint8_t> converted(bytes.begin(),
                                   bytes.begin() + std::min(bytes.size(), kHeaderTemplateLimit));
    instrumentToWindows(converted);
    return varnel::utf16FromCp1252(
        std::string_view(reinterpret_cast<const char*>(converted.data()), converted.size()));
}

} // namespace

HeaderTemplateText decodeHeaderTemplate(std::span<const uint8_t> bytes) {
    if (hasUnicodeMark(bytes)) return {decodeUnicode(bytes), HEADER_ENCODING_UNICODE};
    return {decodeInstrument(bytes), HEADER_ENCODING_INSTRUMENT};
}

std::string windows1252FromUtf16(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character, and one '?'.
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            bytes.push_back(kUnmappable);
            ++i;
            continue;
        }
        bytes.push_back(windows1252Byte(text[i]));
    }
    return bytes;
}

std::vector<uint8_t> encodeHeaderTemplate(std::u16string_view text, HeaderEncoding encoding) {
    if (encoding == HEADER_ENCODING_INSTRUMENT) {
        const std::string windows = windows1252FromUtf16(text);
        std::vector<uint8_t> bytes(
            windows.begin(), windows.begin() + std::min(windows.size(), kHeaderTemplateLimit));
        windowsToInstrument(bytes);
        return bytes;
    }
    std::vector<uint8_t> bytes{kUnicodeMarkFirst, kUnicodeMarkSecond};
    bytes.reserve(kUnicodeMarkSize + 2 * text.size());
    for (char16_t c : text) {
        bytes.push_back(static_cast<uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    return bytes;
}

} // namespace orvane
