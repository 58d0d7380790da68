// Far-end time of flight of fibre-fill traces: the end reflection is found
// as the longest run of levels that the trace crosses once on its way up to
// the peak, the peak is walked to its top and refined with a parabola.
#include <varnel/varnel.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

constexpr int32_t kHistogramEntries = 65000;
constexpr int32_t kTopLevel = 64000;
constexpr int32_t kScanStartAfterZKM = 30;
constexpr int32_t kLowestPeakDP = 30;
constexpr int32_t kPeakLookBack = 4;
constexpr int32_t kRefineAfterZKM = 35;
constexpr int32_t kMaxMultipleCrossings = 21;
constexpr uint16_t kSaturatedValue = 65535;

struct Histogram {
    std::vector<int32_t> count, firstPos, lastPos;
};

// The level histogram and run search of one trace.
class EndSearch {
public:
    EndSearch(CT6& trace, Histogram& histogram) : trace_(trace), h_(histogram) {}

    void run() {
        const int32_t nf = std::abs(trace_.CalcNoiseFloorDP(1));
        pointCount_ = trace_.DPLCount() > 0 ? trace_.DPLCount() : trace_.DPOCount();
        noiseFloorDP_ = std::min(nf, std::max(pointCount_ - 1, 0));
        resetEvents();
        if (!trace_.IsTraceFiberFill()) return;
        loadValues();
        int32_t peakDP = 0;
        if (!findRunStart(peakDP) || !walkToPeak(peakDP)) return;
        placeEnd(peakDP);
    }

private:
    void resetEvents() {
        trace_.EVInitArray(2);
        trace_.EVInsert();
        trace_.EVInsert();
        trace_.EVSetType(0, T6_EVENT_LAUNCH);
        setPosition(0, trace_.GetZKMDP(), trace_.GetZKMFR());
        trace_.EVSetType(1, T6_EVENT_QUESTIONABLE_END);
        setPosition(1, noiseFloorDP_, 0);
        trace_.EVSetFlags(1, T6_EVFLAG_CLOSING);
    }

    void setPosition(int32_t i, int32_t dp, uint16_t fr) {
        trace_.EVSetStartDP(i, dp);
        trace_.EVSetStartFR(i, fr);
        trace_.EVSetEndDP(i, dp);
        trace_.EVSetEndFR(i, fr);
    }

    void loadValues() {
        values_.resize(static_cast<size_t>(std::max(pointCount_, 0)));
        for (int32_t i = 0; i < pointCount_; ++i)
            values_[i] = static_cast<uint16_t>(trace_.DPWGetLONG(i));
    }

    // The start of the longest run of levels crossed once, or false when no
    // run spans one dB of levels.
    bool findRunStart(int32_t& start) {
        int32_t highest = 0;
        for (int32_t i = noiseFloorDP_; i < pointCount_; ++i)
            highest = std::max<int32_t>(highest, values_[i]);
        const int32_t lowLevel = highest == kSaturatedValue ? 0 : highest;
        const int32_t from = trace_.GetOnAfterZKMDP() + kScanStartAfterZKM;
        CT6::DVFreqDist(values_.data(), std::max(from, 0), noiseFloorDP_, lowLevel, kTopLevel,
                        h_.count.data(), h_.firstPos.data(), h_.lastPos.data());

        const int32_t oneDB = trace_.DPWGetScaleFactor();
        int32_t run = 0, onceStreak = 0, bestOnceStreak = 0, longest = 0;
        int32_t lowestFirst = noiseFloorDP_;
        start = noiseFloorDP_;
        for (int32_t level = lowLevel; level <= kTopLevel; ++level) {
            const int32_t crossings = level < kTopLevel ? h_.count[level] : 0;
            if (crossings == 1) {
                ++run;
                lowestFirst = std::min(lowestFirst, h_.firstPos[level]);
                bestOnceStreak = std::max(bestOnceStreak, ++onceStreak);
                continue;
            }
            onceStreak = 0;
            if (crossings >= 2 && crossings <= kMaxMultipleCrossings && run > 0) {
                ++run;
                continue;
            }
            if (run > longest) {
                longest = run;
                start = lowestFirst;
            }
            bool clean = run >= oneDB && bestOnceStreak >= oneDB;
            run = bestOnceStreak = 0;
            if (clean) break;
        }
        return oneDB > 0 && longest >= oneDB;
    }

    // Climbs back to the top of the reflection: any higher point among the
    // four before moves the peak there. False when the walk leaves the trace.
    bool walkToPeak(int32_t& t) {
        while (true) {
            if (t < 0 || t >= pointCount_) return false;
            const uint16_t level = values_[t];
            int32_t higher = -1;
            for (int32_t k = 1; k <= kPeakLookBack; ++k) {
                if (t - k < kLowestPeakDP) return false;
                if (values_[t - k] > level) {
                    higher = t - k;
                    break;
                }
            }
            if (higher < 0) return true;
            t = higher;
        }
    }

    void placeEnd(int32_t peakDP) {
        int32_t dp = peakDP;
        uint16_t fr = 0;
        refinePeak(peakDP, dp, fr);
        trace_.EVSetStartDP(1, dp);
        trace_.EVSetStartFR(1, fr);
        trace_.EVSetEndDP(1, dp + 1);
        trace_.EVSetEndFR(1, 0);
        trace_.EVClearFlags(1, T6_EVFLAG_END_AT_NOISE_FLOOR);
    }

    // Least-squares parabola through the five points around t; its vertex
    // becomes the peak when it lies strictly inside them.
    void refinePeak(int32_t t, int32_t& dp, uint16_t& fr) {
        if (t <= trace_.GetOnAfterZKMDP() + kRefineAfterZKM || t + 2 >= pointCount_) return;
        double m[3][3] = {{5, 10, 30}, {10, 30, 100}, {30, 100, 354}}; // sums of x^0..x^4
        double b[3] = {0, 0, 0};
        for (int32_t x = 0; x <= 4; ++x) {
            double y = values_[t - 2 + x];
            b[0] += y;
            b[1] += x * y;
            b[2] += x * x * y;
        }
        if (!T6SymMatrix3X3Inv(m)) return;
        double c[3];
        for (int r = 0; r < 3; ++r)
            c[r] = m[r][0] * b[0] + m[r][1] * b[1] + m[r][2] * b[2];
        if (c[2] == 0) return;
        double vertex = -c[1] / (2 * c[2]);
        if (!(vertex > 0 && vertex < 4)) return;
        dp = T6DPFRFromDouble(t - 2 + vertex, fr);
    }

    CT6& trace_;
    Histogram& h_;
    std::vector<uint16_t> values_;
    int32_t pointCount_ = 0;
    int32_t noiseFloorDP_ = 0;
};

} // namespace

int32_t T6CalcCDTOFs(int32_t n, CT6** traces, double* tof, int32_t* status) {
    if (n <= 0) return 0;
    if (!traces || !tof || !status) return 1;
    Histogram histogram;
    try {
        histogram.count.resize(kHistogramEntries);
        histogram.firstPos.resize(kHistogramEntries);
        histogram.lastPos.resize(kHistogramEntries);
    } catch (const std::bad_alloc&) {
        std::fill_n(tof, n, 0.0);
        std::fill_n(status, n, T6_TOF_NO_TRACE);
        return 2;
    }
    for (int32_t i = 0; i < n; ++i) {
        tof[i] = 0;
        status[i] = T6_TOF_MEASURED;
        if (!traces[i]) {
            status[i] = T6_TOF_NO_TRACE;
            continue;
        }
        if (!traces[i]->IsTraceFiberFill()) status[i] |= T6_TOF_NOT_FIBER_FILL;
        EndSearch(*traces[i], histogram).run();
    }
    for (int32_t i = 0; i < n; ++i)
        if (status[i] == T6_TOF_MEASURED) tof[i] = traces[i]->CalcTimeOfFlightSEC();
    return 0;
}
