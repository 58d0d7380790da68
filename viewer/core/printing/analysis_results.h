// The printed event table, "Analysis Results": heading, column titles with
// the unit line of the distance unit, one fixed-width line per event with
// its comment under it, and the end-to-end loss.
#pragma once

#include "core/printing/text_block.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane {
class CTraceDoc;
}

namespace orvane::printing {

inline constexpr std::size_t kCommentLineLength = 52;
inline constexpr std::size_t kEventsPerSection = 3;

inline constexpr char kAnalysisResultsTitle[] = "Analysis Results -- ";
inline constexpr char kEventColumnTitles[] = "Feature  Location   Event-Event    Loss       Refl";
inline constexpr char kEventRule[] = "____________________________________________________";
inline constexpr char kOverallLossLabel[] = "Overall (End-to-End) Loss:";

// The units under the column titles; the distance column is as wide
// whatever the length of the unit label.
std::string EventUnitLine(std::string_view distanceLabel);

// A comment as printed: one line up to 52 characters, else two, broken at
// the last blank before the 53rd character (at it when there is none).
std::vector<std::string> CommentLines(std::string_view comment);

// Empty when the trace has no events.
TextBlock AnalysisResults(const CTraceDoc& trace);

} // namespace orvane::printing
