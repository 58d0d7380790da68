#include "core/platform/file_chooser.h"

namespace orvane {

namespace {

class CancellingChooser : public FileChooser {
public:
    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest&) override { return {}; }
    std::optional<std::string> chooseOpenFile(const OpenFileRequest&) override { return {}; }
};

FileChooser& fallback() {
    static CancellingChooser cancelling;
    return cancelling;
}

FileChooser*& current() {
    static FileChooser* chooser = &fallback();
    return chooser;
}

} // namespace

FileChooser& fileChooser() {
    return *current();
}

void setFileChooser(FileChooser* chooser) {
    current() = chooser ? chooser : &fallback();
}

std::optional<SaveFileChoice> ScriptedFileChooser::chooseSaveFile(const SaveFileRequest& request) {
    m_saveRequests.push_back(request);
    if (m_saves.empty()) return std::nullopt;
    SaveFileChoice choice = m_saves.front();
    m_saves.pop_front();
    return choice;
}

std::optional<std::string> ScriptedFileChooser::chooseOpenFile(const OpenFileRequest& request) {
    m_openRequests.push_back(request);
    if (m_opens.empty()) return std::nullopt;
    std::string path = m_opens.front();
    m_opens.pop_front();
    return path;
}

ScopedFileChooser::ScopedFileChooser(FileChooser& chooser) : m_previous(&fileChooser()) {
    setFileChooser(&chooser);
}

ScopedFileChooser::~ScopedFileChooser() {
    setFileChooser(m_previous);
}

} // namespace orvane
