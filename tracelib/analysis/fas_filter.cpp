// The slope-change filter: the trace with its reflections replaced by clean
// fibre, compared over a pulse width against the drop the fibre alone would
// give. What stands out of the filter's noise marks a non-reflective event.
#include "analysis/fas_steps.h"

#include "record/event_element.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int32_t kMaxDV = 65535;
constexpr int32_t kFilterSpan = 10; // points averaged on either side
constexpr int32_t kFilterMax = 64000;
constexpr int32_t kFilterFloor = 3;
constexpr int32_t kBumpEndPercent = 80;
constexpr int32_t kBumpRestartPercent = 110;

constexpr int32_t kNoiseSegments = 8;
constexpr double kNoiseFactor = 4.0;
constexpr int32_t kNoiseMinSamples = 7;
constexpr double kNoiseMaxDB = 3.0;

// x -> clamp(x + shift, lo, hi): the later shifts of the linearised copy,
// composed so that each point is written once.
struct ClampedShift {
    int64_t shift = 0;
    int64_t lo = 0;
    int64_t hi = kMaxDV;

    uint16_t operator()(int64_t x) const {
        return static_cast<uint16_t>(std::clamp(x + shift, lo, hi));
    }
    void then(int64_t by) {
        shift += by;
        lo = std::clamp<int64_t>(lo + by, 0, kMaxDV);
        hi = std::clamp<int64_t>(hi + by, 0, kMaxDV);
    }
};

uint16_t clampDV(int64_t v) {
    return static_cast<uint16_t>(std::clamp<int64_t>(v, 0, kMaxDV));
}

// Keeps one maximum per bump of the filter output; the rest of each bump and
// the descent after it are cleared. Returns the last position that no output
// after `to` can change: before a bump still open there.
int32_t keepBumpMaxima(std::vector<uint16_t>& out, int32_t from, int32_t to) {
    enum class State { Idle, InBump, Descending };
    State state = State::Idle;
    int32_t bumpStart = 0;
    int32_t maxPos = 0;
    int32_t maxValue = 0;
    int32_t valley = 0;
    for (int32_t j = from; j <= to; ++j) {
        const int32_t v = out[static_cast<size_t>(j)];
        if (state == State::InBump) {
            if (v != 0 && v * 100 > maxValue * kBumpEndPercent) {
                if (v > maxValue) {
                    maxValue = v;
                    maxPos = j;
                }
                continue;
            }
            std::fill(out.begin() + bumpStart, out.begin() + j + 1, uint16_t{0});
            out[static_cast<size_t>(maxPos)] = static_cast<uint16_t>(maxValue);
            state = v == 0 ? State::Idle : State::Descending;
            valley = v;
            continue;
        }
        if (v == 0) {
            state = State::Idle;
            continue;
        }
        if (state == State::Descending && v * 100 <= valley * kBumpRestartPercent) {
            valley = std::min(valley, v);
            out[static_cast<size_t>(j)] = 0;
            continue;
        }
        state = State::InBump;
        bumpStart = j;
        maxPos = j;
        maxValue = v;
    }
    return state == State::InBump ? bumpStart - 1 : to;
}

} // namespace

void CT6::LinearizeDVs(FASRun& run) {
    std::vector<uint16_t>& work = run.work;
    const uint16_t* dv = run.dv;
    const varnel::CandidateArray& candidates = run.candidates;
    ClampedShift later;
    int32_t written = -1; // work[0 ... written] holds its final value

    for (int32_t i = 0; i < candidates.count(); ++i) {
        const varnel::Candidate& c = candidates[i];
        const int32_t start = run.clampIndex(c.startDP);
        const int32_t end = std::max(start, run.clampIndex(c.endDP));
        for (; written < start; ++written)
            work[static_cast<size_t>(written + 1)] = later(dv[written + 1]);
        const int64_t oldEnd = end <= written ? work[static_cast<size_t>(end)] : later(dv[end]);
        if (c.type == T6_EVENT_LAUNCH) {
            work[static_cast<size_t>(start)] =
                clampDV(static_cast<int64_t>(run.dynamicRangeDB * run.sf));
        }
        const double startValue = work[static_cast<size_t>(start)];
        const double dropPerPoint = run.sf * run.dxKM(start) * run.atnDBKM;
        for (int32_t k = 1; k <= end - start; ++k) {
            work[static_cast<size_t>(start + k)] =
                clampDV(std::llround(startValue - k * dropPerPoint));
        }
        const int64_t shift = work[static_cast<size_t>(end)] - oldEnd;
        for (int32_t p = end + 1; p <= written; ++p) {
            work[static_cast<size_t>(p)] = clampDV(work[static_cast<size_t>(p)] + shift);
        }
        written = std::max(written, end);
        later.then(shift);
    }
    // Past the reflections known under a horizon the shifts are not known either.
    const int32_t upTo = run.bounded() ? std::min(run.reflectiveExactTo, run.last) : run.last;
    for (; written < upTo; ++written)
        work[static_cast<size_t>(written + 1)] = later(dv[written + 1]);
}

void CT6::WinPWWin(FASRun& run) {
    std::vector<uint16_t>& work = run.work;
    const auto lin = [&work, &run](int32_t i) -> int64_t {
        return work[static_cast<size_t>(std::min(i, run.last))];
    };
    // The last ten linearised values, kept because the output overwrites them,
    // and their sum carried along.
    std::array<uint16_t, kFilterSpan> recent{};
    int64_t before = 0;
    for (int32_t k = std::max(0, run.first - kFilterSpan + 1); k < run.first; ++k) {
        recent[static_cast<size_t>(k % kFilterSpan)] = work[static_cast<size_t>(k)];
        before += work[static_cast<size_t>(k)];
    }

    int32_t n = -1;
    int64_t expectedDrop = 0;
    int64_t after = 0;
    // With one pulse and one spacing the drop the fibre gives is one value.
    const bool uniform = run.pulses.size() == 1 && run.spans.size() == 1;
    const auto fibreDrop = [&run](int32_t j, int32_t pp) {
        return static_cast<int64_t>(run.sf * run.dxKM(j) * (pp + 11) * run.atnDBKM);
    };
    const int32_t uniformPP = run.pulses[0].pointsPer;
    const int64_t uniformDrop = fibreDrop(run.first, uniformPP);
    // The output at j reads the linearised values up to j + pp + 1 + kFilterSpan.
    int32_t filtered = run.nf;
    for (int32_t j = run.first; j <= run.nf; ++j) {
        const int32_t pp = uniform ? uniformPP : run.pp(j);
        if (run.bounded() && j + pp + 1 + kFilterSpan > run.reflectiveExactTo) {
            filtered = j - 1;
            break;
        }
        uint16_t& slot = recent[static_cast<size_t>(j % kFilterSpan)];
        before += work[static_cast<size_t>(j)] - slot;
        slot = work[static_cast<size_t>(j)];
        if (pp + 1 != n) {
            n = pp + 1;
            after = 0;
            for (int32_t k = j + n + 1; k <= j + n + kFilterSpan; ++k)
                after += lin(k);
        } else {
            after += lin(j + n + kFilterSpan) - lin(j + n);
        }
        expectedDrop = uniform ? uniformDrop : fibreDrop(j, pp);
        int64_t out = 0;
        if (j >= kFilterSpan) {
            out = std::llabs(2 * before / kFilterSpan - 2 * after / kFilterSpan - 2 * expectedDrop);
            out = std::min<int64_t>(out, kFilterMax);
            if (out < kFilterFloor) out = 0;
        }
        work[static_cast<size_t>(j)] = static_cast<uint16_t>(out);
    }
    std::fill(work.begin(), work.begin() + run.first, uint16_t{0});
    if (!run.bounded()) std::fill(work.begin() + run.nf, work.end(), uint16_t{0});
    work[static_cast<size_t>(run.first)] = 0;
    run.filterExactTo = keepBumpMaxima(work, run.first, filtered);
    if (!run.bounded()) run.filterExactTo = run.nf;
}

namespace varnel {

void applyNoiseThreshold(CT6::FASRun& run) {
    std::vector<uint16_t>& work = run.work;
    const int32_t length = std::max((run.nf - run.first + 1) / kNoiseSegments, 1);
    const int32_t cap = run.dbToDV(kNoiseMaxDB);
    const int32_t floorDV = 2 * (run.sf / 100);
    std::vector<int32_t> bins(static_cast<size_t>(std::max(cap, 1)), 0);
    int32_t threshold = floorDV;
    bool havePrevious = false;

    run.thresholdExactTo = run.nf;
    for (int32_t s = run.first; s <= run.nf;) {
        const int32_t e = std::min(s + length + 1, run.nf);
        // A stretch's threshold needs its whole stretch of filter output.
        if (e > run.filterExactTo) {
            run.thresholdExactTo = s - 1;
            return;
        }
        std::fill(bins.begin(), bins.end(), 0);
        int32_t counted = 0;
        for (int32_t p = s; p <= e; ++p) {
            const uint16_t v = work[static_cast<size_t>(p)];
            if (v == 0 || v >= cap) continue;
            ++bins[v];
            ++counted;
        }
        if (counted >= kNoiseMinSamples) {
            const int32_t target = (counted + 1) / 2;
            int32_t median = 0;
            for (int32_t running = 0; median < cap; ++median) {
                running += bins[static_cast<size_t>(median)];
                if (running >= target) break;
            }
            const int32_t t = std::clamp(static_cast<int32_t>(median * kNoiseFactor), floorDV, cap);
            threshold = havePrevious ? (threshold + t) / 2 : t;
            havePrevious = true;
        }
        threshold = std::max(threshold, floorDV);
        const int32_t step = std::max((e - s + 1) / 2, (length + 1) / 2);
        const int32_t clearTo = std::min(s + step, run.nf);
        for (int32_t p = s; p <= clearTo; ++p) {
            uint16_t& v = work[static_cast<size_t>(p)];
            if (v < threshold) v = 0;
        }
        s = clearTo + 1;
    }
}

void addNonReflectiveCandidates(CT6::FASRun& run) {
    for (int32_t u = run.first; u <= run.thresholdExactTo; ++u) {
        if (run.work[static_cast<size_t>(u)] != 0)
            run.candidates.add(u, u, T6_EVENT_NON_REFLECTIVE);
    }
    run.candidates.compactAndSort();
}

} // namespace varnel

namespace varnel {

void clearInsideCandidates(CT6::FASRun& run) {
    for (int32_t i = 0; i < run.candidates.count(); ++i) {
        const Candidate& c = run.candidates[i];
        const int32_t from = run.clampIndex(c.startDP);
        const int32_t to = run.clampIndex(c.endDP);
        for (int32_t p = from; p <= to; ++p)
            run.work[static_cast<size_t>(p)] = 0;
    }
}

} // namespace varnel
