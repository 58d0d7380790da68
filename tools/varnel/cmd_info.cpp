// varnel info FILE...: header, event table, end-to-end loss and ORL.
#include "commands.h"
#include "output.h"
#include "trace_io.h"
#include "trace_view.h"

#include <memory>

namespace varnel::cli {

namespace {

struct InfoOptions {
    std::vector<std::string> files;
};

std::string traceText(const std::string& path, const CT6& record) {
    return path + "\n" + headerText(headerFields(record)) + "\n" +
           eventTableText(eventRows(record)) + "\n" + summaryText(traceSummary(record));
}

int runInfo(const InfoOptions& options, const Globals& globals) {
    globals.apply();
    Diagnostics diagnostics;
    nlohmann::ordered_json traces = nlohmann::ordered_json::array();
    bool first = true;
    for (const std::string& path : options.files) {
        orvane::CTraceDoc document;
        if (!openTrace(path, document, diagnostics)) continue;
        const CT6& record = document.record();
        if (globals.json) {
            traces.push_back(traceJson(path, record));
            continue;
        }
        printText((first ? "" : "\n") + traceText(path, record));
        first = false;
    }
    return finishFiles("traces", traces, diagnostics, globals.json);
}

} // namespace

void addInfoCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<InfoOptions>();
    CLI::App* command = app.add_subcommand(
        "info", "Show the header, the event table, end-to-end loss and ORL of traces");
    command->add_option("files", options->files, "Trace files")->required();
    addGlobalOptions(*command, context.globals);
    command->callback(
        [options, &context] { context.exitStatus = runInfo(*options, context.globals); });
}

} // namespace varnel::cli
