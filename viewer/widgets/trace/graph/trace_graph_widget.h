// The graph window: paints the current TraceGraph double-buffered (the plot
// into an offscreen image, then one copy) with its margins, and turns mouse,
// wheel and keyboard input into calls on the graph.
#pragma once

#include "core/trace/graph/trace_graph.h"
#include "widgets/trace/graph/graph_painter.h"

#include <QImage>
#include <QWidget>

namespace orvane::graph {

class TraceGraphWidget : public QWidget {
    Q_OBJECT
public:
    TraceGraphWidget(TraceGraph& graph, QWidget* parent = nullptr);

    void SetPalette(const GraphPalette& palette);
    void SetDistanceLabel(const QString& label);
    QRect PlotRect() const;
    // Renders the whole window (margins and plot) into an image of its size.
    QImage Render();

signals:
    // A double-click on an event mark: edit that event of that trace.
    void editEventRequested(GraphEntry entry, int eventIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    GraphPaintParams Params() const;
    void PaintAll(QPainter& painter);
    void ApplyEffect(const InputEffect& effect);
    void ApplyPointer();
    void SyncPlotSize();
    QPoint ToPlot(const QPointF& position) const;

    TraceGraph& m_graph;
    GraphPalette m_palette;
    QString m_distanceLabel;
    QImage m_buffer; // the plot, drawn offscreen then copied in one block
};

} // namespace orvane::graph
