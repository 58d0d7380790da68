#include "core/trace/graph/ticks.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvane::graph {
namespace {

// The search divides a large step down through 5, 2, 1 × 10^n.
constexpr double kFirstStep = 10'000'000;
constexpr int kFirstDecimals = -7;
constexpr std::array<double, 3> kDivisors = {2, 2.5, 2};
constexpr std::array<int, 3> kDecimalIncrements = {1, 0, 0};
constexpr std::array<int, 3> kMinorParts = {5, 5, 4};
constexpr double kMinMajorSpacingPixels = 60;
constexpr double kMaxMajorTicks = 11;
constexpr int kMaxStepsWalked = 64;

int PixelOf(double value, double start, double span, int pixels) {
    return static_cast<int>((value - start) * pixels / span + 0.5);
}

// Drops a last tick that would fall at or past the plot's far edge.
void DropPastEdge(std::vector<int>& pixels, std::vector<double>* values, int size) {
    if (pixels.empty() || pixels.back() < size) return;
    pixels.pop_back();
    if (values) values->pop_back();
}

} // namespace

TickList ComputeTicks(double start, double span, int pixels) {
    TickList ticks;
    if (!(span > 0) || pixels <= 0 || !std::isfinite(start) || !std::isfinite(span)) return ticks;

    double minStep = std::max(kMinMajorSpacingPixels * span / pixels, span / kMaxMajorTicks);
    double step = kFirstStep;
    int decimals = kFirstDecimals;
    size_t i = 0;
    for (;;) {
        double candidate = step / kDivisors[i];
        if (candidate < minStep) break;
        step = candidate;
        decimals += kDecimalIncrements[i];
        i = (i + 1) % kDivisors.size();
    }
    ticks.step = step;
    ticks.minorParts = kMinorParts[i];
    ticks.labelDecimals = std::max(decimals, 0);

    double end = start + span;
    double first = std::trunc(start / step) * step;
    double minorStep = step / ticks.minorParts;
    // At most 12 steps fit the span; the bound also stops a step lost in rounding.
    for (int k = 0; k < kMaxStepsWalked; ++k) {
        double major = first + k * step;
        if (major >= end) break;
        if (major >= start) {
            ticks.majorValues.push_back(major);
            ticks.majorPixels.push_back(PixelOf(major, start, span, pixels));
        }
        for (int m = 1; m < ticks.minorParts; ++m) {
            double minor = major + m * minorStep;
            if (minor >= start && minor < end)
                ticks.minorPixels.push_back(PixelOf(minor, start, span, pixels));
        }
    }
    DropPastEdge(ticks.majorPixels, &ticks.majorValues, pixels);
    DropPastEdge(ticks.minorPixels, nullptr, pixels);
    return ticks;
}

} // namespace orvane::graph
