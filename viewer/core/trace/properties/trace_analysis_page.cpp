#include "core/trace/properties/trace_analysis_page.h"

#include "core/platform/text.h"
#include "core/trace/graph/graph_text.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

constexpr std::array<const char*, T6_UNIT_COUNT> kUnitNames = {"mi", "ft", "kft", "m", "km"};
constexpr char kNoEndDistance[] = "??.?? ";
constexpr char kGroupSeparator[] = "-";

// Offsets into the icon strip.
constexpr int kIconReflective = 0;
constexpr int kIconGroup = 15;
constexpr int kIconNonReflective = 30;
constexpr int kIconOther = 45;
constexpr int kIconQuestionable = 60;
constexpr int kIconGainer = 75;

bool oneOf(HintCode hint, std::initializer_list<HintCode> hints) {
    return std::find(hints.begin(), hints.end(), hint) != hints.end();
}

std::string distanceUnitLabel() {
    return textOf([](char16_t* b) {
        b[0] = 0;
        return T6AddUnitsDist(b);
    });
}

} // namespace

AnalysisSummary analysisSummary(const CTraceDoc& doc) {
    AnalysisSummary s;
    s.lossThreshold = doc.GetThresholdLoss(true);
    s.reflThreshold = doc.GetThresholdRefl(true);
    s.breakThreshold = doc.GetThresholdBreak(true);
    const int32_t count = doc.record().EVCount();
    s.endFault = count > 0 ? doc.EVGetStart(count - 1, true)
                           : std::string(kNoEndDistance) + distanceUnitLabel();
    s.endToEndLoss = doc.GetEndToEndLoss(true);
    s.orl = doc.GetORL(true, s.orlAToB);
    return s;
}

int eventIconOffset(const CT6& record, int32_t i) {
    switch (record.EVGetType(i)) {
    case T6_EVENT_REFLECTIVE:
        return kIconReflective;
    case T6_EVENT_GROUP:
        return kIconGroup;
    case T6_EVENT_NON_REFLECTIVE:
        return record.EVGetLoss(i) <= 0 ? kIconGainer : kIconNonReflective;
    default:
        return record.EVIsQuestionable(i) ? kIconQuestionable : kIconOther;
    }
}

std::vector<EventRow> eventRows(const CTraceDoc& doc) {
    using graph::FormatText;
    std::vector<EventRow> rows;
    const CT6& record = doc.record();
    for (int32_t i = 1; i < record.EVCount(); ++i) {
        EventRow row;
        row.index = i;
        row.iconOffset = eventIconOffset(record, i);
        std::string mark;
        const std::string loss = doc.EVGetLossFlagged(i, false, mark);
        const std::string start = doc.EVGetStart(i, false);
        const std::string span = doc.EVGetSpanLoss(i, false);
        const std::string perKM = doc.EVGetSpanLossDBKM(i, false);
        const std::string refl = doc.EVGetReflFlagged(i, false);
        switch (record.EVGetType(i)) {
        case T6_EVENT_NON_REFLECTIVE:
            row.firstLine = FormatText("%9s%7s%7s%10s%4s", start.c_str(), span.c_str(),
                                       perKM.c_str(), loss.c_str(), mark.c_str());
            break;
        case T6_EVENT_GROUP:
            row.firstLine =
                FormatText("%9s%s%6s%7s%10s%4s%8s", start.c_str(), kGroupSeparator, span.c_str(),
                           perKM.c_str(), loss.c_str(), mark.c_str(), refl.c_str());
            row.secondLine = FormatText("%9s", doc.EVGetEnd(i, false).c_str());
            break;
        default:
            row.firstLine = FormatText("%9s%7s%7s%10s%4s%8s", start.c_str(), span.c_str(),
                                       perKM.c_str(), loss.c_str(), mark.c_str(), refl.c_str());
            break;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string locationHeader() {
    const int32_t unit = T6GetCurDistUnits();
    const char* name =
        unit >= 0 && unit < T6_UNIT_COUNT ? kUnitNames[static_cast<size_t>(unit)] : "km";
    return graph::FormatText("Location(%s)", name);
}

int dialogBaseUnit(int widthOf52Letters) {
    return (widthOf52Letters / 26 + 1) / 2;
}

std::array<int, 4> headerTabStops(int baseUnit) {
    std::array<int, 4> stops{};
    for (size_t i = 0; i < stops.size(); ++i)
        stops[i] = kHeaderTabStops[i] * baseUnit;
    return stops;
}

std::string eventPositionText(int row, int rows) {
    if (row < 0 || rows <= 0) return {};
    return graph::FormatText("%d of %d", row + 1, rows);
}

bool hintRefreshesSummary(HintCode hint) {
    return oneOf(hint, {HINT_TRACES_EVENTS_EDITED, HINT_TRACES_EVENT_INSERTED,
                        HINT_TRACES_EVENT_DELETED, HINT_TRACES_ANALYZED, HINT_TRACES_PROPERTIES,
                        HINT_PREFERENCES, HINT_DISTANCE_UNITS});
}

bool hintRefreshesHeader(HintCode hint) {
    return oneOf(hint, {HINT_PREFERENCES, HINT_DISTANCE_UNITS});
}

bool hintRebuildsTable(HintCode hint) {
    return oneOf(hint,
                 {HINT_TRACES_EVENTS_EDITED, HINT_TRACES_EVENT_INSERTED, HINT_TRACES_EVENT_DELETED,
                  HINT_TRACES_ANALYZED, HINT_TRACES_PROPERTIES, HINT_PREFERENCES});
}

} // namespace orvane
