// The LSA handles of the trace graph: the offsets of each loss mode's set,
// their handle points, and moving a handle, a pair or a cursor to a place.
#include "core/trace/graph/trace_graph.h"

#include <algorithm>

namespace orvane::graph {
namespace {

// A segment keeps at least this length when one of its ends is moved.
constexpr double kMinLsaSegmentKM = 0.001;

} // namespace

namespace {

// Loss modes 0, 2 and 4 each keep their own LSA set; the others use none.
int LsaSetOf(int32_t lossMode) {
    switch (lossMode) {
    case T6_LOSS_SPLICE:
        return 0;
    case T6_LOSS_2POINT_LSA:
        return 1;
    case T6_LOSS_DBKM_LSA:
        return 2;
    default:
        return -1;
    }
}

} // namespace

int TraceGraph::LsaSetIndex() const {
    return LsaSetOf(m_lossMode);
}

LsaOffsets TraceGraph::Lsa(int32_t lossMode) const {
    int index = LsaSetOf(lossMode);
    return index < 0 ? LsaOffsets{} : m_lsa[static_cast<size_t>(index)];
}

void TraceGraph::SetLsa(int32_t lossMode, const LsaOffsets& offsets) {
    int index = LsaSetOf(lossMode);
    if (index < 0) return;
    m_lsa[static_cast<size_t>(index)] = offsets;
    RecomputeMeasurement();
}

bool TraceGraph::LsaShown() const {
    return CursorsSet() && m_curveCount > 0 && m_readout.lsa.valid;
}

std::array<PixelPoint, 4> TraceGraph::LsaHandlePixels() const {
    std::array<PixelPoint, 4> points{};
    PlotMapping map = Mapping();
    if (!map.IsUsable()) return points;
    for (size_t i = 0; i < points.size(); ++i)
        points[i] = {map.ColumnOfKM(m_readout.lsa.km[i]), map.RowOfValue(m_readout.lsa.value[i])};
    return points;
}

// Moves a handle or a pair by a shown distance; a flipped primary measures
// from its end, so its offsets run the other way.
void TraceGraph::MoveTargetBy(PointTarget target, double dKM) {
    int index = LsaSetIndex();
    if (index < 0) return;
    const TraceCurve* primary = PrimaryCurve();
    double d = primary && primary->IsFlipped() ? -dKM : dKM;
    LsaOffsets& o = m_lsa[static_cast<size_t>(index)];
    switch (target) {
    case PointTarget::LsaLeftStart:
        o.aStart = std::min(o.aStart + d, o.aEnd - kMinLsaSegmentKM);
        break;
    case PointTarget::LsaLeftEnd:
        o.aEnd = std::max(o.aEnd + d, o.aStart + kMinLsaSegmentKM);
        break;
    case PointTarget::LsaRightStart:
        o.bStart = std::min(o.bStart + d, o.bEnd - kMinLsaSegmentKM);
        break;
    case PointTarget::LsaRightEnd:
        o.bEnd = std::max(o.bEnd + d, o.bStart + kMinLsaSegmentKM);
        break;
    case PointTarget::LsaLeftPair:
        o.aStart += d;
        o.aEnd += d;
        break;
    case PointTarget::LsaRightPair:
        o.bStart += d;
        o.bEnd += d;
        break;
    default:
        return;
    }
    RecomputeMeasurement();
    Send(HINT_MEASUREMENT);
}

// Puts a handle, or the middle of a pair, at the pointer's distance.
void TraceGraph::MovePendingTargetTo(PointTarget target, int column) {
    double km = Mapping().KMOfColumn(column);
    switch (target) {
    case PointTarget::CursorA:
        SetCursorA(km);
        return;
    case PointTarget::CursorB:
        SetCursorB(km);
        return;
    default:
        break;
    }
    if (!m_readout.lsa.valid) return;
    const auto& at = m_readout.lsa.km;
    double current = 0;
    switch (target) {
    case PointTarget::LsaLeftPair:
        current = (at[0] + at[1]) / 2;
        break;
    case PointTarget::LsaRightPair:
        current = (at[2] + at[3]) / 2;
        break;
    default:
        current = at[static_cast<size_t>(static_cast<int>(target) - 5)];
        break;
    }
    MoveTargetBy(target, km - current);
}

} // namespace orvane::graph
