#include "core/trace/graph/graph_text.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace orvane::graph {

std::string FormatText(const char* format, ...) {
    char buffer[kTextBufferSize];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) return {};
    return std::string(buffer, static_cast<size_t>(std::min<int>(n, kTextBufferSize - 1)));
}

} // namespace orvane::graph
