// The application object: start-up in its order, the document types, opening
// files, and the settings written at exit (also when a signal ends the run).
#pragma once

#include "core/platform/document_type.h"
#include "core/platform/headless_prompts.h"
#include "core/platform/settings_store.h"
#include "core/shell/document_types.h"
#include "widgets/platform/message_box_prompts.h"
#include "widgets/platform/qt_file_chooser.h"
#include "widgets/shell/language_files.h"
#include "widgets/shell/on_screen_keyboard.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace orvane {

class CMainFrame;
class CTraceListDoc;
class CTraceListFrame;
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
    // Opens a file by its document type: a trace into a new trace list, a
    // list file replacing the current list; false on failure (the document
    // told why).
    bool OpenDocumentFile(const QString& path);
    // Several files (a folder stands for its files): the traces together
    // into one new list, list files each.
    bool OpenFiles(const QStringList& paths);
    // The same for file-system names as they are, byte for byte (the
    // command line's), also where they are not UTF-8.
    bool OpenPaths(const std::vector<std::string>& paths);
    // Writes every setting; runs once, at exit.
    void ExitInstance();
    // SIGINT/SIGTERM end the run like Exit, without questions.
    void catchTerminationSignals();

    CMainFrame* mainFrame() const { return m_mainFrame.get(); }
    SettingsStore& settings() { return *m_settings; }
    DocumentTypes& documentTypes() { return m_types; }
    const LanguageFiles& languages() const { return m_languages; }

private:
    void registerDocumentTypes();
    CTraceListFrame* frameOf(const CTraceListDoc& list) const;

    std::unique_ptr<SettingsStore> m_settings;
    MessageBoxPrompts m_prompts;
    HeadlessPrompts m_headlessPrompts;
    QtFileChooser m_fileChooser;
    LanguageFiles m_languages;
    OnScreenKeyboard m_keyboard;
    std::unique_ptr<CMainFrame> m_mainFrame;
    DocumentTypes m_types;
    std::unique_ptr<SignalExit> m_signals;
    bool m_exited = false;
};

} // namespace orvane
