// varnel template build|apply: smart splice templates built from a cable's
// traces, and templates applied to traces, by the viewer's own core.
#include "commands.h"
#include "output.h"
#include "template_traces.h"
#include "trace_io.h"

#include "core/bidir/smart_template.h"
#include "core/bidir/template_apply.h"
#include "core/platform/headless_prompts.h"

#include <map>
#include <memory>

namespace varnel::cli {

namespace {

using orvane::bidir::SmartTemplateSettings;
using orvane::bidir::TemplateApplySettings;

const std::map<std::string, int32_t> kSnapModes = {{"none", orvane::bidir::kSnapNone},
                                                   {"template", orvane::bidir::kSnapToTemplateEnd},
                                                   {"trace", orvane::bidir::kSnapToTraceEnd}};

constexpr char16_t kNativeFormat[] = u"T6";

// Warnings go to stderr; --yes answers them with OK, else with their default
// (Cancel), which ends the run.
struct PromptOptions {
    bool yes = false;

    std::unique_ptr<orvane::HeadlessPrompts> service() const {
        return std::make_unique<orvane::HeadlessPrompts>(
            "varnel", yes ? orvane::HeadlessPolicy::Affirmative : orvane::HeadlessPolicy::Default);
    }
};

struct BuildOptions {
    std::string reference;
    std::vector<std::string> files;
    std::string output;
    SmartTemplateSettings settings;
    PromptOptions prompts;
};

struct ApplyOptions {
    std::string templatePath;
    std::vector<std::string> files;
    bool templateEvents = false;
    bool tracePriority = true;
    double percent = 2.0;
    double absolute = 1.0; // display unit
    std::string snap = "trace";
    bool write = false;
    PromptOptions prompts;
};

int runBuild(const BuildOptions& options, const Globals& globals) {
    globals.apply();
    auto service = options.prompts.service();
    orvane::ScopedPrompts scope(*service);
    Diagnostics diagnostics;
    orvane::CTraceDoc referenceDocument;
    CT6& reference = referenceDocument.record();
    if (!openTrace(options.reference, referenceDocument, diagnostics)) return kExitFileFailed;
    TraceFiles traces(options.files, diagnostics, options.reference, &reference);
    SmartTemplateSettings settings = options.settings;
    settings.printReport = false;
    const orvane::bidir::SmartTemplateResult result =
        orvane::bidir::BuildSmartSpliceTemplate(reference, traces, settings);
    if (!result.built) {
        diagnostics.error(options.reference, "the template was not built; the reference is "
                                             "unchanged");
        return finishFiles("events", nlohmann::ordered_json::array(), diagnostics, globals.json);
    }
    const bool saved =
        saveTrace(referenceDocument, options.output, saveChoiceCode(kNativeFormat), diagnostics);
    if (globals.json) {
        nlohmann::ordered_json document = {{"template", options.output},
                                           {"saved", saved},
                                           {"traces", result.stats.traces},
                                           {"events", templateEventsJson(reference)}};
        addDiagnostics(document, diagnostics);
        printJson(document);
    } else {
        printText(options.output + (saved ? "" : " (not saved)") + ": " +
                  std::to_string(result.templateEvents) + " template events from " +
                  std::to_string(result.stats.traces) + " traces\n" +
                  templateEventsText(reference));
    }
    return saved && diagnostics.errorCount() == 0 ? kExitOK : kExitFileFailed;
}

TemplateApplySettings applySettings(const ApplyOptions& options) {
    TemplateApplySettings settings;
    settings.merge = !options.templateEvents;
    settings.tracePriority = options.tracePriority;
    settings.percentDis = options.percent;
    settings.absoluteDisKM = T6KMFromCurDist(options.absolute);
    settings.snapTo = kSnapModes.at(options.snap);
    return settings;
}

int runApply(const ApplyOptions& options, const Globals& globals) {
    globals.apply();
    auto service = options.prompts.service();
    orvane::ScopedPrompts scope(*service);
    Diagnostics diagnostics;
    orvane::CTraceDoc templateDocument;
    CT6& splicesTemplate = templateDocument.record();
    if (!openTrace(options.templatePath, templateDocument, diagnostics)) return kExitFileFailed;
    TraceFiles traces(options.files, diagnostics);
    nlohmann::ordered_json results = nlohmann::ordered_json::array();
    std::string text;
    auto applied = [&](std::size_t i, CT6& trace) {
        const std::string& path = traces.path(i);
        bool written = false;
        if (options.write && traces.openDocument() != nullptr)
            written = saveTraceInPlace(*traces.openDocument(), diagnostics);
        results.push_back(
            {{"path", path}, {"written", written}, {"events", templateEventsJson(trace)}});
        text += path + (written ? " (saved)" : "") + "\n" + templateEventsText(trace) + "\n";
        return true;
    };
    const orvane::bidir::TemplateApplyRun run = orvane::bidir::ApplySpliceTemplate(
        splicesTemplate, traces, applySettings(options), applied);
    if (run.cancelled) diagnostics.error(options.templatePath, "the application was cancelled");
    if (!globals.json) printText(text);
    return finishFiles("traces", results, diagnostics, globals.json);
}

void addPromptOptions(CLI::App& command, PromptOptions& options) {
    command.add_flag("--yes", options.yes,
                     "Answer every warning with OK (without it a warning ends the run)");
}

void addBuild(CLI::App& parent, CommandContext& context) {
    auto options = std::make_shared<BuildOptions>();
    CLI::App* command = parent.add_subcommand(
        "build", "Build a smart splice template from the traces of one cable");
    command->add_option("reference", options->reference, "The reference trace")->required();
    command->add_option("files", options->files, "The cable's traces")->required();
    command->add_option("-o,--output", options->output, "The template file (native format)")
        ->required();
    SmartTemplateSettings& s = options->settings;
    command->add_option("--num-splices", s.numSplices, "The most template events")
        ->capture_default_str()
        ->check(CLI::Range(1, orvane::bidir::kMaxSplicesWizard));
    command->add_option("--loss-threshold", s.lossThresDB, "Smallest event loss that counts, dB")
        ->capture_default_str()
        ->check(CLI::Range(0.0, 1.0));
    command->add_option("--min-frequency", s.minFrequency, "Smallest count for a template event")
        ->capture_default_str()
        ->check(CLI::Range(1, orvane::bidir::kMaxMinFrequency));
    command->add_flag("--adjust-for-helix", s.adjustForHelix,
                      "Scale every trace's distances to the reference's length");
    command->add_flag("--event-freq-dist", s.eventFreqDist,
                      "Write the event frequency distribution into the template's points");
    addPromptOptions(*command, options->prompts);
    addGlobalOptions(*command, context.globals);
    command->callback(
        [options, &context] { context.exitStatus = runBuild(*options, context.globals); });
}

void addApply(CLI::App& parent, CommandContext& context) {
    auto options = std::make_shared<ApplyOptions>();
    CLI::App* command = parent.add_subcommand("apply", "Apply a splice template to traces");
    command->add_option("template", options->templatePath, "The template trace")->required();
    command->add_option("files", options->files, "The traces")->required();
    command->add_flag("--template-events", options->templateEvents,
                      "Replace the traces' events by the template's (default: merge)");
    command
        ->add_option("--trace-priority", options->tracePriority,
                     "When merging, keep matched trace events (1) or replace them (0)")
        ->capture_default_str();
    command->add_option("--percent", options->percent, "Relative distance tolerance, %")
        ->capture_default_str()
        ->check(CLI::Range(0.0, 200.0));
    command
        ->add_option("--absolute", options->absolute,
                     "Absolute distance tolerance, in the display unit")
        ->capture_default_str()
        ->check(CLI::Range(0.0, 1e8));
    command->add_option("--snap", options->snap, "Scale mode: none, template or trace end")
        ->capture_default_str()
        ->check(CLI::IsMember({"none", "template", "trace"}));
    command->add_flag("--write", options->write, "Save each trace over its file, in its format");
    addPromptOptions(*command, options->prompts);
    addGlobalOptions(*command, context.globals);
    command->callback(
        [options, &context] { context.exitStatus = runApply(*options, context.globals); });
}

} // namespace

void addTemplateCommand(CLI::App& app, CommandContext& context) {
    CLI::App* command = app.add_subcommand("template", "Smart splice templates");
    command->require_subcommand(1);
    addBuild(*command, context);
    addApply(*command, context);
}

} // namespace varnel::cli
