// varnel convert IN OUT --format NAME: writes a trace in another format.
#include "commands.h"
#include "output.h"
#include "text.h"
#include "trace_io.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace varnel::cli {

namespace {

struct ConvertOptions {
    std::string input;
    std::string output;
    std::string format;
};

struct FormatName {
    const char* typed;
    const char16_t* library; // the name FileSaveAs takes
};

// The native and SR-4731 formats are the library's own; the others go through
// the outside legacy converter.
constexpr FormatName kFormats[] = {
    {"T6", u"T6"},           {"SR4731", u"SR4731"},
    {"GR196", u"GR196"},     {"Bellcore", u"Bellcore"},
    {"T5", u"T5"},           {"WFM", u"TEK WFM"},
    {"TEK WFM", u"TEK WFM"}, {"R90", u"R90"},
    {"R90 Min", u"R90 Min"}, {"R90 Max", u"R90 Max"},
};

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

const FormatName* findFormat(const std::string& typed) {
    for (const FormatName& f : kFormats)
        if (lowered(f.typed) == lowered(typed)) return &f;
    return nullptr;
}

std::vector<std::string> formatChoices() {
    std::vector<std::string> names;
    for (const FormatName& f : kFormats)
        names.emplace_back(f.typed);
    return names;
}

int runConvert(const ConvertOptions& options, const Globals& globals) {
    globals.apply();
    Diagnostics diagnostics;
    orvane::CTraceDoc document;
    const FormatName* format = findFormat(options.format);
    bool ok = openTrace(options.input, document, diagnostics) &&
              saveTrace(document, options.output, saveChoiceCode(format->library), diagnostics);
    if (globals.json) {
        nlohmann::ordered_json document = {{"input", options.input},
                                           {"output", options.output},
                                           {"format", toUtf8(format->library)},
                                           {"written", ok}};
        addDiagnostics(document, diagnostics);
        printJson(document);
    }
    return ok ? kExitOK : kExitFileFailed;
}

} // namespace

void addConvertCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<ConvertOptions>();
    CLI::App* command = app.add_subcommand("convert", "Write a trace in another file format");
    command->add_option("input", options->input, "Trace file to read")->required();
    command->add_option("output", options->output, "File to write")->required();
    command
        ->add_option("--format", options->format,
                     "T6 (native), SR4731 (SR-4731 issue 2), GR196 or Bellcore (issue 1); "
                     "T5, WFM, R90, \"R90 Min\", \"R90 Max\" need the legacy converter")
        ->required()
        ->check(CLI::IsMember(formatChoices(), CLI::ignore_case));
    addGlobalOptions(*command, context.globals);
    command->callback(
        [options, &context] { context.exitStatus = runConvert(*options, context.globals); });
}

} // namespace varnel::cli
