// CTraceGraphView: the graph view of a trace list. It owns the current
// TraceGraph, lays out the graph window with its scroll and zoom bars, the
// cursor bar and the trace information bar, turns document hints and the
// graph's own notifications into graph calls and bar refreshes, and tells
// the frame the cursor readout for its status bar.
#pragma once

#include "core/platform/view.h"
#include "core/trace/graph/graph_hints.h"
#include "core/trace/graph/trace_graph.h"
#include "widgets/trace/graph/graph_palette.h"

#include <QWidget>

#include <functional>

class QScrollBar;

namespace orvane::graph {

class CursorBar;
class TraceGraphWidget;
class TraceInfoBar;

class CTraceGraphView : public QWidget, public View {
    Q_OBJECT
public:
    explicit CTraceGraphView(QWidget* parent = nullptr);
    ~CTraceGraphView() override;

    TraceGraph& Graph() { return m_graph; }
    TraceGraphWidget* GraphWindow() const { return m_window; }
    CursorBar* CursorBarWidget() const { return m_cursorBar; }
    TraceInfoBar* InfoBar() const { return m_infoBar; }

    // How the view finds the record of a list entry named by a hint.
    void SetEntryResolver(std::function<CT6*(const void* entry)> resolver);
    // Remembered / new index of refraction of an entry's trace, for the
    // rescale on HINT_IOR_CHANGED.
    void SetIorRatioResolver(std::function<double(const void* entry)> resolver) {
        m_iorRatio = std::move(resolver);
    }
    void SetPalette(const GraphPalette& palette);
    void SetOrlRelToOrigin(bool relToOrigin) { m_orlRelToOrigin = relToOrigin; }

    // A hint from a document (the trace list or a trace).
    void onUpdate(View* sender, const Hint& hint) override;
    // A hint with its traces and values already resolved (tests, the frame).
    void React(HintCode code, const GraphHintInput& input);

    // The launch-level box of the primary (no menu entry: a frame command).
    void ShowLaunchLevel();

signals:
    // The text for the status bar's cursor pane.
    void cursorReadoutChanged(const QString& text);
    // Mode, lock and display changes: the frame refreshes its toolbar.
    void modeChanged();
    // Event editing hints to pass on to the trace list for these documents.
    void forwardToList(HintCode code);
    // The graph changed (selection, cursors, curves): the event window refills.
    void graphChanged();

protected:
    void repaint() override;

private:
    void OnGraphHint(int hint);
    void Apply(const ViewRefresh& refresh);
    void RefreshScrollBars();
    void RefreshInfoBar();
    void RunOrl();
    void TakeDistanceUnit(GraphHintInput& input);
    void ConnectScrollBar(QScrollBar* bar, void (TraceGraph::*scroll)(ScrollAction, int));

    TraceGraph m_graph;
    TraceGraphWidget* m_window = nullptr;
    QScrollBar* m_hScroll = nullptr;
    QScrollBar* m_vScroll = nullptr;
    QScrollBar* m_distanceBar = nullptr;
    QScrollBar* m_levelBar = nullptr;
    CursorBar* m_cursorBar = nullptr;
    TraceInfoBar* m_infoBar = nullptr;
    std::function<CT6*(const void*)> m_resolve;
    std::function<double(const void*)> m_iorRatio;
    bool m_orlRelToOrigin = false;
    bool m_reacting = false;
};

} // namespace orvane::graph
