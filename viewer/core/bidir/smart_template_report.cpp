#include "core/bidir/smart_template_report.h"

#include "core/platform/text.h"

#include <algorithm>
#include <cstdio>

namespace orvane::bidir {

namespace {

template <typename... Args> std::string format(const char* pattern, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

std::string distanceText(double km) {
    return textOf([&](char16_t* o) { T6CurDistFromKM(km, o, 0); });
}

// The stretch of positive counters around the highest one under an event.
struct CounterRun {
    int32_t first = 0;
    int32_t last = 0;
    int32_t peak = 0;
};

CounterRun runUnder(const std::vector<int16_t>& count, int32_t startDP, int32_t endDP) {
    const int32_t n = static_cast<int32_t>(count.size());
    CounterRun run;
    if (n == 0) return run;
    startDP = std::clamp(startDP, 0, n - 1);
    endDP = std::clamp(endDP, startDP, n - 1);
    int32_t top = startDP;
    for (int32_t p = startDP; p <= endDP; ++p)
        if (count[static_cast<size_t>(p)] > count[static_cast<size_t>(top)]) top = p;
    run = {top, top, count[static_cast<size_t>(top)]};
    if (run.peak <= 0) return run;
    while (run.first > 0 && count[static_cast<size_t>(run.first - 1)] > 0)
        --run.first;
    while (run.last + 1 < n && count[static_cast<size_t>(run.last + 1)] > 0)
        ++run.last;
    return run;
}

int32_t pointOf(const CT6& record, double km) {
    uint16_t fr = 0;
    return record.DPFRFromKM(km, fr);
}

std::string eventRow(const CT6& t, int32_t i, const SmartTemplateResult& result) {
    const double startKM = t.EVGetStartKM(i);
    const double endKM = t.EVGetEndKM(i);
    const int32_t traces = std::max(result.stats.traces, 1);
    std::string row = format("|%d|%d|", i, t.EVGetLossMode(i));
    row += textOf([&](char16_t* o) { t.EVGetTypeChar(i, o); }).substr(0, 1);
    const CounterRun run = runUnder(result.counts, pointOf(t, startKM), pointOf(t, endKM));
    if (run.peak > 0) {
        const double firstKM = t.KMFromDPFR(run.first, 0);
        row += "|" + distanceText(firstKM);
        row += "|" + distanceText(t.KMFromDPFR(run.last, 0) - firstKM);
        row += format("|%d|%d%%", run.peak, run.peak * 100 / traces);
    } else {
        row += "||||";
    }
    row += "|" + distanceText(startKM) + "|" + distanceText(endKM - startKM);
    row += "|" + format("%.3f", t.EVGetLoss(i));
    return row;
}

} // namespace

Report SmartSpliceTemplateReport(const CT6& built, const SmartTemplateResult& result,
                                 const std::string& referenceName) {
    Report report{ReportKind::SmartTemplate, reportKindInfo(ReportKind::SmartTemplate).title, {}};
    const CollectStats& s = result.stats;
    report.lines.push_back("|Reference Trace : " + referenceName);
    report.lines.push_back(format("|Traces : %d", s.traces));
    if (s.traces > 0) {
        report.lines.push_back("|Shortest End : " + distanceText(s.shortestEndKM) +
                               "|Longest End : " + distanceText(s.longestEndKM));
        report.lines.push_back(
            format("|Fewest Events : %d|Most Events : %d", s.fewestEvents, s.mostEvents));
    }
    const std::vector<std::string>& headings = reportHeadings(ReportKind::SmartTemplate);
    // The last heading belongs to the closing end-event row.
    report.lines.insert(report.lines.end(), headings.begin(), headings.end() - 1);
    const int32_t n = built.EVCount();
    for (int32_t i = 1; i + 1 < n; ++i)
        report.lines.push_back(eventRow(built, i, result));
    report.lines.push_back(headings.back());
    if (n >= 2)
        report.lines.push_back(format("|%d|", n - 1) + distanceText(built.EVGetStartKM(n - 1)));
    return report;
}

} // namespace orvane::bidir
