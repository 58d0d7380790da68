// Interaction modes, the keyboard, the mouse and the LSA handles of the
// trace graph.
#include "core/trace/graph/trace_graph.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvane::graph {
namespace {

constexpr int kHandleCount = 4;

bool IsLsaMode(InteractionMode mode) {
    return mode >= InteractionMode::LsaLeftStart && mode <= InteractionMode::LsaRight;
}

// Each Set LSA Cursor command pairs an interaction mode with a click action.
PointTarget LsaTargetOf(InteractionMode mode) {
    switch (mode) {
    case InteractionMode::LsaLeftStart:
        return PointTarget::LsaLeftStart;
    case InteractionMode::LsaLeftEnd:
        return PointTarget::LsaLeftEnd;
    case InteractionMode::LsaRightStart:
        return PointTarget::LsaRightStart;
    case InteractionMode::LsaRightEnd:
        return PointTarget::LsaRightEnd;
    case InteractionMode::LsaLeft:
        return PointTarget::LsaLeftPair;
    case InteractionMode::LsaRight:
        return PointTarget::LsaRightPair;
    default:
        return PointTarget::None;
    }
}

bool Near(int a, int b, int within) {
    return std::abs(a - b) <= within;
}

} // namespace

// --- Modes ------------------------------------------------------------------

void TraceGraph::SetPointerForMode() {
    switch (m_interaction) {
    case InteractionMode::None:
    case InteractionMode::ZoomEvent:
        m_pointer = PointerShape::Arrow;
        break;
    case InteractionMode::ShiftTrace:
        m_pointer = PointerShape::SizeAll;
        break;
    default:
        m_pointer = PointerShape::Cross;
        break;
    }
}

void TraceGraph::ToggleInteractionMode(InteractionMode mode) {
    if (mode == InteractionMode::ZoomEvent && m_displayMode != DisplayMode::Free) return;
    if (m_interaction == mode) {
        EndInteractionMode();
        return;
    }
    m_interaction = mode;
    m_boxState = BoxState::Idle;
    m_pendingClick = mode == InteractionMode::SetA   ? PointTarget::CursorA
                     : mode == InteractionMode::SetB ? PointTarget::CursorB
                                                     : LsaTargetOf(mode);
    SetPointerForMode();
    Send(HINT_MODE);
}

void TraceGraph::ChooseLsaCommand(InteractionMode mode) {
    if (!IsLsaMode(mode)) return;
    ToggleInteractionMode(mode);
}

void TraceGraph::EndInteractionMode() {
    m_interaction = InteractionMode::None;
    m_pendingClick = PointTarget::None;
    m_boxState = BoxState::Idle;
    m_pointer = PointerShape::Arrow;
    Send(HINT_MODE);
}

// --- Hit testing ------------------------------------------------------------

PointTarget TraceGraph::HitTest(int column, int row) const {
    if (LsaShown()) {
        std::array<PixelPoint, 4> p = LsaHandlePixels();
        for (int i = 0; i < kHandleCount; ++i) {
            const PixelPoint& h = p[static_cast<size_t>(i)];
            if (Near(column, h.x, kLsaHitPixels) && Near(row, h.y, kLsaHitPixels))
                return static_cast<PointTarget>(static_cast<int>(PointTarget::LsaLeftStart) + i);
        }
        for (int pair = 0; pair < 2; ++pair) {
            const PixelPoint& s = p[static_cast<size_t>(2 * pair)];
            const PixelPoint& e = p[static_cast<size_t>(2 * pair + 1)];
            int lo = std::min(s.x, e.x);
            int hi = std::max(s.x, e.x);
            if (column <= lo || column >= hi) continue;
            double lineRow = s.y + static_cast<double>(e.y - s.y) * (column - s.x) / (e.x - s.x);
            if (std::fabs(row - lineRow) <= kLsaHitPixels)
                return pair == 0 ? PointTarget::LsaLeftPair : PointTarget::LsaRightPair;
        }
    }
    if (!CursorsSet()) return PointTarget::None;
    PlotMapping map = Mapping();
    if (Near(column, map.ColumnOfKM(m_cursorA), kCursorHitPixels)) return PointTarget::CursorA;
    if (Near(column, map.ColumnOfKM(m_cursorB), kCursorHitPixels)) return PointTarget::CursorB;
    return PointTarget::None;
}

std::optional<PixelRect> TraceGraph::RubberBand() const {
    if (m_boxState != BoxState::Dragging) return std::nullopt;
    return PixelRect{std::min(m_anchorColumn, m_cornerColumn), std::min(m_anchorRow, m_cornerRow),
                     std::max(m_anchorColumn, m_cornerColumn), std::max(m_anchorRow, m_cornerRow)};
}

// --- Keyboard ---------------------------------------------------------------

void TraceGraph::ShiftPrimary(double dKM, double dDB) {
    const TraceCurve* primary = PrimaryCurve();
    if (!primary) return;
    if (m_shiftTrace) {
        m_shiftTrace(primary->Entry(), dKM, dDB);
    } else {
        CT6& record = primary->MeasuredRecord();
        record.SetHorzShiftKM(record.GetHorzShiftKM() + dKM);
        record.SetVertShift(record.GetVertShift() + dDB);
    }
    RebuildCurves();
    RecomputeMeasurement();
    Send(HINT_MEASUREMENT);
}

InputEffect TraceGraph::KeyPress(GraphKey key, bool ctrl) {
    InputEffect effect;
    if (key == GraphKey::Escape) {
        if (m_interaction == InteractionMode::None) return effect;
        EndInteractionMode();
        effect.handled = true;
        return effect;
    }
    int direction = key == GraphKey::Left || key == GraphKey::Up ? -1 : 1;
    bool horizontal = key == GraphKey::Left || key == GraphKey::Right;
    bool vertical = key == GraphKey::Up || key == GraphKey::Down;
    if (!horizontal && !vertical) return effect;
    PlotMapping map = Mapping();
    switch (m_interaction) {
    case InteractionMode::None: {
        ScrollAction back = ctrl ? ScrollAction::LineBack : ScrollAction::PageBack;
        ScrollAction forward = ctrl ? ScrollAction::LineForward : ScrollAction::PageForward;
        if (horizontal)
            ScrollHorizontal(direction < 0 ? back : forward);
        else
            ScrollVertical(direction < 0 ? back : forward);
        break;
    }
    case InteractionMode::ShiftTrace: {
        double pixels = direction * (ctrl ? kFineKeyStepPixels : kKeyStepPixels);
        // Up raises the trace: more level, a smaller value.
        if (horizontal)
            ShiftPrimary(pixels * map.KMPerPixel(), 0);
        else
            ShiftPrimary(0, -pixels * map.DBPerPixel());
        break;
    }
    case InteractionMode::SetA:
    case InteractionMode::SetB: {
        if (!horizontal) return effect;
        double dKM = direction * (ctrl ? kFineKeyStepPixels : kKeyStepPixels) * map.KMPerPixel();
        if (m_interaction == InteractionMode::SetA)
            SetCursorA(m_cursorA + dKM);
        else
            SetCursorB(m_cursorB + dKM);
        break;
    }
    default:
        if (!IsLsaMode(m_interaction) || !horizontal) return effect;
        MoveTargetBy(LsaTargetOf(m_interaction),
                     direction * (ctrl ? kFineLsaKeyStepPixels : kKeyStepPixels) *
                         map.KMPerPixel());
        break;
    }
    effect.handled = true;
    return effect;
}

// --- Mouse ------------------------------------------------------------------

InputEffect TraceGraph::MousePress(int column, int row) {
    InputEffect effect;
    effect.handled = true;
    if (m_interaction == InteractionMode::ZoomWindow) {
        m_boxState = BoxState::Pressed;
        m_anchorColumn = m_cornerColumn = column;
        m_anchorRow = m_cornerRow = row;
        return effect;
    }
    if (m_pendingClick != PointTarget::None) {
        PointTarget target = m_pendingClick;
        m_pendingClick = PointTarget::None;
        MovePendingTargetTo(target, column);
        EndInteractionMode();
        return effect;
    }
    if (m_interaction == InteractionMode::ZoomEvent) {
        ZoomToEventAt(column, row);
        return effect;
    }
    for (int i = 0; i < kMaxTraces; ++i) {
        const auto& curve = m_curves[static_cast<size_t>(i)];
        if (!curve) continue;
        for (const EventMarker& mark : curve->Markers()) {
            if (!MarkerContains(mark, column, row)) continue;
            m_selectedMarker = mark.eventIndex;
            m_selectedMarkerEntry = curve->Entry();
            Send(HINT_GRID);
            return effect;
        }
    }
    m_dragTarget = HitTest(column, row);
    m_dragColumn = column;
    return effect;
}

InputEffect TraceGraph::MouseMove(int column, int row) {
    InputEffect effect;
    if (m_boxState != BoxState::Idle) {
        m_cornerColumn = column;
        m_cornerRow = row;
        if (std::abs(column - m_anchorColumn) >= kBoxDragPixels &&
            std::abs(row - m_anchorRow) >= kBoxDragPixels)
            m_boxState = BoxState::Dragging;
        effect.handled = true;
        return effect;
    }
    if (m_dragTarget == PointTarget::None) {
        UpdateHoverPointer(column, row);
        return effect;
    }
    effect.handled = true;
    PlotMapping map = Mapping();
    int centre = m_plot.width / 2;
    switch (m_dragTarget) {
    case PointTarget::CursorA:
        SetCursorA(map.KMOfColumn(column));
        if (m_displayMode == DisplayMode::FromA) effect.warpPointerToColumn = centre;
        break;
    case PointTarget::CursorB:
        SetCursorB(map.KMOfColumn(column));
        if (m_displayMode == DisplayMode::FromB) effect.warpPointerToColumn = centre;
        break;
    case PointTarget::LsaLeftPair:
    case PointTarget::LsaRightPair:
        MoveTargetBy(m_dragTarget, (column - m_dragColumn) * map.KMPerPixel());
        break;
    default:
        MovePendingTargetTo(m_dragTarget, column);
        break;
    }
    m_dragColumn = effect.warpPointerToColumn.value_or(column);
    return effect;
}

InputEffect TraceGraph::MouseRelease(int column, int row) {
    InputEffect effect;
    effect.handled = true;
    BoxState box = m_boxState;
    m_boxState = BoxState::Idle;
    if (box == BoxState::Dragging) {
        m_cornerColumn = column;
        m_cornerRow = row;
        ZoomToBox({std::min(m_anchorColumn, column), std::min(m_anchorRow, row),
                   std::max(m_anchorColumn, column), std::max(m_anchorRow, row)});
        return effect;
    }
    // A box smaller than the drag distance counts as a click.
    if (box == BoxState::Pressed) {
        ZoomInAround(m_anchorColumn, m_anchorRow);
        return effect;
    }
    effect.handled = m_dragTarget != PointTarget::None;
    m_dragTarget = PointTarget::None;
    return effect;
}

InputEffect TraceGraph::DoubleClick(int column, int row) {
    InputEffect effect;
    effect.handled = true;
    for (int i = 0; i < kMaxTraces; ++i) {
        const auto& curve = m_curves[static_cast<size_t>(i)];
        if (!curve) continue;
        for (const EventMarker& mark : curve->Markers()) {
            if (!MarkerContains(mark, column, row)) continue;
            effect.editEventOf = curve->Entry();
            effect.editEventIndex = mark.eventIndex;
            return effect;
        }
    }
    return effect;
}

void TraceGraph::UpdateHoverPointer(int column, int row) {
    SetPointerForMode();
    if (m_interaction == InteractionMode::ZoomEvent) {
        const TraceCurve* primary = PrimaryCurve();
        if (!primary) return;
        for (const EventMarker& mark : primary->Markers())
            if (MarkerContains(mark, column, row)) m_pointer = PointerShape::PointingHand;
        return;
    }
    if (m_interaction != InteractionMode::None) return;
    if (HitTest(column, row) != PointTarget::None) m_pointer = PointerShape::SizeHorizontal;
}

} // namespace orvane::graph
