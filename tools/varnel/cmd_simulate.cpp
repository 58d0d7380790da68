// varnel simulate DESCRIPTION.json -o OUT: a simulated trace, with the truth
// it was built from written beside it as JSON.
#include "commands.h"
#include "output.h"
#include "sim_description.h"
#include "text.h"
#include "trace_io.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <new>

namespace varnel::cli {

namespace {

struct SimulateOptions {
    std::string description;
    std::string output;
    std::string truth; // default: OUT.truth.json
    std::string format;
};

// .sor files are SR-4731; anything else native.
std::u16string formatForPath(const std::string& path) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool sor = lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".sor") == 0;
    return sor ? u"SR4731" : u"T6";
}

// The simulator's table starts at the known launch level, as an analysis
// would leave it, so that cumulative and span losses read true.
void setLaunchIntercept(const varnel::sim::FibreDescription& fibre, CT6& record) {
    const int32_t value = T6LONGRounded(fibre.launchLevelDB * record.DPWGetScaleFactor());
    record.SetLaunchIntercept(static_cast<uint16_t>(std::clamp(value, 0, 65535)));
    record.ClearAllModFlags();
}

bool writeJsonFile(const std::string& path, const nlohmann::ordered_json& document,
                   Diagnostics& diagnostics) {
    return writeTextFile(path, document.dump(2) + "\n", diagnostics);
}

int runSimulate(const SimulateOptions& options, const Globals& globals) {
    globals.apply();
    Diagnostics diagnostics;
    const std::string truthPath =
        options.truth.empty() ? options.output + ".truth.json" : options.truth;
    const std::u16string format =
        options.format.empty() ? formatForPath(options.output) : toUtf16(options.format);
    CT6 record;
    nlohmann::ordered_json truth;
    try {
        nlohmann::ordered_json description = loadDescription(options.description);
        varnel::sim::FibreDescription fibre = fibreFromJson(description);
        varnel::sim::SimulatedFibre simulated = varnel::sim::simulateFibre(fibre, record);
        applyHeader(description, fibre, record);
        if (fibre.eventTable) setLaunchIntercept(fibre, record);
        truth = truthToJson(simulated);
    } catch (const DescriptionError& e) {
        diagnostics.error(options.description, e.what());
    } catch (const nlohmann::ordered_json::exception& e) {
        diagnostics.error(options.description, std::string("Invalid description: ") + e.what());
    } catch (const std::bad_alloc&) {
        diagnostics.error(options.description, "Memory allocation error");
    }
    bool ok = diagnostics.errorCount() == 0 &&
              saveNewRecord(record, options.output, format, diagnostics) &&
              writeJsonFile(truthPath, truth, diagnostics);
    if (globals.json) {
        nlohmann::ordered_json document = {{"output", options.output},
                                           {"truth", truthPath},
                                           {"format", toUtf8(format)},
                                           {"written", ok}};
        addDiagnostics(document, diagnostics);
        printJson(document);
    }
    return ok ? kExitOK : kExitFileFailed;
}

} // namespace

void addSimulateCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<SimulateOptions>();
    CLI::App* command = app.add_subcommand(
        "simulate", "Write a simulated trace from a JSON fibre description, with its truth");
    command->add_option("description", options->description, "Fibre description (JSON)")
        ->required();
    command->add_option("-o,--output", options->output, "Trace file to write (.sor: SR-4731)")
        ->required();
    command->add_option("--truth", options->truth, "Where the truth goes (default OUT.truth.json)");
    command
        ->add_option("--format", options->format, "Save format instead of the one the name implies")
        ->check(CLI::IsMember({"T6", "SR4731", "GR196"}));
    addGlobalOptions(*command, context.globals);
    command->callback(
        [options, &context] { context.exitStatus = runSimulate(*options, context.globals); });
}

} // namespace varnel::cli
