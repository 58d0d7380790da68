// Levels and losses measured along the event table: the level before an
// event, span loss and attenuation, end-to-end loss, the start and end
// connectors and the strongest reflections. Means here work on the raw
// working data values (without the vertical shift), as the launch intercept
// does.
#include "record/event_element.h"
#include "record/event_internal.h"
#include "record/settings.h"
#include "record/wide_text.h"

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

using namespace varnel;

namespace {

using Element = CT6::EVElement;

constexpr int32_t kMeanHalfWidth = 2;    // five points centred on 0 km
constexpr int32_t kMeanPointsBefore = 4; // five points ending at an event start
constexpr int32_t kMinSpanPoints = 6;    // a shorter span has no clean backscatter
constexpr int32_t kMinLaunchCablePoints = 5;
constexpr double kReflSearchSlackKM = 0.1;

bool isQuestionable(const Element& e) {
    return (e.Flags & T6_EVFLAG_QUESTIONABLE) != 0;
}
bool lossUnknown(const Element& e) {
    return (e.Flags & T6_EVFLAG_LOSS_UNKNOWN) != 0;
}

// Truncates toward zero; levels far outside the 16-bit data range saturate.
int32_t truncatedDataValue(double value) {
    if (!(value > INT32_MIN)) return INT32_MIN;
    if (value >= INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(value);
}

char16_t* lossText(double db, const char16_t* format, char16_t* buf, int32_t units) {
    if (db == T6_NO_VALUE) return writeFormatted(buf, settings().unknownLoss.view());
    writeFormatted(buf, formatDouble(format, db));
    return units ? T6AddUnitsDB(buf) : buf;
}

} // namespace

namespace varnel {

double trimmedMean(std::span<const int32_t> values) {
    if (values.empty()) return T6_NO_VALUE;
    double sum = 0;
    for (int32_t v : values)
        sum += v;
    if (values.size() < 3) return sum / static_cast<double>(values.size());
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return (sum - *low - *high) / static_cast<double>(values.size() - 2);
}

} // namespace varnel

// Trimmed mean of the working values of firstDP ... lastDP in dB, leaving out
// points outside the trace.
double CT6::meanDataDB(int64_t firstDP, int64_t lastDP) const {
    if (m_dpwScaleFactor == 0) return T6_NO_VALUE;
    std::array<int32_t, 2 * kMeanHalfWidth + 1> values{};
    size_t n = 0;
    for (int64_t p = firstDP; p <= lastDP && n < values.size(); ++p) {
        if (p < GetOnAfterZKMDP() || p > m_lastDP) continue;
        values[n++] = DPWGetLONG(static_cast<int32_t>(p));
    }
    const double mean = trimmedMean(std::span<const int32_t>(values.data(), n));
    return mean == T6_NO_VALUE ? mean : mean / m_dpwScaleFactor;
}

double CT6::GetLaunchIntercept() const {
    return m_dpwScaleFactor == 0 ? 0.0 : static_cast<double>(m_launchIntercept) / m_dpwScaleFactor;
}

void CT6::SetLaunchIntercept(uint16_t dataValue) {
    m_launchIntercept = dataValue;
}

double CT6::EVGetDBValue(int32_t i) const {
    const Element* e = eventAt(i);
    return e ? GetDBAtDPFR(e->StartDP, e->StartFR) : T6_NO_VALUE;
}

char16_t* CT6::EVGetCumLoss(int32_t i, char16_t* buf, int32_t units) const {
    const double level = EVGetDBValue(i);
    return lossText(level == T6_NO_VALUE ? level : GetLaunchIntercept() - level, u"%.2f", buf,
                    units);
}

double CT6::EVGetStartAvgDB(int32_t i) const {
    const Element* e = eventAt(i);
    if (!e) return T6_NO_VALUE;
    if (e->Type == T6_EVENT_LAUNCH) return GetLaunchIntercept();
    if (i <= 0 || (e->Type == T6_EVENT_END && isQuestionable(*e))) return T6_NO_VALUE;
    const Element& previous = m_events[static_cast<size_t>(i - 1)];
    int64_t backscatterStart = previous.EndDP;
    // A reflection's recorded end lies far down its tail; the span is
    // counted from a quarter of the tail earlier.
    if (previous.Refl < 0 && previous.FallStartDP > 0)
        backscatterStart -= (backscatterStart - previous.FallStartDP) / 4;
    if (e->StartDP - backscatterStart <= kMinSpanPoints) return T6_NO_VALUE;
    return meanDataDB(int64_t{e->StartDP} - kMeanPointsBefore, e->StartDP);
}

double CT6::EVGetSpanLoss(int32_t i) const {
    if (i < 1 || i >= m_eventCount) return T6_NO_VALUE;
    const double after = EVGetStartAvgDB(i);
    if (after == T6_NO_VALUE) return T6_NO_VALUE;
    const Element& previous = m_events[static_cast<size_t>(i - 1)];
    const bool launchCable = GetHorzShiftKM() < 0 && EVGetStartKM(i - 1) < 0;
    if (!launchCable) {
        const double before = EVGetStartAvgDB(i - 1);
        if (before == T6_NO_VALUE) return T6_NO_VALUE;
        const bool forced = i - 1 == 0 && settings().endEndLossForced != 0;
        if (!forced && lossUnknown(previous)) return T6_NO_VALUE;
        return before - after - EVGetLoss(i - 1);
    }
    // The fibre under test begins at 0 km, inside the launch cable's span:
    // measure from the level there.
    uint16_t zeroFR = 0;
    const int64_t zeroDP = DPFRFromKM(0.0, zeroFR);
    const int32_t startDP = m_events[static_cast<size_t>(i)].StartDP;
    if (EVGetStartKM(i) <= 0 || startDP - zeroDP <= kMinLaunchCablePoints) return T6_NO_VALUE;
    const double zeroDB = meanDataDB(zeroDP - kMeanHalfWidth, zeroDP + kMeanHalfWidth);
    return zeroDB == T6_NO_VALUE ? zeroDB : zeroDB - after;
}

char16_t* CT6::EVGetSpanLoss(int32_t i, char16_t* buf, int32_t units) const {
    return lossText(EVGetSpanLoss(i), u"%.2f", buf, units);
}

double CT6::EVGetSpanLossDBKM(int32_t i) const {
    const double lossDB = EVGetSpanLoss(i);
    if (lossDB == T6_NO_VALUE) return lossDB;
    const double lengthKM = EVGetStartKM(i) - EVGetStartKM(i - 1);
    return lengthKM == 0 ? T6_NO_VALUE : lossDB / lengthKM;
}

char16_t* CT6::EVGetSpanLossDBKM(int32_t i, char16_t* buf, int32_t units) const {
    return lossText(EVGetSpanLossDBKM(i), u"%.3f", buf, units);
}

double CT6::endToEndLoss(bool forced) const {
    if (m_eventCount < 2) return T6_NO_VALUE;
    const int32_t last = m_eventCount - 1;
    const Element& end = m_events[static_cast<size_t>(last)];
    if (isQuestionable(end)) return T6_NO_VALUE;
    double endDB = EVGetStartAvgDB(last);
    if (endDB == T6_NO_VALUE)
        endDB = meanDataDB(int64_t{end.StartDP} - kMeanPointsBefore, end.StartDP);
    if (endDB == T6_NO_VALUE) return T6_NO_VALUE;

    double referenceDB = 0;
    if (GetHorzShiftKM() >= 0) {
        if (!forced && lossUnknown(m_events[0])) return T6_NO_VALUE;
        referenceDB = GetLaunchIntercept();
    } else {
        // A fibre that ends at 0 km has no length after its launch cable; the
        // level "at 0 km" would be read off the end's own reflection.
        uint16_t fr = 0;
        const bool endsByZero = end.StartDP <= DPFRFromKM(0.0, fr);
        referenceDB = endsByZero ? endDB : GetDBAtKM(0.0);
        if (referenceDB == T6_NO_VALUE) return T6_NO_VALUE;
    }
    double lossDB = referenceDB - endDB;
    if (settings().endEndLossStartConn == 0) lossDB -= GetStartConnLoss();
    if (settings().endEndLossEndConn != 0) lossDB += GetEndConnLoss();
    return lossDB;
}

double CT6::GetEndToEndLoss() const {
    return endToEndLoss(settings().endEndLossForced != 0);
}

double CT6::GetEndToEndLossForced() const {
    return endToEndLoss(true);
}

char16_t* CT6::GetEndToEndLoss(char16_t* buf, int32_t units) const {
    return lossText(GetEndToEndLoss(), u"%.2f", buf, units);
}

// The last event is a connector (rather than a break) when its loss is
// measured and stays below the break threshold.
int32_t CT6::IsEndConn() const {
    if (m_eventCount < 2) return 0;
    const int32_t last = m_eventCount - 1;
    const Element& end = m_events[static_cast<size_t>(last)];
    if (lossUnknown(end) || end.Loss == 0) return 0;
    return EVGetLoss(last) <= GetThresholdBreak() && EVGetStartKM(last) >= 0 ? 1 : 0;
}

double CT6::GetEndConnLoss() const {
    return IsEndConn() ? EVGetLoss(m_eventCount - 1) : 0.0;
}

// With a launch cable the first event on the fibre under test, when close
// enough to 0 km, is the connector between cable and fibre.
double CT6::GetStartConnLoss() const {
    if (GetHorzShiftKM() >= 0) return 0.0;
    int32_t first = 1;
    while (first <= m_eventCount - 2 && EVGetStartKM(first) < 0)
        ++first;
    if (first > m_eventCount - 2) return 0.0;
    const double lastStartKM = EVGetStartKM(m_eventCount - 1);
    const double limitKM =
        std::min(settings().startConnDefKM, lastStartKM * settings().startConnDefPercent / 100);
    const Element& e = m_events[static_cast<size_t>(first)];
    if (EVGetStartKM(first) > limitKM || lossUnknown(e)) return 0.0;
    return EVGetLoss(first);
}

// Highest working value from start to end of the event (the first of equal
// peaks), or -1 when none of its points lies inside the trace.
int32_t CT6::peakDataValue(const Element& e) const {
    const int64_t first = std::max<int64_t>(e.StartDP, GetOnAfterZKMDP());
    const int64_t last = std::min<int64_t>(e.EndDP, m_lastDP);
    int32_t peak = -1;
    for (int64_t p = first; p <= last; ++p)
        peak = std::max(peak, DPWGetLONG(static_cast<int32_t>(p)));
    return peak;
}

int32_t CT6::HighReflEvents(int32_t max, int32_t* out, double fromKM) const {
    if (m_eventCount == 0 || max <= 0 || out == nullptr) return 0;
    const double floorDB = GetDBAtKM(fromKM);
    const int32_t floorValue =
        floorDB == T6_NO_VALUE ? 0 : truncatedDataValue(floorDB * m_dpwScaleFactor);

    struct Candidate {
        int32_t index;
        int32_t peak;
    };
    std::vector<Candidate> candidates;
    for (int32_t i = 1; i < m_eventCount; ++i) {
        const Element& e = m_events[static_cast<size_t>(i)];
        if (e.Refl == 0 || EVGetStartKM(i) + kReflSearchSlackKM < fromKM) continue;
        const int32_t peak = peakDataValue(e);
        if (peak >= 0 && peak >= floorValue) candidates.push_back({i, peak});
    }

    int32_t written = 0;
    while (written < max && !candidates.empty()) {
        // max_element keeps the first of equal peaks.
        const auto strongest = std::max_element(
            candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.peak < b.peak; });
        out[written++] = strongest->index;
        candidates.erase(strongest);
    }
    return written;
}
