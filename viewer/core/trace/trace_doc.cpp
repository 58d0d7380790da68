#include "core/trace/trace_doc.h"

#include "core/platform/file_access.h"
#include "core/platform/file_chooser.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/shell/application_state.h"
#include "core/trace/trace_encoding.h"
#include "core/trace/trace_export.h"
#include "core/trace/trace_messages.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr double kLowestIOR = 1.3;
constexpr double kHighestIOR = 1.7;
constexpr char kSaveAsTitle[] = "Save As";
constexpr char kWfmExtension[] = "WFM";
constexpr char kHeaderTemplateFilter[] = "Header Templates (*.hdr)";
constexpr char kAllFilesFilter[] = "All Files (*.*)";

// The backscatter warning is shown once per run.
bool& backscatterWarningArmed() {
    static bool armed = true;
    return armed;
}

bool samePath(const std::string& a, const std::string& b) {
    return equalsIgnoringCase(a, b);
}

std::string recordDefaultExtension(const CT6& record) {
    char16_t ext[kTextRoom] = {};
    return trimmed(toUtf8(record.VeltroDefaultExt(ext)));
}

bool isR90Family(int32_t format) {
    return format == kFormatR90 || format == kFormatR90Min || format == kFormatR90Max;
}

} // namespace

// --- Files ------------------------------------------------------------------

bool CTraceDoc::load(const std::string& path) {
    const int32_t status = m_record.DecompFile(libraryPath(path).c_str(), 0);
    if (status != T6_FILE_OK) {
        tellFailure(path, traceReadFailureText(status));
        m_loadedFormat = kFormatUnknown;
        return false;
    }
    m_loadedFormat = m_saveFormat = traceFormatOf(m_record);
    for (const std::string& text : traceReadRepairTexts(m_record.GetReadRepairs()))
        tell("", fileNameOf(path) + " : " + text);
    // The index is made legal first, as the warning promises: the attenuation
    // and every distance depend on it.
    const double ior = m_record.SpanGetIOR(0);
    if (ior < kLowestIOR || ior > kHighestIOR) {
        tell("", fileNameOf(path) + " : " + kIllegalIORText);
        m_record.SpanSetIOR(0, std::clamp(ior, kLowestIOR, kHighestIOR));
        m_record.SpanCalculate();
    }
    if (m_record.GetCalcAtn() == 0) m_record.CalcAtn();
    return true;
}

bool CTraceDoc::OnOpenDocument(const std::string& path) {
    if (!load(path)) return false;
    if (m_loadedFormat == kFormatUnknown) {
        tellFailure(path, traceReadFailureText(T6_FILE_INVALID_CONTENT));
        return false;
    }
    return true;
}

bool CTraceDoc::Store(const std::string& path) {
    if (!isWritableFormat(m_saveFormat)) {
        tellFailure(path, traceWriteFailureText(T6_FILE_INVALID_CONTENT));
        return false;
    }
    std::vector<uint8_t> buffer;
    size_t size = 0;
    int32_t status = encodeTrace(m_record, m_saveFormat, buffer, size);
    if (status == T6_FILE_OK)
        status = replaceFileContents(path, std::span<const uint8_t>(buffer.data(), size));
    if (status != T6_FILE_OK) {
        tellFailure(path, traceWriteFailureText(status));
        return false;
    }
    // The file is written; what it could not hold exactly is only a warning.
    for (const std::string& text : traceWriteRepairTexts(encodingRepairs(m_record, m_saveFormat)))
        tell(path, text);
    return true;
}

bool CTraceDoc::OnSaveDocument(const std::string& path) {
    if (isReadOnlyFile(path)) {
        tellFailure("", accessDeniedText(path));
        return false;
    }
    const bool wasModified = isModified();
    if (!Store(path)) return false;
    if (!samePath(path, this->path())) {
        setModified(wasModified);
        return true;
    }
    setModified(false);
    if (m_saveFormat != m_loadedFormat) updateAllViews(nullptr, HINT_TRACE_CHANGED);
    return true;
}

bool CTraceDoc::Save() {
    m_saveFormat = m_loadedFormat;
    return OnSaveDocument(path());
}

bool CTraceDoc::SaveModified() {
    if (!application().preferences.saveTracePrompt || !isModified()) return true;
    m_saveFormat = m_loadedFormat;
    const PromptAnswer answer =
        prompts().ask({"", "Save changes to " + DocumentPathOrName() + "?", PromptIcon::Exclamation,
                       PromptButtons::YesNoCancel, PromptAnswer::Yes});
    if (answer == PromptAnswer::Cancel) return false;
    if (answer == PromptAnswer::No) return true;
    return OnSaveDocument(path());
}

void CTraceDoc::SelectSaveFormat(int32_t choiceCode) {
    m_saveFormat = saveFormatForChoice(choiceCode, m_loadedFormat);
}

bool CTraceDoc::SaveCopyAs(int32_t& position, std::string& directory) {
    SaveFileRequest request;
    request.title = DocumentPathOrName() + " : " + kSaveAsTitle;
    request.initialName = DocumentName();
    for (int32_t p = 1; p <= kSaveChoiceCount; ++p) {
        const SaveChoice& choice = saveChoiceAt(p);
        request.filters.push_back(std::string(choice.label) +
                                  (choice.code == kChoiceWfm ? " (*.WFM)" : " (*.*)"));
    }
    request.initialFilter = position >= 1 && position <= kSaveChoiceCount ? position - 1 : 0;

    std::optional<SaveFileChoice> chosen;
    while (true) {
        chosen = fileChooser().chooseSaveFile(request);
        if (!chosen) return false;
        if (!isWriteDenied(chosen->path, application().onInstrument)) break;
    }
    position = chosen->filter + 1;
    directory = directoryOf(chosen->path);
    const int32_t code = saveChoiceAt(position).code;
    const std::string newPath = PathWithSaveExtension(chosen->path, code);

    SelectSaveFormat(code);
    // A failed save must not take a file the user already had; only what
    // this attempt created is removed.
    const bool existedBefore = fileExists(newPath);
    if (OnSaveDocument(newPath)) return true;
    m_saveFormat = m_loadedFormat;
    if (!samePath(newPath, path()) && !existedBefore) removeFile(newPath);
    return false;
}

std::string CTraceDoc::PathWithSaveExtension(const std::string& path, int32_t choiceCode) const {
    if (fileNameOf(path).find('.') != std::string::npos) return path;
    std::string ext;
    if (choiceCode == kChoiceOriginal && isR90Family(m_loadedFormat))
        ext = recordDefaultExtension(m_record);
    else if (choiceCode == kChoiceOriginal && m_loadedFormat == kFormatTekWfm)
        ext = kWfmExtension;
    else if (choiceCode == kChoiceWfm)
        ext = kWfmExtension;
    else if (choiceCode == kChoiceR90 || choiceCode == kChoiceR90Min || choiceCode == kChoiceR90Max)
        ext = recordDefaultExtension(m_record);
    return ext.empty() ? path : path + "." + ext;
}

bool CTraceDoc::ExportTraceText() {
    const std::string target = DocumentPathOrName() + ".TXT";
    const std::string text = traceTextExport(m_record, DocumentName(), DocumentPathOrName());
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const int32_t status =
        replaceFileContents(target, std::span<const uint8_t>(bytes, text.size()));
    if (status == T6_FILE_CANNOT_OPEN) {
        tellFailure("", kFileOpenErrorText + target, PromptIcon::Stop);
        return false;
    }
    if (status != T6_FILE_OK) {
        tellFailure("", kFileWriteErrorText, PromptIcon::Stop);
        return false;
    }
    return true;
}

// --- Commands -------------------------------------------------------------

int16_t CTraceDoc::Analyze() {
    if (!m_record.OKToAnalyze()) {
        tellFailure("", std::string(kCannotAnalyzeText) + " : " + DocumentName(), PromptIcon::Stop);
        return kAnalyzeRefused;
    }
    m_lastAnalysisStatus = m_record.FAS(); // T6_FAS_..., read by the callers
    m_record.CalcAtn();
    changed();
    return 0;
}

int16_t CTraceDoc::Smooth() {
    m_record.BoxCar();
    m_record.SetTraceUserSmoothed(1);
    changed();
    return 0;
}

bool CTraceDoc::ConfirmHeaderChange(bool deleteHeader) {
    if (m_record.HDRGetNumPages() <= 0) return !deleteHeader;
    return confirm(DocumentPathOrName(), deleteHeader ? kHeaderDeletedText : kHeaderReplacedText,
                   PromptButtons::OkCancel, PromptAnswer::Ok, PromptIcon::Question);
}

void CTraceDoc::ApplyStandardHeader() {
    if (!ConfirmHeaderChange(false)) return;
    m_record.HDRFromStdT6HDR();
    m_record.HDRInitStgs(1, 1, 1);
    changed();
    updateAllViews(nullptr, HINT_HEADER);
}

void CTraceDoc::ApplyCustomHeader() {
    const std::optional<std::string> file =
        fileChooser().chooseOpenFile({"", {kHeaderTemplateFilter, kAllFilesFilter}});
    if (!file) return;
    const int32_t status = m_record.HDRFromFile(libraryPath(*file).c_str());
    const bool usable = status == T6_FILE_OK || status == T6_HDR_FIELD_CUT ||
                        status == T6_HDR_TOO_MANY_PAGES || status == T6_HDR_TOO_MANY_FIELDS;
    if (!usable) {
        tellFailure("", kHeaderTemplateErrorText);
        return;
    }
    m_record.HDRInitStgs(1, 1, 1);
    changed();
    updateAllViews(nullptr, HINT_HEADER);
}

void CTraceDoc::ApplyPrimaryHeader(CTraceDoc* primary) {
    if (!primary || primary == this || !ConfirmHeaderChange(false)) return;
    m_record.HDRFromT6(&primary->m_record);
    m_record.HDRInitStgs(0, 0, 1);
    changed();
    updateAllViews(nullptr, HINT_HEADER);
}

void CTraceDoc::SetBackscatter(double coefficient) {
    const double old = m_record.SpanGetBackScatter(0);
    m_record.SpanSetBackScatter(0, coefficient);
    m_record.SpanCalculate();
    // The record changed: without the mark a close would drop it unasked.
    if (coefficient != old) changed();
    if (backscatterWarningArmed() && coefficient != old) {
        backscatterWarningArmed() = false;
        tell("", kBackscatterWarningText, PromptIcon::Exclamation);
    }
}

void CTraceDoc::RememberIOR() {
    m_savedIOR = m_record.SpanGetIOR(0);
}

bool CTraceDoc::LevelAtKM(double km, double& level) const {
    const double db = m_record.GetDBAtKM(km);
    if (db == T6_NO_VALUE) {
        level = 0;
        return false;
    }
    level = m_record.GetDynamicRange() - db;
    return true;
}

std::string CTraceDoc::DocumentPathOrName() const {
    return path().empty() ? DocumentName() : path();
}

std::string CTraceDoc::DocumentName() const {
    return path().empty() ? title() : fileNameOf(path());
}

} // namespace orvane
