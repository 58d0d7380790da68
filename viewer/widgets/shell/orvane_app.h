// The application object: start-up in its order, the document types, opening
// files, and the settings written at exit (also when a signal ends the run).
#pragma once

#include "core/platform/document_type.h"
#include "core/platform/headless_prompts.h"
#include "core/platform/settings_store.h"
#include "widgets/platform/message_box_prompts.h"
#include "widgets/platform/qt_file_chooser.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace orvane {

class CMainFrame;
class SignalExit;

class COrvaneApp {
public:
    explicit COrvaneApp(std::unique_ptr<SettingsStore> settings);
    ~COrvaneApp();
    COrvaneApp(const COrvaneApp&) = delete;
    COrvaneApp& operator=(const COrvaneApp&) = delete;

    // Reads the preferences, registers the document types and creates the
    // main window (not yet shown). Without interaction (a screenshot run)
    // messages go to stderr and questions take their default answer.
    void InitInstance(const QString& programDirectory, bool interactive = true);
    // Opens a file into a window of its document type; false on failure
    // (the document told why).
    bool OpenDocumentFile(const QString& path);
    // Writes every setting; runs once, at exit.
    void ExitInstance();
    // SIGINT/SIGTERM end the run like Exit, without questions.
    void catchTerminationSignals();

    CMainFrame* mainFrame() const { return m_mainFrame.get(); }
    SettingsStore& settings() { return *m_settings; }
    const std::vector<std::unique_ptr<DocumentType>>& documentTypes() const { return m_types; }

private:
    DocumentType* typeForPath(const std::string& path) const;
    void registerDocumentTypes();

    std::unique_ptr<SettingsStore> m_settings;
    MessageBoxPrompts m_prompts;
    HeadlessPrompts m_headlessPrompts;
    QtFileChooser m_fileChooser;
    std::vector<std::unique_ptr<DocumentType>> m_types;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<SignalExit> m_signals;
    bool m_exited = false;
};

} // namespace orvane
