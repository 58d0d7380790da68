// Internals shared by the files that implement the record's header pages.
#pragma once

#include <cstdint>

namespace varnel {

// Statuses of the page and field getters.
inline constexpr int32_t kHdrStatusNoField = 5;
inline constexpr int32_t kHdrStatusBadIndex = 6;
inline constexpr int32_t kHdrStatusLineAfterPage = 7;

// Writes at most `length` characters of text (none for null), then blanks up
// to `length` (at most 50), then the terminator.
void setHeaderFieldText(char16_t* out, int32_t length, const char16_t* text);

} // namespace varnel
