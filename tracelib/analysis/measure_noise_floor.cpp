// Where the trace meets the receiver's noise floor: the floor is the most
// frequent of the lowest levels once the trace stops falling into it.
#include "analysis/measure_common.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
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
// Values above the lowest that the census histogram covers: a narrow reach
// first, then a wider one for traces whose lowest levels lie far apart.
constexpr uint32_t kCensusReaches[] = {256, 4096};
constexpr int32_t kCensusBlock = 64;

// The five lowest levels of a stretch: each level's value, its first
// position and how often it occurs, lowest first. `levelOf` maps a position to
// its level and must not decrease as the stored value rises; `valueOf` gives
// the stored value.
struct LowestLevels {
    std::array<CensusLevel, kCensusLevels> levels{};
    int32_t size = 0;

    // The one that occurs most often, the lowest on ties; `lowestPosition`
    // gets the earliest position of any of them, at most `hi`.
    CensusLevel chosen(int32_t hi, int32_t& lowestPosition) const {
        CensusLevel best;
        lowestPosition = hi;
        for (int32_t k = 0; k < size; ++k) {
            lowestPosition = std::min(lowestPosition, levels[size_t(k)].position);
            if (levels[size_t(k)].count > best.count) best = levels[size_t(k)];
        }
        return best;
    }
};

// One pass: a level that leaves the five lowest never returns, since five
// lower ones have been seen by then.
LowestLevels lowestLevelsByInsertion(std::span<const uint16_t> values, int32_t lo, int32_t hi) {
    LowestLevels out;
    auto& levels = out.levels;
    for (int32_t i = lo; i <= hi; ++i) {
        const int32_t v = values[size_t(i)];
        if (out.size == kCensusLevels && v > levels[kCensusLevels - 1].value) continue;
        int32_t k = 0;
        while (k < out.size && levels[size_t(k)].value < v)
            ++k;
        if (k < out.size && levels[size_t(k)].value == v) {
            ++levels[size_t(k)].count;
            continue;
        }
        if (out.size < kCensusLevels) ++out.size;
        for (int32_t m = out.size - 1; m > k; --m)
            levels[size_t(m)] = levels[size_t(m) - 1];
        levels[size_t(k)] = {v, i, 1};
    }
    return out;
}

// The same census in two passes that branch little: the lowest value, then a
// small histogram of the values just above it. Traces usually hold five
// distinct values within that reach; when not, the insertion pass decides.
// Blocks of a stretch with the lowest value of each, so that the census can
// skip those wholly above its reach (most of a trace before its floor).
class CensusBlocks {
public:
    CensusBlocks(std::span<const uint16_t> values, int32_t lo, int32_t hi)
        : values_(values), lo_(lo), hi_(hi), lowestOf_(size_t((hi - lo) / kCensusBlock + 1)) {
        for (size_t b = 0; b < lowestOf_.size(); ++b) {
            uint16_t low = UINT16_MAX;
            for (int32_t i = first(b); i <= last(b); ++i)
                low = std::min(low, values[size_t(i)]);
            lowestOf_[b] = low;
        }
        lowest_ = *std::min_element(lowestOf_.begin(), lowestOf_.end());
    }
    uint16_t lowest() const { return lowest_; }

    // Calls visit(i, slot) for every position whose block reaches within
    // `reach` of the lowest value, slot being the value less the lowest;
    // stops when visit returns false.
    template <class Visit> void forEachNearLowest(uint32_t reach, Visit visit) const {
        for (size_t b = 0; b < lowestOf_.size(); ++b) {
            if (uint32_t{lowestOf_[b]} - lowest_ >= reach) continue;
            for (int32_t i = first(b); i <= last(b); ++i) {
                if (!visit(i, uint32_t{values_[size_t(i)]} - lowest_)) return;
            }
        }
    }

private:
    int32_t first(size_t b) const { return lo_ + static_cast<int32_t>(b) * kCensusBlock; }
    int32_t last(size_t b) const {
        return static_cast<int32_t>(std::min<int64_t>(int64_t{first(b)} + kCensusBlock - 1, hi_));
    }
    std::span<const uint16_t> values_;
    int32_t lo_;
    int32_t hi_;
    std::vector<uint16_t> lowestOf_;
    uint16_t lowest_ = 0;
};

// The five lowest levels from a histogram of the values within `reach` of
// the lowest (four interleaved tables, so that repeats do not wait on each
// other), then where each first occurs; fewer than five when the stretch
// holds fewer distinct values within the reach.
LowestLevels censusWithin(const CensusBlocks& blocks, uint32_t reach) {
    constexpr size_t kTables = 4;
    std::array<std::vector<int32_t>, kTables> tables;
    for (auto& table : tables)
        table.assign(reach + 1, 0);
    blocks.forEachNearLowest(reach, [&](int32_t i, uint32_t slot) {
        ++tables[size_t(i) % kTables][std::min(slot, reach)];
        return true;
    });

    LowestLevels out;
    std::vector<int32_t> levelOfSlot(reach, -1);
    for (uint32_t slot = 0; slot < reach && out.size < kCensusLevels; ++slot) {
        int32_t count = 0;
        for (const auto& table : tables)
            count += table[slot];
        if (count == 0) continue;
        levelOfSlot[slot] = out.size;
        out.levels[size_t(out.size++)] = {int32_t(blocks.lowest() + slot), -1, count};
    }
    if (out.size < kCensusLevels) return out;

    int32_t located = 0;
    blocks.forEachNearLowest(reach, [&](int32_t i, uint32_t slot) {
        if (slot >= reach || levelOfSlot[slot] < 0) return true;
        CensusLevel& level = out.levels[size_t(levelOfSlot[slot])];
        if (level.position < 0) {
            level.position = i;
            ++located;
        }
        return located < kCensusLevels;
    });
    return out;
}

// The same census as the insertion pass, by histogram. Traces usually hold
// five distinct values close above their lowest; when not, the insertion
// pass decides.
LowestLevels lowestLevels(std::span<const uint16_t> values, int32_t lo, int32_t hi) {
    const CensusBlocks blocks(values, lo, hi);
    for (const uint32_t reach : kCensusReaches) {
        const LowestLevels out = censusWithin(blocks, reach);
        if (out.size == kCensusLevels) return out;
    }
    return lowestLevelsByInsertion(values, lo, hi);
}

// The five lowest levels of values[lo..hi], the most frequent chosen.
CensusLevel census(std::span<const uint16_t> values, int32_t lo, int32_t hi,
                   int32_t& lowestPosition) {
    return lowestLevels(values, lo, hi).chosen(hi, lowestPosition);
}

// The first position from `from` whose value `isLevel` accepts where such
// values recur at least five times within the window starting there; -1
// when none does.
template <class IsLevel>
int32_t refine(std::span<const uint16_t> values, int32_t from, int32_t to, IsLevel isLevel,
               int32_t window) {
    int32_t inWindow = 0; // occurrences in [i, i + window)
    int32_t windowEnd = from;
    for (int32_t i = from; i <= to; ++i) {
        for (; windowEnd < std::min<int64_t>(int64_t{i} + window, to + 1); ++windowEnd)
            if (isLevel(values[size_t(windowEnd)])) ++inWindow;
        if (isLevel(values[size_t(i)]) && inWindow >= kRefineCount) return i;
        if (isLevel(values[size_t(i)])) --inWindow;
    }
    return -1;
}

// How often each stored value occurs in a stretch, and where first.
class ValueCounts {
public:
    ValueCounts(std::span<const uint16_t> values, int32_t lo, int32_t hi) {
        const auto [low, high] = std::minmax_element(values.begin() + lo, values.begin() + hi + 1);
        lowest_ = *low;
        counts_.assign(size_t(*high - lowest_ + 1), 0);
        first_.assign(counts_.size(), hi);
        for (int32_t i = hi; i >= lo; --i) {
            const size_t slot = values[size_t(i)] - lowest_;
            ++counts_[slot];
            first_[slot] = i;
        }
    }
    int32_t lowest() const { return lowest_; }
    int32_t highest() const { return lowest_ + static_cast<int32_t>(counts_.size()) - 1; }
    int32_t count(int32_t v) const { return counts_[size_t(v - lowest_)]; }
    int32_t first(int32_t v) const { return first_[size_t(v - lowest_)]; }

private:
    int32_t lowest_ = 0;
    std::vector<int32_t> counts_;
    std::vector<int32_t> first_;
};

// A noisy floor scatters over many levels; taking away a little linear power
// at a time collapses the noise onto the lowest level long before it touches
// the backscatter. Each stored value maps to one converted level, rising with
// it, so the census needs only the lowest stored values, each converted once.
int32_t noisyFloor(std::span<const uint16_t> values, int32_t start, int32_t hi, int32_t window,
                   int32_t scaleFactor) {
    const ValueCounts counts(values, start, hi);
    const double perDecade = 5.0 * scaleFactor;
    std::vector<double> offsets;
    const auto converted = [&](int32_t v) {
        double power = std::pow(10.0, v / perDecade);
        // Past the double range the small offsets change nothing: the level
        // is the stored value itself.
        if (std::isinf(power)) return v;
        for (double offset : offsets)
            power = std::max(power - offset, 1.0);
        return static_cast<int32_t>(static_cast<uint16_t>(std::log10(power) * perDecade));
    };
    for (double offset = 1.0; offset <= 32.0; offset *= 2.0) {
        offsets.push_back(offset);
        LowestLevels census;
        // Stored values from firstValue[k] up to firstValue[k + 1] make level k.
        std::array<int32_t, kCensusLevels + 1> firstValue{};
        firstValue.fill(counts.highest() + 1);
        for (int32_t v = counts.lowest(); v <= counts.highest(); ++v) {
            if (counts.count(v) == 0) continue;
            const int32_t level = converted(v);
            if (census.size == 0 || census.levels[size_t(census.size - 1)].value != level) {
                firstValue[size_t(census.size)] = v;
                if (census.size == kCensusLevels) break;
                census.levels[size_t(census.size++)] = {level, counts.first(v) - start, 0};
            }
            auto& last = census.levels[size_t(census.size - 1)];
            last.count += counts.count(v);
            last.position = std::min(last.position, counts.first(v) - start);
        }
        int32_t lowest = 0;
        const CensusLevel level = census.chosen(hi - start, lowest);
        if (level.count <= kFlatFloorCount) continue;
        int32_t k = 0;
        while (census.levels[size_t(k)].value != level.value)
            ++k;
        const int32_t from = firstValue[size_t(k)];
        const int32_t to = firstValue[size_t(k) + 1];
        const auto isLevel = [from, to](int32_t v) { return v >= from && v < to; };
        const int32_t at = refine(values, start + level.position, hi, isLevel, window);
        if (at >= 0) return at;
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
        const int32_t floor = level.value;
        const auto isLevel = [floor](int32_t v) { return v == floor; };
        int32_t at = refine(values, level.position, hi, isLevel, window);
        return at >= 0 ? at : notFound;
    }
    int32_t start = std::max(lo, lowestPosition - (hi - lo) / 10);
    int32_t at = noisyFloor(values, start, hi, window, DPWGetScaleFactor());
    return at >= 0 ? at : notFound;
}
