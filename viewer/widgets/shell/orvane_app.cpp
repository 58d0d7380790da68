#include "widgets/shell/orvane_app.h"

#include "core/bidir/stored_report_settings.h"
#include "core/platform/file_chooser.h"
#include "core/platform/prompt.h"
#include "core/printing/print_state.h"
#include "core/shell/application_state.h"
#include "core/shell/display_strings.h"
#include "core/shell/instrument.h"
#include "core/shell/preferences_store.h"
#include "core/trace/trace_doc.h"
#include "core/trace/trace_doc_type.h"
#include "core/tracelist/trace_list_doc.h"
#include "widgets/headered/header_menu.h"
#include "widgets/platform/repaint_scheduler.h"
#include "widgets/platform/signal_exit.h"
#include "widgets/platform/wait_cursor.h"
#include "widgets/shell/main_bars.h"
#include "widgets/shell/main_frame.h"
#include "widgets/trace/properties/trace_properties_view.h"
#include "widgets/trace/trace_frame.h"
#include "widgets/tracelist/trace_list_frame.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>
#include <filesystem>

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
    bidir::LoadStoredReportSettings(*m_settings);
    printing::LoadPrintSettings(*m_settings);
    m_languages.load(programDirectory, app.preferences);
    PushDisplayStrings([](const char* english) {
        return QCoreApplication::translate("DisplayStrings", english).toStdString();
    });
    app.onInstrument = detectInstrument(app.programDirectory);
    app.recentFiles.Load(*m_settings);
    if (app.preferences.batchSize > kMaxBatchSize) app.preferences.batchSize = kMaxBatchSize;
    ApplyPreferencesToLibrary(app.preferences);

    m_mainFrame = std::make_unique<CMainFrame>();
    m_prompts.setOwner(m_mainFrame.get());
    m_fileChooser.setOwner(m_mainFrame.get());
    registerDocumentTypes();
    m_mainFrame->restorePlacement(*m_settings);
    m_mainFrame->bars()->restore(*m_settings);
    m_mainFrame->setOpenHandler([this](const QString& path) { OpenDocumentFile(path); });
    m_mainFrame->setOpenFilesHandler([this](const QStringList& paths) { OpenFiles(paths); });
    m_mainFrame->setRecentFileHandler([this](size_t index) {
        WaitCursor wait;
        OpenRecentFile(m_types, application().recentFiles, index);
    });
    m_mainFrame->setKeyboardHandler([this] { m_keyboard.show(); });
    m_mainFrame->setExitHandler([this] {
        m_keyboard.close();
        ExitInstance();
    });
}

CTraceListFrame* COrvaneApp::frameOf(const CTraceListDoc& list) const {
    for (QMdiSubWindow* window : m_mainFrame->mdiArea()->subWindowList())
        if (auto* frame = qobject_cast<CTraceListFrame*>(window); frame && frame->list() == &list)
            return frame;
    return nullptr;
}

// Trace lists get their windows; a list's trace windows (Trace / Properties)
// let go of their entry when they close.
void COrvaneApp::registerDocumentTypes() {
    m_types.type(DocKind::TraceList).setWindowFactory([this](Document& document) {
        auto& list = static_cast<CTraceListDoc&>(document);
        list.SetTraceWindowOpener(
            [this](CTraceListDoc& owner, CTraceListEntry& entry, CTraceDoc& trace) {
                auto* frame = new CTraceFrame(trace);
                frame->setRelease([&owner, &entry] { return owner.ReleaseTrace(&entry); });
                frame->infoView()->SetNotifier(
                    [&owner, &entry](HintCode code) { owner.Notify(code, TraceEntries{&entry}); });
                frame->infoView()->SetAnalyzer(
                    [&owner, &entry] { owner.AnalyzeTraces(TraceEntries{&entry}); });
                m_mainFrame->mdiArea()->addSubWindow(frame);
                frame->show();
            });
        m_mainFrame->addListFrame(new CTraceListFrame(list));
    });
    InstallHeaderTemplateEditor(m_types.type(DocKind::HeaderTemplate), *m_mainFrame);
    m_types.setListShower([this](CTraceListDoc& list) {
        CTraceListFrame* frame = frameOf(list);
        if (!frame) return;
        frame->selectAll();
        frame->run([](TraceListCommands& commands) { commands.Display(); });
    });
    m_types.setListCloser([this](CTraceListDoc& list) {
        if (CTraceListFrame* frame = frameOf(list)) frame->closeWithoutQuestions();
    });
}

bool COrvaneApp::OpenDocumentFile(const QString& path) {
    WaitCursor wait;
    return m_types.OpenDocumentFile(QFileInfo(path).absoluteFilePath().toStdString());
}

bool COrvaneApp::OpenFiles(const QStringList& paths) {
    std::vector<std::string> names;
    for (const QString& path : paths)
        names.push_back(QFile::encodeName(path).toStdString());
    return OpenPaths(names);
}

namespace {

// A folder stands for the files in it, in name order.
std::vector<std::string> expandFolders(const std::vector<std::string>& paths) {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    for (const std::string& path : paths) {
        std::error_code error;
        if (!fs::is_directory(path, error)) {
            files.push_back(fs::absolute(path, error).lexically_normal().string());
            continue;
        }
        std::vector<std::string> inFolder;
        for (const fs::directory_entry& entry : fs::directory_iterator(path, error))
            if (entry.is_regular_file(error))
                inFolder.push_back(fs::absolute(entry.path(), error).lexically_normal().string());
        std::sort(inFolder.begin(), inFolder.end());
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    return files;
}

} // namespace

bool COrvaneApp::OpenPaths(const std::vector<std::string>& paths) {
    WaitCursor wait;
    std::vector<std::string> traces;
    bool opened = true;
    for (const std::string& file : expandFolders(paths)) {
        if (DocumentTypes::isTraceKind(m_types.kindForPath(file)))
            traces.push_back(file);
        else
            opened = m_types.OpenDocumentFile(file) && opened;
    }
    if (!traces.empty()) opened = m_types.OpenTraceFiles(traces) && opened;
    return opened;
}

void COrvaneApp::ExitInstance() {
    if (m_exited) return;
    m_exited = true;
    if (m_mainFrame) {
        m_mainFrame->savePlacement(*m_settings);
        m_mainFrame->bars()->save(*m_settings);
    }
    SavePreferences(*m_settings, application().preferences);
    bidir::SaveStoredReportSettings(*m_settings);
    application().recentFiles.Save(*m_settings);
    printing::SavePrintSettings(*m_settings);
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
