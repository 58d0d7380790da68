// Automatic event analysis: the run of all steps over one record.
#include "analysis/fas_steps.h"

#include "record/event_element.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

constexpr int32_t kAttenStartPulses = 4;
constexpr int32_t kAttenEndPulses = 7;
constexpr int32_t kAttenMinWindow = 50;
constexpr int32_t kAttenKindFibre = 1;
constexpr int32_t kAttenMinSamples = 30;
// Far beyond any real pulse (65 us at 5 cm is 130,000 points); keeps the
// steps' pulse multiples inside 32 bits whatever spacing a file declares.
constexpr int32_t kLongestPulsePoints = 1 << 20;

// Reads what the run needs from the record; false when there is no trace to
// analyse or no memory for the working arrays (then nothing was changed).
enum class Prepared { Ready, NoMemory, NoTrace };

} // namespace

namespace varnel {

double kmAt(CT6& record, int32_t dp) {
    return record.KMFromDPFR(dp, 0);
}

double kmAtHalf(CT6& record, int32_t dp2) {
    const int32_t dp = dp2 >= 0 ? dp2 / 2 : -((1 - dp2) / 2);
    return record.KMFromDPFR(dp, (dp2 - 2 * dp) != 0 ? uint16_t{0x8000} : uint16_t{0});
}

double correctedTwoPointLossDB(CT6& record, int32_t a, int32_t b) {
    double fits[6];
    const double loss =
        record.CalcLoss(T6_LOSS_2POINT_ATN_COR, 0, kmAt(record, a), 0.0, 0.0, kmAt(record, b), 0.0,
                        0.0, fits[0], fits[1], fits[2], fits[3], fits[4], fits[5]);
    return loss == T6_NO_VALUE ? 0.0 : loss;
}

} // namespace varnel

namespace {

Prepared prepare(CT6& record, CT6::FASRun& run, int32_t workingCount) {
    const int32_t count = std::min(record.DPOCount(), workingCount);
    run.dv = record.DPWGetPtr(0);
    run.sf = record.DPWGetScaleFactor();
    if (count < 2 || run.dv == nullptr || run.sf <= 0) return Prepared::NoTrace;
    run.last = count - 1;
    run.first = std::clamp(record.GetOnAfterZKMDP(), 0, run.last);

    // A pulse longer than the trace covers the whole trace and no more.
    const int32_t longestPulse = std::min(count, kLongestPulsePoints);
    for (int32_t i = 0; i < std::max(record.PWCount(), 1); ++i) {
        const int32_t pointsPer = std::clamp(record.PWGetPointsPer(i), 1, longestPulse);
        run.pulses.push_back(
            {record.PWGetStartDP(i), pointsPer, record.PWGetNanoSec(i), record.PWGetPreampType(i)});
    }
    for (int32_t i = 0; i < std::max(record.SpanCount(), 1); ++i) {
        run.spans.push_back(
            {record.SpanGetStartDP(i), record.SpanGetDxKM(i), record.SpanGetBackScatter(i)});
        if (!(run.spans.back().dxKM > 0.0)) return Prepared::NoTrace;
    }
    run.dynamicRangeDB = record.GetDynamicRange();
    run.resolutionM = record.GetResoNominalM();
    run.singleMode = record.GetFiberMode() == T6_FIBER_SINGLEMODE;
    run.settings = varnel::fasSettings();

    if (!run.candidates.allocate()) return Prepared::NoMemory;
    try {
        run.work.assign(static_cast<size_t>(count), 0);
    } catch (const std::bad_alloc&) {
        return Prepared::NoMemory;
    }
    return Prepared::Ready;
}

} // namespace

int32_t CT6::startFAS(FASRun& run) {
    if (DPLCount() > 0) return T6_FAS_LINEAR_POINTS;
    switch (prepare(*this, run, static_cast<int32_t>(m_dpw.size()))) {
    case Prepared::NoMemory:
        return T6_FAS_NO_MEMORY;
    case Prepared::NoTrace:
        return T6_FAS_NO_TRACE;
    case Prepared::Ready:
        break;
    }

    SetTraceTemplate(0);
    SetModFlag(T6_MOD_ANALYSIS);
    const int32_t noiseFloor = CalcNoiseFloorDP(1);
    run.noiseFloorFound = noiseFloor > 0;
    run.nf = std::clamp(std::abs(noiseFloor), run.first, run.last);
    run.horizon = run.nf;
    const int32_t attenFrom = run.first + kAttenStartPulses * run.pulses[0].pointsPer;
    const int32_t attenTo = run.nf - kAttenEndPulses * run.pp(run.nf);
    run.atnDBKM =
        EstAttenDBKM(attenFrom, attenTo, std::max(kAttenMinWindow, (attenTo - attenFrom + 1) / 100),
                     kAttenKindFibre, 0.0, 9.0, 0.001, kAttenMinSamples);
    m_attenuationDBKM = run.atnDBKM;
    return T6_FAS_DONE;
}

void CT6::runCandidateSteps(FASRun& run) {
    varnel::buildRiseMap(run);
    HiReflPeaks(run);
    FindReflectiveCandidates(run);
    CheckReflections(run);
    run.reflectiveAdded = run.candidates.count();

    LinearizeDVs(run);
    WinPWWin(run);
    varnel::clearInsideCandidates(run);
    varnel::applyNoiseThreshold(run);
    varnel::addNonReflectiveCandidates(run);
    run.othersAdded = run.candidates.count() - run.reflectiveAdded;
    if (run.bounded()) varnel::keepKnownCandidates(run);
    FindNonReflExtents(run);
    varnel::formGroups(run.candidates);
}

void CT6::finishFAS(const FASRun& run) {
    const varnel::FASSettings& s = run.settings;
    SetThresholdLoss(s.lossDB);
    SetThresholdRefl(s.reflDB);
    SetThresholdBreak(s.breakDB);
    SetFASNumBreaks(s.numBreaks);
    SetFASEndAtNthRefl(s.endAtNthRefl);
    SetFASNthReflThresh(s.nthReflThreshDB);
    SetModFlag(T6_MOD_ANALYSIS_SETTINGS);
}

void CT6::buildWholeTable(FASRun& run) {
    run.horizon = run.nf;
    run.candidates.truncate(0);
    runCandidateSteps(run);
    varnel::absorbLaunchZone(run);
    BuildEventTable(run);
    RemoveEvents(run);
    EndAtNthReflection(run);
    CloseEventTable(run);
}

int32_t CT6::FAS() {
    FASRun run;
    const int32_t status = startFAS(run);
    if (status != T6_FAS_DONE) return status;
    buildWholeTable(run);
    finishFAS(run);
    return T6_FAS_DONE;
}
