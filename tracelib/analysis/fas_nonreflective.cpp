// Extents of non-reflective candidates: from where the fibre's slope is lost
// before the event to where it is regained after it; then groups and the
// launch zone.
#include "analysis/fas_steps.h"

#include "record/event_element.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int32_t kSlopeWindow = 10;
constexpr int32_t kShortSlopeWindow = 5;
constexpr int32_t kMinPointsPer = 5;
constexpr int32_t kSmallPulsePoints = 4;
constexpr int32_t kSearchPulses = 7;
constexpr int32_t kStartProbes = 5;
constexpr int32_t kEqualRunSteps[] = {1, 4, 7};
constexpr int32_t kLaunchZonePercent = 110;

// Where the search for a non-reflective candidate's end begins, and how far
// it goes when no other candidate comes first.
struct EndSearch {
    int32_t from;
    int32_t to;
};

// How far back the search for a start goes before counting steep or rising
// slopes; each of those takes it one point further.
int32_t startSearchReach(int32_t pp) {
    return std::max(pp + 11, pp * 3 / 2) + 3;
}

bool steepOrRising(double slope, double atn) {
    return slope < 0 || slope > 2.5 * atn;
}

// The narrowest band of fibre slopes the search for a start stops in.
constexpr double kBandLow = 0.9;
constexpr double kBandHigh = 1.1;

EndSearch endSearchOf(const CT6::FASRun& run, int32_t startDP) {
    const int32_t pp = run.pp(startDP);
    const int32_t n = pp < kMinPointsPer ? kSmallPulsePoints : pp;
    const int32_t from = startDP + n / 2;
    return {from, from + kSearchPulses * n};
}

} // namespace

int32_t CT6::FindNonReflEnd(const FASRun& run, int32_t a, int32_t b) const {
    for (int32_t i = a; i <= b; ++i) {
        const double slope = run.slopeDBKM(i, std::min(kSlopeWindow, b - i + 1));
        if (std::fabs(slope - run.atnDBKM) <= 0.1 * run.atnDBKM) return i;
    }
    return b;
}

int32_t CT6::FindNonReflStart(const FASRun& run, int32_t a, int32_t prevEnd, int32_t end) const {
    const uint16_t* dv = run.dv;
    const double atn = run.atnDBKM;
    const int32_t pp = run.pp(a);

    int32_t n = pp / 2;
    if (n < 6) n = 5;
    n = std::max(std::min({n, 12, end - a}), 0);
    const int32_t window = n <= 8 ? kShortSlopeWindow : kSlopeWindow;
    double lowest = std::numeric_limits<double>::max();
    double highest = std::numeric_limits<double>::lowest();
    for (int32_t k = 0; k < kStartProbes; ++k) {
        const double slope = run.slopeDBKM(a + n - k - window + 1, window);
        lowest = std::min(lowest, slope);
        highest = std::max(highest, slope);
    }
    const double deviation =
        std::fabs(highest - atn) >= std::fabs(lowest - atn) ? highest - atn : lowest - atn;

    double bandLow = kBandLow * atn;
    double bandHigh = kBandHigh * atn;
    if (deviation > 0.5 * atn) bandLow = std::numeric_limits<double>::lowest();
    if (deviation < 0 && -deviation > 0.5 * atn) bandHigh = std::numeric_limits<double>::max();

    const int32_t floor = std::max(prevEnd + 1, 0);
    int32_t limit = std::max(floor, a - startSearchReach(pp));
    int32_t result = a;
    double closest = std::numeric_limits<double>::max();
    for (int32_t r = a; r >= limit; --r) {
        const int32_t from = std::max(r - kSlopeWindow + 1, prevEnd);
        const double slope = run.slopeDBKM(from, r - from + 1);
        if (slope >= bandLow && slope <= bandHigh) {
            result = r;
            break;
        }
        if (std::fabs(slope - atn) < closest) {
            closest = std::fabs(slope - atn);
            result = r;
        }
        if (steepOrRising(slope, atn)) limit = std::max(limit - 1, floor);
    }

    const int32_t top = std::min(end, run.last);
    if (deviation < 0 && lowest < 0) {
        while (result < top && dv[result + 1] <= dv[result])
            ++result;
        while (result > floor && dv[result - 1] <= dv[result])
            --result;
        const int32_t base = result;
        int32_t equal = 0;
        for (int32_t q = base + 1; q <= top && dv[q] == dv[base]; ++q) {
            ++equal;
            if (std::find(std::begin(kEqualRunSteps), std::end(kEqualRunSteps), equal) !=
                std::end(kEqualRunSteps)) {
                ++result;
            }
            if (equal == kEqualRunSteps[2]) break;
        }
        return result;
    }
    if (deviation > 0) {
        while (result < top && dv[result + 1] >= dv[result])
            ++result;
    }
    return result;
}

void CT6::FindNonReflExtents(FASRun& run) {
    varnel::CandidateArray& candidates = run.candidates;
    for (int32_t i = 1; i < candidates.count(); ++i) {
        varnel::Candidate& c = candidates[i];
        if (c.type == T6_EVENT_REFLECTIVE || candidates.isRemoved(i)) continue;
        const bool hasNext = i + 1 < candidates.count();
        const varnel::Candidate* next = hasNext ? &candidates[i + 1] : nullptr;
        const int32_t pp = run.pp(c.startDP);
        const EndSearch search = endSearchOf(run, c.startDP);
        const int32_t limit = std::min(next ? next->startDP : run.nf, search.to);
        c.endDP = FindNonReflEnd(run, std::min(search.from, limit), limit);

        int32_t searchFrom = c.startDP;
        if (next && next->type == T6_EVENT_REFLECTIVE && next->startDP == c.endDP) {
            searchFrom = std::min(c.startDP + pp / 2, c.endDP - 3);
        }
        c.startDP = FindNonReflStart(run, searchFrom, candidates[i - 1].endDP, c.endDP);
    }
    candidates.compactAndSort();
}

namespace varnel {

void formGroups(CandidateArray& candidates) {
    for (int32_t i = 1; i <= candidates.count() - 2; ++i) {
        Candidate& c = candidates[i];
        if (candidates.isRemoved(i) || c.type != T6_EVENT_NON_REFLECTIVE) continue;
        for (int32_t j = i + 1; j < candidates.count(); ++j) {
            Candidate& other = candidates[j];
            if (candidates.isRemoved(j)) continue;
            if (other.type != T6_EVENT_NON_REFLECTIVE || other.startDP > c.endDP + 1) break;
            c.endDP = std::max(c.endDP, other.endDP);
            c.type = T6_EVENT_GROUP;
            candidates.remove(j);
        }
    }
    candidates.compactAndSort();
}

void keepKnownCandidates(CT6::FASRun& run) {
    CandidateArray& candidates = run.candidates;
    int32_t known = std::min(run.reflectiveExactTo, run.thresholdExactTo);
    int32_t kept = candidates.count();
    while (kept > 0 && candidates[kept - 1].startDP > known)
        --kept;
    // The next candidate lies past `known`: a search that stops short of it
    // ends where the whole run's would.
    while (kept > 1 && candidates[kept - 1].type == T6_EVENT_NON_REFLECTIVE &&
           endSearchOf(run, candidates[kept - 1].startDP).to > known) {
        known = candidates[kept - 1].startDP - 1;
        --kept;
    }
    candidates.truncate(kept);
    run.knownTo = known;
}

int32_t earliestStartFrom(const CT6::FASRun& run, int32_t from, int32_t prevEnd) {
    // The search in FindNonReflStart goes back until it meets a slope in its
    // band, which always holds the narrowest one, or has passed one more
    // slope that is not steep or rising than its reach in points. From any
    // later start it meets the same slopes first.
    int32_t pp = 0;
    for (const PulseSegment& pulse : run.pulses)
        pp = std::max(pp, pulse.pointsPer);
    const int32_t reach = startSearchReach(pp);
    const int32_t floor = std::max(prevEnd + 1, 0);
    int32_t r = std::min(from, run.last);
    for (int32_t fibreLike = 0; r > floor; --r) {
        const int32_t first = std::max(r - kSlopeWindow + 1, prevEnd);
        const double slope = run.slopeDBKM(first, r - first + 1);
        const double atn = run.atnDBKM;
        if (slope >= kBandLow * atn && slope <= kBandHigh * atn) break;
        if (!steepOrRising(slope, atn) && ++fibreLike > reach) break;
    }
    while (r > floor && run.dv[r - 1] <= run.dv[r])
        --r;
    return r;
}

int32_t launchZoneEnd(const CT6::FASRun& run) {
    return run.candidates[0].startDP + run.pulses[0].pointsPer * kLaunchZonePercent / 100;
}

void absorbLaunchZone(CT6::FASRun& run) {
    CandidateArray& candidates = run.candidates;
    if (candidates.count() == 0 || candidates[0].type != T6_EVENT_LAUNCH) return;
    Candidate& launch = candidates[0];
    const int32_t reach = run.pulses[0].pointsPer * kLaunchZonePercent / 100;
    for (int32_t i = 1; i <= candidates.count() - 2; ++i) {
        const Candidate& c = candidates[i];
        if (c.startDP > launch.startDP + reach) break;
        launch.endDP = c.endDP;
        launch.flags |= T6_EVFLAG_LOSS_UNKNOWN;
        candidates.remove(i);
    }
    candidates.compactAndSort();
}

} // namespace varnel
