// Fibre attenuation: the median of short two-window slopes along the trace,
// and the record's stored attenuation.
#include "analysis/measure_common.h"
#include "record/settings.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>
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
    bool oneSpan = SpanCount() <= 1;
    // Sums of the five points at each end of the slope, carried along.
    auto windowSum = [&](int32_t from) {
        int32_t sum = 0;
        for (int32_t k = 0; k < kSlopeWindowPoints; ++k)
            sum += m_dpw[from + k];
        return sum;
    };
    int32_t nearSum = windowSum(startDP);
    int32_t farSum = windowSum(startDP + w);
    const int32_t lastA = endDP - w - (kSlopeWindowPoints - 1);
    for (int32_t a = startDP; a <= lastA; ++a) {
        if (a > startDP) {
            nearSum += m_dpw[a + kSlopeWindowPoints - 1] - m_dpw[a - 1];
            farSum += m_dpw[a + w + kSlopeWindowPoints - 1] - m_dpw[a + w - 1];
        }
        double km = oneSpan ? w * dx : KMFromDPFR(a + w, 0) - KMFromDPFR(a, 0);
        if (!(km > 0.0)) continue;
        double slope = (nearSum - farSum) / (5.0 * sf) / km;
        if (slope < bins.lo) continue;
        double bin = std::trunc((slope - bins.lo) / bins.step);
        if (bin >= static_cast<double>(counts.size())) continue;
        ++counts[static_cast<size_t>(bin)];
        ++total;
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
