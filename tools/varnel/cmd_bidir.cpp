// varnel bidir: the splice-loss wizards without windows. The traces' names
// are decoded with a file-name convention, checked as one cable's set, a
// smart template is built per direction and applied, and the splice losses
// are summarised, averaged over both directions unless --one-direction.
#include "cable_files.h"
#include "commands.h"
#include "output.h"

#include "core/bidir/splice_loss_wizard.h"
#include "core/platform/headless_prompts.h"
#include "core/platform/text.h"

#include <cstdio>
#include <memory>

namespace varnel::cli {

namespace {

using nlohmann::ordered_json;
using orvane::bidir::WizardSettings;

struct BidirOptions {
    std::vector<std::string> files;
    std::string convention;
    bool oneDirection = false;
    double corrPercent = 2.0;
    double hiLossBiDir = 0.200;
    double hiLoss1Dir = 0.300;
    int32_t splices = 20;
    bool ignorePatchCord = false;
    std::string out;
    bool inPlace = false;
    bool yes = false;
};

ordered_json optionalJson(const std::optional<double>& value) {
    return value ? ordered_json(*value) : ordered_json(nullptr);
}

ordered_json statsJson(const orvane::bidir::LossStats& stats) {
    if (stats.count == 0)
        return {{"count", 0}, {"average_db", nullptr}, {"min_db", nullptr}, {"max_db", nullptr}};
    return {{"count", stats.count},
            {"average_db", stats.average},
            {"min_db", stats.minimum},
            {"max_db", stats.maximum}};
}

ordered_json resultJson(const orvane::bidir::WizardResult& result, const CableFiles& files) {
    ordered_json fibres = ordered_json::array();
    for (const orvane::bidir::FiberSplices& fiber : result.fibers) {
        ordered_json splices = ordered_json::array();
        for (const orvane::bidir::FiberSplice& s : fiber.splices)
            splices.push_back({{"position_km", s.positionKM},
                               {"a_to_b_db", optionalJson(s.aToB)},
                               {"b_to_a_db", optionalJson(s.bToA)},
                               {"average_db", optionalJson(s.average)}});
        fibres.push_back({{"fibre", fiber.fiber}, {"splices", splices}});
    }
    ordered_json positions = ordered_json::array();
    for (std::size_t p = 0; p < result.positionsKM.size(); ++p) {
        ordered_json entry = {{"position_km", result.positionsKM[p]}};
        entry.update(statsJson(result.summary.perPosition[p]));
        positions.push_back(entry);
    }
    ordered_json directions = ordered_json::array();
    if (result.set)
        for (const auto& d : result.set->directions)
            directions.push_back({{"from", d.from},
                                  {"to", d.to},
                                  {"wavelength", d.wavelength},
                                  {"traces", d.traceOfFiber.size()}});
    return {{"finished", result.finished},
            {"message", result.message},
            {"directions", directions},
            {"fibres", fibres},
            {"positions", positions},
            {"overall", statsJson(result.summary.overall)},
            {"missing", result.summary.missing},
            {"exceptions", result.exceptionRows},
            {"templates", files.templatesWritten()},
            {"written", files.tracesWritten()}};
}

std::string lossText(const std::optional<double>& value) {
    if (!value) return "N/A";
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", *value);
    return text;
}

std::string resultText(const orvane::bidir::WizardResult& result) {
    std::string text;
    for (const std::string& row : result.exceptionRows)
        text += "exception " + row + "\n";
    for (const orvane::bidir::FiberSplices& fiber : result.fibers) {
        char number[16];
        std::snprintf(number, sizeof number, "%.3d", fiber.fiber);
        text += std::string("fibre ") + number + ":";
        for (const orvane::bidir::FiberSplice& s : fiber.splices)
            text += " " + lossText(s.average);
        text += "\n";
    }
    for (std::size_t p = 0; p < result.positionsKM.size(); ++p) {
        const orvane::bidir::LossStats& s = result.summary.perPosition[p];
        char line[128];
        std::snprintf(line, sizeof line, "%.3f km: average %s min %s max %s (%d fibres)\n",
                      result.positionsKM[p],
                      lossText(s.count ? std::optional(s.average) : std::nullopt).c_str(),
                      lossText(s.count ? std::optional(s.minimum) : std::nullopt).c_str(),
                      lossText(s.count ? std::optional(s.maximum) : std::nullopt).c_str(), s.count);
        text += line;
    }
    const orvane::bidir::LossStats& o = result.summary.overall;
    if (o.count > 0) {
        char line[128];
        std::snprintf(line, sizeof line, "overall: average %.3f min %.3f max %.3f\n", o.average,
                      o.minimum, o.maximum);
        text += line;
    }
    return text;
}

WizardSettings wizardSettings(const BidirOptions& options) {
    WizardSettings settings;
    settings.oneDirectional = options.oneDirection;
    settings.convention = orvane::toUtf16(options.convention);
    settings.report.corrPercent = options.corrPercent;
    settings.report.hiLossBiDirDB = options.hiLossBiDir;
    settings.report.hiLoss1DirDB = options.hiLoss1Dir;
    settings.report.ignoreConn = options.ignorePatchCord;
    settings.smartTemplate.numSplices = options.splices;
    return settings;
}

int runBidir(const BidirOptions& options, const Globals& globals) {
    globals.apply();
    orvane::HeadlessPrompts service("varnel", options.yes ? orvane::HeadlessPolicy::Affirmative
                                                          : orvane::HeadlessPolicy::Default);
    orvane::ScopedPrompts scope(service);
    if (auto refusal =
            orvane::bidir::ValidateFileNameConvention(orvane::toUtf16(options.convention))) {
        std::fprintf(stderr, "varnel: %s\n", orvane::collapseBlanks(*refusal).c_str());
        return kExitUsage;
    }
    Diagnostics diagnostics;
    CableFiles files(options.files, {options.out, options.inPlace}, diagnostics);
    const orvane::bidir::WizardResult result =
        orvane::bidir::RunSpliceLossWizard(files, wizardSettings(options));
    if (globals.json) {
        ordered_json document = resultJson(result, files);
        addDiagnostics(document, diagnostics);
        printJson(document);
    } else {
        printText(resultText(result));
    }
    if (!result.finished) return kExitFileFailed;
    return diagnostics.errorCount() == 0 ? kExitOK : kExitFileFailed;
}

} // namespace

void addBidirCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<BidirOptions>();
    CLI::App* command = app.add_subcommand(
        "bidir", "Splice-loss summary of a cable tested from both ends (or from one)");
    command->add_option("files", options->files, "The cable's traces")->required();
    command
        ->add_option("--convention", options->convention,
                     "File-name convention, e.g. AAABBB__.### (A from, B to, _ wavelength, # "
                     "fibre)")
        ->required();
    command->add_flag("--one-direction", options->oneDirection,
                      "Traces from one end only: the 1-directional summary");
    command->add_option("--corr-percent", options->corrPercent, "Correlation %")
        ->capture_default_str()
        ->check(CLI::Range(orvane::bidir::kMinCorrPercent, orvane::bidir::kMaxCorrPercent));
    command
        ->add_option("--hi-loss-bidir", options->hiLossBiDir, "Pass/fail loss, bi-directional, dB")
        ->capture_default_str()
        ->check(CLI::Range(0.0, orvane::bidir::kMaxPassFailDB));
    command->add_option("--hi-loss-1dir", options->hiLoss1Dir, "Pass/fail loss, 1-directional, dB")
        ->capture_default_str()
        ->check(CLI::Range(0.0, orvane::bidir::kMaxPassFailDB));
    command->add_option("--splices", options->splices, "Number of splices of the templates")
        ->capture_default_str()
        ->check(CLI::Range(1, orvane::bidir::kMaxSplicesWizard));
    command->add_flag("--ignore-patch-cord", options->ignorePatchCord,
                      "Ignore the patch cord's connector");
    command->add_option("--out", options->out,
                        "Folder for the templates and the traces they were applied to");
    command->add_flag("--in-place", options->inPlace,
                      "Save the traces over their files and the templates beside them");
    command->add_flag("--yes", options->yes,
                      "Answer every warning with OK (without it a warning ends the run)");
    addGlobalOptions(*command, context.globals);
    command->callback(
        [options, &context] { context.exitStatus = runBidir(*options, context.globals); });
}

} // namespace varnel::cli
