#include "record/wide_text.h"

#include <cstdio>

namespace varnel {

size_t textLength(const char16_t* text) {
    if (!text) return 0;
    size_t n = 0;
    while (text[n])
        ++n;
    return n;
}

char16_t* copyTruncated(char16_t* out, const char16_t* text, size_t capacity) {
    size_t n = 0;
    if (text) {
        for (; n < capacity && text[n]; ++n)
            out[n] = text[n];
    }
    out[n] = 0;
    return out;
}

char16_t* appendTruncated(char16_t* out, std::u16string_view text, size_t capacity) {
    size_t n = textLength(out);
    for (char16_t c : text) {
        if (n >= capacity) break;
        out[n++] = c;
    }
    out[n] = 0;
    return out;
}

std::u16string widenAscii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Where the single conversion of a format starts and ends; npos when the
// format is not one float conversion among literal text.
struct ConversionSpan {
    size_t begin = std::u16string_view::npos;
    size_t end = 0;
};

ConversionSpan findSingleFloatConversion(std::u16string_view format) {
    ConversionSpan found;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != u'%') continue;
        if (i + 1 < format.size() && format[i + 1] == u'%') {
            ++i;
            continue;
        }
        if (found.begin != std::u16string_view::npos) return {};
        size_t j = i + 1;
        while (j < format.size() &&
               std::u16string_view(u"-+ #0").find(format[j]) != std::u16string_view::npos)
            ++j;
        for (int digits = 0; j < format.size() && isDigit(format[j]); ++j)
            if (++digits > 2) return {};
        if (j < format.size() && format[j] == u'.') {
            ++j;
            for (int digits = 0; j < format.size() && isDigit(format[j]); ++j)
                if (++digits > 2) return {};
        }
        if (j >= format.size() ||
            std::u16string_view(u"fFeEgG").find(format[j]) == std::u16string_view::npos)
            return {};
        found = {i, j + 1};
        i = j;
    }
    return found;
}

std::u16string literal(std::u16string_view text) {
    std::u16string out;
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == u'%' && i + 1 < text.size() && text[i + 1] == u'%') ++i;
    }
    return out;
}

} // namespace

bool isSingleFloatFormat(std::u16string_view format) {
    return findSingleFloatConversion(format).begin != std::u16string_view::npos;
}

std::u16string formatDouble(std::u16string_view format, double value) {
    ConversionSpan span = findSingleFloatConversion(format);
    if (span.begin == std::u16string_view::npos) {
        format = u"%g";
        span = {0, 2};
    }
    std::string conversion(format.begin() + span.begin, format.begin() + span.end);
    char digits[kFormattedTextCapacity * 8];
    std::snprintf(digits, sizeof digits, conversion.c_str(), value);
    std::u16string out = literal(format.substr(0, span.begin));
    out += widenAscii(digits);
    out += literal(format.substr(span.end));
    if (out.size() > kFormattedTextCapacity - 1) out.resize(kFormattedTextCapacity - 1);
    return out;
}

std::u16string formatInts(const char* format, int a, int b, int c) {
    char text[kFormattedTextCapacity];
    std::snprintf(text, sizeof text, format, a, b, c);
    return widenAscii(text);
}

char16_t* writeFormatted(char16_t* out, std::u16string_view text) {
    out[0] = 0;
    return appendTruncated(out, text, kFormattedTextCapacity - 1);
}

size_t fileNameStart(std::u16string_view path) {
    for (size_t i = path.size(); i-- > 1;)
        if (path[i] == u':' || path[i] == u'\\' || path[i] == u'/') return i + 1;
    return 0;
}

} // namespace varnel
