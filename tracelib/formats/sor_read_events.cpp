// Key events, ORL, views and cursors of a file without the native record.
// The launch comes from our own analysis; the file's key events are taken as
// they stand for everything after it.
#include "formats/sor_record.h"
#include "formats/sor_text.h"

#include <algorithm>
#include <cstdint>

namespace sor = varnel::sor;

namespace {

char codeAt(const std::string& code, size_t k) {
    return k < code.size() ? code[k] : ' ';
}

bool anyNonZero(const auto& values) {
    return std::any_of(values.begin(), values.end(), [](int32_t v) { return v != 0; });
}

// Keeps the launch event of a fresh analysis and drops the rest.
void keepAnalysedLaunch(CT6& r) {
    r.FASLaunchOnly();
    for (int32_t i = 1; i < r.EVCount(); ++i)
        r.EVSetFlags(i, T6_EVFLAG_MARKED_FOR_DELETION);
    r.EVDeleteFlagged();
}

// Codes 'E', 'D' and 'O' mark the fibre's end.
bool endsTheFibre(const sor::KeyEvent& e) {
    const char mark = codeAt(e.code, 1);
    return mark == 'E' || mark == 'D' || mark == 'O';
}

// The table slot of a key event: the launch for propagation time 0, else a
// new event at the end, starting where its time says. An end at time 0 (a
// fibre that ends where a user offset put 0 km) is its own event, not the
// launch.
int32_t eventSlot(CT6& r, const sor::KeyEvent& e, const sor::TimeRule& rule) {
    if (e.propagationTime == 0 && r.EVCount() > 0 && !endsTheFibre(e)) return 0;
    const int32_t i = r.EVInsert();
    if (i < 0) return i;
    r.EVSetStartKM(i, rule.distanceKM(r, e.propagationTime));
    const int64_t startDP = r.EVGetStartDP(i);
    const int64_t endDP = startDP + r.PWGetPointsPerAtDP(r.EVGetStartDP(i));
    r.EVSetEndDP(i, static_cast<int32_t>(std::min<int64_t>(endDP, INT32_MAX)));
    return i;
}

void applyCode(CT6& r, int32_t i, const sor::KeyEvent& e) {
    const char kind = codeAt(e.code, 0);
    if (kind == '1' || kind == '2') {
        r.EVSetType(i, T6_EVENT_REFLECTIVE);
        r.EVSetRefl(i, e.reflectance / 1000.0);
        if (kind == '2') r.EVSetFlags(i, T6_EVFLAG_REFL_SATURATED);
    }
    if (i == 0) r.EVSetType(i, T6_EVENT_LAUNCH);
    switch (codeAt(e.code, 1)) {
    case 'A':
        r.EVSetFlags(i, T6_EVFLAG_INSERTED);
        break;
    case 'E':
        r.EVSetType(i, T6_EVENT_END);
        r.EVSetFlags(i, T6_EVFLAG_CLOSING);
        break;
    case 'D':
        r.EVSetType(i, T6_EVENT_END);
        r.EVSetFlags(i, T6_EVFLAG_CLOSING | T6_EVFLAG_EDITED);
        break;
    case 'O':
        r.EVSetType(i, T6_EVENT_END);
        r.EVSetFlags(i, T6_EVFLAG_CLOSING | T6_EVFLAG_END_AT_NOISE_FLOOR);
        break;
    case 'M':
        r.EVSetFlags(i, T6_EVFLAG_EDITED);
        break;
    default:
        break;
    }
}

bool allOnTrace(const auto& times, const sor::TimeRule& rule) {
    return std::all_of(times.begin(), times.end(), [&](int32_t t) { return rule.onTrace(t); });
}

// Returns the event's index in the table, negative when it found no room or
// lay off the trace; what was left out is added to repairs (T6_READ_... bits).
int32_t readKeyEvent(CT6& r, const sor::KeyEvent& e, bool issue2, const sor::TimeRule& rule,
                     int32_t& repairs) {
    if (!rule.onTrace(e.propagationTime)) {
        repairs |= T6_READ_EVENTS_OFF_TRACE;
        return -1;
    }
    const int32_t i = eventSlot(r, e, rule);
    if (i < 0) return i;
    r.EVSetLoss(i, e.loss / 1000.0);
    // The file states the launch's loss, which our analysis may not have measured.
    if (i == 0) r.EVClearFlags(i, T6_EVFLAG_LOSS_UNKNOWN);
    r.EVSetType(i, T6_EVENT_NON_REFLECTIVE);
    applyCode(r, i, e);
    r.EVSetLossMode(i, e.technique == "2P" ? T6_LOSS_2POINT_ATN_COR : T6_LOSS_SPLICE);
    const bool markers = issue2 && anyNonZero(e.markers);
    const bool markersOnTrace = allOnTrace(e.markers, rule);
    if (markers && markersOnTrace) {
        const double startKM = r.EVGetStartKM(i);
        const auto offset = [&](size_t k) { return rule.distanceKM(r, e.markers[k]) - startKM; };
        r.EVSetLSAOffKM(i, offset(0), offset(1), offset(2), offset(3));
    }
    r.EVSetComment(i, sor::fileTextToWide(e.comment).c_str());
    if (markers && !markersOnTrace) repairs |= T6_READ_MARKERS_OFF_TRACE;
    return i;
}

// Thresholds the instrument left unset are stored as 0xFFFF; the record
// holds 0 for a threshold that is not available.
double thresholdDB(uint16_t stored, double dbPerUnit) {
    constexpr uint16_t kUnset = 0xFFFF;
    return stored == kUnset ? 0.0 : stored * dbPerUnit;
}

void setPosition(CT6& r, double km, int32_t& dp, uint16_t& fr) {
    dp = r.DPFRFromKM(km, fr);
}

} // namespace

std::vector<int32_t> CT6::SR4731::readKeyEvents(CT6& r, const SorFile& f, const TimeRule& rule) {
    std::vector<int32_t> sources;
    if (!f.hasKeyEvents || f.keyEvents.events.empty()) return sources;
    keepAnalysedLaunch(r);
    sources.assign(static_cast<size_t>(r.EVCount()), kNoKeyEvent);
    const auto& events = f.keyEvents.events;
    for (size_t k = 0; k < events.size(); ++k) {
        const int32_t i = readKeyEvent(r, events[k], f.issue == 2, rule, r.m_readRepairs);
        if (i < 0) continue;
        if (static_cast<size_t>(i) >= sources.size()) sources.resize(size_t(i) + 1, kNoKeyEvent);
        sources[size_t(i)] = static_cast<int32_t>(k);
    }
    const int32_t last = r.EVCount() - 1;
    if (last < 0) return sources;
    // Setting type 4 again would clear the out-of-range mark of an "O" end.
    if (r.EVGetType(last) != T6_EVENT_END) r.EVSetType(last, T6_EVENT_END);
    r.EVSetFlags(last, T6_EVFLAG_CLOSING);
    return sources;
}

void CT6::SR4731::readORL(CT6& r, const SorFile& f, const TimeRule& rule) {
    const auto& k = f.keyEvents;
    if (!f.hasKeyEvents || k.orl == 0) return;
    r.m_orl = T6ScaledFromDB(k.orl / 1000.0);
    r.m_traceFlags |= T6_TRACE_ORL_AVAILABLE;
    double aKM = 0.0;
    double bKM = r.EVCount() > 1 ? r.EVGetStartKM(r.EVCount() - 1) : 0.0;
    const bool markers = anyNonZero(k.orlMarkers);
    if (markers && !allOnTrace(k.orlMarkers, rule)) r.m_readRepairs |= T6_READ_MARKERS_OFF_TRACE;
    if (markers && allOnTrace(k.orlMarkers, rule)) {
        aKM = rule.distanceKM(r, k.orlMarkers[0]);
        bKM = rule.distanceKM(r, k.orlMarkers[1]);
    }
    setPosition(r, aKM, r.m_orlADP, r.m_orlAFR);
    setPosition(r, bKM, r.m_orlBDP, r.m_orlBFR);
}

void CT6::SR4731::readDisplay(CT6& r, const SorFile& f, const TimeRule& rule, double rangeDB) {
    constexpr int32_t kViews = 4;
    r.SetViewMode(0);
    r.SetLSACursorsToDefault(1);
    for (int32_t v = 0; v < kViews; ++v)
        r.SetView(v, 0.0, r.GetMaxKM(), 0.0, rangeDB);

    // A user offset moves 0 km to where the user put the fibre's start.
    if (f.gen.userOffset != 0 || f.gen.userOffsetDistance != 0) {
        r.SetHorzShiftKM(-rule.distanceKM(r, 0));
        if (r.IsORLAvailable() && !anyNonZero(f.keyEvents.orlMarkers)) {
            setPosition(r, 0.0, r.m_orlADP, r.m_orlAFR);
            if (r.EVCount() <= 1) setPosition(r, 0.0, r.m_orlBDP, r.m_orlBFR);
        }
    }

    double aKM = r.GetMaxKM() / 4;
    double bKM = 3 * aKM;
    if (r.EVCount() > 1) {
        aKM = 0.0;
        bKM = r.EVGetStartKM(r.EVCount() - 1);
    }
    aKM = std::max(aKM, 0.0);
    bKM = std::max({bKM, 0.0, aKM});
    r.SetACursorKM(aKM);
    r.SetBCursorKM(bKM);

    r.SetThresholdLoss(thresholdDB(f.fxd.lossThreshold, 1 / 1000.0));
    r.SetThresholdRefl(thresholdDB(f.fxd.reflThreshold, 1 / -1000.0));
    r.SetThresholdBreak(thresholdDB(f.fxd.endOfFiberThreshold, 1 / 1000.0));
}
