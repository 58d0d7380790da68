#include "core/bidir/template_apply.h"

#include "core/bidir/once_warning.h"
#include "core/platform/text.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvane::bidir {

namespace {

constexpr int32_t kFewAverages = 256;
constexpr double kIORTolerance = 5e-7;
constexpr double kShiftTolerance = 0.02;
constexpr double kEndRatio = 0.999999;

double endKM(const CT6& t) {
    return t.EVCount() > 0 ? t.EVGetStartKM(t.EVCount() - 1) : 0.0;
}

struct Segment {
    double from;
    double to;
};

// The least-squares segments of the template's splice-loss events, in km,
// scaled to the trace when a scale mode is set.
std::vector<Segment> lsaSegments(const CT6& tmpl, double scale) {
    std::vector<Segment> segments;
    for (int32_t i = 1; i + 1 < tmpl.EVCount(); ++i) {
        const double start = tmpl.EVGetStartKM(i);
        if (start < 0 || tmpl.EVGetLossMode(i) != T6_LOSS_SPLICE) continue;
        for (int32_t side : {T6_SIDE_A, T6_SIDE_B})
            segments.push_back({(start + tmpl.EVGetLSAStartOffKM(i, side)) * scale,
                                (start + tmpl.EVGetLSAEndOffKM(i, side)) * scale});
    }
    return segments;
}

// First trace event whose extent overlaps a segment, or -1.
int32_t overlappedEvent(const CT6& trace, const std::vector<Segment>& segments) {
    for (int32_t i = 1; i + 1 < trace.EVCount(); ++i) {
        const double s = trace.EVGetStartKM(i);
        const double e = trace.EVGetEndKM(i);
        if (s < 0) continue;
        for (const Segment& seg : segments)
            if (s <= seg.to && e >= seg.from) return i;
    }
    return -1;
}

std::string startText(const CT6& trace, int32_t i) {
    return textOf([&trace, i](char16_t* out) { T6CurDistFromKM(trace.EVGetStartKM(i), out, 1); });
}

class Checks {
public:
    Checks(const CT6& tmpl, const TemplateApplySettings& settings)
        : m_tmpl(tmpl), m_settings(settings) {}

    // False when a warning was cancelled.
    bool pass(const CT6& trace, const std::string& name) {
        const int32_t n = trace.EVCount();
        const int32_t tn = m_tmpl.EVCount();
        const double shift = trace.GetHorzShiftKM();
        const double tShift = m_tmpl.GetHorzShiftKM();
        const bool snap = m_settings.snapTo != kSnapNone;
        const bool conditions[] = {
            trace.GetAvgComplete() <= kFewAverages,
            std::fabs(trace.SpanGetIOR(0) - m_tmpl.SpanGetIOR(0)) > kIORTolerance,
            std::fabs(shift - tShift) >
                kShiftTolerance * std::max(std::fabs(shift), std::fabs(tShift)),
            trace.PWGetNanoSec(0) != m_tmpl.PWGetNanoSec(0),
            m_settings.merge && n <= 1,
            snap && n <= 1,
            n > 0 && trace.EVIsQuestionable(n - 1),
            !snap && n > 1 && tn > 1 && !(m_settings.merge && m_settings.tracePriority) &&
                endKM(m_tmpl) * kEndRatio > endKM(trace),
        };
        static constexpr const char* texts[] = {
            kFewAveragesText,   kIORText,          kApplyShiftsText,       kPulseWidthsText,
            kMergeNoEventsText, kSnapNoEventsText, kApplyQuestionableText, kTemplateEndText};
        for (size_t k = 0; k < std::size(conditions); ++k)
            if (conditions[k] && !warnOnce(k, texts[k], name)) return false;
        return passOverlap(trace, name);
    }

private:
    bool passOverlap(const CT6& trace, const std::string& name) {
        const size_t k = std::size(m_shown) - 1;
        if (m_shown[k]) return true;
        const double tEnd = endKM(m_tmpl);
        const double scale = m_settings.snapTo != kSnapNone && tEnd > 0 ? endKM(trace) / tEnd : 1.0;
        const int32_t i = overlappedEvent(trace, lsaSegments(m_tmpl, scale));
        if (i < 0) return true;
        return warnOnce(k, kOverlapPrefixText + startText(trace, i) + kOverlapText, name);
    }

    bool warnOnce(size_t k, const std::string& text, const std::string& name) {
        if (m_shown[k]) return true;
        m_shown[k] = true;
        return confirmOnce(name, text);
    }

    const CT6& m_tmpl;
    const TemplateApplySettings& m_settings;
    std::array<bool, 9> m_shown{};
};

} // namespace

TemplateApplyRun ApplySpliceTemplate(CT6& splicesTemplate, TraceSequence& traces,
                                     const TemplateApplySettings& settings,
                                     const AppliedTrace& applied) {
    TemplateApplyRun run;
    Checks checks(splicesTemplate, settings);
    for (size_t i = 0; i < traces.size() && !run.cancelled; ++i) {
        CT6* trace = traces.acquire(i);
        if (trace == nullptr) {
            run.outcomes.push_back(ApplyOutcome::NotOpened);
            continue;
        }
        const std::string name = traces.name(i);
        ApplyOutcome outcome = ApplyOutcome::Skipped;
        if (trace == &splicesTemplate || trace->IsTraceTemplate()) {
            run.cancelled = !confirmOkCancel(name, kTemplateOnTemplateText);
        } else if (!checks.pass(*trace, name)) {
            run.cancelled = true;
        } else if (splicesTemplate.ApplyTemplateTo(trace, settings.merge, settings.tracePriority,
                                                   static_cast<float>(settings.percentDis),
                                                   static_cast<float>(settings.absoluteDisKM),
                                                   settings.snapTo) == 0) {
            outcome = ApplyOutcome::Applied;
            if (trace->EVCount() <= 1) run.cancelled = !confirmOkCancel(name, kNoEventsAfterText);
            if (!run.cancelled && applied && !applied(i, *trace)) run.cancelled = true;
        }
        run.outcomes.push_back(outcome);
        traces.release(i);
    }
    return run;
}

} // namespace orvane::bidir
