// 8-bit text of SR-4731 strings. Files carry no code page, so text that is
// valid UTF-8 is taken as UTF-8 and anything else as Windows-1252, the code
// page most instruments write. Our own files are written as UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnel::sor {

// Longest string the reader keeps, in characters.
inline constexpr size_t kMaxTextChars = 96;

// The form in which file strings enter the record: decoded, cut to 96
// characters, trailing blanks removed.
std::u16string fileTextToWide(std::string_view bytes);

// UTF-8 of a wide text, cut at a character boundary to at most maxBytes.
// Unpaired surrogates become '?'.
std::string wideToFileText(std::u16string_view text, size_t maxBytes = kMaxTextChars);

} // namespace varnel::sor
