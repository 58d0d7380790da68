// Template bytes to UTF-16 text in one of the three template encodings.
#include "record/header_template.h"

#include <optional>

namespace varnel {
namespace {

// Windows-1252 0x80-0x9F; the five unassigned bytes map to the C1 control of
// the same value, as the Windows conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

void appendCodePoint(std::u16string& text, char32_t cp) {
    if (cp < 0x10000) {
        text.push_back(static_cast<char16_t>(cp));
        return;
    }
    cp -= 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

struct Utf8Lead {
    uint8_t mask;
    uint8_t pattern;
    uint8_t payloadMask;
    size_t continuationBytes;
    char32_t minimum; // smallest code point this form may carry
};

constexpr Utf8Lead kUtf8Leads[] = {
    {0xE0, 0xC0, 0x1F, 1, 0x80},
    {0xF0, 0xE0, 0x0F, 2, 0x800},
    {0xF8, 0xF0, 0x07, 3, 0x10000},
};

const Utf8Lead* findLead(uint8_t lead) {
    for (const Utf8Lead& form : kUtf8Leads) {
        if ((lead & form.mask) == form.pattern) return &form;
    }
    return nullptr;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
std::optional<std::u16string> decodeUTF8(const uint8_t* bytes, size_t length) {
    std::u16string text;
    text.reserve(length);
    size_t i = 0;
    while (i < length) {
        uint8_t lead = bytes[i];
        if (lead < 0x80) {
            text.push_back(lead);
            ++i;
            continue;
        }
        const Utf8Lead* form = findLead(lead);
        if (form == nullptr) return std::nullopt;
        size_t extra = form->continuationBytes;
        char32_t cp = lead & form->payloadMask;
        if (length - i <= extra) return std::nullopt;
        for (size_t k = 1; k <= extra; ++k) {
            uint8_t next = bytes[i + k];
            if ((next & 0xC0) != 0x80) return std::nullopt;
            cp = cp << 6 | (next & 0x3F);
        }
        if (cp < form->minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return std::nullopt;
        appendCodePoint(text, cp);
        i += extra + 1;
    }
    return text;
}

std::u16string decodeCp1252(const uint8_t* bytes, size_t length) {
    std::u16string text;
    text.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        uint8_t b = bytes[i];
        text.push_back(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t{b});
    }
    return text;
}

std::u16string decode8Bit(const uint8_t* bytes, size_t length) {
    // A UTF-8 signature from an editor is not part of the drawing.
    if (length >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        if (auto text = decodeUTF8(bytes + 3, length - 3)) return *text;
    }
    if (auto text = decodeUTF8(bytes, length)) return *text;
    return decodeCp1252(bytes, length);
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
