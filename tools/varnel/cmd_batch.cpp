// varnel batch DIR|FILE... [--analyze] [--report FILE] [--jobs N]: every
// trace of a cable in one run, one report line per event, a min/max summary.
#include "analysis.h"
#include "batch_inputs.h"
#include "batch_report.h"
#include "batch_workers.h"
#include "commands.h"
#include "output.h"
#include "text.h"
#include "trace_io.h"
#include "trace_view.h"

#include <unistd.h>

#include <cstdio>
#include <memory>

namespace varnel::cli {

namespace {

struct BatchOptions {
    std::vector<std::string> inputs;
    bool analyze = false;
    AnalysisOptions analysis;
    std::string report; // empty: stdout
    int jobs = 1;
};

TraceResult processTrace(const std::string& path, const BatchOptions& options, bool withJson) {
    TraceResult result;
    result.path = path;
    Diagnostics diagnostics(false);
    orvane::CTraceDoc document;
    const CT6& record = document.record();
    const std::string name = fileNameOf(path);
    bool ok = openTrace(path, document, diagnostics) &&
              (!options.analyze || analyzeTrace(document, diagnostics));
    if (ok && record.EVCount() == 0) {
        diagnostics.error(path, "No events in trace : " + name);
        ok = false;
    }
    if (ok) {
        result.reported = true;
        result.reportLines = reportLines(record, name);
        result.eventCount = countedEvents(record);
        result.endDistance = record.EVGetStart(record.EVCount() - 1);
        if (withJson) result.trace = traceJson(path, record);
    }
    result.diagnostics = diagnostics.entries();
    return result;
}

// A bar on stderr, redrawn in place; only for a terminal.
class ProgressBar {
public:
    explicit ProgressBar(bool enabled) : m_enabled(enabled) {}

    void show(size_t done, size_t total, const std::string& path) {
        if (!m_enabled || total == 0) return;
        constexpr size_t kWidth = 30;
        const size_t filled = done * kWidth / total;
        std::string name = fileNameOf(path).substr(0, 30);
        std::fprintf(stderr, "\r[%s%s] %zu/%zu %-30s", std::string(filled, '#').c_str(),
                     std::string(kWidth - filled, '.').c_str(), done, total, name.c_str());
        std::fflush(stderr);
        m_shown = true;
    }

    void clear() {
        if (!m_shown) return;
        std::fprintf(stderr, "\r%80s\r", "");
        m_shown = false;
    }

private:
    bool m_enabled;
    bool m_shown = false;
};

struct BatchCounts {
    size_t traces = 0;
    size_t reported = 0;
    size_t failed = 0;
};

std::string countsText(const BatchCounts& c) {
    return "Traces: " + std::to_string(c.traces) + ", reported: " + std::to_string(c.reported) +
           ", failed: " + std::to_string(c.failed) + "\n";
}

nlohmann::ordered_json extremeJson(const MinMaxSummary::Extreme& e) {
    return {{"trace", e.trace}, {"value", e.value}};
}

nlohmann::ordered_json summaryJson(const MinMaxSummary& summary, const BatchCounts& counts) {
    nlohmann::ordered_json out = {{"traces", counts.traces},
                                  {"reported", counts.reported},
                                  {"failed", counts.failed},
                                  {"distanceUnit", distanceUnitLabel()}};
    if (summary.empty()) return out;
    out["fewestEvents"] = extremeJson(summary.fewestEvents());
    out["mostEvents"] = extremeJson(summary.mostEvents());
    out["shortestEnd"] = extremeJson(summary.shortestEnd());
    out["longestEnd"] = extremeJson(summary.longestEnd());
    return out;
}

bool writeReport(std::FILE* out, const std::vector<TraceResult>& results) {
    bool ok = std::fputs(reportHeaderLine().c_str(), out) >= 0;
    for (const TraceResult& r : results)
        for (const std::string& line : r.reportLines)
            ok = ok && std::fputs(line.c_str(), out) >= 0;
    return ok;
}

int runBatch(const BatchOptions& options, const Globals& globals) {
    globals.apply();
    options.analysis.apply();
    Diagnostics diagnostics;
    std::vector<std::string> paths = batchInputs(options.inputs, diagnostics);

    // The report file is made before any work, so a bad path costs nothing.
    std::FILE* reportFile = nullptr;
    if (!options.report.empty()) {
        reportFile = std::fopen(options.report.c_str(), "w");
        if (!reportFile) {
            diagnostics.error(options.report, "Report File open error.");
            return kExitFileFailed;
        }
    }

    ProgressBar bar(::isatty(STDERR_FILENO) != 0);
    std::vector<TraceResult> results = runTraceJobs(
        paths, options.jobs,
        [&](const std::string& path) { return processTrace(path, options, globals.json); },
        [&](size_t done, size_t total, const std::string& path) { bar.show(done, total, path); });
    bar.clear();

    BatchCounts counts;
    MinMaxSummary summary;
    nlohmann::ordered_json traces = nlohmann::ordered_json::array();
    for (const TraceResult& r : results) {
        ++counts.traces;
        for (const Diagnostic& d : r.diagnostics)
            diagnostics.add(d);
        if (r.failed() || !r.reported) {
            ++counts.failed;
            continue;
        }
        ++counts.reported;
        summary.add(fileNameOf(r.path), r.eventCount, r.endDistance);
        if (globals.json) traces.push_back(r.trace);
    }

    bool reportWritten = true;
    if (reportFile) {
        reportWritten = writeReport(reportFile, results);
        reportWritten = std::fclose(reportFile) == 0 && reportWritten;
        if (!reportWritten) diagnostics.error(options.report, "File write error.");
    } else if (!globals.json) {
        writeReport(stdout, results);
    }

    if (globals.json) {
        nlohmann::ordered_json document = {{"traces", traces},
                                           {"report", options.report.empty()
                                                          ? nlohmann::ordered_json(nullptr)
                                                          : nlohmann::ordered_json(options.report)},
                                           {"summary", summaryJson(summary, counts)}};
        addDiagnostics(document, diagnostics);
        printJson(document);
    } else {
        std::fflush(stdout);
        std::fprintf(stderr, "%s%s", summary.text().c_str(), countsText(counts).c_str());
    }
    return diagnostics.errorCount() > 0 ? kExitFileFailed : kExitOK;
}

} // namespace

void addBatchCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<BatchOptions>();
    CLI::App* command = app.add_subcommand(
        "batch", "Report every event of many traces (a cable) in one run, with a min/max summary");
    command->add_option("inputs", options->inputs, "Trace files and folders of traces")->required();
    command->add_flag("--analyze", options->analyze,
                      "Run the automatic analysis on each trace first");
    options->analysis.addTo(*command);
    command->add_option("--report", options->report,
                        "Write the report to this file instead of stdout");
    command->add_option("-j,--jobs", options->jobs, "Worker processes")
        ->capture_default_str()
        ->check(CLI::Range(1, 256));
    addGlobalOptions(*command, context.globals);
    command->callback(
        [options, &context] { context.exitStatus = runBatch(*options, context.globals); });
}

} // namespace varnel::cli
