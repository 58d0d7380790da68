// The level that a given share of the noise stays below, with the reflections
// that stand out of the noise taken away first.
#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int32_t kNotComputed = 0xFFFF;
constexpr int32_t kMinSamples = 100;
constexpr int32_t kMaxKeptRuns = 5;

struct Histogram {
    std::vector<int32_t> counts; // one bin per data value below the ceiling
    int32_t samples = 0;
    int32_t lowest = 0;
    int32_t highest = 0;
};

Histogram histogramOf(const std::vector<uint16_t>& values, int32_t ceiling) {
    Histogram h;
    h.counts.assign(ceiling, 0);
    h.lowest = ceiling;
    h.highest = -1;
    for (uint16_t v : values) {
        if (v >= ceiling) continue;
        ++h.counts[v];
        ++h.samples;
        h.lowest = std::min<int32_t>(h.lowest, v);
        h.highest = std::max<int32_t>(h.highest, v);
    }
    return h;
}

// Walking down from the top, the first value at which more than `count`
// samples lie at or above it.
int32_t valueAboveCount(const Histogram& h, double count) {
    int32_t running = 0;
    for (int32_t v = static_cast<int32_t>(h.counts.size()) - 1; v >= 0; --v) {
        running += h.counts[v];
        if (running > count) return v;
    }
    return kNotComputed;
}

struct Run {
    int32_t start = 0;
    int32_t end = 0; // one past the last value above the level
};

// Runs of values above `level`; at most `limit` closed runs are collected.
std::vector<Run> runsAbove(const std::vector<uint16_t>& values, int32_t level, int32_t limit,
                           int32_t& closedRuns) {
    std::vector<Run> runs;
    closedRuns = 0;
    int32_t n = static_cast<int32_t>(values.size());
    for (int32_t i = 0; i < n && closedRuns < limit; ++i) {
        if (values[i] <= level) continue;
        Run run{i, i};
        while (run.end < n && values[run.end] > level)
            ++run.end;
        if (run.end < n) ++closedRuns;
        runs.push_back(run);
        i = run.end;
    }
    return runs;
}

} // namespace

int32_t CT6::CalcNFPctDV(int32_t startDP, int32_t endDP, double pct) const {
    int32_t sf = DPWGetScaleFactor();
    int32_t last = std::min(m_lastDP, static_cast<int32_t>(m_dpw.size()) - 1);
    if (DPLCount() > 0 || m_noiseFloorDP <= 0 || sf <= 0 || !(pct >= 0.0 && pct <= 100.0))
        return kNotComputed;
    if (startDP < m_noiseFloorDP || endDP > last || int64_t{endDP} - startDP + 1 < kMinSamples)
        return kNotComputed;

    std::vector<uint16_t> values(m_dpw.begin() + startDP, m_dpw.begin() + endDP + 1);
    int32_t ceiling = std::min(65 * sf, 65536);
    Histogram h = histogramOf(values, ceiling);
    if (h.samples == 0) return kNotComputed;
    int32_t p20 = valueAboveCount(h, std::trunc(0.8 * h.samples));

    // Raise the level until at most five runs stand above it: those are
    // reflections rising out of the noise rather than the noise itself.
    std::vector<Run> kept;
    for (int32_t level = std::max(h.lowest + sf, p20); level < h.highest - sf; level += sf) {
        int32_t closed = 0;
        std::vector<Run> runs = runsAbove(values, level, kMaxKeptRuns + 1, closed);
        if (closed > kMaxKeptRuns) continue;
        if (runs.size() > kMaxKeptRuns) runs.resize(kMaxKeptRuns);
        kept = std::move(runs);
        break;
    }

    bool overwritten = false;
    for (const Run& run : kept) {
        const int64_t pointsPerPulse = PWGetPointsPerAtDP(startDP + run.start);
        if (run.end - run.start <= pointsPerPulse * 60 / 100) continue;
        std::fill(values.begin() + run.start, values.begin() + run.end,
                  static_cast<uint16_t>(h.lowest));
        overwritten = true;
    }
    if (overwritten) h = histogramOf(values, ceiling);
    return valueAboveCount(h, std::trunc(h.samples * (1.0 - pct / 100.0)));
}
