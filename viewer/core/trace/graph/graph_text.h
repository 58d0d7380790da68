// Text helpers of the graph: the library's UTF-16 buffers as UTF-8, and
// printf-style formatting into std::string.
#pragma once

#include <string>

namespace orvane::graph {

// Room the library's text accessors are promised.
inline constexpr int kTextBufferSize = 256;

std::string Utf8FromLibrary(const char16_t* text);
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace orvane::graph
