// The Analysis page of a trace's properties: thresholds, the summary, the
// event table's rows (fixed-width texts and icons) and which update hints
// refresh what.
#pragma once

#include "core/trace/trace_doc.h"

#include <array>
#include <string>
#include <vector>

namespace orvane {

struct AnalysisSummary {
    std::string lossThreshold;
    std::string reflThreshold;
    std::string breakThreshold;
    std::string endFault;
    std::string endToEndLoss;
    std::string orl;
    std::string orlAToB;
};
AnalysisSummary analysisSummary(const CTraceDoc& doc);

// One row per event from index 1; a Group row has a second line.
struct EventRow {
    int32_t index = 0;
    std::string firstLine;
    std::string secondLine;
    int iconOffset = 0; // horizontal offset into the icon strip
};
std::vector<EventRow> eventRows(const CTraceDoc& doc);
int eventIconOffset(const CT6& record, int32_t i);

// "Location(km)" with the current distance unit.
std::string locationHeader();

// The column headers stand on tab stops at these character widths.
inline constexpr std::array<int, 4> kHeaderTabStops = {2, 13, 28, 37};
// The dialog base unit of a font: the average width of its 52 letters
// "A".."Z", "a".."z" (given as their total width), rounded to a whole pixel.
int dialogBaseUnit(int widthOf52Letters);
// The tab stops in pixels for a base unit.
std::array<int, 4> headerTabStops(int baseUnit);
// "2 of 7"; empty without a selection.
std::string eventPositionText(int row, int rows);

// The distance unit was changed for the page's trace.
inline constexpr HintCode HINT_DISTANCE_UNITS = 13;

// Which parts of the page an update hint refreshes.
bool hintRefreshesSummary(HintCode hint);
bool hintRefreshesHeader(HintCode hint);
bool hintRebuildsTable(HintCode hint);

inline constexpr int kEventIconSize = 15;
inline constexpr int kEventIconStripWidth = 90;
inline constexpr int kEventTextIndent = 20;

} // namespace orvane
