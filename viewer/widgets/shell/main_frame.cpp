#include "widgets/shell/main_frame.h"

#include "core/platform/settings_store.h"
#include "core/platform/text.h"
#include "core/shell/application_state.h"
#include "core/trace/trace_doc.h"
#include "core/tracelist/trace_list_doc.h"
#include "widgets/bidir/bidir_menu.h"
#include "widgets/headered/header_menu.h"
#include "widgets/platform/file_dialogs.h"
#include "widgets/printing/print_commands.h"
#include "widgets/shell/main_bars.h"
#include "widgets/shell/preferences_dialog.h"
#include "widgets/shell/recent_files_menu.h"
#include "widgets/trace/events/event_window.h"
#include "widgets/trace/graph/trace_graph_view.h"
#include "widgets/trace/trace_frame.h"
#include "widgets/tracelist/trace_list_frame.h"
#include "widgets/tracelist/trace_list_menu.h"
#include "widgets/tracelist/trace_list_view.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QToolBar>
#include <QUrl>

#include <cstdio>

namespace orvane {

namespace {

constexpr char kTraceFilter[] =
    "Trace Files (*.sor *.SOR *.trc *.TRC *.t6 *.T6 *.wfm *.WFM *.dat *.DAT)|*.sor;*.SOR;*.trc;"
    "*.TRC;*.t6;*.T6;*.wfm;*.WFM;*.dat;*.DAT|Trace Lists (*.trl)|*.trl;*.TRL|"
    "Header Templates (*.hdr)|*.hdr;*.HDR|All Files (*.*)|*|";

CTraceFrame* activeTraceFrame(QMdiArea* mdi) {
    return qobject_cast<CTraceFrame*>(mdi->activeSubWindow());
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), m_mdi(new QMdiArea(this)) {
    setWindowTitle("Orvane");
    setCentralWidget(m_mdi);
    m_mdi->setViewMode(QMdiArea::SubWindowView);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        const QString name = window ? window->windowTitle().remove("[*]") : QString();
        setWindowTitle(name.isEmpty() ? QStringLiteral("Orvane") : "Orvane - " + name);
    });
    setAcceptDrops(true);
    createMenus();
    statusBar();
    m_bars = new MainBars(*this, m_standardActions, [this]() -> graph::TraceGraph* {
        CTraceListFrame* frame = activeListFrame();
        return frame ? &frame->graphView()->Graph() : nullptr;
    });
    m_eventWindow = new EventWindow(m_bars->eventWindow());
    m_bars->eventWindow()->setWidget(m_eventWindow);
    QMenu* event = menuBar()->addMenu(tr("&Event"));
    event->addAction(tr("&Edit..."), m_eventWindow, &EventWindow::Edit);
    event->addAction(tr("&Insert..."), m_eventWindow, &EventWindow::Insert);
    event->addAction(tr("&Delete"), m_eventWindow, &EventWindow::Delete);
    QMenu* trace = menuBar()->addMenu(tr("&Trace"));
    m_traceMenu =
        new TraceListMenu(trace, m_bars->traceListBar(), [this] { return activeListFrame(); });
    connect(trace, &QMenu::aboutToShow, m_traceMenu, &TraceListMenu::refresh);
    createViewMenu();
    AddSpliceLossWizardCommands(menuBar(), [this] { return activeListFrame(); });
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::frameActivated);
}

// The document windows go with the area after this object's own part:
// their activation must not reach it any more.
CMainFrame::~CMainFrame() {
    disconnect(m_mdi, nullptr, this, nullptr);
}

CTraceListFrame* CMainFrame::activeListFrame() const {
    return qobject_cast<CTraceListFrame*>(m_mdi->activeSubWindow());
}

void CMainFrame::addListFrame(CTraceListFrame* frame) {
    m_mdi->addSubWindow(frame);
    connect(frame, &CTraceListFrame::commandStateChanged, m_traceMenu, &TraceListMenu::refresh);
    connect(frame->graphView(), &graph::CTraceGraphView::cursorReadoutChanged, this,
            &CMainFrame::SetCursorReadout);
    frame->showMaximized();
}

void CMainFrame::SetCursorReadout(const QString& text) {
    m_bars->SetCursorReadout(text);
}

void CMainFrame::frameActivated() {
    m_bars->OnFrameActivated(activeListFrame() != nullptr);
    m_eventWindow->SetFrame(activeListFrame());
    m_traceMenu->refresh();
}

void CMainFrame::createViewMenu() {
    QMenu* view = menuBar()->addMenu(tr("&View"));
    for (QToolBar* bar : findChildren<QToolBar*>())
        view->addAction(bar->toggleViewAction());
    view->addAction(m_bars->eventWindow()->toggleViewAction());
    view->addSeparator();
    view->addAction(tr("Display On-Screen &Keyboard"), this, [this] {
        if (m_keyboard) m_keyboard();
    });
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    if (m_openMany) m_openMany(paths);
    event->acceptProposedAction();
}

void CMainFrame::createMenus() {
    QMenu* file = m_fileMenu = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open..."), this, &CMainFrame::openFiles);
    open->setShortcut(QKeySequence::Open);
    QAction* save = file->addAction(tr("&Save"), this, [this] { saveActive(false); });
    save->setShortcut(QKeySequence::Save);
    m_standardActions = {open, save};
    file->addAction(tr("Save &As..."), this, [this] { saveActive(true); });
    file->addAction(tr("&Export Trace Text"), this, [this] {
        if (CTraceFrame* frame = activeTraceFrame(m_mdi)) frame->document()->ExportTraceText();
    });
    AddExportReportCommand(file, [this] { return activeListFrame(); });
    printing::AddPrintCommands(file, this);
    file->addSeparator();
    file->addAction(tr("P&references..."), this, [this] { EditPreferences(this); });
    file->addSeparator();
    QAction* exit = m_exitAction = file->addAction(tr("E&xit"), this, &QWidget::close);
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    exit->setShortcutContext(Qt::ApplicationShortcut);

    QMenu* header = menuBar()->addMenu(tr("&Header"));
    header->addAction(tr("&Standard"), this, [this] {
        if (CTraceFrame* frame = activeTraceFrame(m_mdi)) frame->document()->ApplyStandardHeader();
    });
    header->addAction(tr("&Custom..."), this, [this] {
        if (CTraceFrame* frame = activeTraceFrame(m_mdi)) frame->document()->ApplyCustomHeader();
    });
}

void CMainFrame::setRecentFileHandler(std::function<void(size_t)> handler) {
    AddRecentFileCommands(m_fileMenu, m_exitAction, application().recentFiles, std::move(handler));
}

void CMainFrame::openFiles() {
    const QStringList paths = askOpenFiles(this, tr("Open"), kTraceFilter);
    if (m_openMany) {
        if (!paths.isEmpty()) m_openMany(paths);
        return;
    }
    for (const QString& path : paths)
        if (m_open) m_open(path);
}

void CMainFrame::saveActive(bool saveAs) {
    if (SaveHeaderTemplate(m_mdi->activeSubWindow(), saveAs)) return;
    if (CTraceListFrame* list = activeListFrame(); list && !application().busy) {
        if (saveAs)
            list->list()->DoSaveAs();
        else
            list->list()->DoFileSave();
        return;
    }
    CTraceFrame* frame = activeTraceFrame(m_mdi);
    if (!frame || application().busy) return;
    CTraceDoc* document = frame->document();
    if (!saveAs) {
        document->Save();
        return;
    }
    static int32_t position = 1;
    std::string directory;
    document->SaveCopyAs(position, directory);
}

void CMainFrame::restorePlacement(const SettingsStore& store) {
    m_maximized =
        !equalsIgnoringCase(trimmed(store.readText(kMainFrameSection, "Maximized", "Yes")), "No");
    int left = 0, top = 0, right = 0, bottom = 0;
    const std::string position = store.readText(kMainFrameSection, "Position", "");
    if (std::sscanf(position.c_str(), "%i,%i,%i,%i", &left, &top, &right, &bottom) != 4) return;
    if (left >= right || top >= bottom) return;
    QRect rect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        rect = rect.intersected(screen->availableGeometry());
    if (!rect.isEmpty()) setGeometry(rect);
}

void CMainFrame::savePlacement(SettingsStore& store) const {
    store.writeText(kMainFrameSection, "Maximized", isMaximized() ? "Yes" : "No");
    const QRect r = normalGeometry().isValid() ? normalGeometry() : geometry();
    char position[64];
    std::snprintf(position, sizeof position, "%i,%i,%i,%i", r.left(), r.top(), r.right() + 1,
                  r.bottom() + 1);
    store.writeText(kMainFrameSection, "Position", position);
}

void CMainFrame::closeWithoutQuestions() {
    m_questions = false;
    for (QMdiSubWindow* window : m_mdi->subWindowList())
        if (auto* trace = qobject_cast<CTraceFrame*>(window))
            trace->closeWithoutPrompt();
        else if (auto* list = qobject_cast<CTraceListFrame*>(window))
            list->closeWithoutQuestions();
    close();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_questions) {
        // Each document asks to be saved; the first refusal keeps everything open.
        for (QMdiSubWindow* window : m_mdi->subWindowList()) {
            if (!window->close()) {
                event->ignore();
                return;
            }
        }
    }
    if (m_exit) m_exit();
    event->accept();
}

} // namespace orvane
