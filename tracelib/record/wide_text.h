// Small helpers for the library's fixed-capacity UTF-16 text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnel {

// Every formatted value the library writes fits in this many characters,
// terminator included: callers provide at least this much room.
inline constexpr int32_t kFormattedTextCapacity = 64;

// Length of a terminated UTF-16 text; 0 for none.
size_t textLength(const char16_t* text);

// Copies at most `capacity` characters and terminates (out needs capacity + 1).
char16_t* copyTruncated(char16_t* out, const char16_t* text, size_t capacity);

// Appends to a terminated text without letting it grow past `capacity`
// characters (terminator not counted).
char16_t* appendTruncated(char16_t* out, std::u16string_view text, size_t capacity);

std::u16string widenAscii(std::string_view text);

// True when `format` is a printf format with exactly one floating-point
// conversion (flags, width and precision allowed) and otherwise only literal
// text and "%%". Nothing else is ever handed to the C formatter.
bool isSingleFloatFormat(std::u16string_view format);

// Formats one double with such a format; any other format formats the value
// with "%g". The result is cut to kFormattedTextCapacity - 1 characters.
std::u16string formatDouble(std::u16string_view format, double value);

// snprintf of ASCII formats with integer arguments, widened.
std::u16string formatInts(const char* format, int a, int b = 0, int c = 0);

// Writes text into out (kFormattedTextCapacity characters at most) and returns out.
char16_t* writeFormatted(char16_t* out, std::u16string_view text);

// Where the file name of a path starts: just after the last ':', '\' or '/',
// which does not count in the very first place.
size_t fileNameStart(std::u16string_view path);

// A fixed-capacity text setting: `Capacity` characters plus the terminator.
template <size_t Capacity> struct FixedText {
    char16_t text[Capacity + 1] = {};

    FixedText() = default;
    FixedText(const char16_t* initial) { set(initial); }
    void set(const char16_t* value) { copyTruncated(text, value, Capacity); }
    const char16_t* c_str() const { return text; }
    std::u16string_view view() const { return text; }
    static constexpr size_t capacity() { return Capacity; }
};

} // namespace varnel
