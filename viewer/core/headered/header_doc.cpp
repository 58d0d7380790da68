#include "core/headered/header_doc.h"

#include "core/headered/header_encoding_question.h"
#include "core/headered/header_template_codec.h"
#include "core/platform/file_access.h"
#include "core/platform/file_chooser.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/shell/application_state.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <vector>

namespace orvane {

namespace {

// At most limit bytes from the start of the file; nothing when it cannot
// be opened or read (a folder, no permission) or is no regular file (a FIFO
// would wait for a writer, a device never end).
std::optional<std::vector<uint8_t>> readFileStart(const std::string& path, size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(limit);
    size_t done = 0;
    bool failed = false;
    while (done < limit) {
        const ssize_t n = ::read(fd, bytes.data() + done, limit - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failed = true;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    if (failed) return std::nullopt;
    bytes.resize(done);
    return bytes;
}

std::string withTemplateExtension(const std::string& path) {
    return fileNameOf(path).find('.') == std::string::npos ? path + kHeaderTemplateExtension : path;
}

} // namespace

void CHeaderDoc::SetText(std::u16string text, View* sender) {
    m_text = std::move(text);
    setModified(true);
    updateAllViews(sender, HINT_HEADER_TEMPLATE_TEXT);
}

bool CHeaderDoc::OnOpenDocument(const std::string& path) {
    const std::optional<std::vector<uint8_t>> bytes =
        readFileStart(path, kUnicodeTemplateReadLimit);
    if (!bytes) {
        tellFailure(path, kHeaderFailedToOpen);
        return false;
    }
    HeaderTemplateText read = decodeHeaderTemplate(*bytes);
    m_text = std::move(read.text);
    m_encoding = read.encoding;
    updateAllViews(nullptr, HINT_HEADER_TEMPLATE_TEXT);
    return true;
}

bool CHeaderDoc::OnSaveDocument(const std::string& path) {
    const std::vector<uint8_t> bytes = encodeHeaderTemplate(m_text, m_encoding);
    if (replaceFileContents(path, bytes) != T6_FILE_OK) {
        tellFailure(path, kHeaderFailedToSave);
        return false;
    }
    setPath(path);
    setModified(false);
    return true;
}

// An encoding chosen for a save that did not happen is not kept: a later
// Save must not rewrite the file in a form the user never saved it in.
bool CHeaderDoc::DoFileSave() {
    const HeaderEncoding before = m_encoding;
    if (m_encoding == HEADER_ENCODING_NONE) {
        const std::optional<HeaderEncoding> chosen = AskHeaderEncoding();
        if (!chosen) return false;
        m_encoding = *chosen;
    }
    bool saved = false;
    if (path().empty() || isReadOnlyFile(path()))
        saved = saveWithDialog();
    else
        saved = !isWriteDenied(path(), application().onInstrument) && OnSaveDocument(path());
    if (!saved) m_encoding = before;
    return saved;
}

bool CHeaderDoc::DoSaveAs() {
    const std::optional<HeaderEncoding> chosen = AskHeaderEncoding();
    if (!chosen) return false;
    const HeaderEncoding before = m_encoding;
    m_encoding = *chosen;
    if (saveWithDialog()) return true;
    m_encoding = before;
    return false;
}

bool CHeaderDoc::saveWithDialog() {
    SaveFileRequest request;
    request.title = "Save As";
    request.initialName = withTemplateExtension(path().empty() ? title() : path());
    request.filters = {kHeaderTemplateFilter};
    while (true) {
        const std::optional<SaveFileChoice> chosen = fileChooser().chooseSaveFile(request);
        if (!chosen) return false;
        const std::string target = withTemplateExtension(chosen->path);
        if (isWriteDenied(target, application().onInstrument)) continue;
        return OnSaveDocument(target);
    }
}

bool CHeaderDoc::SaveModified() {
    if (!isModified()) return true;
    std::string text = kHeaderSaveChangesQuestion;
    text.replace(text.find("%1"), 2, path().empty() ? title() : path());
    const PromptAnswer answer = prompts().ask(
        {"", text, PromptIcon::Exclamation, PromptButtons::YesNoCancel, PromptAnswer::Yes});
    if (answer == PromptAnswer::Cancel) return false;
    if (answer == PromptAnswer::No) return true;
    return DoFileSave();
}

} // namespace orvane
