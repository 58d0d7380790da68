#include "core/bidir/report_builders.h"

#include "core/platform/text.h"

#include <varnel/codes.h>

#include <cmath>
#include <cstdio>

namespace orvane::bidir {

namespace {

template <typename... Args> std::string format(const char* pattern, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

Report startReport(ReportKind kind) {
    Report report{kind, reportKindInfo(kind).title, {}};
    report.lines = reportHeadings(kind);
    return report;
}

ReportOutcome refused(const char* text) {
    return {std::nullopt, text};
}

std::string dbOrNA(double value) {
    if (value == T6_NO_VALUE) return "N/A";
    return format("%.3f", value);
}

std::string lossField(const std::optional<double>& loss, double limit) {
    if (!loss) return std::string(1, kEmphasisMarker) + "N/A";
    const std::string text = format("%.3f", *loss);
    return std::fabs(*loss) >= limit ? kEmphasisMarker + text : text;
}

} // namespace

ReportOutcome TraceSummaryReport(TraceSequence& traces) {
    if (traces.size() == 0) return refused(kNoTraceText);
    Report report = startReport(ReportKind::TraceSummary);
    // Data rows are separated by '|': dates and paths hold '/'.
    for (std::size_t i = 0; i < traces.size(); ++i) {
        const CT6* t = traces.acquire(i);
        if (!t) continue;
        const int32_t n = t->EVCount();
        std::string row = "|" + traces.name(i);
        row += "|" + textOf([&](char16_t* o) { t->GetWavelengthNominal(o, 0); });
        row += "|" + textOf([&](char16_t* o) { t->GetRangeNominal(o, 0); });
        row += "|" + (t->PWCount() ? std::to_string(t->PWGetNanoSec(0)) : std::string());
        row += "|" + textOf([&](char16_t* o) { t->GetResoNominal(o, 0); });
        row += "|" + std::to_string(t->GetAvgComplete());
        row += "|" + textOf([&](char16_t* o) { t->GetDate(o); });
        row += "|" + textOf([&](char16_t* o) { t->GetTime(o); });
        row += "|" + textOf([&](char16_t* o) { t->GetModel(o); });
        row += "|" + textOf([&](char16_t* o) { t->GetOpticsModule(o); });
        row += "|" + textOf([&](char16_t* o) { t->GetFiberModeAbbrev(o); });
        report.lines.push_back(row);
        std::string second = "|";
        second +=
            "|" + (n >= 2 ? textOf([&](char16_t* o) { T6CurDist(t->EVGetStart(n - 1), o, 0); })
                          : std::string());
        second += "|" + dbOrNA(n >= 2 ? t->GetEndToEndLoss() : T6_NO_VALUE);
        second += "|" + dbOrNA(t->GetORL());
        second += "|" + (t->SpanCount() ? textOf([&](char16_t* o) { t->SpanGetIOR(0, o); })
                                        : std::string());
        second += "|" + textOf([&](char16_t* o) { t->GetHorzShift(o, 0); });
        second += "|" + textOf([&](char16_t* o) { t->GetVertShift(o, 0); });
        second +=
            "|" + (t->SpanCount() ? textOf([&](char16_t* o) { t->SpanGetBackScatter(0, o, 0); })
                                  : std::string());
        second += "|" + textOf([&](char16_t* o) { t->GetTraceType(o); });
        report.lines.push_back(second);
        traces.release(i);
    }
    return {report, {}};
}

ReportOutcome ExceptionReportOf(TraceSequence& traces, const ExceptionCriteria& criteria) {
    if (traces.size() == 0) return refused(kNoTraceText);
    const CT6* primary = traces.acquire(0);
    if (!primary) return refused(kNoTraceText);
    const CT6 reference = *primary;
    traces.release(0);
    Report report = startReport(ReportKind::Exception);
    for (const ExceptionRow& row : ExceptionReport(traces, reference, criteria))
        report.lines.push_back(row.text());
    return {report, {}};
}

ReportOutcome BiDirectionalReport(TraceSequence& traces, const BiDirSettings& settings) {
    if (traces.size() == 0) return refused(kNoTraceText);
    if (traces.size() < 2) return refused(kNoSecondTraceText);
    const CT6* a = traces.acquire(0);
    const CT6* b = traces.acquire(1);
    if (!a || !b) return refused(kNoTraceText);
    if (a->EVCount() < 2 || b->EVCount() < 2) return refused(kNoEventsReportText);
    Report report{ReportKind::BiDirectional, reportKindInfo(ReportKind::BiDirectional).title, {}};
    report.lines = BiDirReportLines(*a, *b, settings);
    return {report, {}};
}

ReportOutcome SpliceLossSummaryReport(const WizardResult& result, const ReportPrintSettings& print,
                                      bool oneDirectional) {
    if (result.fibers.empty()) return refused(kNoTraceText);
    const ReportKind kind = oneDirectional ? ReportKind::OneDirSummary : ReportKind::BiDirSummary;
    Report report{kind, reportKindInfo(kind).title, {}};
    const double limit = oneDirectional ? print.hiLoss1DirDB : print.hiLossBiDirDB;
    if (!print.cable.empty()) report.lines.push_back("|Cable : " + print.cable);
    report.lines.push_back(format("|Correlation % : %g", print.corrPercent));
    std::string heading = "|Fiber Number";
    for (double km : result.positionsKM)
        heading += format("|%.3f", km);
    report.lines.push_back(heading + "|Avg|Min|Max");
    for (const FiberSplices& fiber : result.fibers) {
        std::string row = format("|%.3d", fiber.fiber);
        double sum = 0, low = 0, high = 0;
        int count = 0;
        for (const FiberSplice& s : fiber.splices) {
            row += "|" + lossField(s.average, limit);
            if (!s.average) continue;
            low = count ? std::min(low, *s.average) : *s.average;
            high = count ? std::max(high, *s.average) : *s.average;
            sum += *s.average;
            ++count;
        }
        row += count ? format("|%.3f|%.3f|%.3f", sum / count, low, high) : std::string("|||");
        report.lines.push_back(row);
    }
    auto statsRow = [&](const char* label, auto pick) {
        std::string row = std::string("|") + label;
        for (const LossStats& s : result.summary.perPosition)
            row += s.count ? format("|%.3f", pick(s)) : std::string("|");
        report.lines.push_back(row);
    };
    statsRow("Average", [](const LossStats& s) { return s.average; });
    statsRow("Min", [](const LossStats& s) { return s.minimum; });
    statsRow("Max", [](const LossStats& s) { return s.maximum; });
    const LossStats& o = result.summary.overall;
    if (o.count)
        report.lines.push_back(
            format("|Column Average|%.3f|%.3f|%.3f", o.average, o.minimum, o.maximum));
    for (const std::string& missing : result.summary.missing)
        report.lines.push_back("|" + missing);
    return {report, {}};
}

ReportOutcome FiberAcceptanceReport(WizardTraces& traces, const WizardResult& result) {
    if (!result.set || result.set->directions.empty()) return refused(kNoTraceText);
    Report report = startReport(ReportKind::FiberAcceptance);
    const CableDirection& ab = result.set->directions[0];
    const CableDirection* ba =
        result.set->directions.size() > 1 ? &result.set->directions[1] : nullptr;
    auto endToEnd = [&](std::size_t index, double& loss, double& length) {
        const CT6* t = traces.acquire(index);
        const int32_t n = t ? t->EVCount() : 0;
        loss = n >= 2 ? t->GetEndToEndLoss() : T6_NO_VALUE;
        length = n >= 2 ? t->EVGetStart(n - 1) : T6_NO_VALUE;
        traces.release(index);
    };
    for (const auto& [fiber, aIndex] : ab.traceOfFiber) {
        double aLoss = T6_NO_VALUE, bLoss = T6_NO_VALUE, length = T6_NO_VALUE, unused = 0;
        endToEnd(aIndex, aLoss, length);
        if (ba && ba->traceOfFiber.contains(fiber))
            endToEnd(ba->traceOfFiber.at(fiber), bLoss, unused);
        const bool both = aLoss != T6_NO_VALUE && bLoss != T6_NO_VALUE;
        const double average = both ? (aLoss + bLoss) / 2.0 : aLoss;
        std::string row = format("|    %.3d", fiber);
        row += "|" + dbOrNA(average) + "|" + dbOrNA(aLoss) + "|" + dbOrNA(bLoss);
        row += "|" + (both ? format("%.3f", std::fabs(aLoss - bLoss)) : std::string("N/A"));
        row += "|" + (length != T6_NO_VALUE ? format("%.3f", length) : std::string());
        row += "|" + (length > 0 && average != T6_NO_VALUE ? format("%.3f", average / length)
                                                           : std::string());
        report.lines.push_back(row);
    }
    return {report, {}};
}

} // namespace orvane::bidir
