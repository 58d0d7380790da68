// The texts printed with a trace besides its plot: the trace information
// block, the cursor box and the header pages. The event table is in
// analysis_results.h.
#pragma once

#include "core/printing/text_block.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {
class CTraceDoc;
}

namespace orvane::printing {

inline constexpr std::size_t kHeaderLineCells = 50;

// Thirteen lines of labelled values; overlay names the trace "Overlay Trace:"
// instead of "Primary Trace:".
std::vector<std::string> TraceInformationLines(const CTraceDoc& trace, bool overlay);

// What the cursor box shows besides the record's own texts.
struct CursorMeasurement {
    double cursorAKM = -1; // -1: not set
    double cursorBKM = -1;
    int32_t lossMode = 0;
    std::string measurementText; // the loss between the cursors in that mode
    std::string reflectanceText;
};

// Three columns of three rows, left to right.
using CursorBoxTexts = std::array<std::array<std::string, 3>, 3>;
CursorBoxTexts CursorBox(const CTraceDoc& trace, const CursorMeasurement& measurement);
// The shares of the box width where the second and third columns start.
inline constexpr double kCursorBoxFirstSplit = 0.30;
inline constexpr double kCursorBoxSecondSplit = 0.30 + 0.37;
// Text height as a share of the box height.
inline constexpr double kCursorBoxTextShare = 2.0 / 7.0;

// A header line fitted to exactly 50 cells: a wider one loses trailing
// blanks, then doubled blanks, then leading single blanks, then its last
// characters; a narrower one is padded with blanks.
std::string FitHeaderLine(std::string_view line);

// Every header page framed: the page separator, each line in "[" "]", the
// closing line; a section break before every page but the first.
TextBlock HeaderPages(const CTraceDoc& trace);

// " -------------------- Page   n -------------------- ", n from 1.
std::string HeaderPageSeparator(int32_t pageNumber);
inline constexpr char kHeaderPageClosing[] = " -------------------------------------------------- ";

} // namespace orvane::printing
