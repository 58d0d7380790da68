// varnel batch DIR|FILE... [--analyze] [batch steps] [--report FILE] [--jobs N]
// [--recursive]: every trace of a cable in one run through the viewer's batch
// steps, one report line per event, a min/max summary.
#include "analysis.h"
#include "batch_inputs.h"
#include "batch_step_options.h"
#include "batch_workers.h"
#include "commands.h"
#include "output.h"
#include "text.h"
#include "trace_io.h"
#include "trace_view.h"

#include "core/batch/batch_report.h"
#include "core/batch/batch_steps.h"

#include <unistd.h>

#include <cstdio>
#include <memory>

namespace varnel::cli {

namespace {

using orvane::batch::MinMaxSummary;

struct BatchOptions {
    std::vector<std::string> inputs;
    bool analyze = false;
    AnalysisOptions analysis;
    BatchStepOptions steps;
    std::string report; // empty: stdout
    int jobs = 1;
    bool recursive = false;
};

class LineCollector : public orvane::batch::ReportSink {
public:
    bool write(const std::string& line) override {
        lines.push_back(line);
        return true;
    }
    std::vector<std::string> lines;
};

// The batch steps on one trace, as the viewer runs them; the lines are kept
// for the report, which the parent writes in the order of the traces.
bool runSteps(orvane::CTraceDoc& document, const std::string& name, const BatchOptions& options,
              const orvane::batch::BatchSettings& settings, Diagnostics& diagnostics,
              TraceResult& result) {
    DiagnosticsPrompts prompts(diagnostics, document.path(), options.steps.yes);
    orvane::ScopedPrompts installed(prompts);
    const orvane::batch::FixedBatchView view(options.steps.cursorAKM(), options.steps.cursorBKM());
    LineCollector report;
    const orvane::batch::BatchTraceResult steps =
        orvane::batch::ProcessBatchTrace(document, name, settings, {nullptr, &view}, &report);
    if (steps.outcome != orvane::batch::TraceOutcome::Processed) return false;
    if (settings.analyze && document.LastAnalysisStatus() != T6_FAS_DONE) {
        diagnostics.error(document.path(), fasFailureText(document.LastAnalysisStatus()));
        return false;
    }
    result.reportLines = std::move(report.lines);
    result.eventCount = steps.eventCount;
    result.endDistance = steps.endDistance;
    return true;
}

TraceResult processTrace(const std::string& path, const BatchOptions& options,
                         const orvane::batch::BatchSettings& settings, bool withJson) {
    TraceResult result;
    result.path = path;
    Diagnostics diagnostics(false);
    orvane::CTraceDoc document;
    const std::string name = fileNameOf(path);
    bool ok = openTrace(path, document, diagnostics) &&
              runSteps(document, name, options, settings, diagnostics, result);
    // Events before 0 km (a launch cable the user cut off) give no line.
    if (ok && result.reportLines.empty()) {
        diagnostics.warning(path, "No events at or after 0 km; skipped : " + name);
        ok = false;
    }
    if (ok) {
        result.reported = true;
        if (withJson) result.trace = traceJson(path, document.record());
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
    size_t skipped = 0; // read, but with nothing to report
    size_t failed = 0;
};

std::string countsText(const BatchCounts& c) {
    return "Traces: " + std::to_string(c.traces) + ", reported: " + std::to_string(c.reported) +
           ", skipped: " + std::to_string(c.skipped) + ", failed: " + std::to_string(c.failed) +
           "\n";
}

nlohmann::ordered_json extremeJson(const MinMaxSummary::Extreme& e) {
    return {{"trace", e.trace}, {"value", e.value}};
}

nlohmann::ordered_json summaryJson(const MinMaxSummary& summary, const BatchCounts& counts) {
    nlohmann::ordered_json out = {{"traces", counts.traces},
                                  {"reported", counts.reported},
                                  {"skipped", counts.skipped},
                                  {"failed", counts.failed},
                                  {"distanceUnit", distanceUnitLabel()}};
    if (summary.empty()) return out;
    out["fewestEvents"] = extremeJson(summary.fewestEvents());
    out["mostEvents"] = extremeJson(summary.mostEvents());
    out["shortestEnd"] = extremeJson(summary.shortestEnd());
    out["longestEnd"] = extremeJson(summary.longestEnd());
    return out;
}

bool writeReport(std::FILE* out, const std::vector<TraceResult>& results, int layout) {
    bool ok = std::fputs(orvane::batch::reportHeaderLine(layout).c_str(), out) >= 0;
    for (const TraceResult& r : results)
        for (const std::string& line : r.reportLines)
            ok = ok && std::fputs(line.c_str(), out) >= 0;
    return ok;
}

int runBatch(const BatchOptions& options, const Globals& globals) {
    globals.apply();
    options.analysis.apply();
    if (options.steps.orl == "a-to-b" && options.steps.cursors.size() != 2) {
        std::fprintf(stderr, "varnel: --orl a-to-b needs --cursors A,B\n");
        return kExitUsage;
    }
    const orvane::batch::BatchSettings settings = options.steps.settings(options.analyze);
    Diagnostics diagnostics;
    std::vector<std::string> paths = batchInputs(options.inputs, options.recursive, diagnostics);

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
        [&](const std::string& path) {
            return processTrace(path, options, settings, globals.json);
        },
        [&](size_t done, size_t total, const std::string& path) { bar.show(done, total, path); });
    bar.clear();

    BatchCounts counts;
    MinMaxSummary summary;
    nlohmann::ordered_json traces = nlohmann::ordered_json::array();
    for (const TraceResult& r : results) {
        ++counts.traces;
        for (const Diagnostic& d : r.diagnostics)
            diagnostics.add(d);
        if (r.failed()) {
            ++counts.failed;
            continue;
        }
        if (!r.reported) {
            ++counts.skipped;
            continue;
        }
        ++counts.reported;
        if (settings.minMaxSummary) summary.add(fileNameOf(r.path), r.eventCount, r.endDistance);
        if (globals.json) traces.push_back(r.trace);
    }

    bool reportWritten = true;
    if (reportFile) {
        reportWritten = writeReport(reportFile, results, options.steps.layout);
        reportWritten = std::fclose(reportFile) == 0 && reportWritten;
        if (!reportWritten) diagnostics.error(options.report, "File write error.");
    } else if (!globals.json) {
        writeReport(stdout, results, options.steps.layout);
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
        const std::string summaryText = settings.minMaxSummary ? summary.text() : "";
        std::fprintf(stderr, "%s%s", summaryText.c_str(), countsText(counts).c_str());
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
    options->steps.addTo(*command);
    command->add_option("--report", options->report,
                        "Write the report to this file instead of stdout");
    command->add_flag("-r,--recursive", options->recursive,
                      "Take the traces of subfolders too (links to folders are not followed)");
    command->add_option("-j,--jobs", options->jobs, "Worker processes")
        ->capture_default_str()
        ->check(CLI::Range(1, 256));
    addGlobalOptions(*command, context.globals);
    command->callback(
        [options, &context] { context.exitStatus = runBatch(*options, context.globals); });
}

} // namespace varnel::cli
