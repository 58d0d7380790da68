// Grid ticks of one axis: 5, 2, 1 steps of a power of ten chosen so that
// major ticks stay at least 60 pixels apart and at most 11 fit the span.
#pragma once

#include <vector>

namespace orvane::graph {

struct TickList {
    std::vector<int> majorPixels;
    std::vector<double> majorValues;
    std::vector<int> minorPixels;
    int labelDecimals = 0;
    double step = 0;
    int minorParts = 0;

    bool IsEmpty() const { return majorPixels.empty(); }
};

// Ticks over [start, start + span] drawn across `pixels`; a zero span or no
// pixels give no ticks.
TickList ComputeTicks(double start, double span, int pixels);

} // namespace orvane::graph
