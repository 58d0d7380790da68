// Fibre attenuation: the median of short two-window slopes along the trace,
// and the record's stored attenuation.
#include "analysis/measure_common.h"
#include "record/settings.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr int32_t kSingleMode = 1;
constexpr int32_t kSlopeWindowPoints = 5; // points averaged at each end of a slope
constexpr int32_t kMinWindow = 50;
constexpr int32_t kMinSpareSamples = 100;
constexpr double kMaxBins = 1e6;

// What a fibre of this kind typically loses when the trace cannot tell.
double typicalAttenDBKM(int32_t fiberMode, double wavelengthNM) {
    if (fiberMode == kSingleMode) return 0.35 - (wavelengthNM - 1310.0) * 0.13 / 240.0;
    return std::lround(wavelengthNM) == 1300 ? 0.7 : 3.0;
}

struct SlopeBins {
    double lo = 0.0;
    double hi = 0.0;
    double step = 0.0;

    bool usable() const {
        return std::isfinite(lo) && std::isfinite(hi) && step > 0.0 && hi >= lo &&
               (hi - lo) / step < kMaxBins;
    }
    int32_t count() const { return static_cast<int32_t>((hi - lo) / step) + 1; }
};

// Kind 1 suits a fibre of the record's mode, kind 2 any fibre; other kinds
// take the caller's bins.
SlopeBins slopeBins(int32_t kind, int32_t fiberMode, double lo, double hi, double step) {
    if (kind == 1) return {0.01, fiberMode == kSingleMode ? 0.5 : 4.0, 0.001};
    if (kind == 2) return {0.01, 9.0, 0.001};
    return {lo, hi, step};
}

// The drops over w points along a stretch: the sum of five points at a less
// the sum of five at a + w, for every a whose windows fit before the end.
class DropWalk {
public:
    DropWalk(const uint16_t* dv, int32_t startDP, int32_t endDP, int32_t w)
        : dv_(dv), start_(startDP), lastA_(endDP - w - (kSlopeWindowPoints - 1)), w_(w) {}

    template <class Visit> void forEach(Visit visit) const {
        if (lastA_ < start_) return;
        int32_t nearSum = windowSum(start_);
        int32_t farSum = windowSum(start_ + w_);
        for (int32_t a = start_;; ++a) {
            visit(a, nearSum - farSum);
            if (a == lastA_) return;
            nearSum += dv_[a + kSlopeWindowPoints] - dv_[a];
            farSum += dv_[a + w_ + kSlopeWindowPoints] - dv_[a + w_];
        }
    }

private:
    int32_t windowSum(int32_t from) const {
        int32_t sum = 0;
        for (int32_t k = 0; k < kSlopeWindowPoints; ++k)
            sum += dv_[from + k];
        return sum;
    }
    const uint16_t* dv_;
    int32_t start_;
    int32_t lastA_;
    int32_t w_;
};

// How often each drop within [lowest, highest] occurs, when that span is
// small enough to count in one array.
class DropHistogram {
public:
    DropHistogram(const DropWalk& walk, int32_t lowest, int32_t highest) : lowest_(lowest) {
        if (lowest > highest || int64_t{highest} - lowest >= kMaxDropSpan) return;
        const auto span = static_cast<uint32_t>(highest - lowest);
        // Four interleaved tables, so that equal neighbouring drops do not
        // wait on each other's increment; drops outside land in a last slot.
        std::array<std::vector<int32_t>, kTables> tables;
        for (auto& table : tables)
            table.assign(span + 2, 0);
        walk.forEach([&](int32_t a, int32_t drop) {
            const uint32_t slot = std::min(static_cast<uint32_t>(drop - lowest), span + 1);
            ++tables[static_cast<size_t>(a) % kTables][slot];
        });
        counts_.assign(span + 1, 0);
        for (const auto& table : tables)
            std::transform(counts_.begin(), counts_.end(), table.begin(), counts_.begin(),
                           std::plus<>());
    }
    bool usable() const { return !counts_.empty(); }
    template <class Visit> void forEach(Visit visit) const {
        for (size_t k = 0; k < counts_.size(); ++k) {
            if (counts_[k] != 0) visit(lowest_ + static_cast<int32_t>(k), counts_[k]);
        }
    }

private:
    static constexpr int64_t kMaxDropSpan = 1 << 16;
    static constexpr size_t kTables = 4;
    int32_t lowest_ = 0;
    std::vector<int32_t> counts_;
};

// The first drop in [low, high + 1] that `reached` accepts, for a predicate
// that stays true once true.
template <class Reached> int32_t firstDrop(int32_t low, int32_t high, Reached reached) {
    int32_t lo = low;
    int32_t hi = high + 1;
    while (lo < hi) {
        const int32_t mid = lo + (hi - lo) / 2;
        if (reached(mid)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

// The median slope: walk down from the top bin until half of the slopes are
// passed.
double medianSlope(const std::vector<int32_t>& counts, int32_t half, const SlopeBins& bins) {
    for (int32_t bin = static_cast<int32_t>(counts.size()) - 1; bin >= 1; --bin) {
        half -= counts[bin];
        if (half < 0) return bins.lo + bins.step * bin;
    }
    return bins.lo;
}

} // namespace

double CT6::EstAttenDBKM(int32_t startDP, int32_t endDP, int32_t window, int32_t kind, double lo,
                         double hi, double step, int32_t minCount) const {
    double fallback = typicalAttenDBKM(GetFiberMode(), GetWavelengthNominal());
    int32_t sf = DPWGetScaleFactor();
    if (DPLCount() > 0 || sf <= 0) return fallback;
    startDP = std::max(startDP, 0);
    endDP = std::min({endDP, m_lastDP, static_cast<int32_t>(m_dpw.size()) - 1});
    if (endDP < startDP) return fallback; // also keeps the length inside 32 bits
    int32_t length = endDP - startDP + 1;

    double dx = SpanGetDxKM(0);
    int32_t w = window;
    if (dx > 0.0) w = std::max(w, static_cast<int32_t>(std::min(0.15 / dx, 1e9)));
    w = std::max(std::min(w, length / 5), kMinWindow);
    if (length < w + kMinSpareSamples) return fallback;

    SlopeBins bins = slopeBins(kind, GetFiberMode(), lo, hi, step);
    if (!bins.usable()) return fallback;
    std::vector<int32_t> counts(bins.count(), 0);
    int32_t total = 0;
    // The bin of one slope, -1 outside the bins.
    const auto binOf = [&](int32_t drop, double km) -> int32_t {
        if (!(km > 0.0)) return -1;
        const double slope = drop / (5.0 * sf) / km;
        if (slope < bins.lo) return -1;
        const double bin = std::trunc((slope - bins.lo) / bins.step);
        return bin < static_cast<double>(counts.size()) ? static_cast<int32_t>(bin) : -1;
    };
    const auto count = [&](int32_t bin, int32_t n) {
        if (bin < 0) return;
        counts[static_cast<size_t>(bin)] += n;
        total += n;
    };
    const DropWalk walk(m_dpw.data(), startDP, endDP, w);
    if (SpanCount() <= 1) {
        // One spacing: the bin depends on the drop alone, so each distinct
        // drop is binned once.
        const double km = w * dx;
        // The slope rises with the drop, so the binned drops are one span.
        constexpr int32_t kWidestDrop = 2 * kSlopeWindowPoints * 0xFFFF;
        const auto slopeOf = [&](int32_t drop) { return drop / (5.0 * sf) / km; };
        const int32_t lowest =
            firstDrop(-kWidestDrop, kWidestDrop, [&](int32_t d) { return slopeOf(d) >= bins.lo; });
        const int32_t beyond = firstDrop(lowest, kWidestDrop, [&](int32_t d) {
            return std::trunc((slopeOf(d) - bins.lo) / bins.step) >=
                   static_cast<double>(counts.size());
        });
        const DropHistogram drops(walk, lowest, beyond - 1);
        if (drops.usable()) {
            drops.forEach([&](int32_t drop, int32_t n) { count(binOf(drop, km), n); });
        } else {
            walk.forEach([&](int32_t, int32_t drop) { count(binOf(drop, km), 1); });
        }
    } else {
        walk.forEach([&](int32_t a, int32_t drop) {
            count(binOf(drop, KMFromDPFR(a + w, 0) - KMFromDPFR(a, 0)), 1);
        });
    }
    int32_t half = total / 2;
    if (half < minCount) return fallback;
    return medianSlope(counts, half, bins);
}

double CT6::CalcAtn() {
    int32_t startDP = 0, endDP = 0;
    int32_t events = EVCount();
    if (events > 1) {
        startDP = EVGetEndDP(0);
        endDP = std::min(EVGetStartDP(events - 1), m_lastDP);
    } else {
        int32_t noiseFloor = std::abs(CalcNoiseFloorDP(1));
        startDP = varnel::clampToInt32(GetOnAfterZKMDP() + 4 * int64_t{PWGetPointsPer(0)});
        endDP = varnel::clampToInt32(noiseFloor - 7 * int64_t{PWGetPointsPerAtDP(noiseFloor)});
    }
    int32_t window =
        varnel::clampToInt32(std::max<int64_t>(kMinWindow, (int64_t{endDP} - startDP + 1) / 100));
    m_attenuationDBKM = EstAttenDBKM(startDP, endDP, window, 1, 0.0, 9.0, 0.001, 30);
    return m_attenuationDBKM;
}

double CT6::GetCalcAtn() const {
    return m_attenuationDBKM;
}

double CT6::GetAtn() const {
    return varnel::settings().useT6DBKM ? m_attenuationDBKM : varnel::settings().defaultDBKM;
}
