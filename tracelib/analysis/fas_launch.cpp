// The analysis kept to the launch event. Reading a file with its own events
// needs our launch only, and the launch depends on the trace only up to the
// first event after it, besides a few quantities of the whole span (noise
// floor, attenuation, the lengths of the stretches the thresholds are taken
// over). Those are measured whole; the per-point steps then run up to a
// horizon, each saying up to where its result is what the whole run would
// give. When the first candidate after the launch lies inside all of that,
// the launch is settled; otherwise a farther horizon is tried, and at last
// the whole trace.
#include "analysis/fas_steps.h"

#include "record/event_element.h"

#include <algorithm>

namespace {

// Horizons tried: a share (in 40ths) of the span from the first point to the
// noise floor, and room beyond it. The first is about the least under which
// the thresholds' first stretches are known; the later ones leave room for
// the fibre the launch level is fitted over, which a launch with nothing
// close behind it needs.
struct Horizon {
    int32_t fortieths;
    int32_t pulses;
    int32_t points;
};
constexpr Horizon kHorizons[] = {
    {9, 2, 256}, {10, 2, varnel::kLaunchFitMaxPoints}, {20, 2, varnel::kLaunchFitMaxPoints}};

// Rising runs of at least `rise` that start in from ... to: no fewer than
// the reflective candidates that can start there.
int32_t risesFrom(const CT6::FASRun& run, int32_t from, int32_t to, int32_t rise) {
    const uint16_t* dv = run.dv;
    int32_t count = 0;
    int32_t i = std::max(from, run.first);
    while (i < to) {
        if (dv[i + 1] <= dv[i]) {
            ++i;
            continue;
        }
        const int32_t start = i;
        while (i < to && dv[i + 1] > dv[i])
            ++i;
        if (dv[i] - dv[start] >= rise) ++count;
    }
    return count;
}

// The rises of at least `rise` from `from` to `to` number at most the sum of
// every step up there divided by it: a bound that costs one plain pass.
int64_t risesBound(const CT6::FASRun& run, int32_t from, int32_t to, int32_t rise) {
    const uint16_t* dv = run.dv;
    int64_t up = 0;
    for (int32_t i = std::max(from, run.first); i < to; ++i)
        up += std::max(int32_t{dv[i + 1]} - int32_t{dv[i]}, 0);
    return up / rise;
}

int32_t heightsFrom(const CT6::FASRun& run, int32_t from) {
    int32_t count = 0;
    for (int32_t p = std::max(from, 0); p <= run.nf; ++p)
        count += run.work[static_cast<size_t>(p)] != 0 ? 1 : 0;
    return count;
}

} // namespace

// A full candidate array keeps overwriting its last entry, so the whole
// run's candidates near the launch are those found here only while every
// candidate added before them fits: all reflective ones and the
// non-reflective ones added here. Past the horizon there is at most one
// reflective candidate per rise the peaks' threshold can keep; when the
// rises are too many to tell, the whole run's peaks are counted, and when
// even those are, its reflective candidates.
bool CT6::wholeRunFits(FASRun& run) {
    const int32_t room = varnel::CandidateArray::kCapacity - 1;
    const int32_t known = run.reflectiveAdded + run.othersAdded;
    if (known >= room) return false;
    const int32_t beyond = run.reflectiveExactTo + 1;
    // Heights are whole data values: a kept one is at least 1.
    const int32_t rise = std::max(static_cast<int32_t>(leastPeakThreshold(run)), 1);
    if (known + risesBound(run, beyond, run.nf, rise) < room) return true;
    if (known + risesFrom(run, beyond, run.nf, rise) < room) return true;
    run.horizon = run.nf;
    varnel::buildRiseMap(run);
    HiReflPeaks(run);
    if (known + heightsFrom(run, beyond) < room) return true;
    const varnel::CandidateArray found = run.candidates;
    run.candidates.truncate(0);
    FindReflectiveCandidates(run);
    CheckReflections(run);
    const int32_t reflective = run.candidates.count();
    run.candidates = found;
    return reflective + run.othersAdded < room;
}

// After the bounded steps: whether the launch and what follows it are the
// whole run's. If so, the candidates are cut to the launch and the one
// after it (when known), the launch's zone absorbed as the whole run would.
bool CT6::launchSettles(FASRun& run) {
    varnel::CandidateArray& candidates = run.candidates;
    if (candidates.count() == 0 || candidates[0].type != T6_EVENT_LAUNCH) return false;
    const varnel::Candidate& launch = candidates[0];
    const int32_t zoneEnd = varnel::launchZoneEnd(run);
    if (candidates.count() == 1) {
        // Nothing known after the launch: settled when whatever comes later
        // starts past its zone and past the fibre its level is fitted over.
        const int32_t later = varnel::earliestStartFrom(run, run.knownTo - 2, launch.endDP);
        const bool farEnough =
            later > zoneEnd && int64_t{later} - launch.endDP >= varnel::kLaunchFitMaxPoints;
        return farEnough && wholeRunFits(run);
    }
    int32_t next = 1;
    while (next < candidates.count() && candidates[next].startDP <= zoneEnd)
        ++next;
    if (next == candidates.count() || !wholeRunFits(run)) return false;
    varnel::absorbLaunchZone(run);
    candidates.truncate(2);
    return true;
}

int32_t CT6::FASLaunchOnly() {
    FASRun run;
    const int32_t status = startFAS(run);
    if (status != T6_FAS_DONE) return status;

    bool settled = false;
    const int64_t span = run.nf - run.first;
    int64_t tried = run.first;
    for (const Horizon& h : kHorizons) {
        const int64_t horizon = run.first + span * h.fortieths / 40 +
                                int64_t{h.pulses} * run.pulses[0].pointsPer + h.points;
        if (horizon >= run.nf) break;
        if (horizon <= tried) continue;
        tried = horizon;
        run.horizon = static_cast<int32_t>(horizon);
        run.candidates.truncate(0);
        runCandidateSteps(run);
        settled = launchSettles(run);
        if (settled) break;
    }
    if (settled) {
        BuildEventTable(run);
    } else {
        buildWholeTable(run);
    }
    for (int32_t i = 1; i < EVCount(); ++i)
        EVSetFlags(i, T6_EVFLAG_MARKED_FOR_DELETION);
    EVDeleteFlagged();
    finishFAS(run);
    return T6_FAS_DONE;
}
