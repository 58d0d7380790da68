// The trace parts of a printed page: a graph of the printed traces set up
// like the screen's, and the texts printed with each trace.
#pragma once

#include "core/trace/graph/trace_graph.h"
#include "widgets/printing/page_canvas.h"

#include <QString>

#include <memory>
#include <vector>

namespace orvane {
class CTraceDoc;
}

namespace orvane::printing {

struct PrintedTrace {
    graph::GraphEntry entry = nullptr;
    CTraceDoc* document = nullptr;
};

struct PlotSetup {
    // The screen's graph: its window (when useView), cursors, loss mode and
    // display options are copied.
    const graph::TraceGraph* view = nullptr;
    bool useView = false;
    bool flip = false; // a bi-directional pair: B drawn from the other end
};

// The first trace is the primary.
std::unique_ptr<graph::TraceGraph> MakePrintGraph(const std::vector<PrintedTrace>& traces,
                                                  const PlotSetup& setup);

// Lays the graph out for the plot area of outer and draws it.
void PlotInto(QPainter& painter, graph::TraceGraph& graph, const QRect& outer, const QFont& font,
              bool colour, const QString& caption);

// The caption of a plot: the trace names.
QString PlotCaption(const std::vector<PrintedTrace>& traces);

struct TraceTextParts {
    bool information = true;
    bool header = true;
    bool events = true;
};
void DrawTraceTexts(PageCanvas& canvas, const CTraceDoc& trace, bool overlay,
                    const TraceTextParts& parts);

// The cursor box of the graph's primary trace (nothing while the cursors
// are not set).
void DrawGraphCursorBox(PageCanvas& canvas, const graph::TraceGraph& graph,
                        const CTraceDoc& primary);

} // namespace orvane::printing
