// Building the template inside the reference once the counters are known:
// the frequency waveform, the reference's own events replaced by the
// template events, and the end event moved to the shortest fibre.
#include "core/bidir/smart_template.h"

#include <algorithm>
#include <cmath>

namespace orvane::bidir {

namespace {

constexpr double kNearKM = 0.3;
constexpr double kFarKM = 3.0;
constexpr double kBeforeZeroStartKM = 0.0001;
constexpr double kEndMarginDisplay = 0.001; // in the display unit
constexpr double kTemplateReflDB = -50.0;
constexpr double kLossPerCount = 5.0; // loss = peak / (5 x traces)

int32_t pointOf(const CT6& record, double km) {
    uint16_t fr = 0;
    return record.DPFRFromKM(km, fr);
}

int32_t pointsIn(const CT6& record, double km) {
    const double dx = record.SpanGetDxKMAtDP(0);
    return dx > 0 ? static_cast<int32_t>(km / dx) : 0;
}

void writeFrequencyWaveform(CT6& reference, const std::vector<int16_t>& count, int32_t traces) {
    const int64_t k =
        static_cast<int64_t>(reference.DPWGetScaleFactor() * reference.GetDynamicRange());
    const int32_t n = static_cast<int32_t>(count.size());
    for (int32_t p = std::max(reference.GetOnAfterZKMDP(), 0); p < n; ++p) {
        const int64_t value =
            std::clamp<int64_t>(count[static_cast<size_t>(p)] * k / traces, 0, UINT16_MAX);
        const uint16_t v = static_cast<uint16_t>(value);
        reference.DPWSetDPW(p, 1, &v);
        reference.DPOSetDPO(p, 1, &v);
    }
    reference.SetModFlag(T6_MOD_DATA_POINTS);
}

void setLastPointToOne(CT6& reference) {
    const int32_t last = reference.DPOCount() - 1;
    if (last < 0) return;
    const uint16_t one = 1;
    reference.DPWSetDPW(last, 1, &one);
    reference.DPOSetDPO(last, 1, &one);
}

// Keeps the launch and the end event only.
void clearInnerEvents(CT6& reference) {
    for (int32_t i = 1; i + 1 < reference.EVCount(); ++i)
        reference.EVSetFlags(i, T6_EVFLAG_MARKED_FOR_DELETION);
    reference.EVDeleteFlagged();
}

double startKMOf(const CT6& reference, int32_t dp) {
    const double km = reference.KMFromDPFR(dp, 0);
    return km < 0 ? kBeforeZeroStartKM : km;
}

void insertTemplateEvent(CT6& reference, const PeakPlan& plan, int32_t traces) {
    const int32_t i = reference.EVInsert();
    if (i < 0) return;
    reference.EVSetType(i, plan.type);
    reference.EVSetStartKM(i, startKMOf(reference, plan.startDP));
    reference.EVSetEndKM(i, reference.KMFromDPFR(plan.endDP, 0));
    reference.EVSetFlags(i, T6_EVFLAG_INSERTED);
    reference.EVSetLoss(i, plan.peak / (kLossPerCount * traces));
    if (plan.type != T6_EVENT_NON_REFLECTIVE) reference.EVSetRefl(i, kTemplateReflDB);
    reference.EVSetLossMode(i, plan.lossMode);
    if (plan.lossMode != T6_LOSS_SPLICE) return;
    const double dx = reference.SpanGetDxKMAtDP(std::max(plan.startDP, 0));
    reference.EVSetLSAOffKM(i, plan.aStartOff * dx, plan.aEndOff * dx, plan.bStartOff * dx,
                            plan.bEndOff * dx);
}

// The end event goes to the shortest contributing fibre; nothing may lie beyond it.
void endAtShortestFibre(CT6& reference, double shortestKM) {
    const double margin = T6KMFromCurDist(kEndMarginDisplay);
    const double endKM = shortestKM - margin;
    const int32_t end = reference.EVCount() - 1;
    if (end < 1) return;
    reference.EVSetStartKM(end, endKM);
    reference.EVSetEndKM(end, endKM);
    for (int32_t i = 1; i < end; ++i)
        if (reference.EVGetStartKM(i) > shortestKM)
            reference.EVSetFlags(i, T6_EVFLAG_MARKED_FOR_DELETION);
    reference.EVDeleteFlagged();
    const int32_t last = reference.EVCount() - 1;
    const int32_t before = last - 1;
    if (before < 1) return;
    const double lastStart = reference.EVGetStartKM(last);
    if (reference.EVGetEndKM(before) > lastStart)
        reference.EVSetEndKM(before, std::max(reference.EVGetStartKM(before), lastStart - margin));
}

} // namespace

SmartTemplateResult BuildSmartSpliceTemplate(CT6& reference, TraceSequence& traces,
                                             const SmartTemplateSettings& settings,
                                             Progress* progress) {
    SmartTemplateResult result;
    if (reference.DPOCount() <= 0 || reference.EVCount() < 2) return result;
    EventCounts counts;
    SilentProgress silent;
    if (!collectEventCounts(reference, traces, settings, progress ? *progress : silent, counts,
                            result.stats))
        return result;
    const int32_t traceCount = std::max(result.stats.traces, 1);

    if (settings.eventFreqDist) writeFrequencyWaveform(reference, counts.count, traceCount);
    clearInnerEvents(reference);
    reference.SetTraceTemplate(1);
    const double launchEndKM = std::max(result.stats.launchEndKM, reference.EVGetEndKM(0));
    const int32_t n = static_cast<int32_t>(counts.count.size());
    SearchRange range;
    range.first = std::max(pointOf(reference, launchEndKM) + 1, 0);
    range.last =
        std::min(pointOf(reference, reference.EVGetStartKM(reference.EVCount() - 1)) - 1, n - 1);

    separatePeaks(counts.count, range, settings.minFrequency);
    reference.SetModFlag(T6_MOD_EVENTS);
    const PeakLimits limits{settings.numSplices, settings.minFrequency,
                            pointsIn(reference, kNearKM), pointsIn(reference, kFarKM)};
    const std::vector<PeakPlan> plans = placePeaks(counts, range, limits);
    for (const PeakPlan& plan : plans)
        insertTemplateEvent(reference, plan, traceCount);
    result.templateEvents = static_cast<int32_t>(plans.size());

    reference.EVSort();
    if (!settings.adjustForHelix && result.stats.traces > 0)
        endAtShortestFibre(reference, result.stats.shortestEndKM);
    if (settings.eventFreqDist) setLastPointToOne(reference);
    if (settings.printReport) {
        for (int16_t& c : counts.count)
            c = static_cast<int16_t>(std::abs(c));
        result.counts = std::move(counts.count);
    }
    result.built = true;
    return result;
}

} // namespace orvane::bidir
