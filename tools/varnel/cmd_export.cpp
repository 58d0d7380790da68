// varnel export FILE... [--csv]: the data points of each trace as text, next
// to the trace (PATH.TXT or PATH.csv) or on stdout.
#include "commands.h"
#include "output.h"
#include "text.h"
#include "trace_export.h"
#include "trace_io.h"

#include <cstdio>
#include <memory>

namespace varnel::cli {

namespace {

struct ExportOptions {
    std::vector<std::string> files;
    bool csv = false;
    bool toStdout = false;
};

int runExport(const ExportOptions& options, const Globals& globals) {
    globals.apply();
    Diagnostics diagnostics;
    nlohmann::ordered_json written = nlohmann::ordered_json::array();
    for (const std::string& path : options.files) {
        orvane::CTraceDoc document;
        if (!openTrace(path, document, diagnostics)) continue;
        const CT6& record = document.record();
        std::string text = options.csv
                               ? traceCsvExport(record)
                               : orvane::traceTextExport(record, orvane::fileNameOf(path), path);
        if (options.toStdout) {
            printText(text);
            continue;
        }
        std::string target = path + (options.csv ? ".csv" : ".TXT");
        if (!writeTextFile(target, text, diagnostics)) continue;
        if (globals.json)
            written.push_back({{"trace", path}, {"output", target}});
        else
            printText(target + "\n");
    }
    return finishFiles("exports", written, diagnostics, globals.json);
}

} // namespace

void addExportCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<ExportOptions>();
    CLI::App* command = app.add_subcommand(
        "export", "Export the data points of traces: the trace text export (PATH.TXT) or CSV");
    command->add_option("files", options->files, "Trace files")->required();
    command->add_flag("--csv", options->csv, "Distance,level CSV (PATH.csv) instead");
    CLI::Option* toStdout = command->add_flag("--stdout", options->toStdout,
                                              "Write to stdout instead of next to the trace");
    addGlobalOptions(*command, context.globals);
    toStdout->excludes("--json");
    command->callback(
        [options, &context] { context.exitStatus = runExport(*options, context.globals); });
}

} // namespace varnel::cli
