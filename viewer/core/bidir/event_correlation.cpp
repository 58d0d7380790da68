#include "core/bidir/event_correlation.h"

#include "core/bidir/once_warning.h"
#include "core/bidir/trace_sequence.h"
#include "core/platform/text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane::bidir {

namespace {

// Events 1 .. count-1 from 0 km on, less a removed patch cord's connector
// and, without an end connector, the last of them.
std::vector<int32_t> candidateEvents(const CT6& trace, double endKM,
                                     const CorrelationSettings& settings) {
    const bool skipPatchCord = settings.ignorePatchCord && trace.GetHorzShiftKM() < 0;
    const double patchCordKM =
        std::min(settings.patchCordPercent / 100.0 * endKM, settings.patchCordKM);
    std::vector<int32_t> events;
    for (int32_t i = 1; i < trace.EVCount(); ++i) {
        const double start = trace.EVGetStartKM(i);
        if (start < 0) continue;
        if (skipPatchCord && start <= patchCordKM) continue;
        events.push_back(i);
    }
    if (!events.empty() && !trace.IsEndConn()) events.pop_back();
    return events;
}

class Matcher {
public:
    Matcher(const CT6& trace, const std::vector<double>& positionsKM, double scale,
            double tolerance)
        : m_trace(trace), m_positions(positionsKM), m_scale(scale), m_tolerance(tolerance),
          m_owner(positionsKM.size(), kNoMatch) {}

    // Places the event, displacing worse ones; returns an event that fits
    // nowhere, or kNoMatch.
    int32_t place(int32_t event) {
        std::vector<bool> tried(m_positions.size(), false);
        for (;;) {
            const int32_t p = bestPosition(event, tried);
            if (p < 0) return event;
            const int32_t holder = m_owner[static_cast<size_t>(p)];
            if (holder == kNoMatch) {
                m_owner[static_cast<size_t>(p)] = event;
                return kNoMatch;
            }
            if (distance(holder, p) <= distance(event, p)) {
                tried[static_cast<size_t>(p)] = true;
                continue;
            }
            m_owner[static_cast<size_t>(p)] = event;
            event = holder;
            std::fill(tried.begin(), tried.end(), false);
            tried[static_cast<size_t>(p)] = true;
        }
    }

    std::vector<int32_t>& owners() { return m_owner; }

private:
    double distance(int32_t event, int32_t p) const {
        return std::fabs(m_trace.EVGetStartKM(event) -
                         m_positions[static_cast<size_t>(p)] * m_scale);
    }

    int32_t bestPosition(int32_t event, const std::vector<bool>& tried) const {
        int32_t best = -1;
        double bestDistance = std::numeric_limits<double>::infinity();
        for (size_t p = 0; p < m_positions.size(); ++p) {
            if (tried[p]) continue;
            const double d = distance(event, static_cast<int32_t>(p));
            if (d <= m_tolerance && d < bestDistance) {
                best = static_cast<int32_t>(p);
                bestDistance = d;
            }
        }
        return best;
    }

    const CT6& m_trace;
    const std::vector<double>& m_positions;
    const double m_scale;
    const double m_tolerance;
    std::vector<int32_t> m_owner;
};

// The first neighbours held in the opposite order of their positions change places.
void swapFirstCrossing(std::vector<int32_t>& owners) {
    for (size_t k = 0; k + 1 < owners.size(); ++k) {
        if (owners[k] == kNoMatch || owners[k + 1] == kNoMatch) continue;
        if (owners[k] > owners[k + 1]) {
            std::swap(owners[k], owners[k + 1]);
            return;
        }
    }
}

std::string locationText(const CT6& trace, int32_t event) {
    return textOf(
        [&trace, event](char16_t* out) { T6CurDistFromKM(trace.EVGetStartKM(event), out, 1); });
}

} // namespace

CorrelationResult CorrelateEvents(const CT6& trace, const std::vector<double>& positionsKM,
                                  double referenceKM, const CorrelationSettings& settings,
                                  bool warn) {
    CorrelationResult result;
    result.matched.assign(positionsKM.size(), kNoMatch);
    const int32_t n = trace.EVCount();
    if (n < 2 || referenceKM <= 0) return result;
    const double endKM = trace.EVGetStartKM(n - 1);
    const double tolerance = settings.corrPercent * endKM / 100.0;
    Matcher matcher(trace, positionsKM, endKM / referenceKM, tolerance);
    bool warned = false;
    for (int32_t event : candidateEvents(trace, endKM, settings)) {
        const int32_t lost = matcher.place(event);
        if (lost == kNoMatch) continue;
        result.unmatchedEvents.push_back(lost);
        if (warned || !warn) continue;
        warned = true;
        const std::string text =
            recordName(trace) + kEventAtText + locationText(trace, lost) + kDoesNotCorrelateText;
        if (!confirmOnce("", text)) {
            result.cancelled = true;
            return result;
        }
    }
    result.matched = std::move(matcher.owners());
    swapFirstCrossing(result.matched);
    return result;
}

} // namespace orvane::bidir
