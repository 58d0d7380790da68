// Box-car smoothing: a running mean over linear samples, about a tenth of the
// pulse length wide.
#include "analysis/boxcar.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr double kMaxResolutionM = 4.0;
constexpr double kPulseShare = 0.7;
constexpr double kWidthDivisor = 10.0;
constexpr int32_t kMaxWidth = 256;
constexpr int32_t kSmallWidthBelow = 9;
constexpr int32_t kSmallWidth = 8;

// The mean of the last n samples, fewer at the start.
class RunningMean {
public:
    explicit RunningMean(int32_t n) : ring_(static_cast<size_t>(n), 0.0) {}
    double push(double v) {
        const size_t slot = static_cast<size_t>(seen_ % static_cast<int64_t>(ring_.size()));
        if (seen_ >= static_cast<int64_t>(ring_.size())) sum_ -= ring_[slot];
        ring_[slot] = v;
        sum_ += v;
        ++seen_;
        return sum_ /
               static_cast<double>(std::min<int64_t>(seen_, static_cast<int64_t>(ring_.size())));
    }

private:
    std::vector<double> ring_;
    double sum_ = 0.0;
    int64_t seen_ = 0;
};

} // namespace

namespace varnel {

int32_t boxCarWidth(double pulseM, double resolutionM) {
    const double step = std::min(resolutionM, kMaxResolutionM);
    int32_t n =
        step > 0.0 ? static_cast<int32_t>(pulseM / step * kPulseShare / kWidthDivisor) : kMaxWidth;
    n = std::min(n, kMaxWidth);
    return n < kSmallWidthBelow ? kSmallWidth : n;
}

} // namespace varnel

void CT6::BoxCar() {
    const int32_t width = varnel::boxCarWidth(PWGetKM(0) * 1000.0, GetResoNominalM());
    RunningMean mean(width);
    SetTraceEverSmoothed(1);

    if (DPLCount() > 0) {
        double* samples = DPLGetPtr(0);
        for (int32_t i = 0; i < DPLCount(); ++i)
            samples[i] = mean.push(samples[i]);
        return;
    }

    const int32_t count = DPOCount();
    if (count <= 0) return;
    const double baseline = m_dplBaseline;
    const double reference = m_dplReference;
    const double threshold = m_dplThreshold;
    std::vector<uint32_t> belowThreshold(static_cast<size_t>(count / 32 + 1), 0);
    uint16_t* stored = DPOGetPtr(0);
    // Each point's linear value is read before the point is rewritten, and the
    // mean looks only backwards, so the points can be replaced as we go. Every
    // point is read and written on its own segment's scale, so traces with
    // several scale-factor segments keep their levels.
    int32_t segment = 0;
    for (int32_t i = 0; i < count; ++i) {
        while (segment + 1 < SFCount() && i >= SFGetStartDP(segment + 1))
            ++segment;
        const int32_t scale = SFGetScaleFactor(segment);
        if (scale == 0) continue;
        const double v = mean.push(linearOfStored(i, scale));
        double level = 0.0;
        if (v > threshold) {
            level = 5.0 * std::log10(v - baseline) - reference;
        } else {
            level = 5.0 * std::log10(std::max(v, 1.0));
            belowThreshold[static_cast<size_t>(i / 32)] |= 1u << (i % 32);
        }
        // Linear values past the double range make the running mean NaN;
        // such a point keeps the top level rather than an undefined one.
        const double units = std::trunc(scale * level);
        stored[i] = std::isnan(units) ? 0 : static_cast<uint16_t>(std::clamp(units, 0.0, 65535.0));
    }
    DPOSetNLF(0, count, belowThreshold.data());
    SetModFlag(T6_MOD_DATA_POINTS);
    DPWSetup(0);
}
