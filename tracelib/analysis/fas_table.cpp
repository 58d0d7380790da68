// Turning the candidates into the event table: launch level, loss of every
// event (least squares where the fibre around it allows, else two short
// windows), reflectance, flags and the breaks that end the fibre.
#include "analysis/fas_steps.h"

#include "record/event_element.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kLaunchFitMinGap = 9;
constexpr int32_t kShortSpan = 14;
constexpr int32_t kShortWindowMax = 12;
constexpr int32_t kNearOffset[kShortWindowMax + 1] = {0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3};
constexpr int32_t kFarOffset[kShortWindowMax + 1] = {0, 0, 1, 1, 3, 3, 4, 4, 6, 6, 8, 8, 9};
constexpr double kMinSegmentKM = 2.0;
constexpr double kPulseKMPerNS = 0.0001;
constexpr int32_t kSegmentTrimPercent = 10;
constexpr int32_t kSegmentTrimMin = 2;
constexpr double kBreakMarginDB = 0.1;
constexpr int32_t kMinPointsPerPulse = 8;
constexpr double kReflFloorDB = -70.0;
constexpr int32_t kMaxDV = 65535;

// One measured loss with the segments it was measured over, relative to the
// event start.
struct MeasuredLoss {
    double db = 0.0;
    int32_t mode = T6_LOSS_2POINT_ATN_COR;
    int32_t aStart = 0;
    int32_t aEnd = 0;
    int32_t bStart = 0;
    int32_t bEnd = 0;
};

double meanValue(const CT6::FASRun& run, int32_t from, int32_t to) {
    from = run.clampIndex(from);
    to = run.clampIndex(to);
    double sum = 0.0;
    for (int32_t p = from; p <= to; ++p)
        sum += run.dv[p];
    return to >= from ? sum / (to - from + 1) : run.dv[from];
}

MeasuredLoss shortSpanLoss(CT6& record, const CT6::FASRun& run, const varnel::Candidate& c,
                           int32_t before, int32_t after) {
    const int32_t j = std::clamp(before, 0, kShortWindowMax);
    const int32_t k = std::clamp(after, 0, kShortWindowMax);
    const int32_t b0 = c.startDP - kFarOffset[j];
    const int32_t b1 = c.startDP - kNearOffset[j];
    const int32_t a0 = c.endDP + kNearOffset[k];
    const int32_t a1 = c.endDP + kFarOffset[k];
    const double drop = (meanValue(run, b0, b1) - meanValue(run, a0, a1)) / run.sf;
    const double spanKM = varnel::kmAtHalf(record, a0 + a1) - varnel::kmAtHalf(record, b0 + b1);
    return {drop - spanKM * run.atnDBKM,
            T6_LOSS_2POINT_ATN_COR,
            b0 - c.startDP,
            b1 - c.startDP,
            a0 - c.startDP,
            a1 - c.startDP};
}

bool slopeIsFibre(const CT6::FASRun& run, int32_t from, int32_t to) {
    const double slope = run.slopeDBKM(from, to - from + 1);
    return slope >= 0.5 * run.atnDBKM && slope <= 2.0 * run.atnDBKM;
}

MeasuredLoss eventLoss(CT6& record, const CT6::FASRun& run, const varnel::Candidate& c,
                       int32_t before, int32_t after) {
    if (before < kShortSpan || after < kShortSpan)
        return shortSpanLoss(record, run, c, before, after);

    const varnel::PulseSegment& pulse =
        run.pulses[static_cast<size_t>(run.pulseIndexAt(c.startDP))];
    const double limitKM = std::max(pulse.nanoSec * kPulseKMPerNS / 0.8, kMinSegmentKM);
    const double startKM = varnel::kmAt(record, c.startDP);
    const double endKM = varnel::kmAt(record, c.endDP);
    int32_t gb = before;
    int32_t ga = after;
    if (startKM - varnel::kmAt(record, c.startDP - gb) > limitKM) {
        gb = static_cast<int32_t>(limitKM / run.dxKM(c.startDP));
    }
    if (varnel::kmAt(record, c.endDP + ga) - endKM > limitKM) {
        ga = static_cast<int32_t>(limitKM / run.dxKM(c.endDP));
    }
    const int32_t trimA = std::max(gb * kSegmentTrimPercent / 100, kSegmentTrimMin);
    const int32_t trimB = std::max(ga * kSegmentTrimPercent / 100, kSegmentTrimMin);
    const int32_t aStart = c.startDP - gb + trimA;
    const int32_t aEnd = c.startDP - trimA;
    const int32_t bStart = c.endDP + trimB;
    const int32_t bEnd = c.endDP + ga - trimB;
    if (!slopeIsFibre(run, aStart, aEnd) || !slopeIsFibre(run, bStart, bEnd)) {
        return shortSpanLoss(record, run, c, before, after);
    }

    const double lengthA = aEnd - aStart;
    const double lengthB = bEnd - bStart;
    const double spliceKM = startKM + lengthA / (lengthA + lengthB) * (endKM - startKM);
    const auto off = [&](int32_t dp) { return varnel::kmAt(record, dp) - spliceKM; };
    double fits[6];
    double db =
        record.CalcLoss(T6_LOSS_SPLICE, 0, spliceKM, off(aStart), off(aEnd), spliceKM, off(bStart),
                        off(bEnd), fits[0], fits[1], fits[2], fits[3], fits[4], fits[5]);
    if (db == T6_NO_VALUE) db = 0.0;
    return {db,
            T6_LOSS_SPLICE,
            aStart - c.startDP,
            aEnd - c.startDP,
            bStart - c.startDP,
            bEnd - c.startDP};
}

// A drop through the break threshold that the trace does not recover from
// within the event: the fibre is broken here, whatever the fits say.
bool dropsThroughBreak(CT6& record, const CT6::FASRun& run, const varnel::Candidate& c) {
    const double breakDB = run.settings.breakDB;
    const int32_t level0 =
        std::max(run.dv[c.startDP] - static_cast<int32_t>(breakDB * run.sf) - 1, 0);
    const double startKM = varnel::kmAt(record, c.startDP);
    int32_t running = level0;
    int32_t counted = 0;
    for (int32_t p = c.startDP; p <= std::min(c.endDP, run.last); ++p) {
        if (run.dv[p] > running) continue;
        const double fallDV = (varnel::kmAt(record, p) - startKM) * run.atnDBKM * run.sf;
        running = std::max(level0 - static_cast<int32_t>(fallDV), 0);
        if (run.dv[p] <= running && ++counted == 2) return true;
    }
    return false;
}

uint16_t launchIntercept(CT6& record, const CT6::FASRun& run, int32_t launchEnd,
                         int32_t nextStart) {
    const double refKM = record.KMFromDPFR(record.GetZKMDP(), record.GetZKMFR());
    const double endKM = varnel::kmAt(record, launchEnd);
    const int32_t gap = nextStart - launchEnd;
    double level = T6_NO_VALUE;
    if (gap > kLaunchFitMinGap) {
        const double fitEndKM =
            varnel::kmAt(record, launchEnd + std::min(gap, varnel::kLaunchFitMaxPoints));
        double segStart = 0.0;
        double segEnd = 0.0;
        level = record.CalcLSAIntercept(refKM, endKM - refKM, fitEndKM - refKM, segStart, segEnd);
    }
    if (level == T6_NO_VALUE) {
        double endDB = record.GetDBAtDPFR(launchEnd, 0);
        if (endDB == T6_NO_VALUE) endDB = static_cast<double>(run.dv[launchEnd]) / run.sf;
        level = endDB + (endKM - refKM) * run.atnDBKM;
    }
    const double scaled = run.sf * level;
    const double rounded = scaled < 0 ? std::ceil(scaled - 0.5) : std::floor(scaled + 0.5);
    return static_cast<uint16_t>(std::clamp(rounded, 0.0, static_cast<double>(kMaxDV)));
}

void storeLoss(CT6& record, int32_t index, const MeasuredLoss& loss) {
    record.EVSetLoss(index, loss.db);
    record.EVSetLossMode(index, loss.mode);
    record.EVSetLSAOffDPFR(index, 1, loss.aStart, 0, loss.aEnd, 0);
    record.EVSetLSAOffDPFR(index, 0, loss.bStart, 0, loss.bEnd, 0);
}

} // namespace

void CT6::BuildEventTable(FASRun& run) {
    const varnel::CandidateArray& candidates = run.candidates;
    const varnel::FASSettings& limits = run.settings;
    const int32_t breaksToEnd = std::max(limits.numBreaks, 1);
    int32_t breaks = 0;
    EVInitArray(candidates.count());

    for (int32_t ci = 0; ci < candidates.count(); ++ci) {
        const varnel::Candidate& c = candidates[ci];
        const bool hasNext = ci + 1 < candidates.count();
        const int32_t nextStart = hasNext ? candidates[ci + 1].startDP : run.nf;
        const int32_t index = EVInsert();
        EVSetType(index, c.type);
        EVSetStartDP(index, c.startDP);
        EVSetRiseEndDP(index, c.riseEndDP);
        EVSetFallStartDP(index, c.fallStartDP);
        EVSetEndDP(index, c.endDP);
        uint32_t flags = c.flags;

        double lossDB = 0.0;
        if (c.type == T6_EVENT_LAUNCH) {
            m_launchIntercept = launchIntercept(*this, run, c.endDP, nextStart);
        } else if (ci > 0) {
            const int32_t before = c.startDP - candidates[ci - 1].endDP;
            const int32_t after = hasNext ? nextStart - c.endDP : 0;
            MeasuredLoss loss = eventLoss(*this, run, c, before, after);
            if (loss.db >= 0 && loss.db <= limits.breakDB && dropsThroughBreak(*this, run, c)) {
                loss.db = limits.breakDB + kBreakMarginDB;
            }
            storeLoss(*this, index, loss);
            lossDB = loss.db;
        }

        double reflDB = 0.0;
        if (c.type == T6_EVENT_REFLECTIVE) {
            int32_t status = 0;
            reflDB = CalcRefl(c.startDP, run.firstMaximum(c.startDP, c.fallStartDP), 1, status);
            if (reflDB < kReflFloorDB) reflDB = 0.0;
            EVSetRefl(index, reflDB);
            if (reflDB != 0.0) flags |= static_cast<uint32_t>(status);
        }
        if (run.pp(c.startDP) < kMinPointsPerPulse) flags |= T6_EVFLAG_FEW_POINTS_PER_PULSE;
        EVPutFlags(index, flags);
        if (index == 0) continue;

        const bool lossCounts = lossDB != 0.0 && std::fabs(lossDB) >= limits.lossDB;
        const bool reflCounts = reflDB != 0.0 && reflDB >= limits.reflDB;
        if (lossCounts) flags |= T6_EVFLAG_LOSS_OVER_THRESHOLD;
        if (reflCounts) flags |= T6_EVFLAG_REFL_OVER_THRESHOLD;
        EVPutFlags(index, flags);
        if (!lossCounts && !reflCounts) {
            EVDelete(index);
            continue;
        }
        if (std::fabs(lossDB) >= limits.breakDB && ++breaks >= breaksToEnd) {
            EVSetType(index, T6_EVENT_END);
            break;
        }
    }
}
