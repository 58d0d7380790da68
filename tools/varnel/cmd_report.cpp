// varnel report KIND FILE...: the trace list's reports over files, printed
// or written as a text file.
#include "cable_files.h"
#include "commands.h"
#include "output.h"

#include "core/bidir/report_export.h"
#include "core/platform/headless_prompts.h"
#include "core/platform/settings_store.h"
#include "core/platform/text.h"

#include <cstdio>
#include <memory>

namespace varnel::cli {

namespace {

using nlohmann::ordered_json;
using namespace orvane::bidir;

struct ReportOptions {
    std::string kind;
    std::vector<std::string> files;
    std::string textFile;
    std::vector<std::string> criteria; // NAME or NAME=VALUE of section "Exception"
    std::string convention;
    double corrPercent = 2.0;
    double hiLossBiDir = 0.200;
    double hiLoss1Dir = 0.300;
};

ExceptionCriteria criteriaOf(const std::vector<std::string>& settings) {
    orvane::MemorySettingsStore store;
    for (const std::string& setting : settings) {
        const std::size_t equals = setting.find('=');
        if (equals == std::string::npos)
            store.writeText(kExceptionSection, setting, "1");
        else
            store.writeText(kExceptionSection, setting.substr(0, equals),
                            setting.substr(equals + 1));
    }
    return LoadExceptionCriteria(store);
}

WizardSettings reportSettings(const ReportOptions& options) {
    WizardSettings settings;
    settings.convention = orvane::toUtf16(options.convention);
    settings.report.corrPercent = options.corrPercent;
    settings.report.hiLossBiDirDB = options.hiLossBiDir;
    settings.report.hiLoss1DirDB = options.hiLoss1Dir;
    settings.criteria = criteriaOf(options.criteria);
    return settings;
}

int runReport(const ReportOptions& options, const Globals& globals) {
    globals.apply();
    const std::optional<ReportKind> kind = reportKindFromChoice(options.kind);
    if (!kind) {
        std::fprintf(stderr, "varnel: unknown report kind: %s\n", options.kind.c_str());
        return kExitUsage;
    }
    orvane::HeadlessPrompts service("varnel", orvane::HeadlessPolicy::Affirmative);
    orvane::ScopedPrompts scope(service);
    Diagnostics diagnostics;
    CableFiles files(options.files, {}, diagnostics);
    const ReportOutcome outcome = BuildReportOfKind(*kind, files, reportSettings(options));
    if (!outcome.report) {
        // An empty refusal was told by the wizard's checks already.
        diagnostics.error(options.kind,
                          outcome.refusal.empty() ? "No report was made." : outcome.refusal);
        return finishFiles("lines", ordered_json::array(), diagnostics, globals.json);
    }
    const Report& report = *outcome.report;
    if (!options.textFile.empty() && !exportReport(report, options.textFile))
        diagnostics.error(options.textFile,
                          orvane::collapseBlanks(kFileOpenErrorText + options.textFile));
    if (globals.json) {
        ordered_json document = {{"title", report.title}, {"lines", report.lines}};
        addDiagnostics(document, diagnostics);
        printJson(document);
    } else if (options.textFile.empty()) {
        printText(reportText(report));
    }
    return diagnostics.errorCount() == 0 ? kExitOK : kExitFileFailed;
}

} // namespace

void addReportCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<ReportOptions>();
    CLI::App* command = app.add_subcommand("report", "A report over traces");
    command
        ->add_option("kind", options->kind,
                     "\"Trace Summary\", \"Exception\", \"1-Dir Splice Loss Summary\", \"Bi-Dir "
                     "Splice Loss Summary\", \"Fiber Acceptance\", \"Bi-Dir Splice Loss\" or "
                     "\"Smart Splice Template\"")
        ->required();
    command
        ->add_option("files", options->files,
                     "The traces (the first is the primary, and the smart template's reference)")
        ->required();
    command->add_option("--text", options->textFile, "Write the report to this text file");
    command->add_option("--criterion", options->criteria,
                        "An exception criterion by its stored name, NAME (on) or NAME=VALUE");
    command->add_option("--convention", options->convention,
                        "File-name convention for the splice-loss summaries and acceptance");
    command->add_option("--corr-percent", options->corrPercent, "Correlation %")
        ->capture_default_str();
    command->add_option("--hi-loss-bidir", options->hiLossBiDir, "Pass/fail loss, bi-dir, dB")
        ->capture_default_str();
    command->add_option("--hi-loss-1dir", options->hiLoss1Dir, "Pass/fail loss, 1-dir, dB")
        ->capture_default_str();
    addGlobalOptions(*command, context.globals);
    command->callback(
        [options, &context] { context.exitStatus = runReport(*options, context.globals); });
}

} // namespace varnel::cli
