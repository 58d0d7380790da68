// Collecting: every trace of the sequence adds one to the counters where it
// has a significant event, after the checks against the reference.
#include "core/bidir/once_warning.h"
#include "core/bidir/smart_template.h"

#include <algorithm>
#include <cmath>

namespace orvane::bidir {

namespace {

constexpr double kShiftTolerance = 0.02;
constexpr double kLengthTolerance = 0.02;

// Start of the last event, 0 when there are fewer than two events.
double lengthKM(const CT6& trace) {
    const int32_t n = trace.EVCount();
    return n < 2 ? 0.0 : trace.EVGetStartKM(n - 1);
}

int32_t eventsFromStart(const CT6& trace) {
    int32_t n = 0;
    for (int32_t i = 1; i < trace.EVCount(); ++i)
        if (trace.EVGetStartKM(i) >= 0) ++n;
    return n;
}

enum class Verdict { Use, Skip, Abandon };

class Collector {
public:
    Collector(const CT6& reference, const SmartTemplateSettings& settings, EventCounts& counts,
              CollectStats& stats)
        : m_reference(reference), m_settings(settings), m_counts(counts), m_stats(stats),
          m_referenceKM(lengthKM(reference)) {}

    Verdict check(const CT6& trace, const std::string& name) {
        const int32_t n = trace.EVCount();
        const bool noEvents = n == 0 || trace.EVGetStartKM(n - 1) <= 0;
        if (noEvents && !warnOnce(m_warnedNoEvents, kNoEventsText, name)) return Verdict::Abandon;
        if (n > 0 && trace.EVQtEnd(n - 1) &&
            !warnOnce(m_warnedQuestionable, kQuestionableEndText, name))
            return Verdict::Abandon;
        const double shift = trace.GetHorzShiftKM();
        const double refShift = m_reference.GetHorzShiftKM();
        if (std::fabs(shift - refShift) >
                kShiftTolerance * std::max(std::fabs(shift), std::fabs(refShift)) &&
            !warnOnce(m_warnedShifts, kShiftsText, name))
            return Verdict::Abandon;
        if (noEvents) return Verdict::Skip;
        return checkLength(trace, name);
    }

    void count(const CT6& trace) {
        const double endKM = lengthKM(trace);
        const int32_t events = eventsFromStart(trace);
        ++m_stats.traces;
        m_stats.shortestEndKM = std::min(m_stats.shortestEndKM, endKM);
        m_stats.longestEndKM = std::max(m_stats.longestEndKM, endKM);
        m_stats.fewestEvents = std::min(m_stats.fewestEvents, events);
        m_stats.mostEvents = std::max(m_stats.mostEvents, events);
        const double scale = m_settings.adjustForHelix && m_referenceKM > 0 && endKM > 0
                                 ? m_referenceKM / endKM
                                 : 1.0;
        for (int32_t i = 0; i + 1 < trace.EVCount(); ++i)
            countEvent(trace, i, scale);
    }

private:
    static bool warnOnce(bool& shown, const char* text, const std::string& subject) {
        if (shown) return true;
        shown = true;
        return confirmOnce(subject, text);
    }

    Verdict checkLength(const CT6& trace, const std::string& name) {
        const double endKM = lengthKM(trace);
        if (std::fabs(endKM - m_referenceKM) <= kLengthTolerance * std::max(endKM, m_referenceKM))
            return Verdict::Use;
        if (!m_warnedLengths) {
            m_warnedLengths = true;
            if (!confirmOnce(name + " :: " + recordName(m_reference), kLengthsText))
                return Verdict::Abandon;
        }
        return Verdict::Skip;
    }

    void countEvent(const CT6& trace, int32_t i, double scale) {
        const double startKM = trace.EVGetStartKM(i) * scale;
        const double endKM = trace.EVGetEndKM(i) * scale;
        if (i == 0 || startKM < 0) {
            m_stats.launchEndKM = std::max(m_stats.launchEndKM, endKM);
            return;
        }
        if (trace.EVGetFlags(i) & T6_EVFLAG_LOSS_UNKNOWN) return;
        if (std::fabs(trace.EVGetLoss(i)) < m_settings.lossThresDB) return;
        const int32_t type = trace.EVGetType(i);
        const double refl = trace.EVGetRefl(i);
        uint8_t marks = 0;
        if ((type == T6_EVENT_REFLECTIVE || type == T6_EVENT_GROUP) && refl < 0 &&
            refl >= trace.GetThresholdRefl())
            marks |= kMarkReflective;
        if (type == T6_EVENT_GROUP) marks |= kMarkGroup;
        uint16_t fr = 0;
        const int32_t startDP = m_reference.DPFRFromKM(startKM, fr);
        const int32_t endDP = m_reference.DPFRFromKM(endKM, fr);
        orvane::bidir::countEvent(m_counts, startDP, endDP, marks);
    }

    const CT6& m_reference;
    const SmartTemplateSettings& m_settings;
    EventCounts& m_counts;
    CollectStats& m_stats;
    const double m_referenceKM;
    bool m_warnedNoEvents = false;
    bool m_warnedQuestionable = false;
    bool m_warnedShifts = false;
    bool m_warnedLengths = false;
};

constexpr double kCollectShareWithReport = 0.45;

} // namespace

int32_t collectingProgressTotal(std::size_t traces, bool printReport) {
    const double share = printReport ? kCollectShareWithReport : 1.0;
    return static_cast<int32_t>(std::ceil(static_cast<double>(traces) / share));
}

bool collectEventCounts(const CT6& reference, TraceSequence& traces,
                        const SmartTemplateSettings& settings, Progress& progress,
                        EventCounts& counts, CollectStats& stats) {
    const size_t n = static_cast<size_t>(std::max(reference.DPOCount(), 0));
    counts.count.assign(n, 0);
    counts.marks.assign(n, 0);
    Collector collector(reference, settings, counts, stats);
    for (size_t i = 0; i < traces.size(); ++i) {
        if (progress.cancelled()) return false;
        const CT6* trace = traces.acquire(i);
        if (trace == nullptr) continue;
        Verdict verdict =
            trace == &reference ? Verdict::Skip : collector.check(*trace, traces.name(i));
        if (verdict == Verdict::Use) collector.count(*trace);
        traces.release(i);
        if (verdict == Verdict::Abandon) return false;
        progress.step(static_cast<int>(i + 1), traces.name(i));
    }
    return true;
}

} // namespace orvane::bidir
