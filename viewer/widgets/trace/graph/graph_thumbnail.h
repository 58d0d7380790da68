// A small graph of every displayed trace at full extent, drawn once into an
// offscreen image; a frame shows where the main graph's window lies, and a
// click centres the main graph there.
#pragma once

#include "core/trace/graph/trace_graph.h"
#include "widgets/trace/graph/graph_palette.h"

#include <QImage>
#include <QWidget>

namespace orvane::graph {

class GraphThumbnail : public QWidget {
    Q_OBJECT
public:
    GraphThumbnail(const TraceGraph& main, QWidget* parent = nullptr);

    // Takes the main graph's traces again and redraws the image.
    void Rebuild();
    void SetPalette(const GraphPalette& palette);
    QSize sizeHint() const override { return {160, 80}; }

signals:
    void centreRequested(double km);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const TraceGraph& m_main;
    TraceGraph m_graph;
    GraphPalette m_palette;
    QImage m_image;
};

} // namespace orvane::graph
