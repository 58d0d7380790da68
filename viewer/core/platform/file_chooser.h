// The file dialogs that core operations open (Save As, a header template to
// apply), behind one service like the prompts: the window layer shows Qt's
// dialogs, tests queue the choices.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

struct SaveFileRequest {
    std::string title;
    std::string initialName;
    std::vector<std::string> filters; // "Label (*.ext)"
    int initialFilter = 0;            // 0-based
};

struct SaveFileChoice {
    std::string path;
    int filter = 0; // 0-based position of the chosen file type
};

struct OpenFileRequest {
    std::string title;
    std::vector<std::string> filters;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Nothing when cancelled.
    virtual std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest& request) = 0;
    virtual std::optional<std::string> chooseOpenFile(const OpenFileRequest& request) = 0;
};

// The running program's chooser; without windows every dialog is cancelled.
FileChooser& fileChooser();
void setFileChooser(FileChooser* chooser);

// Tests: choices are queued; a dialog with none queued is cancelled.
class ScriptedFileChooser : public FileChooser {
public:
    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest& request) override;
    std::optional<std::string> chooseOpenFile(const OpenFileRequest& request) override;

    void queueSave(SaveFileChoice choice) { m_saves.push_back(std::move(choice)); }
    void queueOpen(std::string path) { m_opens.push_back(std::move(path)); }
    const std::vector<SaveFileRequest>& saveRequests() const { return m_saveRequests; }
    const std::vector<OpenFileRequest>& openRequests() const { return m_openRequests; }

private:
    std::deque<SaveFileChoice> m_saves;
    std::deque<std::string> m_opens;
    std::vector<SaveFileRequest> m_saveRequests;
    std::vector<OpenFileRequest> m_openRequests;
};

class ScopedFileChooser {
public:
    explicit ScopedFileChooser(FileChooser& chooser);
    ~ScopedFileChooser();
    ScopedFileChooser(const ScopedFileChooser&) = delete;
    ScopedFileChooser& operator=(const ScopedFileChooser&) = delete;

private:
    FileChooser* m_previous;
};

} // namespace orvane
