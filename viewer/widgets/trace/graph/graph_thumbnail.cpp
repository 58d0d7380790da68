#include "widgets/trace/graph/graph_thumbnail.h"

#include "widgets/trace/graph/graph_painter.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvane::graph {

GraphThumbnail::GraphThumbnail(const TraceGraph& main, QWidget* parent)
    : QWidget(parent), m_main(main) {
    m_graph.SetEventMarks(EventMarks::None);
    setMinimumSize(80, 40);
}

void GraphThumbnail::SetPalette(const GraphPalette& palette) {
    m_palette = palette;
    Rebuild();
}

void GraphThumbnail::Rebuild() {
    m_graph = TraceGraph();
    m_graph.SetEventMarks(EventMarks::None);
    for (int slot = 0; slot < kMaxTraces; ++slot) {
        const TraceCurve* curve = m_main.CurveInSlot(slot);
        if (curve) m_graph.AddTrace(curve->Entry(), &curve->MeasuredRecord());
    }
    m_graph.SetPrimary(m_main.Primary());
    m_graph.SetPlotSize({width(), height()});
    m_graph.ZoomFull();
    m_image = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&m_image);
    GraphPaintParams params;
    params.plot = rect();
    params.colours = m_palette;
    PaintPlot(painter, m_graph, params);
    update();
}

void GraphThumbnail::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
    if (m_graph.CurveCount() == 0) return;
    PlotMapping map = m_graph.Mapping();
    const ViewWindow& w = m_main.Window();
    QRect frame(QPoint(map.ColumnOfKM(w.x0), map.RowOfValue(w.y0)),
                QPoint(map.ColumnOfKM(w.x0 + w.width), map.RowOfValue(w.y0 + w.height)));
    painter.setPen(m_palette.cursor);
    painter.drawRect(frame.intersected(rect().adjusted(0, 0, -1, -1)));
}

void GraphThumbnail::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Rebuild();
}

void GraphThumbnail::mousePressEvent(QMouseEvent* event) {
    if (m_graph.CurveCount() == 0) return;
    emit centreRequested(m_graph.Mapping().KMOfColumn(event->position().x()));
}

} // namespace orvane::graph
