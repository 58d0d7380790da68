// Text conversions that the library and its users share: UTF-8, UTF-16, and
// the Windows-1252 code page in which instruments write 8-bit text. 8-bit
// text of unknown origin is UTF-8 when it is valid UTF-8, else Windows-1252.
#pragma once

#include <varnel/api.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// The character a Windows-1252 byte stands for; the five unassigned bytes of
// 0x80-0x9F map to the C1 control of the same value, as the platform's
// converter does.
VARNEL_API char16_t cp1252Char(uint8_t byte);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
VARNEL_API bool isValidUtf8(std::string_view bytes);

// Strict UTF-8 to UTF-16; nothing when the bytes are not valid UTF-8.
VARNEL_API std::optional<std::u16string> utf16FromUtf8(std::string_view bytes);

VARNEL_API std::u16string utf16FromCp1252(std::string_view bytes);

// 8-bit text of unknown code page: UTF-8 when valid, else Windows-1252.
VARNEL_API std::u16string utf16From8Bit(std::string_view bytes);

// UTF-16 to UTF-8, cut at a character boundary to at most maxBytes; an
// unpaired surrogate becomes `unpaired`.
VARNEL_API std::string utf8FromUtf16(std::u16string_view text, char32_t unpaired = U'\uFFFD',
                                     size_t maxBytes = std::string::npos);

// Bytes of unknown meaning (a Linux file name) to UTF-16 and back without
// loss: valid UTF-8 is decoded, and each other byte is carried as the
// unpaired surrogate U+DC00 + byte (U+DC80-U+DCFF), which no decoded text
// holds. The way back restores the carried bytes; any other unpaired
// surrogate becomes U+FFFD.
VARNEL_API std::u16string utf16CarryingBytes(std::string_view bytes);
VARNEL_API std::string bytesFromUtf16Carrying(std::u16string_view text);

VARNEL_API void appendUtf8(std::string& out, char32_t codePoint);
VARNEL_API void appendUtf16(std::u16string& out, char32_t codePoint);

} // namespace varnel
