// The end of the table: events lost in the noise are removed, the fibre may
// end at a chosen reflection, and the table always closes with an end event.
#include "analysis/fas_steps.h"

#include "record/event_element.h"

#include <algorithm>

namespace {

constexpr double kProtectedReflFloorDB = -40.0;
constexpr double kNoiseMarginDB = 2.5;
constexpr double kNoisePercentile = 98.0;
constexpr int32_t kNoPercentile = 0xFFFF;

// The event's level as a raw data value (no vertical shift), so that it
// compares with the noise levels read from the same values.
int32_t eventLevel(const CT6& record, const CT6::FASRun& run, int32_t i) {
    return run.dv[run.clampIndex(record.EVGetStartDP(i))];
}

bool isProtectedReflection(const CT6& record, int32_t i, double floorDB) {
    const double refl = record.EVGetRefl(i);
    return refl != 0.0 && refl >= floorDB;
}

// Whether an event lies below a noise level: an end below it, any other
// event below it plus a margin.
bool belowNoise(const CT6& record, const CT6::FASRun& run, int32_t i, int32_t noiseDV) {
    const int32_t level = eventLevel(record, run, i);
    if (level < noiseDV) return true;
    return record.EVGetType(i) != T6_EVENT_END && level < noiseDV + run.dbToDV(kNoiseMarginDB);
}

bool lastIsEndBelow(const CT6& record, const CT6::FASRun& run, int32_t noiseDV) {
    const int32_t last = record.EVCount() - 1;
    if (last < 1 || record.EVGetType(last) != T6_EVENT_END) return false;
    return eventLevel(record, run, last) < noiseDV + run.dbToDV(run.settings.breakDB);
}

} // namespace

void CT6::RemoveEvents(const FASRun& run) {
    if (!run.noiseFloorFound) return;
    const double floorDB = std::max(run.settings.reflDB, kProtectedReflFloorDB);

    int32_t peakNoise = 0;
    for (int32_t p = run.nf; p <= run.last; ++p)
        peakNoise = std::max<int32_t>(peakNoise, run.dv[p]);
    bool triggered = false;
    for (int32_t i = 1; i < EVCount() && !triggered; ++i) {
        triggered =
            !isProtectedReflection(*this, i, floorDB) && belowNoise(*this, run, i, peakNoise);
    }
    if (!triggered && !lastIsEndBelow(*this, run, peakNoise)) return;

    int32_t noise = static_cast<int32_t>(CalcNFPctDV(run.nf, run.last, kNoisePercentile));
    if (noise == kNoPercentile) noise = 0;
    for (int32_t i = 1; i < EVCount(); ++i) {
        if (!isProtectedReflection(*this, i, floorDB) && belowNoise(*this, run, i, noise)) {
            EVPutFlags(i, EVGetFlags(i) | T6_EVFLAG_MARKED_FOR_DELETION);
        }
    }
    EVDeleteFlagged();
    if (lastIsEndBelow(*this, run, noise)) {
        const int32_t last = EVCount() - 1;
        EVSetType(last, EVGetRefl(last) != 0.0 ? T6_EVENT_REFLECTIVE : T6_EVENT_NON_REFLECTIVE);
        EVPutFlags(last, EVGetFlags(last) | T6_EVFLAG_LOSS_UNKNOWN);
    }
}

void CT6::EndAtNthReflection(const FASRun& run) {
    const int32_t nth = run.settings.endAtNthRefl;
    if (nth <= 0) return;
    int32_t seen = 0;
    for (int32_t i = 1; i < EVCount(); ++i) {
        const double refl = EVGetRefl(i);
        if (EVGetStartKM(i) < 0.0 || refl == 0.0 || refl < run.settings.nthReflThreshDB) continue;
        if (++seen < nth) continue;
        EVSetType(i, T6_EVENT_END);
        EVPutFlags(i, EVGetFlags(i) | T6_EVFLAG_END_AT_NTH_REFL);
        while (EVCount() > i + 1)
            EVDelete(EVCount() - 1);
        return;
    }
}

void CT6::CloseEventTable(const FASRun& run) {
    int32_t last = EVCount() - 1;
    if (last < 0 || EVGetType(last) != T6_EVENT_END) {
        const int32_t at = run.noiseFloorFound ? run.nf : run.last;
        last = EVInsert();
        EVSetType(last, T6_EVENT_END);
        EVSetStartDP(last, at);
        EVSetRiseEndDP(last, at);
        EVSetFallStartDP(last, at);
        EVSetEndDP(last, at);
        if (run.noiseFloorFound) EVPutFlags(last, T6_EVFLAG_END_AT_NOISE_FLOOR);
    }
    uint32_t flags = EVGetFlags(last) | T6_EVFLAG_CLOSING;
    if (!run.noiseFloorFound) flags |= T6_EVFLAG_END_NO_NOISE_FLOOR;
    EVPutFlags(last, flags);
}
