// The trace list's own file: reading a .TRL into entries, writing one with
// paths relative to it, and the framework's save questions.
#include "core/platform/file_access.h"
#include "core/platform/file_chooser.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/shell/application_state.h"
#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trace_list_messages.h"
#include "core/tracelist/trl_file.h"
#include "core/tracelist/trl_paths.h"

namespace orvane {

namespace {

std::string missingTracesText(const std::vector<std::string>& missing) {
    std::string text = kMissingTraces;
    const size_t shown = std::min(missing.size(), static_cast<size_t>(kMissingTracesShown));
    for (size_t i = 0; i < shown; ++i)
        text += "\n" + missing[i];
    if (missing.size() > shown) text += "\n(" + std::to_string(missing.size() - shown) + " more)";
    return text;
}

std::string withListExtension(const std::string& path) {
    return fileNameOf(path).find('.') == std::string::npos ? path + ".TRL" : path;
}

} // namespace

bool CTraceListDoc::OnOpenDocument(const std::string& path) {
    const std::optional<std::vector<uint8_t>> bytes = readTrlBytes(path);
    if (!bytes) {
        tellFailure(path, kFailedToOpen);
        return false;
    }
    const TrlReadResult read = decodeTrl(*bytes);
    if (read.status != TrlReadStatus::Done) {
        tellFailure(path, kUnexpectedFormat);
        return false;
    }
    StoredPathResolver resolver(listLocationOf(path));
    std::vector<std::string> missing;
    m_entries.reserve(read.paths.size());
    for (size_t i = 0; i < read.paths.size(); ++i) {
        ResolvedPath resolved = resolver.resolve(read.paths[i]);
        if (!resolved.found && read.storedBytes[i] != read.paths[i])
            if (ResolvedPath asStored = resolver.resolve(read.storedBytes[i]); asStored.found)
                resolved = std::move(asStored);
        CTraceListEntry* entry = appendEntry(resolved.path);
        entry->found = resolved.found;
        if (!resolved.found) missing.push_back(resolved.path);
    }
    Notify(HINT_LIST_RELOAD);
    if (!missing.empty()) tell(path, missingTracesText(missing));
    return true;
}

bool CTraceListDoc::OnSaveDocument(const std::string& path) {
    const ListLocation location = listLocationOf(path);
    std::vector<std::string> stored;
    stored.reserve(m_entries.size());
    for (const auto& entry : m_entries)
        if (!isComputedTraceName(entry->path))
            stored.push_back(storedFormOf(entry->path, location));

    const TrlWriteResult written = encodeTrl(stored);
    if (written.status == TrlWriteStatus::PathTooLong) {
        tellFailure(written.offendingPath, kPathTooLong);
        return false;
    }
    if (written.status == TrlWriteStatus::TooManyPaths) {
        tellFailure(path, kTooManyTraces);
        return false;
    }
    if (replaceFileContents(path, written.bytes) != T6_FILE_OK) {
        tellFailure(path, kFailedToSave);
        return false;
    }
    setPath(path);
    setModified(false);
    return true;
}

bool CTraceListDoc::DoFileSave() {
    if (path().empty() || isReadOnlyFile(path())) return DoSaveAs();
    if (isWriteDenied(path(), application().onInstrument)) return false;
    return OnSaveDocument(path());
}

bool CTraceListDoc::DoSaveAs() {
    SaveFileRequest request;
    request.title = "Save As";
    request.initialName = withListExtension(path().empty() ? title() : path());
    request.filters = {kTraceListFilter};
    while (true) {
        std::optional<SaveFileChoice> chosen = fileChooser().chooseSaveFile(request);
        if (!chosen) return false;
        const std::string target = withListExtension(chosen->path);
        if (isWriteDenied(target, application().onInstrument)) continue;
        if (!OnSaveDocument(target)) return false;
        application().recentFiles.Add(target);
        return true;
    }
}

bool CTraceListDoc::SaveModified() {
    if (!isModified()) return true;
    std::string text = kSaveChangesQuestion;
    text.replace(text.find("%1"), 2, path().empty() ? title() : path());
    const PromptAnswer answer = prompts().ask(
        {"", text, PromptIcon::Exclamation, PromptButtons::YesNoCancel, PromptAnswer::Yes});
    if (answer == PromptAnswer::Cancel) return false;
    if (answer == PromptAnswer::No) return true;
    return DoFileSave();
}

} // namespace orvane
