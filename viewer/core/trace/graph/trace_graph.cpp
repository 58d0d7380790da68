#include "core/trace/graph/trace_graph.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orvane::graph {

TraceGraph::TraceGraph(Notify notify) : m_notify(std::move(notify)) {}

void TraceGraph::Send(int hint) const {
    if (m_notify) m_notify(hint);
}

// --- Curves ---------------------------------------------------------------

int TraceGraph::FreeSlot() const {
    for (int i = 0; i < kMaxTraces; ++i)
        if (!m_curves[static_cast<size_t>(i)]) return i;
    return -1;
}

int TraceGraph::SlotOf(GraphEntry entry) const {
    for (int i = 0; i < kMaxTraces; ++i) {
        const auto& curve = m_curves[static_cast<size_t>(i)];
        if (curve && curve->Entry() == entry) return i;
    }
    return -1;
}

const TraceCurve* TraceGraph::CurveInSlot(int slot) const {
    if (slot < 0 || slot >= kMaxTraces) return nullptr;
    return m_curves[static_cast<size_t>(slot)].get();
}

const TraceCurve* TraceGraph::CurveOf(GraphEntry entry) const {
    return CurveInSlot(SlotOf(entry));
}

const TraceCurve* TraceGraph::PrimaryCurve() const {
    return CurveOf(m_primary);
}
const TraceCurve* TraceGraph::SecondCurve() const {
    return CurveOf(m_second);
}

AddTraceResult TraceGraph::AddTrace(GraphEntry entry, CT6* record) {
    if (!record || SlotOf(entry) >= 0) return AddTraceResult::Refused;
    int slot = FreeSlot();
    if (slot < 0) return AddTraceResult::Refused;
    m_curves[static_cast<size_t>(slot)] = std::make_unique<TraceCurve>(entry, record, slot);
    ++m_curveCount;
    if (!m_primary) m_primary = entry;
    ChooseSecond();
    RebuildCurves();
    RecomputeMeasurement();
    bool flipRefused = m_flip && record->EVCount() == 0;
    return flipRefused ? AddTraceResult::AddedFlipRefused : AddTraceResult::Added;
}

void TraceGraph::RemoveTrace(GraphEntry entry) {
    int slot = SlotOf(entry);
    if (slot < 0) return;
    m_curves[static_cast<size_t>(slot)].reset();
    --m_curveCount;
    if (m_selectedMarkerEntry == entry) {
        m_selectedMarker = -1;
        m_selectedMarkerEntry = nullptr;
    }
    if (m_primary == entry) m_primary = nullptr;
    if (m_second == entry) m_second = nullptr;
    ChooseSecond();
    RebuildCurves();
    RecomputeMeasurement();
}

void TraceGraph::SetPrimary(GraphEntry entry) {
    m_primary = entry;
    if (m_second == entry) m_second = nullptr;
    ChooseSecond();
    RebuildCurves();
    RecomputeMeasurement();
}

// The second trace of the readout is the first other displayed trace; it
// keeps its slot colour while it stays displayed.
void TraceGraph::ChooseSecond() {
    if (m_second && SlotOf(m_second) >= 0 && m_second != m_primary) return;
    m_second = nullptr;
    m_secondSlot = -1;
    for (int i = 0; i < kMaxTraces; ++i) {
        const auto& curve = m_curves[static_cast<size_t>(i)];
        if (curve && curve->Entry() != m_primary) {
            m_second = curve->Entry();
            m_secondSlot = i;
            return;
        }
    }
}

double TraceGraph::AlignOffsetFor(const TraceCurve& curve) const {
    const TraceCurve* primary = PrimaryCurve();
    if (!m_align || !primary || &curve == primary || m_cursorA == -1) return 0;
    std::optional<double> mine = curve.LevelAt(m_cursorA);
    std::optional<double> theirs = primary->LevelAt(m_cursorA);
    if (!mine || !theirs) return 0;
    return *mine - *theirs;
}

CurveLayout TraceGraph::LayoutFor(int slot) const {
    CurveLayout layout;
    layout.window = m_window;
    layout.plot = m_plot;
    layout.flipRequested = m_flip;
    const TraceCurve& curve = *m_curves[static_cast<size_t>(slot)];
    if (m_stacked && curve.Entry() != m_primary) {
        int below = 1;
        for (int i = 0; i < slot; ++i) {
            const auto& other = m_curves[static_cast<size_t>(i)];
            if (other && other->Entry() != m_primary) ++below;
        }
        layout.stackOffset = below * (m_plot.height / kStackDivisor);
    }
    return layout;
}

void TraceGraph::RebuildCurves() {
    // Flip first, so that alignment reads every level where it is shown.
    for (int i = 0; i < kMaxTraces; ++i) {
        auto& curve = m_curves[static_cast<size_t>(i)];
        if (!curve) continue;
        CurveLayout layout = LayoutFor(i);
        curve->Prepare(layout);
    }
    if (!m_align) return;
    for (int i = 0; i < kMaxTraces; ++i) {
        auto& curve = m_curves[static_cast<size_t>(i)];
        if (!curve || curve->Entry() == m_primary) continue;
        CurveLayout layout = LayoutFor(i);
        layout.alignOffset = AlignOffsetFor(*curve);
        curve->Prepare(layout);
    }
}

void TraceGraph::RebuildCurve(GraphEntry entry) {
    int slot = SlotOf(entry);
    if (slot < 0) return;
    auto& curve = m_curves[static_cast<size_t>(slot)];
    CurveLayout layout = LayoutFor(slot);
    curve->Prepare(layout);
    if (m_align && entry != m_primary) {
        layout.alignOffset = AlignOffsetFor(*curve);
        curve->Prepare(layout);
    }
}

// --- Layout and grid ------------------------------------------------------

void TraceGraph::SetPlotSize(PlotSize plot) {
    if (plot == m_plot) return;
    m_plot = plot;
    Layout();
}

void TraceGraph::SetDistanceUnitFactor(double factor) {
    m_unitFactor = factor > 0 ? factor : 1.0;
    UpdateTicks();
    Send(HINT_GRID);
}

void TraceGraph::SetWindow(const ViewWindow& window) {
    m_window = window;
    Layout();
}

void TraceGraph::UpdateTicks() {
    if (!m_window.IsSet() || m_window.width < 0 || m_window.height < 0) {
        m_xTicks = {};
        m_yTicks = {};
        return;
    }
    m_xTicks =
        ComputeTicks(m_window.x0 * m_unitFactor, m_window.width * m_unitFactor, m_plot.width);
    m_yTicks = ComputeTicks(m_window.y0, m_window.height, m_plot.height);
}

void TraceGraph::Layout() {
    RebuildCurves();
    UpdateTicks();
    RecomputeMeasurement();
    Send(HINT_GRID);
}

// --- Options --------------------------------------------------------------

void TraceGraph::ToggleStack() {
    m_stacked = !m_stacked;
    m_unstackedForOptions = false;
    Layout();
}

// Aligned or flipped traces are compared in place, so they are unstacked
// while either option is on, and stacked again once both are off.
void TraceGraph::ApplyStackRule() {
    if ((m_align || m_flip) && m_stacked) {
        m_stacked = false;
        m_unstackedForOptions = true;
    } else if (!m_align && !m_flip && m_unstackedForOptions) {
        m_stacked = true;
        m_unstackedForOptions = false;
    }
    Layout();
    Send(HINT_MODE);
}

void TraceGraph::SetAlignTraces(bool on) {
    m_align = on;
    ApplyStackRule();
}

void TraceGraph::SetFlipTraces(bool on) {
    m_flip = on;
    ApplyStackRule();
}

void TraceGraph::SetEventMarks(EventMarks marks) {
    m_marks = marks;
    Send(HINT_GRID);
}

// --- Cursors ----------------------------------------------------------------

void TraceGraph::SetCursorA(double km) {
    if (km > m_cursorB) {
        m_cursorA = m_cursorB = std::min(km, kMaxKM);
        AfterCursorChange(true, true);
        Send(HINT_CURSORS);
        return;
    }
    if (km >= 0) {
        m_cursorA = km;
    } else {
        if (m_cursorA == 0) return;
        m_cursorA = 0;
    }
    AfterCursorChange(true, false);
    Send(HINT_CURSOR_A);
}

void TraceGraph::SetCursorB(double km) {
    if (m_locked) {
        double d = m_cursorB - m_cursorA;
        if (km - d >= 0) {
            m_cursorB = std::min(km, kMaxKM);
            m_cursorA = m_cursorB - d;
        } else {
            m_cursorA = 0;
            m_cursorB = d;
        }
        AfterCursorChange(true, true);
        Send(HINT_CURSORS);
        return;
    }
    if (km < 0) {
        if (m_cursorA == 0 && m_cursorB == 0) return;
        m_cursorA = m_cursorB = 0;
        AfterCursorChange(true, true);
        Send(HINT_CURSORS);
        return;
    }
    if (km < m_cursorA) {
        m_cursorA = m_cursorB = km;
        AfterCursorChange(true, true);
        Send(HINT_CURSORS);
        return;
    }
    if (km > kMaxKM) {
        if (m_cursorB == kMaxKM) return;
        km = kMaxKM;
    }
    m_cursorB = km;
    AfterCursorChange(false, true);
    Send(HINT_CURSOR_B);
}

void TraceGraph::AfterCursorChange(bool aChanged, bool bChanged) {
    bool equal = m_cursorA == m_cursorB;
    if (aChanged && m_displayMode == DisplayMode::FromA) {
        CentreOn(m_cursorA);
    } else if (aChanged && m_displayMode == DisplayMode::FromB && equal) {
        CentreOn(m_cursorB);
    } else if (bChanged && m_displayMode == DisplayMode::FromB) {
        CentreOn(m_cursorB);
    } else if (bChanged && m_displayMode == DisplayMode::FromA && (equal || m_locked)) {
        CentreOn(m_cursorA);
    } else if (m_align && m_curveCount >= 2) {
        RebuildCurves();
    }
    RecomputeMeasurement();
}

std::optional<double> TraceGraph::PrimaryValueAt(double km) const {
    const TraceCurve* primary = PrimaryCurve();
    if (!primary) return std::nullopt;
    return primary->ValueAt(km);
}

void TraceGraph::CentreOn(double km) {
    m_window.x0 = km - m_window.width / 2;
    if (std::optional<double> value = PrimaryValueAt(km))
        m_window.y0 = *value - m_window.height / 2;
    Layout();
}

void TraceGraph::ToggleLock() {
    m_locked = !m_locked;
    Send(HINT_MODE);
}

void TraceGraph::GoToA() {
    m_window.x0 = m_cursorA - m_window.width / 2;
    Layout();
}

void TraceGraph::GoToB() {
    m_window.x0 = m_cursorB - m_window.width / 2;
    Layout();
}

void TraceGraph::SetCursorAAtColumn(int column) {
    SetCursorA(Mapping().KMOfColumn(column));
}
void TraceGraph::SetCursorBAtColumn(int column) {
    SetCursorB(Mapping().KMOfColumn(column));
}

// --- Loss mode and readout --------------------------------------------------

void TraceGraph::SetLossMode(int32_t recordLossMode) {
    m_lossMode = recordLossMode;
    RecomputeMeasurement();
    Send(HINT_MEASUREMENT);
}

void TraceGraph::RecomputeMeasurement() {
    MeasurementInputs in;
    in.primary = PrimaryCurve();
    in.second = SecondCurve();
    in.cursorA = m_cursorA;
    in.cursorB = m_cursorB;
    in.lossMode = m_lossMode;
    in.lsa = Lsa(m_lossMode);
    in.flip = m_flip;
    m_readout = ComputeMeasurement(in);
}

void TraceGraph::SelectMarker(GraphEntry entry, int eventIndex) {
    m_selectedMarkerEntry = entry;
    m_selectedMarker = entry ? eventIndex : -1;
    Send(HINT_GRID);
}

} // namespace orvane::graph
