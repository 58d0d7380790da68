// The least-squares line that the measurements and the event detection fit
// through runs of data values.
#pragma once

#include <cstdint>

namespace varnel {

// Line through values y1 … yn taken at x = 1 … n.
struct LineFit {
    double slope = 0.0; // per point
    double meanX = 0.0;
    double meanY = 0.0;

    double at(double x) const { return meanY + (x - meanX) * slope; }
};

// valueAt(k) gives y at x = k + 1 for k = 0 … n - 1. Fewer than two values
// give a slope of 0.
template <class ValueAt> LineFit fitLine(int32_t n, ValueAt valueAt) {
    LineFit fit;
    if (n <= 0) return fit;
    double sumX = 0.0, sumY = 0.0, sumXY = 0.0, sumXX = 0.0;
    for (int32_t k = 0; k < n; ++k) {
        double x = k + 1.0;
        double y = valueAt(k);
        sumX += x;
        sumY += y;
        sumXY += x * y;
        sumXX += x * x;
    }
    double denominator = n * sumXX - sumX * sumX;
    fit.meanX = sumX / n;
    fit.meanY = sumY / n;
    fit.slope = denominator != 0.0 ? (n * sumXY - sumX * sumY) / denominator : 0.0;
    return fit;
}

} // namespace varnel
