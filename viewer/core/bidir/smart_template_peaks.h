// The counting side of a smart splice template: the per-point counters of
// how many traces have an event there, split where two peaks meet, and the
// template events placed on the most frequent positions. Everything here
// works in data points of the reference trace.
#pragma once

#include <cstdint>
#include <vector>

namespace orvane::bidir {

// Marks kept beside the counters.
inline constexpr uint8_t kMarkReflective = 1;
inline constexpr uint8_t kMarkGroup = 2;

struct EventCounts {
    std::vector<int16_t> count; // traces with an event at each point
    std::vector<uint8_t> marks; // kMarkReflective | kMarkGroup per point
};

// Inclusive range of points searched for template events.
struct SearchRange {
    int32_t first = 0;
    int32_t last = -1;
};

struct PeakLimits {
    int32_t numSplices = 20;
    int32_t minFrequency = 2;
    int32_t nearPoints = 0; // a gap below this gets loss mode 6
    int32_t farPoints = 0;  // gaps used for least-squares segments are limited to this
};

// One template event as placed on the counters.
struct PeakPlan {
    int32_t peak = 0; // the highest counter of the run
    int32_t type = 0;
    int32_t lossMode = 0;
    int32_t startDP = 0;
    int32_t endDP = 0;
    // Least-squares segments of loss mode 0, in points from startDP.
    int32_t aStartOff = 0;
    int32_t aEndOff = 0;
    int32_t bStartOff = 0;
    int32_t bEndOff = 0;
};

// Adds one to every counter from startDP to endDP (clamped to the counters)
// and marks those points.
void countEvent(EventCounts& counts, int32_t startDP, int32_t endDP, uint8_t marks);

// One pass over the range: a run whose counters climb to a peak, fall to 80 %
// of it or less and climb again by 100/80 of that low is split at the low.
void separatePeaks(std::vector<int16_t>& count, SearchRange range, int32_t minFrequency);

// Places up to numSplices template events, highest counter first. The
// counters of each placed run are negated, so that later gaps still end there.
std::vector<PeakPlan> placePeaks(EventCounts& counts, SearchRange range, const PeakLimits& limits);

} // namespace orvane::bidir
