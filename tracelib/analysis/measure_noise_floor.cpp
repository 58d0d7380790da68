// Where the trace meets the receiver's noise floor: the floor is the most
// frequent of the lowest levels once the trace stops falling into it.
#include "analysis/measure_common.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

namespace {

struct CensusLevel {
    int32_t value = -1;
    int32_t position = -1; // lowest position holding the value
    int32_t count = 0;
};

constexpr int32_t kCensusLevels = 5;
constexpr int32_t kFlatFloorCount = 30; // more occurrences than this make a floor
constexpr int32_t kRefineCount = 5;
constexpr int32_t kRefineMinWindow = 100;

// The smallest value above `above` in values[lo..hi].
CensusLevel nextLevel(std::span<const uint16_t> values, int32_t lo, int32_t hi, int32_t above) {
    CensusLevel level;
    for (int32_t i = lo; i <= hi; ++i) {
        int32_t v = values[i];
        if (v <= above) continue;
        if (level.count == 0 || v < level.value) {
            level = {v, i, 1};
        } else if (v == level.value) {
            ++level.count;
        }
    }
    return level;
}

// The five lowest levels of values[lo..hi]; the one that occurs most often
// (the first on ties) is chosen. `lowestPosition` gets the earliest position
// of any of them.
CensusLevel census(std::span<const uint16_t> values, int32_t lo, int32_t hi,
                   int32_t& lowestPosition) {
    CensusLevel chosen;
    lowestPosition = hi;
    int32_t previous = -1;
    for (int32_t k = 0; k < kCensusLevels; ++k) {
        CensusLevel level = nextLevel(values, lo, hi, previous);
        if (level.count == 0) break;
        lowestPosition = std::min(lowestPosition, level.position);
        if (level.count > chosen.count) chosen = level;
        previous = level.value;
    }
    return chosen;
}

// The first position from `from` holding `level` where the level recurs at
// least five times within the window starting there; -1 when none does.
int32_t refine(std::span<const uint16_t> values, int32_t from, int32_t to, int32_t level,
               int32_t window) {
    int32_t inWindow = 0; // occurrences in [i, i + window)
    int32_t windowEnd = from;
    for (int32_t i = from; i <= to; ++i) {
        for (; windowEnd < std::min<int64_t>(int64_t{i} + window, to + 1); ++windowEnd)
            if (values[windowEnd] == level) ++inWindow;
        if (values[i] == level && inWindow >= kRefineCount) return i;
        if (values[i] == level) --inWindow;
    }
    return -1;
}

// A noisy floor scatters over many levels; taking away a little linear power
// at a time collapses the noise onto the lowest level long before it touches
// the backscatter.
int32_t noisyFloor(std::span<const uint16_t> values, int32_t start, int32_t hi, int32_t window,
                   int32_t scaleFactor) {
    int32_t n = hi - start + 1;
    std::vector<double> power(n);
    std::vector<uint16_t> converted(n);
    double perDecade = 5.0 * scaleFactor;
    for (int32_t k = 0; k < n; ++k)
        power[k] = std::pow(10.0, values[start + k] / perDecade);
    for (double offset = 1.0; offset <= 32.0; offset *= 2.0) {
        for (int32_t k = 0; k < n; ++k) {
            power[k] = std::max(power[k] - offset, 1.0);
            converted[k] = static_cast<uint16_t>(std::log10(power[k]) * perDecade);
        }
        int32_t lowest = 0;
        CensusLevel level = census(converted, 0, n - 1, lowest);
        if (level.count <= kFlatFloorCount) continue;
        int32_t at = refine(converted, level.position, n - 1, level.value, window);
        if (at >= 0) return start + at;
    }
    return -1;
}

} // namespace

int32_t CT6::CalcNoiseFloorDP(int32_t recompute) {
    if (recompute || m_noiseFloorDP == 0) m_noiseFloorDP = locateNoiseFloorDP();
    return m_noiseFloorDP;
}

int32_t CT6::GetNoiseFloorDP() const {
    return m_noiseFloorDP;
}

int32_t CT6::locateNoiseFloorDP() const {
    int32_t notFound = -m_lastDP;
    if (DPLCount() > 0 || DPWGetScaleFactor() <= 0) return notFound;
    // The working points are what a level read sees; never look past them.
    int32_t last = std::min(m_lastDP, static_cast<int32_t>(m_dpw.size()) - 1);
    int32_t pointsPerPulse = PWGetPointsPer(0);
    int32_t lo = varnel::clampToInt32(std::max(GetOnAfterZKMDP(), 0) + int64_t{pointsPerPulse});
    int32_t hi = last - 5;
    if (lo > hi) return notFound;
    std::span<const uint16_t> values(m_dpw.data(), static_cast<size_t>(last) + 1);
    int32_t window =
        varnel::clampToInt32(std::max<int64_t>(kRefineMinWindow, 2 * int64_t{pointsPerPulse}));

    int32_t lowestPosition = 0;
    CensusLevel level = census(values, lo, hi, lowestPosition);
    if (level.count > kFlatFloorCount || level.value == 0) {
        int32_t at = refine(values, level.position, hi, level.value, window);
        return at >= 0 ? at : notFound;
    }
    int32_t start = std::max(lo, lowestPosition - (hi - lo) / 10);
    int32_t at = noisyFloor(values, start, hi, window, DPWGetScaleFactor());
    return at >= 0 ? at : notFound;
}
