#include "core/bidir/splice_summary_report.h"

#include <varnel/codes.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvane::bidir {

namespace {

constexpr std::size_t kExtremeTraces = 10;
const std::vector<std::string> kFiberClosingHeadings = {"||||End-", "|Avg|Min|Max|End(dB)"};

template <typename... Args> std::string format(const char* pattern, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

std::string lossField(const std::optional<double>& loss, double limit) {
    if (!loss) return std::string(1, kEmphasisMarker) + "N/A";
    const std::string text = format("%.3f", *loss);
    return std::fabs(*loss) >= limit ? kEmphasisMarker + text : text;
}

struct Extremes {
    int count = 0;
    double sum = 0.0, low = 0.0, high = 0.0;
    void add(double v) {
        low = count ? std::min(low, v) : v;
        high = count ? std::max(high, v) : v;
        sum += v;
        ++count;
    }
    std::string fields() const {
        return count ? format("|%.3f|%.3f|%.3f", sum / count, low, high) : std::string("|||");
    }
};

// The fibres x positions table and its statistics rows.
void addMatrix(Report& report, const WizardResult& result, double limit) {
    std::string heading = "|Fiber Number";
    for (double km : result.positionsKM)
        heading += format("|%.3f", km);
    report.lines.push_back(heading + "|Avg|Min|Max");
    for (const FiberSplices& fiber : result.fibers) {
        std::string row = format("|%.3d", fiber.fiber);
        Extremes e;
        for (const FiberSplice& s : fiber.splices) {
            row += "|" + lossField(s.average, limit);
            if (s.average) e.add(*s.average);
        }
        report.lines.push_back(row + e.fields());
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
}

double endToEnd(const CT6& t) {
    return t.EVCount() >= 2 ? t.GetEndToEndLoss() : T6_NO_VALUE;
}

// One fibre's events side by side (or its one trace's), then its figures.
void addFiberTable(Report& report, WizardTraces& traces, const FiberSplices& fiber,
                   std::size_t aIndex, const std::size_t* bIndex, const BiDirSettings& settings) {
    report.lines.push_back(format("|Fiber Number|%.3d", fiber.fiber));
    const CT6* a = traces.acquire(aIndex);
    const CT6* b = bIndex ? traces.acquire(*bIndex) : nullptr;
    double end = T6_NO_VALUE;
    if (a) {
        const std::vector<std::string> rows =
            b ? BiDirReportLines(*a, *b, settings) : OneDirReportLines(*a, settings);
        report.lines.insert(report.lines.end(), rows.begin(), rows.end());
        end = endToEnd(*a);
        if (b && end != T6_NO_VALUE && endToEnd(*b) != T6_NO_VALUE)
            end = (end + endToEnd(*b)) / 2.0;
    }
    if (a) traces.release(aIndex);
    if (b) traces.release(*bIndex);
    report.lines.insert(report.lines.end(), kFiberClosingHeadings.begin(),
                        kFiberClosingHeadings.end());
    Extremes e;
    for (const FiberSplice& s : fiber.splices)
        if (s.average) e.add(*s.average);
    report.lines.push_back(e.fields() + "|" +
                           (end == T6_NO_VALUE ? std::string("N/A") : format("%.3f", end)));
}

void addMapping(Report& report, WizardTraces& traces, const CableSet& set) {
    report.lines.push_back("|Fiber Number to Trace File Mapping");
    const CableDirection& first = set.directions.front();
    for (const auto& [fiber, index] : first.traceOfFiber) {
        std::string row = format("|%.3d|", fiber) + traces.name(index);
        for (std::size_t d = 1; d < set.directions.size(); ++d)
            if (set.directions[d].traceOfFiber.contains(fiber))
                row += "|" + traces.name(set.directions[d].traceOfFiber.at(fiber));
        report.lines.push_back(row);
    }
}

void addExtremes(Report& report, WizardTraces& traces, const CableSet& set) {
    std::vector<std::pair<double, std::size_t>> lengths;
    for (const CableDirection& direction : set.directions)
        for (const auto& [fiber, index] : direction.traceOfFiber) {
            const CT6* t = traces.acquire(index);
            if (!t) continue;
            if (t->EVCount() >= 2) lengths.emplace_back(t->EVGetStart(t->EVCount() - 1), index);
            traces.release(index);
        }
    std::stable_sort(lengths.begin(), lengths.end());
    report.lines.push_back("|10 Shortest and 10 Longest Traces");
    const std::size_t n = std::min(kExtremeTraces, lengths.size());
    for (std::size_t k = 0; k < n; ++k) {
        const auto& shortest = lengths[k];
        const auto& longest = lengths[lengths.size() - 1 - k];
        report.lines.push_back("|" + traces.name(shortest.second) +
                               format("|%.4f|", shortest.first) + traces.name(longest.second) +
                               format("|%.4f", longest.first));
    }
}

} // namespace

BiDirSettings BiDirSettingsOf(const ReportPrintSettings& print) {
    BiDirSettings s;
    s.corrPercent = print.corrPercent;
    s.patchCordKM = print.startPatchCordKM;
    s.hiLoss1DirDB = print.hiLoss1DirDB;
    s.hiLossBiDirDB = print.hiLossBiDirDB;
    return s;
}

ReportOutcome SpliceLossSummaryReport(WizardTraces& traces, const WizardResult& result,
                                      const ReportPrintSettings& print, bool oneDirectional) {
    if (result.fibers.empty() || !result.set || result.set->directions.empty())
        return {std::nullopt, kNoTraceText};
    const ReportKind kind = oneDirectional ? ReportKind::OneDirSummary : ReportKind::BiDirSummary;
    Report report{kind, reportKindInfo(kind).title, {}};
    if (!print.cable.empty()) report.lines.push_back("|Cable : " + print.cable);
    report.lines.push_back(format("|Correlation %% : %g", print.corrPercent));
    addMatrix(report, result, oneDirectional ? print.hiLoss1DirDB : print.hiLossBiDirDB);

    const CableSet& set = *result.set;
    const BiDirSettings settings = BiDirSettingsOf(print);
    const CableDirection& ab = set.directions.front();
    const CableDirection* ba = set.directions.size() > 1 ? &set.directions[1] : nullptr;
    for (const FiberSplices& fiber : result.fibers) {
        if (!ab.traceOfFiber.contains(fiber.fiber)) continue;
        const std::size_t aIndex = ab.traceOfFiber.at(fiber.fiber);
        std::optional<std::size_t> bIndex;
        if (ba && !oneDirectional && ba->traceOfFiber.contains(fiber.fiber))
            bIndex = ba->traceOfFiber.at(fiber.fiber);
        addFiberTable(report, traces, fiber, aIndex, bIndex ? &*bIndex : nullptr, settings);
    }
    addMapping(report, traces, set);
    addExtremes(report, traces, set);
    return {report, {}};
}

} // namespace orvane::bidir
