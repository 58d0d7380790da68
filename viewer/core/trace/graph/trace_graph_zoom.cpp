// Display modes, zooming, scrolling and the zoom bars of the trace graph.
#include "core/trace/graph/trace_graph.h"

#include <algorithm>
#include <cmath>

namespace orvane::graph {
namespace {

constexpr double kLineFraction = 0.1;
constexpr double kPageFraction = 0.95;
constexpr double kZoomLineIn = 0.8;
constexpr double kZoomLineOut = 1.2;
constexpr double kMaximumHeightDB = 60;
constexpr double kVerticalThumbDB = 0.002; // dB per thumb step
constexpr double kLevelThumbDB = 0.01;
// Distance zoom bar: width = 6 e^(p k) - 5.99, 0.01 km at 0, about 400 km at the end.
constexpr double kDistanceBarScale = 6;
constexpr double kDistanceBarRate = 0.0001405;
constexpr double kDistanceBarOffset = 5.99;
constexpr double kEventSpanFactor = 1.3;
constexpr double kEventHeightFactor = 1.2 * 2;

size_t SlotIndex(DisplayMode mode) {
    return static_cast<size_t>(mode);
}

double ClampWidth(double width) {
    return std::clamp(width, kMinWidthKM, kMaxKM);
}
double ClampHeight(double height) {
    return std::clamp(height, kMinHeightDB, kMaxDB);
}

int ClampThumb(double p, int lo, int hi) {
    if (!(p > lo)) return lo;
    if (p > hi) return hi;
    return static_cast<int>(p + 0.5);
}

} // namespace

const ViewWindow& TraceGraph::ModeWindow(DisplayMode mode) const {
    return m_modeWindows[SlotIndex(mode)];
}

void TraceGraph::SetDisplayMode(DisplayMode mode) {
    if (mode == m_displayMode && mode != DisplayMode::Free) mode = DisplayMode::Free;
    m_modeWindows[SlotIndex(m_displayMode)] = m_window;
    m_displayMode = mode;
    const ViewWindow& remembered = m_modeWindows[SlotIndex(mode)];
    if (remembered.IsSet()) {
        m_window.width = remembered.width;
        m_window.height = remembered.height;
    }
    if (m_interaction == InteractionMode::ZoomWindow || m_interaction == InteractionMode::ZoomEvent)
        EndInteractionMode();
    switch (mode) {
    case DisplayMode::FromA:
        CentreOn(m_cursorA);
        break;
    case DisplayMode::FromB:
        CentreOn(m_cursorB);
        break;
    case DisplayMode::FromOrigin:
        m_window.x0 = 0;
        m_window.y0 = 0;
        Layout();
        break;
    case DisplayMode::Free:
        if (remembered.IsSet()) {
            m_window.x0 = remembered.x0;
            m_window.y0 = remembered.y0;
        }
        Layout();
        break;
    }
    Send(HINT_MODE);
}

// In the cursor display modes the followed cursor sits in the middle.
void TraceGraph::PlaceModeCursorAtCentre() {
    double centre = m_window.x0 + m_window.width / 2;
    if (m_displayMode == DisplayMode::FromA) SetCursorA(centre);
    if (m_displayMode == DisplayMode::FromB) SetCursorB(centre);
}

void TraceGraph::ZoomMaximum() {
    m_history.Clear();
    m_window = {0, 0, kMaxKM, kMaximumHeightDB};
    Layout();
    if (m_displayMode == DisplayMode::FromA) SetCursorA(m_window.width / 2);
    if (m_displayMode == DisplayMode::FromB) SetCursorB(m_window.width / 2);
}

void TraceGraph::ZoomFull() {
    m_history.Clear();
    double width = 0;
    double height = 0;
    for (const auto& curve : m_curves) {
        if (!curve) continue;
        width = std::max(width, curve->Record().GetMaxKM());
        height =
            std::max(height, curve->Record().GetDynamicRange() + curve->Record().GetVertShift());
    }
    if (width <= kMinWidthKM) width = kMinWidthKM;
    height = std::max(height, kMinHeightDB);
    m_window = {0, 0, width, height};
    bool followsCursor = m_displayMode == DisplayMode::FromA || m_displayMode == DisplayMode::FromB;
    if (!followsCursor) {
        Layout();
        return;
    }
    double c = m_displayMode == DisplayMode::FromA ? m_cursorA : m_cursorB;
    double level = PrimaryValueAt(c).value_or(0);
    m_window.width = 2 * std::max(std::fabs(c), std::fabs(width - c));
    m_window.height = 2 * std::max(std::fabs(level), std::fabs(height - level));
    CentreOn(c);
}

void TraceGraph::ZoomPrevious() {
    if (m_displayMode != DisplayMode::Free) return;
    std::optional<ViewWindow> previous = m_history.Pop();
    if (!previous) return;
    m_window = *previous;
    Layout();
}

void TraceGraph::ZoomToBox(const PixelRect& box) {
    PlotMapping map = Mapping();
    m_history.Push(m_window);
    double width = (box.right - box.left) * map.KMPerPixel();
    double height = (box.bottom - box.top) * map.DBPerPixel();
    ViewWindow next{map.KMOfColumn(box.left), map.ValueOfRow(box.top), ClampWidth(width),
                    ClampHeight(height)};
    bool limited = next.width != width || next.height != height;
    if (limited && m_displayMode == DisplayMode::Free) {
        next.x0 = map.KMOfColumn((box.left + box.right) / 2.0) - next.width / 2;
        next.y0 = map.ValueOfRow((box.top + box.bottom) / 2.0) - next.height / 2;
    }
    m_window = next;
    Layout();
    PlaceModeCursorAtCentre();
}

void TraceGraph::ZoomInAround(int column, int row) {
    PlotMapping map = Mapping();
    m_history.Push(m_window);
    double km = map.KMOfColumn(column);
    double value = map.ValueOfRow(row);
    m_window.width = std::max(m_window.width / 2, kMinWidthKM);
    m_window.height = std::max(m_window.height / 2, kMinHeightDB);
    m_window.x0 = km - m_window.width / 2;
    m_window.y0 = value - m_window.height / 2;
    Layout();
    PlaceModeCursorAtCentre();
}

// Zooms onto the event whose mark is under the pointer: the event and its
// surroundings, levels read on the primary as it is drawn.
bool TraceGraph::ZoomToEventAt(int column, int row) {
    const TraceCurve* primary = PrimaryCurve();
    if (!primary) return false;
    for (const EventMarker& mark : primary->Markers()) {
        if (!MarkerContains(mark, column, row)) continue;
        const CT6& record = primary->Record();
        int i = mark.eventIndex;
        double widthKM = std::fabs(record.EVGetEndKM(i) - record.EVGetStartKM(i));
        double reachKM = std::fabs(record.EVGetLSAStartOffKM(i, 1));
        double half = kEventSpanFactor * std::max({widthKM, reachKM, kMinWidthKM / 2});
        m_history.Push(m_window);
        m_selectedMarker = i;
        m_selectedMarkerEntry = primary->Entry();
        m_window.x0 = mark.km - half;
        m_window.width = 2 * half;
        double level = primary->ValueAt(mark.km).value_or(0);
        double left = primary->ValueAt(m_window.x0).value_or(level);
        double right = primary->ValueAt(m_window.x0 + m_window.width).value_or(level);
        double spread = std::max(std::fabs(level - left), std::fabs(level - right));
        m_window.height = std::max(kEventHeightFactor * spread, kMinHeightDB);
        m_window.y0 = level - m_window.height / 2;
        EndInteractionMode();
        Layout();
        return true;
    }
    return false;
}

// --- Scrolling --------------------------------------------------------------

double TraceGraph::ClampX0(double x0) const {
    return std::max(-kMaxKM, std::min(x0, kMaxKM - m_window.width));
}

void TraceGraph::ScrollHorizontal(ScrollAction action, int thumb) {
    if (m_displayMode == DisplayMode::FromOrigin) return;
    double x0 = m_window.x0;
    switch (action) {
    case ScrollAction::LineBack:
        x0 -= kLineFraction * m_window.width;
        break;
    case ScrollAction::LineForward:
        x0 += kLineFraction * m_window.width;
        break;
    case ScrollAction::PageBack:
        x0 -= kPageFraction * m_window.width;
        break;
    case ScrollAction::PageForward:
        x0 += kPageFraction * m_window.width;
        break;
    case ScrollAction::Thumb:
        x0 = x0 >= 0 ? thumb * kMaxKM / kScrollRange : x0 + (kMaxKM - x0) / kScrollRange * thumb;
        break;
    case ScrollAction::Top:
        x0 = 0;
        break;
    case ScrollAction::Bottom:
        x0 = kMaxKM - m_window.width;
        break;
    }
    MoveX0To(x0);
}

void TraceGraph::MoveX0To(double x0) {
    x0 = ClampX0(x0);
    double moved = x0 - m_window.x0;
    if (m_displayMode == DisplayMode::FromA) {
        SetCursorA(m_cursorA + moved);
        return;
    }
    if (m_displayMode == DisplayMode::FromB) {
        SetCursorB(m_cursorB + moved);
        return;
    }
    m_window.x0 = x0;
    Layout();
}

void TraceGraph::ScrollVertical(ScrollAction action, int thumb) {
    if (m_displayMode != DisplayMode::Free) return;
    double y0 = m_window.y0;
    switch (action) {
    case ScrollAction::LineBack:
        y0 -= kLineFraction * m_window.height;
        break;
    case ScrollAction::LineForward:
        y0 += kLineFraction * m_window.height;
        break;
    case ScrollAction::PageBack:
        y0 -= kPageFraction * m_window.height;
        break;
    case ScrollAction::PageForward:
        y0 += kPageFraction * m_window.height;
        break;
    case ScrollAction::Thumb:
        y0 = thumb * kVerticalThumbDB;
        break;
    case ScrollAction::Top:
        y0 = 0;
        break;
    case ScrollAction::Bottom:
        y0 = kMaxDB - m_window.height;
        break;
    }
    MoveY0To(y0);
}

void TraceGraph::MoveY0To(double y0) {
    m_window.y0 = std::max(0.0, std::min(y0, kMaxDB - m_window.height));
    Layout();
}

// Trackpads and touch screens scroll by pixels, under the scroll bars' rules.
void TraceGraph::ScrollByPixels(int dx, int dy) {
    PlotMapping map = Mapping();
    if (!map.IsUsable()) return;
    if (dx != 0 && m_displayMode != DisplayMode::FromOrigin)
        MoveX0To(m_window.x0 + dx * map.KMPerPixel());
    if (dy != 0 && m_displayMode == DisplayMode::Free)
        MoveY0To(m_window.y0 + dy * map.DBPerPixel());
}

// The wheel zooms like the zoom bars, but keeps the point under the pointer
// in place where the display mode leaves the window free.
void TraceGraph::ZoomAroundPixel(int column, int row, double factor, bool levels) {
    PlotMapping map = Mapping();
    if (!map.IsUsable() || !(factor > 0)) return;
    double oldWidth = m_window.width;
    double oldHeight = m_window.height;
    double km = map.KMOfColumn(column);
    double value = map.ValueOfRow(row);
    if (levels)
        m_window.height = ClampHeight(oldHeight * factor);
    else
        m_window.width = ClampWidth(oldWidth * factor);
    if (m_displayMode != DisplayMode::Free) {
        KeepCentreAfterSpanChange(oldWidth, oldHeight);
        return;
    }
    m_window.x0 = km - (km - m_window.x0) * m_window.width / oldWidth;
    m_window.y0 = value - (value - m_window.y0) * m_window.height / oldHeight;
    Layout();
}

int TraceGraph::HorizontalThumb() const {
    return ClampThumb(m_window.x0 * kScrollRange / kMaxKM, 0, kScrollRange);
}

int TraceGraph::VerticalThumb() const {
    return ClampThumb(m_window.y0 / kVerticalThumbDB, 0, kScrollRange);
}

// After a zoom-bar change the window keeps its centre, except from the origin.
void TraceGraph::KeepCentreAfterSpanChange(double oldWidth, double oldHeight) {
    if (m_displayMode == DisplayMode::FromOrigin) {
        if (m_window.width != oldWidth) m_window.x0 = 0;
        if (m_window.height != oldHeight) m_window.y0 = 0;
    } else {
        m_window.x0 -= (m_window.width - oldWidth) / 2;
        m_window.y0 -= (m_window.height - oldHeight) / 2;
    }
    Layout();
}

namespace {

double SteppedSpan(double span, ScrollAction action, double thumbSpan, double top, double bottom) {
    switch (action) {
    case ScrollAction::LineBack:
        return span * kZoomLineIn;
    case ScrollAction::LineForward:
        return span * kZoomLineOut;
    case ScrollAction::PageBack:
        return span / 2;
    case ScrollAction::PageForward:
        return span * 2;
    case ScrollAction::Thumb:
        return thumbSpan;
    case ScrollAction::Top:
        return top;
    case ScrollAction::Bottom:
        return bottom;
    }
    return span;
}

} // namespace

void TraceGraph::ZoomDistanceBar(ScrollAction action, int thumb) {
    double oldWidth = m_window.width;
    double fromThumb = kDistanceBarScale * std::exp(thumb * kDistanceBarRate) - kDistanceBarOffset;
    m_window.width = ClampWidth(SteppedSpan(oldWidth, action, fromThumb, kMinWidthKM, kMaxKM));
    KeepCentreAfterSpanChange(oldWidth, m_window.height);
}

void TraceGraph::ZoomLevelBar(ScrollAction action, int thumb) {
    double oldHeight = m_window.height;
    double fromThumb = std::clamp(thumb, kLevelBarMin, kLevelBarMax) * kLevelThumbDB;
    m_window.height = ClampHeight(SteppedSpan(oldHeight, action, fromThumb, kMinHeightDB, kMaxDB));
    KeepCentreAfterSpanChange(m_window.width, oldHeight);
}

int TraceGraph::DistanceBarThumb() const {
    double p =
        std::log((m_window.width + kDistanceBarOffset) / kDistanceBarScale) / kDistanceBarRate;
    return ClampThumb(p, 0, kScrollRange);
}

int TraceGraph::LevelBarThumb() const {
    return ClampThumb(m_window.height / kLevelThumbDB, kLevelBarMin, kLevelBarMax);
}

} // namespace orvane::graph
