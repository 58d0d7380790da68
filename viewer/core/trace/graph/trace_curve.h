// One displayed trace in pixel form for the current window: per plot column
// the first and last row to draw (a min/max envelope), and the event markers.
#pragma once

#include "core/trace/graph/view_window.h"

#include <optional>
#include <vector>

#include <varnel/varnel.h>

namespace orvane::graph {

// Identity of the trace-list entry a curve shows; the graph never looks
// behind it.
using GraphEntry = const void*;

struct EventMarker {
    int eventIndex = 0;
    int type = 0;
    double km = 0; // where the mark is shown (mirrored when the curve is flipped)
    int column = 0;
    int row = 0;          // the curve's row at the mark, stack offset included
    bool onCurve = false; // false where the trace has no level
};

// An event mark is a 9 x 18 image standing on the curve above the event.
inline constexpr int kMarkWidth = 9;
inline constexpr int kMarkHeight = 18;
inline PixelRect MarkerRect(const EventMarker& mark) {
    int left = mark.column - kMarkWidth / 2;
    return {left, mark.row - kMarkHeight, left + kMarkWidth, mark.row};
}
inline bool MarkerContains(const EventMarker& mark, int column, int row) {
    return mark.onCurve && MarkerRect(mark).Contains(column, row);
}

// Where a curve is drawn from: the window, the plot, its offsets.
struct CurveLayout {
    ViewWindow window;
    PlotSize plot;
    int stackOffset = 0;    // pixels below the primary
    double alignOffset = 0; // dB subtracted so that the trace meets the primary at A
    bool flipRequested = false;
};

class TraceCurve {
public:
    TraceCurve(GraphEntry entry, CT6* record, int slot);

    // Recomputes the envelope and the markers from the record.
    void Prepare(const CurveLayout& layout);

    GraphEntry Entry() const { return m_entry; }
    const CT6& Record() const { return *m_record; }
    // Measurements of the library need a writable record.
    CT6& MeasuredRecord() const { return *m_record; }
    int Slot() const { return m_slot; }
    bool IsFlipped() const { return m_flipped; }
    int StackOffset() const { return m_layout.stackOffset; }
    double AlignOffset() const { return m_layout.alignOffset; }
    double SampleSpacingKM() const { return m_dxKM; }
    double LevelStepDB() const { return m_dyDB; }

    int ColumnCount() const { return m_columnCount; }
    // -1 for a column outside the trace or the window.
    int FirstRow(int column) const { return m_firstRow[static_cast<size_t>(column)]; }
    int LastRow(int column) const { return m_lastRow[static_cast<size_t>(column)]; }
    const std::vector<EventMarker>& Markers() const { return m_markers; }

    // The record's distance shown at a graph distance (they differ when flipped).
    double RecordKM(double shownKM) const;
    // Level in dB below the dynamic-range ceiling at a shown distance, without
    // the alignment offset; no value outside the trace.
    std::optional<double> LevelAt(double shownKM) const;
    // The value drawn at a shown distance: the level less the alignment offset.
    std::optional<double> ValueAt(double shownKM) const;

private:
    void PrepareEnvelope(const PlotMapping& mapping, int columns);
    void PrepareMarkers(const PlotMapping& mapping);

    GraphEntry m_entry;
    CT6* m_record;
    int m_slot;
    CurveLayout m_layout;
    bool m_flipped = false;
    double m_endKM = 0; // start of the last event: the mirror of a flipped curve
    double m_dxKM = 0;
    double m_dyDB = 0;
    int m_columnCount = 0;
    std::vector<int> m_firstRow;
    std::vector<int> m_lastRow;
    std::vector<EventMarker> m_markers;
    // Cell summaries from the record, kept between preparations.
    std::vector<double> m_cellStart, m_cellEnd, m_cellLowest, m_cellHighest;
};

} // namespace orvane::graph
