// Template bytes to UTF-16 text in one of the three template encodings.
#include "record/header_template.h"

#include <varnel/text_codec.h>

namespace varnel {
namespace {

std::u16string decodeUTF16(const uint8_t* bytes, size_t length, bool bigEndian) {
    std::u16string text;
    text.reserve(length / 2);
    for (size_t i = 0; i + 1 < length; i += 2) {
        uint8_t hi = bigEndian ? bytes[i] : bytes[i + 1];
        uint8_t lo = bigEndian ? bytes[i + 1] : bytes[i];
        text.push_back(static_cast<char16_t>(hi << 8 | lo));
    }
    return text;
}

std::u16string decode8Bit(const uint8_t* bytes, size_t length) {
    std::string_view text(reinterpret_cast<const char*>(bytes), length);
    // A UTF-8 signature from an editor is not part of the drawing.
    if (text.starts_with("\xEF\xBB\xBF")) {
        if (auto decoded = utf16FromUtf8(text.substr(3))) return std::move(*decoded);
    }
    return utf16From8Bit(text);
}

} // namespace

std::u16string decodeTemplateText(const uint8_t* bytes, size_t length) {
    if (bytes == nullptr) return {};
    std::u16string text;
    if (length >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        text = decodeUTF16(bytes + 2, length - 2, false);
    } else if (length >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        text = decodeUTF16(bytes + 2, length - 2, true);
    } else {
        text = decode8Bit(bytes, length);
    }
    // Templates are C strings to their writers; nothing after a NUL was meant.
    if (size_t nul = text.find(u'\0'); nul != std::u16string::npos) text.resize(nul);
    return text;
}

} // namespace varnel
