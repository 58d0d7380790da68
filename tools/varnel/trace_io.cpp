#include "trace_io.h"

#include "status_text.h"
#include "text.h"

#include "core/platform/file_access.h"
#include "core/trace/trace_encoding.h"
#include "core/trace/trace_formats.h"
#include "core/trace/trace_messages.h"

namespace varnel::cli {

namespace {

struct FormatChoice {
    std::u16string_view name;
    int32_t code;
};

constexpr FormatChoice kFormatChoices[] = {
    {u"T6", 9},      {u"SR4731", 10}, {u"GR196", 4},   {u"Bellcore", 4},
    {u"T5", 2},      {u"T4", 3},      {u"TEK WFM", 5}, {u"R90", orvane::kChoiceR90},
    {u"R90 Min", 7}, {u"R90 Max", 8},
};

} // namespace

orvane::PromptAnswer DiagnosticsPrompts::ask(const orvane::Prompt& prompt) {
    std::string message = collapseBlanks(prompt.text);
    // A terminal user also wants to know why the file could not be opened.
    if (prompt.failure && message == readFailureText(T6_FILE_CANNOT_OPEN)) {
        const std::string reason = openFailureReason(m_path);
        if (!reason.empty()) message += ": " + reason;
    }
    // And where a damaged SR-4731 file stopped making sense.
    if (prompt.failure && message == readFailureText(T6_FILE_DAMAGED)) {
        const std::string where = damageWhere(m_path);
        if (!where.empty()) message += " " + where;
    }
    m_diagnostics.add({m_path, message, !prompt.failure});
    return m_affirmative ? orvane::answersOf(prompt.buttons).front() : prompt.defaultAnswer;
}

int32_t saveChoiceCode(std::u16string_view formatName) {
    for (const FormatChoice& choice : kFormatChoices)
        if (choice.name == formatName) return choice.code;
    return 0;
}

bool openTrace(const std::string& path, orvane::CTraceDoc& document, Diagnostics& diagnostics) {
    DiagnosticsPrompts prompts(diagnostics, path);
    orvane::ScopedPrompts installed(prompts);
    if (!document.OnOpenDocument(path)) return false;
    document.setPath(path);
    document.setModified(false);
    return true;
}

bool saveTrace(orvane::CTraceDoc& document, const std::string& path, int32_t choiceCode,
               Diagnostics& diagnostics) {
    DiagnosticsPrompts prompts(diagnostics, path);
    orvane::ScopedPrompts installed(prompts);
    document.SelectSaveFormat(choiceCode);
    return document.OnSaveDocument(path);
}

bool saveNewRecord(CT6& record, const std::string& path, const std::u16string& formatName,
                   Diagnostics& diagnostics) {
    if (orvane::isReadOnlyFile(path)) {
        diagnostics.error(path, orvane::accessDeniedText(path));
        return false;
    }
    const int32_t status =
        record.FileSaveAs(orvane::libraryPath(path).c_str(), formatName.c_str(), 0, 1);
    if (status != 0) {
        diagnostics.error(path, collapseBlanks(orvane::traceWriteFailureText(status)));
        return false;
    }
    // Saves through the trace document warn of this themselves.
    const int32_t format =
        orvane::saveFormatForChoice(saveChoiceCode(formatName), orvane::kFormatUnknown);
    for (const std::string& text :
         orvane::traceWriteRepairTexts(orvane::encodingRepairs(record, format)))
        diagnostics.warning(path, text);
    return true;
}

bool saveTraceInPlace(orvane::CTraceDoc& document, Diagnostics& diagnostics) {
    DiagnosticsPrompts prompts(diagnostics, document.path());
    orvane::ScopedPrompts installed(prompts);
    return document.Save();
}

bool writeTextFile(const std::string& path, std::string_view text, Diagnostics& diagnostics) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const int32_t status = orvane::replaceFileContents(path, {bytes, text.size()});
    if (status == T6_FILE_OK) return true;
    diagnostics.error(path, collapseBlanks(orvane::traceWriteFailureText(status)));
    return false;
}

} // namespace varnel::cli
