// The main window's bars: the Standard, View, Cursor, Zoom and TraceList
// toolbars, the Event window dock and the status line with its panes. The
// five trace bars show only while a trace list window is active, each as
// its setting says; their layout is kept as "Toolbars".
#pragma once

#include "core/trace/graph/trace_graph.h"

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QDockWidget;
class QLabel;
class QMainWindow;
class QToolBar;

namespace orvane {

class SettingsStore;

inline constexpr char kToolbarsSummarySection[] = "Toolbars-Summary";
// The bar count recorded with the layout; an older layout recorded 13.
inline constexpr int kBarCount = 9;
inline constexpr int kOldBarCount = 13;

class MainBars : public QObject {
    Q_OBJECT
public:
    // activeGraph: the graph of the active trace list window, or null.
    MainBars(QMainWindow& window, const QList<QAction*>& standardActions,
             std::function<graph::TraceGraph*()> activeGraph);

    QToolBar* traceListBar() const { return m_traceBars[kTraceListBar]; }
    QDockWidget* eventWindow() const { return m_eventWindow; }
    QLabel* cursorReadout() const { return m_readout; }
    // Caps, Num and Scroll Lock.
    const std::array<QLabel*, 3>& lockPanes() const { return m_lockPanes; }

    void SetCursorReadout(const QString& text);

    // The bar settings of "Main Frame" and the saved layout; then the trace
    // bars wait hidden for a trace list window.
    void restore(SettingsStore& store);
    // The layout and the five bar settings.
    void save(SettingsStore& store);
    // The active window changed; the bars follow whether it is a trace list.
    void OnFrameActivated(bool newIsList);

private:
    enum TraceBar { kViewBar, kCursorBar, kZoomBar, kTraceListBar, kEventWindow, kTraceBarCount };

    QToolBar* addBar(const QString& title, const QString& name);
    // icon: the name of the bar's artwork (":/icons/NAME.svg").
    void addGraphAction(QToolBar* bar, const QString& text, const char* icon,
                        std::function<void(graph::TraceGraph&)> run);
    QWidget* traceBar(int bar) const;
    void rememberVisibility();

    QMainWindow& m_window;
    std::function<graph::TraceGraph*()> m_activeGraph;
    std::array<QToolBar*, kTraceListBar + 1> m_traceBars{};
    QDockWidget* m_eventWindow = nullptr;
    QLabel* m_readout = nullptr;
    std::array<QLabel*, 3> m_lockPanes{};
    std::array<bool, kTraceBarCount> m_on{true, true, true, true, false};
    bool m_listActive = false;
};

} // namespace orvane
