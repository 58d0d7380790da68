// Fixed-pitch text fields of the printed trace texts: a cell is the printed
// width of one character of the print font, so fields are counted in
// characters (code points of the UTF-8 text).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::printing {

enum class Align { Left, Right };

std::size_t CellCount(std::string_view text);

// Pads with blanks to exactly cells (on the right for left alignment, on the
// left for right alignment); a wider text loses characters from its end
// (left alignment) or its start (right alignment) until it fits.
std::string FitCells(std::string_view text, std::size_t cells, Align align);

// Shorthands for the layout tables: L(n) and R(n).
inline std::string L(std::string_view text, std::size_t cells) {
    return FitCells(text, cells, Align::Left);
}
inline std::string R(std::string_view text, std::size_t cells) {
    return FitCells(text, cells, Align::Right);
}

} // namespace orvane::printing
