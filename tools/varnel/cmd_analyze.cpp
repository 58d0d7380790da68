// varnel analyze FILE...: the automatic analysis with chosen thresholds; the
// new event table is printed and, with --write, saved in the trace's format.
#include "analysis.h"
#include "commands.h"
#include "output.h"
#include "trace_io.h"
#include "trace_view.h"

#include <memory>

namespace varnel::cli {

namespace {

struct AnalyzeOptions {
    std::vector<std::string> files;
    AnalysisOptions analysis;
    bool write = false;
};

// Analyses one trace and saves it when asked. False when there is no new
// table to show; written tells whether the file was saved.
bool analyzeFile(const std::string& path, const AnalyzeOptions& options,
                 orvane::CTraceDoc& document, Diagnostics& diagnostics, bool& written) {
    written = false;
    if (!openTrace(path, document, diagnostics)) return false;
    if (!analyzeTrace(document, diagnostics)) return false;
    if (options.write) written = saveTraceInPlace(document, diagnostics);
    return true;
}

int runAnalyze(const AnalyzeOptions& options, const Globals& globals) {
    globals.apply();
    options.analysis.apply();
    Diagnostics diagnostics;
    nlohmann::ordered_json traces = nlohmann::ordered_json::array();
    bool first = true;
    for (const std::string& path : options.files) {
        orvane::CTraceDoc document;
        const CT6& record = document.record();
        bool written = false;
        if (!analyzeFile(path, options, document, diagnostics, written)) continue;
        if (globals.json) {
            nlohmann::ordered_json trace = traceJson(path, record);
            trace["written"] = written;
            traces.push_back(trace);
            continue;
        }
        printText((first ? "" : "\n") + path + (written ? " (saved)" : "") + "\n" +
                  eventTableText(eventRows(record)) + "\n" + summaryText(traceSummary(record)));
        first = false;
    }
    return finishFiles("traces", traces, diagnostics, globals.json);
}

} // namespace

void addAnalyzeCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<AnalyzeOptions>();
    CLI::App* command = app.add_subcommand(
        "analyze", "Run the automatic event analysis and print the new event tables");
    command->add_option("files", options->files, "Trace files")->required();
    options->analysis.addTo(*command);
    command->add_flag("--write", options->write,
                      "Save each analysed trace over its file, in its own format");
    addGlobalOptions(*command, context.globals);
    command->callback(
        [options, &context] { context.exitStatus = runAnalyze(*options, context.globals); });
}

} // namespace varnel::cli
