// printf-style formatting into std::string for the graph's readouts.
#pragma once

#include <string>

namespace orvane::graph {

inline constexpr int kTextBufferSize = 256;

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace orvane::graph
