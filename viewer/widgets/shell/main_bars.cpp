#include "widgets/shell/main_bars.h"

#include "core/platform/settings_store.h"
#include "core/platform/text.h"
#include "core/shell/application_state.h"
#include "widgets/shell/lock_indicators.h"
#include "widgets/shell/main_frame.h"

#include <QAction>
#include <QDockWidget>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>

// The artwork lives in a static library: its resources are registered by hand.
static void initIcons() {
    Q_INIT_RESOURCE(orvane);
}

namespace orvane {

namespace {

// The settings of the five trace bars, in the order of TraceBar.
constexpr const char* kBarSettings[] = {"View Bar", "Mouse Bar", "Zoom Bar", "TraceList Bar",
                                        "Event Window"};
constexpr bool kBarDefaults[] = {true, true, true, true, false};
constexpr QPoint kEventWindowAt(20, 200);

// Status panes after the message: each sized for its sample text.
constexpr const char* kPaneSamples[] = {"TR", "99:99", "BAT"};
constexpr char kReadoutSample[] = "999.9999 km, -99.99 dB   ";

constexpr int kPanePadding = 8;

QLabel* addPane(QStatusBar* bar, const QString& sample, const QString& text = {}) {
    auto* pane = new QLabel(text, bar);
    pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(sample) + kPanePadding);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    bar->addPermanentWidget(pane);
    return pane;
}

} // namespace

MainBars::MainBars(QMainWindow& window, const QList<QAction*>& standardActions,
                   std::function<graph::TraceGraph*()> activeGraph)
    : QObject(&window), m_window(window), m_activeGraph(std::move(activeGraph)) {
    initIcons();
    using graph::DisplayMode;
    using graph::InteractionMode;
    using graph::TraceGraph;
    QToolBar* standard = addBar(tr("Standard"), "Standard");
    standard->addActions(standardActions);

    QToolBar* view = m_traceBars[kViewBar] = addBar(tr("View"), "View");
    addGraphAction(view, tr("Stack"), "stack", [](TraceGraph& g) {
        g.ToggleStack();
        application().preferences.stacked = g.IsStacked() ? 1 : 0; // written at exit
    });
    addGraphAction(view, tr("Align"), "align",
                   [](TraceGraph& g) { g.SetAlignTraces(!g.AlignTraces()); });
    addGraphAction(view, tr("Flip"), "flip",
                   [](TraceGraph& g) { g.SetFlipTraces(!g.FlipTraces()); });
    addGraphAction(view, tr("From A"), "from_a",
                   [](TraceGraph& g) { g.SetDisplayMode(DisplayMode::FromA); });
    addGraphAction(view, tr("From B"), "from_b",
                   [](TraceGraph& g) { g.SetDisplayMode(DisplayMode::FromB); });
    addGraphAction(view, tr("From Origin"), "from_origin",
                   [](TraceGraph& g) { g.SetDisplayMode(DisplayMode::FromOrigin); });

    QToolBar* cursor = m_traceBars[kCursorBar] = addBar(tr("Cursor"), "Cursor");
    addGraphAction(cursor, tr("A"), "cursor_a",
                   [](TraceGraph& g) { g.ToggleInteractionMode(InteractionMode::SetA); });
    addGraphAction(cursor, tr("B"), "cursor_b",
                   [](TraceGraph& g) { g.ToggleInteractionMode(InteractionMode::SetB); });
    addGraphAction(cursor, tr("Lock"), "lock", [](TraceGraph& g) { g.ToggleLock(); });
    addGraphAction(cursor, tr("Go to A"), "go_to_a", [](TraceGraph& g) { g.GoToA(); });
    addGraphAction(cursor, tr("Go to B"), "go_to_b", [](TraceGraph& g) { g.GoToB(); });

    QToolBar* zoom = m_traceBars[kZoomBar] = addBar(tr("Zoom"), "Zoom");
    addGraphAction(zoom, tr("Zoom"), "zoom",
                   [](TraceGraph& g) { g.ToggleInteractionMode(InteractionMode::ZoomWindow); });
    addGraphAction(zoom, tr("Zoom Event"), "zoom_event",
                   [](TraceGraph& g) { g.ToggleInteractionMode(InteractionMode::ZoomEvent); });
    addGraphAction(zoom, tr("Full"), "zoom_full", [](TraceGraph& g) { g.ZoomFull(); });
    addGraphAction(zoom, tr("Maximum"), "zoom_maximum", [](TraceGraph& g) { g.ZoomMaximum(); });
    addGraphAction(zoom, tr("Previous"), "zoom_previous", [](TraceGraph& g) { g.ZoomPrevious(); });

    m_traceBars[kTraceListBar] = addBar(tr("TraceList"), "TraceList");

    m_eventWindow = new QDockWidget(tr("Event"), &m_window);
    m_eventWindow->setObjectName("Event");
    m_eventWindow->setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    m_eventWindow->setWidget(new QLabel(tr("No event selected."), m_eventWindow));
    m_window.addDockWidget(Qt::BottomDockWidgetArea, m_eventWindow);
    m_eventWindow->setFloating(true);
    m_eventWindow->move(kEventWindowAt);

    QStatusBar* status = m_window.statusBar();
    for (const char* sample : kPaneSamples)
        addPane(status, sample);
    m_readout = addPane(status, kReadoutSample);
    for (int key = 0; key < kLockKeyCount; ++key)
        m_lockPanes[static_cast<size_t>(key)] = addPane(status, kLockPaneTexts[key]);
    new LockIndicators(m_lockPanes, this);
}

QToolBar* MainBars::addBar(const QString& title, const QString& name) {
    QToolBar* bar = m_window.addToolBar(title);
    bar->setObjectName(name);
    return bar;
}

void MainBars::addGraphAction(QToolBar* bar, const QString& text, const char* icon,
                              std::function<void(graph::TraceGraph&)> run) {
    QAction* action = bar->addAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)), text);
    connect(action, &QAction::triggered, this, [this, run] {
        if (graph::TraceGraph* g = m_activeGraph()) run(*g);
    });
}

QWidget* MainBars::traceBar(int bar) const {
    if (bar == kEventWindow) return m_eventWindow;
    return m_traceBars[static_cast<size_t>(bar)];
}

void MainBars::SetCursorReadout(const QString& text) {
    m_readout->setText(text);
    // The pane keeps its sampled width, and grows when a readout is longer
    // rather than cutting it off.
    const int needed = m_readout->fontMetrics().horizontalAdvance(text) + kPanePadding;
    if (needed > m_readout->width()) m_readout->setFixedWidth(needed);
}

void MainBars::restore(SettingsStore& store) {
    for (int bar = 0; bar < kTraceBarCount; ++bar) {
        const std::string fallback = kBarDefaults[bar] ? "On" : "Off";
        m_on[static_cast<size_t>(bar)] = !equalsIgnoringCase(
            trimmed(store.readText(kMainFrameSection, kBarSettings[bar], fallback)), "Off");
    }
    if (store.readInt(kToolbarsSummarySection, "Bars", kBarCount) == kOldBarCount)
        store.writeInt(kToolbarsSummarySection, "Bars", kBarCount);
    const std::string state = store.readText(kToolbarsSummarySection, "State", "");
    if (!state.empty())
        m_window.restoreState(QByteArray::fromBase64(QByteArray::fromStdString(state)));
    for (int bar = 0; bar < kTraceBarCount; ++bar)
        traceBar(bar)->hide();
    m_window.findChild<QToolBar*>("Standard")->show();
}

void MainBars::rememberVisibility() {
    for (int bar = 0; bar < kTraceBarCount; ++bar)
        m_on[static_cast<size_t>(bar)] = !traceBar(bar)->isHidden();
}

void MainBars::save(SettingsStore& store) {
    if (m_listActive) rememberVisibility();
    store.writeInt(kToolbarsSummarySection, "Bars", kBarCount);
    store.writeText(kToolbarsSummarySection, "State",
                    m_window.saveState().toBase64().toStdString());
    for (int bar = 0; bar < kTraceBarCount; ++bar)
        store.writeText(kMainFrameSection, kBarSettings[bar],
                        m_on[static_cast<size_t>(bar)] ? "On" : "Off");
}

void MainBars::OnFrameActivated(bool newIsList) {
    if (m_listActive && !newIsList) rememberVisibility();
    m_listActive = newIsList;
    for (int bar = 0; bar < kTraceBarCount; ++bar)
        traceBar(bar)->setVisible(newIsList && m_on[static_cast<size_t>(bar)]);
}

} // namespace orvane
