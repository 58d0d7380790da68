#include "core/printing/cell_text.h"

namespace orvane::printing {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset after the first n code points.
std::size_t offsetAfter(std::string_view text, std::size_t n) {
    std::size_t i = 0;
    while (i < text.size() && n > 0) {
        ++i;
        while (i < text.size() && isContinuationByte(text[i]))
            ++i;
        --n;
    }
    return i;
}

} // namespace

std::size_t CellCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        count += isContinuationByte(c) ? 0 : 1;
    return count;
}

std::string FitCells(std::string_view text, std::size_t cells, Align align) {
    const std::size_t count = CellCount(text);
    if (count <= cells) {
        const std::string padding(cells - count, ' ');
        return align == Align::Left ? std::string(text) + padding : padding + std::string(text);
    }
    if (align == Align::Left) return std::string(text.substr(0, offsetAfter(text, cells)));
    return std::string(text.substr(offsetAfter(text, count - cells)));
}

} // namespace orvane::printing
