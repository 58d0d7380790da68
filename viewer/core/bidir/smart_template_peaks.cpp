#include "core/bidir/smart_template_peaks.h"

#include <varnel/codes.h>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace orvane::bidir {

namespace {

constexpr int32_t kClimbEndPercent = 80;

int32_t at(const std::vector<int16_t>& count, int32_t i) {
    return count[static_cast<size_t>(i)];
}

// Past the end of the run of positive counters that contains or follows j.
int32_t skipPositiveRun(const std::vector<int16_t>& count, int32_t j, int32_t last) {
    while (j <= last && at(count, j) > 0)
        ++j;
    return j;
}

// Walks one run from a counter of at least minFrequency at i; returns where
// the scan goes on.
int32_t splitRunFrom(std::vector<int16_t>& count, int32_t i, int32_t last) {
    int32_t peak = at(count, i);
    int32_t j = i + 1;
    while (j <= last && at(count, j) > peak * kClimbEndPercent / 100) {
        peak = std::max(peak, at(count, j));
        ++j;
    }
    if (j > last) return j;
    int32_t low = at(count, j);
    int32_t lowAt = j;
    for (++j; j <= last && at(count, j) > 0; ++j) {
        if (at(count, j) <= low) {
            low = at(count, j);
            lowAt = j;
        } else if (at(count, j) >= low * 100 / kClimbEndPercent) {
            count[static_cast<size_t>(lowAt)] = 0;
            count[static_cast<size_t>(lowAt - 1)] = 0;
            return skipPositiveRun(count, j, last);
        }
    }
    return j;
}

// Distance from edge to the farthest zero counter passed walking by step
// over counters below minFrequency.
int32_t gapFrom(const std::vector<int16_t>& count, int32_t edge, int32_t step, SearchRange range,
                int32_t minFrequency) {
    int32_t gap = 0;
    for (int32_t j = edge + step; j >= range.first && j <= range.last; j += step) {
        const int32_t value = at(count, j);
        if (std::abs(value) >= minFrequency) break;
        if (value == 0) gap = std::abs(j - edge);
    }
    return gap;
}

int32_t highestCounter(const std::vector<int16_t>& count, SearchRange range, int32_t& where) {
    int32_t best = std::numeric_limits<int32_t>::min();
    for (int32_t j = range.first; j <= range.last; ++j) {
        if (at(count, j) > best) {
            best = at(count, j);
            where = j;
        }
    }
    return best;
}

int32_t runType(const std::vector<uint8_t>& marks, int32_t a, int32_t b) {
    uint8_t seen = 0;
    for (int32_t j = a; j < b; ++j)
        seen |= marks[static_cast<size_t>(j)];
    if (seen & kMarkGroup) return T6_EVENT_GROUP;
    if (seen & kMarkReflective) return T6_EVENT_REFLECTIVE;
    return T6_EVENT_NON_REFLECTIVE;
}

// Points from a to the first point before the middle of the run whose counter
// exceeds half the peak; 0 for low peaks.
int32_t riseOffset(const std::vector<int16_t>& count, int32_t a, int32_t b, int32_t peak) {
    if (peak <= 2) return 0;
    const int32_t middle = (a + b) / 2;
    for (int32_t j = a; j < middle; ++j)
        if (at(count, j) > peak / 2) return j - a;
    return 0;
}

int32_t tenths(int32_t gap, int32_t n) {
    return static_cast<int32_t>(gap * (n / 10.0));
}

PeakPlan planRun(const EventCounts& counts, int32_t a, int32_t b, int32_t peak, SearchRange range,
                 const PeakLimits& limits) {
    int32_t left = gapFrom(counts.count, a, -1, range, limits.minFrequency);
    int32_t right = gapFrom(counts.count, b, +1, range, limits.minFrequency);
    PeakPlan plan;
    plan.peak = peak;
    plan.type = runType(counts.marks, a, b);
    plan.lossMode = (left < limits.nearPoints || right < limits.nearPoints) ? T6_LOSS_2POINT_ATN_COR
                                                                            : T6_LOSS_SPLICE;
    left = std::min(left, limits.farPoints);
    right = std::min(right, limits.farPoints);
    if (plan.lossMode == T6_LOSS_2POINT_ATN_COR) {
        const int32_t margin = tenths(std::min(left, right), 1);
        plan.startDP = a - margin;
        plan.endDP = b + margin;
        return plan;
    }
    const int32_t o = riseOffset(counts.count, a, b, peak);
    plan.startDP = a + o;
    plan.endDP = b;
    plan.aStartOff = -tenths(left, 9) - o;
    plan.aEndOff = -tenths(left, 1) - o;
    plan.bStartOff = (b - a) + tenths(right, 1) - o;
    plan.bEndOff = (b - a) + tenths(right, 9) - o;
    return plan;
}

} // namespace

void countEvent(EventCounts& counts, int32_t startDP, int32_t endDP, uint8_t marks) {
    const int32_t n = static_cast<int32_t>(counts.count.size());
    if (n == 0) return;
    auto clampPoint = [n](int32_t dp) { return dp < 1 ? 0 : std::min(dp, n - 1); };
    for (int32_t j = clampPoint(startDP); j <= clampPoint(endDP); ++j) {
        int16_t& c = counts.count[static_cast<size_t>(j)];
        if (c < std::numeric_limits<int16_t>::max()) ++c;
        counts.marks[static_cast<size_t>(j)] |= marks;
    }
}

void separatePeaks(std::vector<int16_t>& count, SearchRange range, int32_t minFrequency) {
    int32_t i = range.first;
    while (i <= range.last) {
        if (at(count, i) >= minFrequency)
            i = splitRunFrom(count, i, range.last);
        else
            ++i;
    }
}

std::vector<PeakPlan> placePeaks(EventCounts& counts, SearchRange range, const PeakLimits& limits) {
    std::vector<PeakPlan> plans;
    if (range.first > range.last) return plans;
    for (int32_t n = 0; n < limits.numSplices; ++n) {
        int32_t where = range.first;
        const int32_t peak = highestCounter(counts.count, range, where);
        if (peak < limits.minFrequency) break;
        int32_t a = where;
        while (a > range.first && at(counts.count, a - 1) > 0)
            --a;
        int32_t b = where;
        while (b < range.last && at(counts.count, b + 1) > 0)
            ++b;
        plans.push_back(planRun(counts, a, b, peak, range, limits));
        for (int32_t j = a; j <= b; ++j)
            counts.count[static_cast<size_t>(j)] = static_cast<int16_t>(-at(counts.count, j));
    }
    return plans;
}

} // namespace orvane::bidir
