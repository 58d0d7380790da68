#include "core/trace/events/event_paste.h"

#include "core/platform/prompt.h"
#include "core/trace/events/event_texts.h"

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

constexpr double kWeakestReflectance = -70.0;
constexpr double kStrongestReflectance = -10.0;
constexpr int32_t kPeakFromWindow = 0;
constexpr uint32_t kReflectanceStatusMarks =
    T6_EVFLAG_REFL_SATURATED | T6_EVFLAG_REFL_CLAMPED | T6_EVFLAG_FEW_POINTS_PER_PULSE;

bool pastableLossMode(int32_t mode) {
    return mode == T6_LOSS_SPLICE || mode == T6_LOSS_2POINT_ATN_COR;
}

// The reflectance of the primary between the cursors, as the cursor bar
// measures it.
double primaryReflectance(const graph::TraceGraph& graph) {
    const graph::TraceCurve* primary = graph.PrimaryCurve();
    if (!primary || !graph.CursorsSet()) return 0;
    const double a = primary->RecordKM(graph.CursorA());
    const double b = primary->RecordKM(graph.CursorB());
    int32_t status = 0;
    return primary->Record().CalcRefl(std::min(a, b), std::max(a, b), kPeakFromWindow, status);
}

bool refused(const char* text) {
    tell("", text);
    return false;
}

} // namespace

std::optional<double> PastedReflectance(double measured) {
    if (measured == 0 || measured < kWeakestReflectance || measured > kStrongestReflectance)
        return std::nullopt;
    return std::trunc(measured * 100 - 0.5) / 100;
}

bool PasteMeasurement(EventDialog& dialog, const graph::TraceGraph& graph,
                      graph::GraphEntry entry) {
    const int32_t mode = graph.LossMode();
    if (!pastableLossMode(mode)) return refused(kPasteNeedsLossMode);
    const graph::TraceCurve* curve = graph.CurveOf(entry);
    const bool primary = entry && entry == graph.Primary();
    if (!curve || (!primary && entry != graph.Second())) return refused(kPasteNotPrimaryOrOverlay);
    EventValues& v = dialog.values;
    if (curve->IsFlipped()) {
        if (!pastableLossMode(mode)) return refused(kPasteFlippedLossMode);
        if (v.type == T6_EVENT_REFLECTIVE) return refused(kPasteFlippedReflectance);
    }
    if (!graph.CursorsSet()) return refused(kPasteNeedsCursors);

    // A flipped trace is measured from its end: its positions mirror about
    // its last event, the pair keeping its length.
    v.lossMode = mode;
    v.lsa = graph.Lsa(mode);
    const CT6& record = curve->Record();
    const double startKM = curve->RecordKM(graph.CursorA());
    const double endKM = mode == T6_LOSS_2POINT_ATN_COR
                             ? startKM + (graph.CursorB() - graph.CursorA())
                             : startKM + record.PWGetKM(0);
    dialog.TakePastedDistances(T6CurDistFromKM(startKM), T6CurDistFromKM(endKM));

    const auto& readout = graph.Readout();
    if (const std::optional<double> loss = primary ? readout.primaryValue : readout.secondValue)
        v.loss = twoDecimals(*loss);
    if (v.type == T6_EVENT_NON_REFLECTIVE && primaryReflectance(graph) != 0)
        v.type = T6_EVENT_REFLECTIVE;

    double refl = 0;
    v.saturated = v.clamped = v.fewPoints = false;
    if (v.type != T6_EVENT_NON_REFLECTIVE) {
        int32_t status = 0;
        const double measured = record.CalcRefl(startKM, endKM, kPeakFromWindow, status);
        if (const std::optional<double> taken = PastedReflectance(measured)) {
            refl = *taken;
            const auto marks = static_cast<uint32_t>(status) & kReflectanceStatusMarks;
            v.saturated = marks & T6_EVFLAG_REFL_SATURATED;
            v.clamped = marks & T6_EVFLAG_REFL_CLAMPED;
            v.fewPoints = marks & T6_EVFLAG_FEW_POINTS_PER_PULSE;
        }
    }
    v.refl = twoDecimals(refl);
    return true;
}

} // namespace orvane
