#include "core/bidir/report_builders.h"

#include "core/bidir/splice_summary_report.h"

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

// The trace's ORL, or the no-value marker when none was measured.
double orlOf(const CT6& t) {
    return t.IsORLAvailable() ? t.GetORL() : T6_NO_VALUE;
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
        second += "|" + dbOrNA(orlOf(*t));
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
    ReportOutcome outcome = refused(kNoTraceText);
    if (a && b && (a->EVCount() < 2 || b->EVCount() < 2))
        outcome = refused(kNoEventsReportText);
    else if (a && b) {
        Report report{
            ReportKind::BiDirectional, reportKindInfo(ReportKind::BiDirectional).title, {}};
        report.lines = BiDirReportLines(*a, *b, settings);
        outcome = {report, {}};
    }
    // The list's traces stay open only while they are used.
    if (a) traces.release(0);
    if (b) traces.release(1);
    return outcome;
}

namespace {

// One trace's figures for the acceptance report; the no-value marker where
// the trace has none.
struct AcceptanceFigures {
    double endToEndDB = T6_NO_VALUE;
    double length = T6_NO_VALUE; // display unit
    double lengthKM = T6_NO_VALUE;
    double nonConnectorDB = T6_NO_VALUE;
    double orlDB = T6_NO_VALUE;
};

// The mean loss of the splices and other non-reflective events between the
// launch and the end: what the fibre loses apart from its connectors.
double nonConnectorAverage(const CT6& t) {
    double sum = 0.0;
    int32_t count = 0;
    for (int32_t i = 1; i + 1 < t.EVCount(); ++i) {
        if (t.EVGetType(i) != T6_EVENT_NON_REFLECTIVE || t.EVGetStartKM(i) < 0) continue;
        if ((t.EVGetFlags(i) & T6_EVFLAG_LOSS_UNKNOWN) != 0) continue;
        sum += t.EVGetLoss(i);
        ++count;
    }
    return count ? sum / count : T6_NO_VALUE;
}

AcceptanceFigures acceptanceFigures(TraceSequence& traces, std::size_t index) {
    AcceptanceFigures f;
    const CT6* t = traces.acquire(index);
    if (!t) return f;
    const int32_t n = t->EVCount();
    if (n >= 2) {
        f.endToEndDB = t->GetEndToEndLoss();
        f.length = t->EVGetStart(n - 1);
        f.lengthKM = t->EVGetStartKM(n - 1);
        f.nonConnectorDB = nonConnectorAverage(*t);
    }
    f.orlDB = orlOf(*t);
    traces.release(index);
    return f;
}

// The mean of the values that have one.
double meanOf(double a, double b) {
    if (a == T6_NO_VALUE) return b;
    if (b == T6_NO_VALUE) return a;
    return (a + b) / 2.0;
}

std::string numberOrBlank(double value) {
    return value == T6_NO_VALUE ? std::string() : format("%.3f", value);
}

} // namespace

ReportOutcome FiberAcceptanceReport(WizardTraces& traces, const WizardResult& result) {
    if (!result.set || result.set->directions.empty()) return refused(kNoTraceText);
    Report report = startReport(ReportKind::FiberAcceptance);
    const CableDirection& ab = result.set->directions[0];
    const CableDirection* ba =
        result.set->directions.size() > 1 ? &result.set->directions[1] : nullptr;
    for (const auto& [fiber, aIndex] : ab.traceOfFiber) {
        const AcceptanceFigures a = acceptanceFigures(traces, aIndex);
        AcceptanceFigures b;
        if (ba && ba->traceOfFiber.contains(fiber))
            b = acceptanceFigures(traces, ba->traceOfFiber.at(fiber));
        const bool both = a.endToEndDB != T6_NO_VALUE && b.endToEndDB != T6_NO_VALUE;
        const double average = meanOf(a.endToEndDB, b.endToEndDB);
        const double lengthKM = meanOf(a.lengthKM, b.lengthKM);
        std::string row = format("|    %.3d", fiber);
        row += "|" + dbOrNA(average) + "|" + dbOrNA(a.endToEndDB) + "|" + dbOrNA(b.endToEndDB);
        row += "|" +
               (both ? format("%.3f", std::fabs(a.endToEndDB - b.endToEndDB)) : std::string("N/A"));
        row += "|" + numberOrBlank(meanOf(a.length, b.length));
        row += "|" + (lengthKM > 0 && average != T6_NO_VALUE ? format("%.3f", average / lengthKM)
                                                             : std::string());
        row += "|" + dbOrNA(a.nonConnectorDB) + "|" + dbOrNA(b.nonConnectorDB);
        const bool bothNonConnector =
            a.nonConnectorDB != T6_NO_VALUE && b.nonConnectorDB != T6_NO_VALUE;
        row += "|" +
               dbOrNA(bothNonConnector ? meanOf(a.nonConnectorDB, b.nonConnectorDB) : T6_NO_VALUE);
        row += "|" + dbOrNA(a.orlDB) + "|" + dbOrNA(b.orlDB);
        report.lines.push_back(row);
    }
    return {report, {}};
}

std::vector<Report> WizardReports(WizardTraces& traces, const WizardResult& result,
                                  const WizardSettings& settings) {
    std::vector<Report> reports;
    if (!result.finished) return reports;
    if (settings.exceptReport) {
        Report exceptions = startReport(ReportKind::Exception);
        exceptions.lines.insert(exceptions.lines.end(), result.exceptionRows.begin(),
                                result.exceptionRows.end());
        reports.push_back(std::move(exceptions));
    }
    reports.insert(reports.end(), result.templateReports.begin(), result.templateReports.end());
    if (settings.summaryReport) {
        ReportOutcome summary =
            SpliceLossSummaryReport(traces, result, settings.report, settings.oneDirectional);
        if (summary.report) reports.push_back(std::move(*summary.report));
    }
    return reports;
}

} // namespace orvane::bidir
