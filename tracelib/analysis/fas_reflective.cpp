// Reflective candidates: the launch and every rise that stands out, each with
// its peak, the start of its falling edge and the point where the trace is
// back on the fibre's backscatter slope.
#include "analysis/fas_steps.h"

#include "record/event_element.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int32_t kRestartRiseFactor = 8;
constexpr double kAbsorbHeightShare = 0.04;
constexpr int32_t kHighResolutionPreamp = 2;

// Reflection end search
constexpr int32_t kEndWindowMin = 14;
constexpr int32_t kEndWindowMax = 30;
constexpr int32_t kEndWindowFineMin = 65;
constexpr double kEndWindowKM = 0.030;
constexpr double kEndWindowMaxKM = 0.300;
constexpr double kFineResolutionM = 0.125;
constexpr double kWidenBelowDB = 1.6;
constexpr double kToleranceMaxDBKM = 0.1;
constexpr int32_t kSlopeBinsSingleMode = 110;
constexpr int32_t kSlopeBinsMultiMode = 310;
constexpr int32_t kSlopeBinsMax = kSlopeBinsMultiMode;
constexpr int32_t kMinSlopesRecorded = 100;
constexpr int32_t kSlopePeakHalfWidth = 3; // the histogram peak is 7 bins wide

int32_t endWindow(const CT6::FASRun& run, int32_t fallStart) {
    const double dx = run.dxKM(fallStart);
    int32_t w =
        std::max({run.pp(fallStart) / 2, kEndWindowMin, static_cast<int32_t>(kEndWindowKM / dx)});
    w = std::min(w, kEndWindowMax);
    w = std::min(w, static_cast<int32_t>(kEndWindowMaxKM / dx));
    if (run.resolutionM <= kFineResolutionM) w = std::max(w, kEndWindowFineMin);
    return std::max(w, 2);
}

// The length of the fit that FindReflEnd makes at i when scanning from f: its
// window widens for good once the trace has sunk well below level0.
int32_t fitWindowAt(const CT6::FASRun& run, int32_t level0, int32_t f, int32_t i) {
    const int32_t w = endWindow(run, f);
    const int32_t widenBelow = level0 - run.dbToDV(kWidenBelowDB);
    for (int32_t k = f; k <= i; ++k) {
        if (run.dv[k] < widenBelow) return w * 3 / 2;
    }
    return w;
}

// The centre of the 7-bin window holding most slopes, when it holds at least
// half of them; -1 otherwise.
int32_t dominantSlopeBin(const std::array<int32_t, kSlopeBinsMax>& bins, int32_t binCount,
                         int32_t recorded) {
    int32_t bestCentre = -1;
    int32_t bestSum = -1;
    for (int32_t c = kSlopePeakHalfWidth; c <= binCount - kSlopePeakHalfWidth - 1; ++c) {
        int32_t sum = 0;
        for (int32_t k = c - kSlopePeakHalfWidth; k <= c + kSlopePeakHalfWidth; ++k) {
            sum += bins[static_cast<size_t>(k)];
        }
        if (sum > bestSum) {
            bestSum = sum;
            bestCentre = c;
        }
    }
    return 2 * bestSum < recorded ? -1 : bestCentre;
}

// The next height from `from` on; -1 when there is none up to where the
// heights are known.
int32_t nextHeight(const CT6::FASRun& run, int32_t from) {
    for (int32_t p = from; p <= run.heightsExactTo; ++p) {
        if (run.work[static_cast<size_t>(p)] != 0) return p;
    }
    return -1;
}

} // namespace

int32_t CT6::FindReflRise(const FASRun& run, int32_t u, int32_t h) const {
    const uint16_t* dv = run.dv;
    int32_t p = u;
    while (p < h && dv[p + 1] > dv[p])
        ++p;
    for (;;) {
        const int32_t q = std::min(p + run.pp(p) / 2, h);
        if (q <= p || dv[q] - dv[p] <= run.sf) return p;
        p = q;
    }
}

int32_t CT6::FindReflFall(const FASRun& run, int32_t p, int32_t h, int32_t* reach) const {
    const uint16_t* dv = run.dv;
    const auto dropAt = [dv](int32_t k) { return static_cast<int32_t>(dv[k]) - dv[k + 1]; };
    h = std::min(h, run.last - 1);
    if (reach) *reach = INT32_MAX;
    if (p >= h) return p;

    int32_t limit = std::min(h, p + std::max(static_cast<int32_t>(1.5 * run.pp(p)), 8));
    int32_t steepest = p;
    for (int32_t k = p; k <= limit; ++k) {
        const int32_t drop = dropAt(k);
        if (drop == 0) limit = std::min(limit + 1, h);
        if (drop > dropAt(steepest)) steepest = k;
    }
    if (reach && limit < h) *reach = limit;

    const int32_t minDrop = run.sf / 50;
    for (int32_t i = steepest;; --i) {
        const int32_t drop = dropAt(i);
        if (drop <= minDrop) return i + 1;
        if (i <= p || 4 * dropAt(i - 1) <= drop) return i;
    }
}

int32_t CT6::FindReflEnd(const FASRun& run, int32_t level0, int32_t f, int32_t h,
                         int32_t* reach) const {
    const uint16_t* dv = run.dv;
    const int32_t pp = run.pp(f);
    const int32_t w = endWindow(run, f);
    const int32_t wide = w * 3 / 2;
    const int32_t widenBelow = level0 - run.dbToDV(kWidenBelowDB);
    const double tolerance = std::min(run.atnDBKM / 5.0, kToleranceMaxDBKM);
    const int32_t binCount = run.singleMode ? kSlopeBinsSingleMode : kSlopeBinsMultiMode;
    const int32_t recordFrom = f + 2 * pp;
    std::array<int32_t, kSlopeBinsMax> bins{};
    int32_t recorded = 0;
    double reference = run.atnDBKM;
    bool recording = true;
    if (reach) *reach = INT32_MAX;

    for (;;) {
        int32_t window = w;
        varnel::SlidingLineFit fit(dv, run.last);
        fit.reset(f, window);
        for (int32_t i = f; i + window - 1 <= h; ++i) {
            if (i > f) fit.advance();
            if (window == w && dv[i] < widenBelow) {
                window = wide;
                if (i + window - 1 > h) break;
                fit.reset(i, window);
            }
            if (i > 0 && dv[i - 1] - dv[i] > run.sf) continue;
            const double slope = run.toDBKM(fit.slope(), i);
            if (slope - reference <= tolerance) {
                // Found before the slopes were recorded: no later point mattered.
                if (reach && recording) *reach = i + window - 1;
                return i;
            }
            if (!recording || i < recordFrom) continue;
            const auto bin = static_cast<int32_t>(slope * 100.0);
            if (bin >= 0 && bin < binCount) {
                ++bins[static_cast<size_t>(bin)];
                ++recorded;
            }
        }
        if (!recording || recorded < std::max(pp, kMinSlopesRecorded)) return h;
        const int32_t centre = dominantSlopeBin(bins, binCount, recorded);
        if (centre < 0) return h;
        reference = centre / 100.0;
        recording = false;
    }
}

void CT6::FindReflectiveCandidates(FASRun& run) {
    varnel::CandidateArray& candidates = run.candidates;
    const uint16_t* dv = run.dv;
    const std::vector<uint16_t>& heights = run.work;
    const int32_t launchSkip = run.pulses[0].pointsPer - 3;
    run.reflectiveExactTo = run.nf;

    for (int32_t u = nextHeight(run, run.first); u >= 0; u = nextHeight(run, u)) {
        const int32_t firstHeight = u;
        const bool launch = candidates.count() == 0;
        const int32_t height = heights[static_cast<size_t>(u)];
        if (!launch && u != run.nf && u - 1 >= run.first && 2 * (dv[u - 1] - dv[u]) >= height) {
            ++u; // a rise on a falling edge
            continue;
        }
        varnel::Candidate& c = candidates.add(u, u, launch ? 0 : 1);
        if (launch && launchSkip > 0) u = std::min(u + launchSkip, run.nf);

        int32_t passes = 0;
        int32_t largestRise = 0;
        bool fallFound = false;
        int32_t end = u;
        int32_t h = u;
        bool exact = true;
        for (bool firstPass = true;; firstPass = false) {
            ++passes;
            const int32_t next = nextHeight(run, u + 1);
            // Under a horizon with no height left before it, the next one is
            // somewhere beyond: searches bounded there must end well before it.
            const bool unknownNext = next < 0 && run.bounded();
            h = next >= 0 ? next : (unknownNext ? run.heightsExactTo : run.last);
            int32_t fallReach = 0;
            int32_t endReach = 0;
            const int32_t peak = FindReflRise(run, u, h);
            const int32_t rise = dv[peak] - dv[u];
            if (firstPass) {
                c.riseEndDP = peak;
            } else if (!launch && rise > kRestartRiseFactor * largestRise) {
                c.startDP = u;
                c.riseEndDP = peak;
                fallFound = false;
            }
            largestRise = std::max(largestRise, rise);
            if (!fallFound) {
                c.fallStartDP = FindReflFall(run, peak, h, &fallReach);
                fallFound = true;
            }
            const int32_t level0 = launch ? 0 : dv[c.startDP];
            end = std::min(FindReflEnd(run, level0, c.fallStartDP, h, &endReach), run.nf);
            if (unknownNext) {
                exact = peak + run.pp(peak) / 2 < h && fallReach < h && endReach <= h;
                if (!exact) break;
            }
            // A fibre fit behind the first fall that takes in the rise this pass
            // absorbs rises with it and passes for fibre, ending the candidate
            // wherever it starts, often at the peak. The fall then runs on to
            // that rise, which becomes a candidate of its own.
            if (!firstPass && end < u && end + fitWindowAt(run, level0, c.fallStartDP, end) > u) {
                end = u - 1;
            }
            if (end < h || h == run.last) break;
            if (launch) {
                const int32_t fallHeight = std::max(dv[c.fallStartDP] - dv[end], 1);
                const bool absorbs =
                    run.pulses[0].preampType == kHighResolutionPreamp &&
                    heights[static_cast<size_t>(h)] < kAbsorbHeightShare * fallHeight;
                if (absorbs) {
                    passes = 0;
                } else {
                    c.flags |= T6_EVFLAG_LOSS_UNKNOWN;
                }
            }
            u = h;
        }

        if (!exact) {
            // This one and all after it lie beyond what is known.
            candidates.remove(candidates.count() - 1);
            candidates.compactAndSort();
            run.reflectiveExactTo = firstHeight - 1;
            return;
        }
        c.endDP = std::max(end, c.startDP);
        if (end < h && end < run.nf - 1) c.flags |= T6_EVFLAG_REFL_END_FOUND;
        if (launch) {
            c.type = T6_EVENT_LAUNCH;
            const bool clean = (c.flags & T6_EVFLAG_REFL_END_FOUND) != 0 && passes == 1;
            if (!clean) c.flags |= T6_EVFLAG_LAUNCH_NOT_CLEAN;
        } else {
            c.type = T6_EVENT_REFLECTIVE;
        }
        u = c.endDP + 1;
    }
    if (run.bounded()) run.reflectiveExactTo = run.heightsExactTo;
}

void CT6::CheckReflections(FASRun& run) {
    varnel::CandidateArray& candidates = run.candidates;
    for (int32_t i = 1; i < candidates.count(); ++i) {
        const varnel::Candidate& c = candidates[i];
        const int32_t peak = run.firstMaximum(c.startDP, c.fallStartDP);
        const double rise = -varnel::correctedTwoPointLossDB(*this, c.startDP, peak);
        const double fall = varnel::correctedTwoPointLossDB(*this, peak, c.endDP);
        if (rise * 0.5 > fall) candidates.remove(i);
    }
    candidates.compactAndSort();
}
