#include "widgets/shell/main_frame.h"

#include "core/platform/settings_store.h"
#include "core/platform/text.h"
#include "core/shell/application_state.h"
#include "core/trace/trace_doc.h"
#include "widgets/platform/file_dialogs.h"
#include "widgets/shell/preferences_dialog.h"
#include "widgets/trace/trace_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>

#include <cstdio>

namespace orvane {

namespace {

constexpr char kTraceFilter[] =
    "Trace Files (*.sor *.SOR *.trc *.TRC *.t6 *.T6 *.wfm *.WFM *.dat *.DAT)|*.sor;*.SOR;*.trc;"
    "*.TRC;*.t6;*.T6;*.wfm;*.WFM;*.dat;*.DAT|All Files (*.*)|*|";

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
    createMenus();
    statusBar();
}

void CMainFrame::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open..."), this, &CMainFrame::openFiles);
    open->setShortcut(QKeySequence::Open);
    QAction* save = file->addAction(tr("&Save"), this, [this] { saveActive(false); });
    save->setShortcut(QKeySequence::Save);
    file->addAction(tr("Save &As..."), this, [this] { saveActive(true); });
    file->addAction(tr("&Export Trace Text"), this, [this] {
        if (CTraceFrame* frame = activeTraceFrame(m_mdi)) frame->document()->ExportTraceText();
    });
    file->addSeparator();
    file->addAction(tr("P&references..."), this, [this] { EditPreferences(this); });
    file->addSeparator();
    QAction* exit = file->addAction(tr("E&xit"), this, &QWidget::close);
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

void CMainFrame::openFiles() {
    for (const QString& path : askOpenFiles(this, tr("Open"), kTraceFilter))
        if (m_open) m_open(path);
}

void CMainFrame::saveActive(bool saveAs) {
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
        if (auto* trace = qobject_cast<CTraceFrame*>(window)) trace->closeWithoutPrompt();
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
