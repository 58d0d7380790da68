#include "widgets/printing/trace_pages.h"

#include "core/platform/text.h"
#include "core/printing/analysis_results.h"
#include "core/printing/trace_texts.h"
#include "core/trace/trace_doc.h"
#include "widgets/printing/printed_blocks.h"
#include "widgets/trace/graph/graph_painter.h"

#include <QFontMetrics>
#include <QPainter>

namespace orvane::printing {

namespace {

double distanceUnitFactor() {
    char16_t label[kTextRoom] = {};
    double factor = 1;
    T6GetInfoCurDist(T6GetCurDistUnits(), label, factor);
    return factor;
}

void copyViewState(graph::TraceGraph& graph, const graph::TraceGraph& view, bool window) {
    if (view.IsStacked() != graph.IsStacked()) graph.ToggleStack();
    graph.SetAlignTraces(view.AlignTraces());
    graph.SetEventMarks(view.Marks());
    if (window && view.Window().IsSet()) graph.SetWindow(view.Window());
    graph.SetLossMode(view.LossMode());
    graph.SetLsa(view.LossMode(), view.Lsa(view.LossMode()));
    if (view.CursorA() != -1) graph.SetCursorA(view.CursorA());
    if (view.CursorB() != -1) graph.SetCursorB(view.CursorB());
}

} // namespace

std::unique_ptr<graph::TraceGraph> MakePrintGraph(const std::vector<PrintedTrace>& traces,
                                                  const PlotSetup& setup) {
    auto graph = std::make_unique<graph::TraceGraph>();
    graph->SetDistanceUnitFactor(distanceUnitFactor());
    for (const PrintedTrace& trace : traces)
        if (trace.document) graph->AddTrace(trace.entry, &trace.document->record());
    if (!traces.empty()) graph->SetPrimary(traces.front().entry);
    if (setup.flip) graph->SetFlipTraces(true);
    graph->ZoomFull();
    // A view never laid out on a screen (a headless run) has nothing to copy.
    if (setup.view && setup.view->Plot().width > 0)
        copyViewState(*graph, *setup.view, setup.useView);
    return graph;
}

void PlotInto(QPainter& painter, graph::TraceGraph& graph, const QRect& outer, const QFont& font,
              bool colour, const QString& caption) {
    QRect plot = outer.marginsRemoved(graph::GraphMargins(QFontMetrics(font)));
    if (!caption.isEmpty()) {
        QFont bold = font;
        bold.setBold(true);
        plot.setTop(plot.top() + QFontMetrics(bold).height() + kCaptionGap);
    }
    graph.SetPlotSize({std::max(plot.width(), 0), std::max(plot.height(), 0)});
    DrawPlot(painter, graph, outer, font, colour, caption);
}

QString PlotCaption(const std::vector<PrintedTrace>& traces) {
    QStringList names;
    for (const PrintedTrace& trace : traces)
        if (trace.document) names << QString::fromStdString(trace.document->DocumentName());
    return names.join(QStringLiteral(", "));
}

void DrawTraceTexts(PageCanvas& canvas, const CTraceDoc& trace, bool overlay,
                    const TraceTextParts& parts) {
    if (parts.information) {
        TextBlock information;
        for (std::string& line : TraceInformationLines(trace, overlay))
            information.line(std::move(line));
        DrawTextBlock(canvas, information);
    }
    if (parts.header) {
        const TextBlock header = HeaderPages(trace);
        if (!header.empty()) DrawTextBlock(canvas, header);
    }
    if (parts.events) {
        const TextBlock results = AnalysisResults(trace);
        if (!results.empty()) DrawTextBlock(canvas, results);
    }
}

void DrawGraphCursorBox(PageCanvas& canvas, const graph::TraceGraph& graph,
                        const CTraceDoc& primary) {
    if (!graph.CursorsSet()) return;
    CursorMeasurement m;
    m.cursorAKM = graph.CursorA();
    m.cursorBKM = graph.CursorB();
    m.lossMode = graph.LossMode();
    m.measurementText = graph.Readout().primaryText;
    m.reflectanceText = graph.Readout().reflectanceText;
    DrawCursorBox(canvas, CursorBox(primary, m));
}

} // namespace orvane::printing
