// The trace graph's margin texts, stored views, distance rescaling and the
// ORL button.
#include "core/trace/graph/graph_text.h"
#include "core/trace/graph/stored_view.h"
#include "core/trace/graph/trace_graph.h"

#include <array>
#include <vector>

namespace orvane::graph {
namespace {

const char* InteractionModeName(InteractionMode mode) {
    switch (mode) {
    case InteractionMode::ZoomWindow:
        return "Zoom";
    case InteractionMode::ZoomEvent:
        return "Zoom Event";
    case InteractionMode::ShiftTrace:
        return "Shift Trace";
    case InteractionMode::SetA:
        return "Shift Cursor A";
    case InteractionMode::SetB:
        return "Shift Cursor B";
    case InteractionMode::LsaLeftStart:
        return "LSA Left Start";
    case InteractionMode::LsaLeftEnd:
        return "LSA Left End";
    case InteractionMode::LsaRightStart:
        return "LSA Right Start";
    case InteractionMode::LsaRightEnd:
        return "LSA Right End";
    case InteractionMode::LsaLeft:
        return "LSA Left";
    case InteractionMode::LsaRight:
        return "LSA Right";
    case InteractionMode::None:
        break;
    }
    return nullptr;
}

const char* DisplayModeName(DisplayMode mode) {
    switch (mode) {
    case DisplayMode::FromA:
        return "Display From A";
    case DisplayMode::FromB:
        return "Display From B";
    case DisplayMode::FromOrigin:
        return "Display From Origin";
    case DisplayMode::Free:
        break;
    }
    return nullptr;
}

void ScaleWindow(ViewWindow& w, double ratio) {
    if (!w.IsSet()) return;
    w.x0 *= ratio;
    w.width *= ratio;
}

} // namespace

std::vector<const char*> TraceGraph::StatusParts() const {
    std::vector<const char*> parts;
    if (m_locked) parts.push_back("Cursor Lock");
    if (const char* name = DisplayModeName(m_displayMode)) parts.push_back(name);
    if (const char* name = InteractionModeName(m_interaction)) parts.push_back(name);
    if (m_stacked) parts.push_back("Stacked");
    if (m_align) parts.push_back("Align");
    if (m_flip) parts.push_back("Flip");
    return parts;
}

std::string TraceGraph::StatusLine() const {
    std::string line;
    for (const char* part : StatusParts()) {
        if (!line.empty()) line += " * ";
        line += part;
    }
    return line;
}

std::optional<int> TraceGraph::CursorAColumnToDraw() const {
    if (!CursorsSet() || m_curveCount == 0) return std::nullopt;
    int column = Mapping().ColumnOfKM(m_cursorA);
    if (column < 0 || column >= m_plot.width) return std::nullopt;
    return column;
}

std::optional<int> TraceGraph::CursorBColumnToDraw() const {
    if (!CursorsSet() || m_curveCount == 0) return std::nullopt;
    int column = Mapping().ColumnOfKM(m_cursorB);
    if (column <= 0 || column >= m_plot.width - 1) return std::nullopt;
    return column;
}

std::string TraceGraph::CursorsLeftMark() const {
    if (!CursorsSet() || m_curveCount == 0) return {};
    PlotMapping map = Mapping();
    if (map.ColumnOfKM(m_cursorA) >= 0) return {};
    return map.ColumnOfKM(m_cursorB) < 0 ? "AB<" : "A<";
}

std::string TraceGraph::CursorsRightMark() const {
    if (!CursorsSet() || m_curveCount == 0) return {};
    PlotMapping map = Mapping();
    if (map.ColumnOfKM(m_cursorB) < m_plot.width) return {};
    return map.ColumnOfKM(m_cursorA) >= m_plot.width ? ">AB" : ">B";
}

void TraceGraph::LoadView(const StoredView& view) {
    EndInteractionMode();
    m_history.Clear();
    m_cursorA = view.cursorA;
    m_cursorB = view.cursorB;
    m_locked = view.locked;
    m_lossMode = view.lossMode;
    m_displayMode = view.displayMode;
    m_modeWindows = view.windows;
    m_lsa = view.lsa;
    if (view.current.IsSet()) {
        m_window = view.current;
        Layout();
    } else {
        ZoomFull(); // a record without a stored window shows the whole trace
    }
    RecomputeMeasurement();
    Send(HINT_MODE);
    Send(HINT_VIEW_LOADED);
}

void TraceGraph::SaveView(PrimaryViewWriter& writer) const {
    writer.SetACursorKM(m_cursorA);
    writer.SetBCursorKM(m_cursorB);
    writer.SetABLocked(m_locked);
    for (DisplayMode mode : kStoredDisplayModes)
        writer.SetView(mode, m_modeWindows[static_cast<size_t>(mode)]);
    writer.SetViewMode(m_displayMode);
    writer.SetView(m_displayMode, m_window);
    writer.SetLossMode(m_lossMode);
}

// A new index of refraction stretches every distance the graph holds.
void TraceGraph::ScaleDistances(double ratio) {
    if (!(ratio > 0)) return;
    for (LsaOffsets& o : m_lsa) {
        o.aStart *= ratio;
        o.aEnd *= ratio;
        o.bStart *= ratio;
        o.bEnd *= ratio;
    }
    for (ViewWindow& w : m_modeWindows)
        ScaleWindow(w, ratio);
    m_history.ForEach([ratio](ViewWindow& w) { ScaleWindow(w, ratio); });
    ScaleWindow(m_window, ratio);
    if (m_cursorA != -1) m_cursorA *= ratio;
    if (m_cursorB != -1) m_cursorB *= ratio;
    Layout();
    RecomputeMeasurement();
}

std::optional<std::string> TraceGraph::RunORL(bool relToOrigin) {
    const TraceCurve* primary = PrimaryCurve();
    if (m_lossMode != T6_LOSS_ORL || !primary || !CursorsSet()) return std::nullopt;
    int32_t status = 0;
    primary->MeasuredRecord().CalcORL(m_cursorA, m_cursorB, primary->IsFlipped() ? 1 : 0, 0,
                                      relToOrigin ? 1 : 0, status);
    std::optional<std::string> message;
    if (status == kORLStatusNoBackscatter) message = kBackscatterNotFound;
    Send(HINT_MEASUREMENT);
    return message;
}

} // namespace orvane::graph
