#include "core/trace/graph/trace_curve.h"

#include "core/trace/graph/graph_codes.h"

#include <algorithm>

namespace orvane::graph {
namespace {

constexpr int kNoRow = -1;

} // namespace

TraceCurve::TraceCurve(GraphEntry entry, CT6* record, int slot)
    : m_entry(entry), m_record(record), m_slot(slot) {}

double TraceCurve::RecordKM(double shownKM) const {
    return m_flipped ? m_endKM - shownKM : shownKM;
}

std::optional<double> TraceCurve::LevelAt(double shownKM) const {
    double db = m_record->GetDBAtKM(RecordKM(shownKM));
    if (db == T6_NO_VALUE) return std::nullopt;
    return m_record->GetDynamicRange() - db;
}

std::optional<double> TraceCurve::ValueAt(double shownKM) const {
    std::optional<double> level = LevelAt(shownKM);
    if (!level) return std::nullopt;
    return *level - m_layout.alignOffset;
}

void TraceCurve::Prepare(const CurveLayout& layout) {
    m_layout = layout;
    int32_t eventCount = m_record->EVCount();
    m_flipped = layout.flipRequested && eventCount > 0;
    m_endKM = eventCount > 0 ? m_record->EVGetStartKM(eventCount - 1) : 0;
    m_dxKM = m_record->SpanCount() > 0 ? m_record->SpanGetDxKM(0) : 0;
    m_dyDB = m_record->DPWGetDy();

    PlotMapping mapping(layout.window, layout.plot);
    int columns = mapping.IsUsable() ? std::min(layout.plot.width, kMaxColumns) : 0;
    m_columnCount = columns;
    m_firstRow.assign(static_cast<size_t>(columns), kNoRow);
    m_lastRow.assign(static_cast<size_t>(columns), kNoRow);
    m_markers.clear();
    if (columns == 0 || m_record->DPWGetScaleFactor() <= 0) return;
    PrepareEnvelope(mapping, columns);
    PrepareMarkers(mapping);
}

void TraceCurve::PrepareEnvelope(const PlotMapping& mapping, int columns) {
    size_t n = static_cast<size_t>(columns);
    m_cellStart.resize(n);
    m_cellEnd.resize(n);
    m_cellLowest.resize(n);
    m_cellHighest.resize(n);
    // Interpolated cells keep a zoomed-in curve continuous between points.
    m_record->DataCellsInfo(columns, m_layout.window.x0, mapping.KMPerPixel(), 1, m_flipped ? 1 : 0,
                            m_cellStart.data(), m_cellEnd.data(), m_cellLowest.data(),
                            m_cellHighest.data());

    // Cell levels carry the vertical shift already: value = ceiling - level.
    double ceiling = m_record->GetDynamicRange() - m_layout.alignOffset;
    double perLevel = 1.0 / m_record->DPWGetScaleFactor();
    int bottom = m_layout.plot.height - 1;
    int stack = m_layout.stackOffset;
    bool havePrevious = false;
    int previousTop = 0;
    int previousBottom = 0;
    for (size_t c = 0; c < n; ++c) {
        if (m_cellLowest[c] > m_cellHighest[c]) {
            havePrevious = false;
            continue;
        }
        int top = mapping.RowOfValue(ceiling - m_cellHighest[c] * perLevel) + stack;
        int low = mapping.RowOfValue(ceiling - m_cellLowest[c] * perLevel) + stack;
        int joinedTop = top;
        int joinedLow = low;
        // Reach the neighbour's nearer extreme so that steep steps stay joined.
        if (havePrevious) {
            if (previousBottom < joinedTop) joinedTop = previousBottom;
            if (previousTop > joinedLow) joinedLow = previousTop;
        }
        havePrevious = true;
        previousTop = top;
        previousBottom = low;
        if (joinedLow < 0 || joinedTop > bottom) continue;
        m_firstRow[c] = std::max(joinedTop, 0);
        m_lastRow[c] = std::min(joinedLow, bottom);
    }
}

void TraceCurve::PrepareMarkers(const PlotMapping& mapping) {
    int32_t count = m_record->EVCount();
    for (int32_t i = 1; i < count; ++i) {
        EventMarker marker;
        marker.eventIndex = i;
        marker.type = m_record->EVGetType(i);
        double recordKM = m_record->EVGetStartKM(i);
        marker.km = m_flipped ? m_endKM - recordKM : recordKM;
        marker.column = mapping.ColumnOfKM(marker.km);
        std::optional<double> value = ValueAt(marker.km);
        marker.onCurve = value.has_value();
        if (value) marker.row = mapping.RowOfValue(*value) + m_layout.stackOffset;
        m_markers.push_back(marker);
    }
}

} // namespace orvane::graph
