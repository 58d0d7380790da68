// Draws a trace graph through a small paint-parameters value, so that the
// screen, an offscreen image and a printed page share one drawing: the plot
// (grid, curves, event marks, cursors, LSA segments) and its margins (tick
// labels, cursors outside the window, the status line).
#pragma once

#include "core/trace/graph/trace_graph.h"
#include "widgets/trace/graph/graph_palette.h"

#include <QFont>
#include <QMargins>
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

namespace orvane::graph {

struct GraphPaintParams {
    QRect plot;            // where the plot lies on the target
    GraphPalette colours;  // one palette for screen and paper
    int dpiY = 96;         // sets the dash length of cursor B
    QFont font;            // margin labels
    QString distanceLabel; // unit of the x axis
};

// Margins around the plot measured with the label font.
QMargins GraphMargins(const QFontMetrics& metrics);

// The plot, drawn into params.plot; a plot of another size than the graph's
// is scaled to it.
void PaintPlot(QPainter& painter, const TraceGraph& graph, const GraphPaintParams& params);

// The margins around params.plot; nothing while no trace is shown.
void PaintMargins(QPainter& painter, const TraceGraph& graph, const GraphPaintParams& params);

} // namespace orvane::graph
