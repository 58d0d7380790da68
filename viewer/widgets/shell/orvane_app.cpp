#include "widgets/shell/orvane_app.h"

#include "core/platform/file_chooser.h"
#include "core/platform/prompt.h"
#include "core/shell/application_state.h"
#include "core/shell/preferences_store.h"
#include "core/trace/trace_doc.h"
#include "core/trace/trace_doc_type.h"
#include "widgets/platform/repaint_scheduler.h"
#include "widgets/platform/signal_exit.h"
#include "widgets/platform/wait_cursor.h"
#include "widgets/shell/main_frame.h"
#include "widgets/trace/trace_frame.h"

#include <QMdiArea>

namespace orvane {

COrvaneApp::COrvaneApp(std::unique_ptr<SettingsStore> settings)
    : m_settings(std::move(settings)), m_prompts("Orvane"), m_headlessPrompts("orvane") {}

COrvaneApp::~COrvaneApp() {
    // Windows go before the documents they show.
    m_mainFrame.reset();
    setPrompts(nullptr);
    setFileChooser(nullptr);
}

void COrvaneApp::InitInstance(const QString& programDirectory, bool interactive) {
    ApplicationState& app = application();
    app.programDirectory = programDirectory.toStdString();
    installRepaintScheduler();
    if (interactive) {
        setPrompts(&m_prompts);
        setFileChooser(&m_fileChooser);
    } else {
        setPrompts(&m_headlessPrompts);
    }

    app.preferences = LoadPreferences(*m_settings);
    if (app.preferences.batchSize > kMaxBatchSize) app.preferences.batchSize = kMaxBatchSize;
    ApplyPreferencesToLibrary(app.preferences);

    m_mainFrame = std::make_unique<CMainFrame>();
    m_prompts.setOwner(m_mainFrame.get());
    m_fileChooser.setOwner(m_mainFrame.get());
    registerDocumentTypes();
    m_mainFrame->restorePlacement(*m_settings);
    m_mainFrame->setOpenHandler([this](const QString& path) { OpenDocumentFile(path); });
    m_mainFrame->setExitHandler([this] { ExitInstance(); });
}

void COrvaneApp::registerDocumentTypes() {
    for (const char* strings :
         {kTraceDocStrings, kTekTraceDocStrings, kAnritsuTraceDocStrings, kBellTraceDocStrings}) {
        m_types.push_back(makeTraceDocType(strings));
        m_types.back()->setWindowFactory([this](Document& document) {
            auto* frame = new CTraceFrame(static_cast<CTraceDoc&>(document));
            m_mainFrame->mdiArea()->addSubWindow(frame);
            frame->show();
        });
    }
}

DocumentType* COrvaneApp::typeForPath(const std::string& path) const {
    for (const auto& type : m_types)
        if (type->matchesPath(path)) return type.get();
    // Any other file is a trace of the plain trace type: the library decides
    // its format by content.
    return m_types.front().get();
}

bool COrvaneApp::OpenDocumentFile(const QString& path) {
    WaitCursor wait;
    const std::string file = path.toStdString();
    return typeForPath(file)->openDocument(file) != nullptr;
}

void COrvaneApp::ExitInstance() {
    if (m_exited) return;
    m_exited = true;
    if (m_mainFrame) m_mainFrame->savePlacement(*m_settings);
    SavePreferences(*m_settings, application().preferences);
    m_settings->flush();
}

void COrvaneApp::catchTerminationSignals() {
    m_signals = std::make_unique<SignalExit>([this] {
        if (m_mainFrame) m_mainFrame->closeWithoutQuestions();
        ExitInstance();
        QCoreApplication::quit();
    });
}

} // namespace orvane
