// varnel list LIST.TRL: the traces of a viewer's trace list, as stored and
// as found from where the list lies. varnel list --create OUT.TRL FILE...:
// a trace list for the viewer, its paths relative to the list.
#include "commands.h"
#include "output.h"
#include "trace_io.h"

#include "core/trace/trace_doc_type.h"
#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trl_file.h"
#include "core/tracelist/trl_paths.h"

#include <filesystem>
#include <memory>

namespace varnel::cli {

namespace {

struct ListOptions {
    std::string create;
    std::vector<std::string> files;
};

constexpr char kNotATraceList[] = "not a trace list (bad magic, version or length)";
constexpr char kCannotRead[] = "cannot open the file";
constexpr char kTraceNotFound[] = "cannot find the trace file";
constexpr char kListNeeded[] = "give one trace list, or --create OUT.TRL with trace files";

std::string absolutePath(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

nlohmann::ordered_json entryJson(const std::string& stored, const orvane::ResolvedPath& resolved) {
    const std::string path =
        orvane::isWindowsAbsolute(resolved.path) ? resolved.path : absolutePath(resolved.path);
    return {{"stored", stored}, {"path", path}, {"found", resolved.found}};
}

std::string entryLine(const nlohmann::ordered_json& entry) {
    std::string line =
        entry["stored"].get<std::string>() + " -> " + entry["path"].get<std::string>();
    if (!entry["found"].get<bool>()) line += " (missing)";
    return line + "\n";
}

int printList(const std::string& listPath, Diagnostics& diagnostics, bool json) {
    const std::string path = absolutePath(listPath);
    nlohmann::ordered_json entries = nlohmann::ordered_json::array();
    const std::optional<std::vector<uint8_t>> bytes = orvane::readTrlBytes(path);
    const orvane::TrlReadResult read =
        bytes ? orvane::decodeTrl(*bytes)
              : orvane::TrlReadResult{orvane::TrlReadStatus::BadMagic, {}, {}};
    if (!bytes)
        diagnostics.error(listPath, kCannotRead);
    else if (read.status != orvane::TrlReadStatus::Done)
        diagnostics.error(listPath, kNotATraceList);

    orvane::StoredPathResolver resolver(orvane::listLocationOf(path));
    std::string text;
    for (const std::string& stored : read.paths) {
        const orvane::ResolvedPath resolved = resolver.resolve(stored);
        entries.push_back(entryJson(stored, resolved));
        if (!resolved.found) diagnostics.warning(resolved.path, kTraceNotFound);
        text += entryLine(entries.back());
    }
    if (json) {
        nlohmann::ordered_json document = {{"list", path}, {"entries", entries}};
        addDiagnostics(document, diagnostics);
        printJson(document);
    } else {
        printText(text);
    }
    return diagnostics.errorCount() > 0 ? kExitFileFailed : kExitOK;
}

// The viewer's own list does the adding (duplicates are told and skipped)
// and the writing.
bool createList(const std::string& out, const std::vector<std::string>& files,
                Diagnostics& diagnostics) {
    std::vector<std::string> paths;
    for (const std::string& file : files) {
        if (!std::filesystem::is_regular_file(file)) {
            diagnostics.error(file, kTraceNotFound);
            continue;
        }
        paths.push_back(absolutePath(file));
    }
    if (diagnostics.errorCount() > 0) return false;

    std::unique_ptr<orvane::DocumentType> traceType =
        orvane::makeTraceDocType(orvane::kTraceDocStrings);
    orvane::CTraceListDoc list(*traceType);
    DiagnosticsPrompts prompts(diagnostics, out);
    orvane::ScopedPrompts installed(prompts);
    list.AddTraces(paths);
    return list.OnSaveDocument(absolutePath(out));
}

int runList(const ListOptions& options, const Globals& globals) {
    Diagnostics diagnostics;
    if (options.create.empty()) {
        if (options.files.size() != 1) {
            diagnostics.error("list", kListNeeded);
            return kExitUsage;
        }
        return printList(options.files.front(), diagnostics, globals.json);
    }
    if (!createList(options.create, options.files, diagnostics)) {
        if (globals.json)
            finishFiles("entries", nlohmann::ordered_json::array(), diagnostics, true);
        return kExitFileFailed;
    }
    return printList(options.create, diagnostics, globals.json);
}

} // namespace

void addListCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<ListOptions>();
    CLI::App* command = app.add_subcommand(
        "list", "Show the traces of a viewer trace list (.TRL), or create one with --create");
    command->add_option("--create", options->create,
                        "Write a trace list here from the trace files given, with paths "
                        "relative to the list");
    command->add_option("files", options->files, "The trace list, or with --create the traces")
        ->required();
    addGlobalOptions(*command, context.globals);
    command->callback(
        [options, &context] { context.exitStatus = runList(*options, context.globals); });
}

} // namespace varnel::cli
