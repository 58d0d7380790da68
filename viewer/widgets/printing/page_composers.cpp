#include "widgets/printing/page_composers.h"

#include "core/bidir/bidir_report.h"
#include "core/bidir/splice_summary_report.h"
#include "core/printing/trace_texts.h"
#include "core/trace/trace_doc.h"
#include "widgets/printing/print_job.h"
#include "widgets/printing/printed_blocks.h"
#include "widgets/printing/trace_pages.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace orvane::printing {

namespace {

constexpr double kPortraitPlotShare = 0.42;
constexpr double kLandscapePlotShare = 0.60;
constexpr double kNarrowPlotShare = 0.75; // of the width, unless expanded to the right edge
constexpr int kFrameGap = 18;
constexpr double kFrameTextShare = 0.42; // of a frame cell, under its plot

int plotHeight(const PageCanvas& canvas, bool landscape, bool half) {
    if (half) return canvas.body().height() / 2 - kBlockGap;
    const double share = landscape ? kLandscapePlotShare : kPortraitPlotShare;
    return static_cast<int>(canvas.body().height() * share);
}

bool colour(const Composition& c) {
    return c.request.report.waveformInColor;
}

// The traces first..last of the print list, opened (the list lets them go
// when the print ends, or at release).
std::vector<PrintedTrace> openTraces(const Composition& c, std::size_t first, std::size_t last) {
    std::vector<PrintedTrace> traces;
    for (std::size_t i = first; i < last; ++i)
        if (CTraceDoc* document = c.traces.document(i))
            traces.push_back({c.traces.entries()[i], document});
    return traces;
}

void releaseTraces(const Composition& c, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i)
        c.traces.release(i);
}

// A plot placed at the canvas's position, as wide as asked.
void placePlot(const Composition& c, const std::vector<PrintedTrace>& traces,
               const PlotSetup& setup, int width, int height, const QString& caption) {
    PageCanvas& canvas = c.canvas;
    canvas.ensureRoom(height);
    std::unique_ptr<graph::TraceGraph> graph = MakePrintGraph(traces, setup);
    const QRect outer(canvas.body().left(), canvas.y(), width, height);
    PlotInto(canvas.painter(), *graph, outer, canvas.fonts().variable, colour(c), caption);
    canvas.advance(height + kBlockGap);
    if (setup.useView && !traces.empty())
        DrawGraphCursorBox(canvas, *graph, *traces.front().document);
}

} // namespace

void ComposeCurrentView(const Composition& c) {
    const ViewPrintLayout& layout = c.request.layout.view;
    const std::size_t count =
        layout.primaryOnly ? std::min<std::size_t>(1, c.traces.size()) : c.traces.size();
    const std::vector<PrintedTrace> traces = openTraces(c, 0, count);
    if (traces.empty()) return;
    if (layout.plotTrace) {
        const int width = layout.expandPlot
                              ? c.canvas.body().width()
                              : static_cast<int>(c.canvas.body().width() * kNarrowPlotShare);
        placePlot(c, traces, {c.request.currentView, c.request.currentView != nullptr, false},
                  width, plotHeight(c.canvas, layout.landscape, false), PlotCaption(traces));
    }
    const TraceTextParts parts{layout.traceInfo, layout.headerInfo, layout.fasEvents};
    for (std::size_t i = 0; i < traces.size(); ++i)
        DrawTraceTexts(c.canvas, *traces[i].document, i > 0, parts);
}

void ComposeBatch(const Composition& c) {
    const BatchPrintLayout& layout = c.request.layout.batch;
    const std::size_t perPlot = static_cast<std::size_t>(layout.tracesPerPlot);
    const TraceTextParts parts{layout.traceInfo, layout.headerInfo, layout.fasEvents};
    const PlotSetup setup{c.request.currentView, layout.useCurrentView, false};
    for (std::size_t first = 0; first < c.traces.size(); first += perPlot) {
        const std::size_t last = std::min(first + perPlot, c.traces.size());
        // Every group starts a page; with Dual Plot two groups share one.
        const int height = plotHeight(c.canvas, layout.landscape, layout.dualPlot);
        if (first > 0 && (!layout.dualPlot || c.canvas.remaining() < height)) c.canvas.newPage();
        const std::vector<PrintedTrace> traces = openTraces(c, first, last);
        if (layout.plotTrace && !traces.empty())
            placePlot(c, traces, setup, c.canvas.body().width(), height, PlotCaption(traces));
        for (std::size_t i = 0; i < traces.size(); ++i)
            DrawTraceTexts(c.canvas, *traces[i].document, i > 0, parts);
        releaseTraces(c, first, last);
    }
}

void ComposeFrame(const Composition& c) {
    const FramePrintLayout& layout = c.request.layout.frame;
    const std::size_t perPlot = static_cast<std::size_t>(layout.tracesPerPlot);
    const int cellsPerPage = layout.rows * layout.columns;
    PageCanvas& canvas = c.canvas;
    const QRect body = canvas.body();
    const int cellWidth = (body.width() - kFrameGap * (layout.columns - 1)) / layout.columns;
    const int cellHeight = (body.height() - kFrameGap * (layout.rows - 1)) / layout.rows;
    const PlotSetup setup{c.request.currentView, layout.currentView, false};
    int cell = 0;
    for (std::size_t first = 0; first < c.traces.size(); first += perPlot, ++cell) {
        if (cell == cellsPerPage) {
            canvas.newPage();
            cell = 0;
        }
        const std::size_t last = std::min(first + perPlot, c.traces.size());
        const std::vector<PrintedTrace> traces = openTraces(c, first, last);
        if (traces.empty()) continue;
        const QRect rect(body.left() + (cell % layout.columns) * (cellWidth + kFrameGap),
                         body.top() + (cell / layout.columns) * (cellHeight + kFrameGap), cellWidth,
                         cellHeight);
        QRect plot = rect;
        if (layout.traceInfo)
            plot.setHeight(static_cast<int>(rect.height() * (1 - kFrameTextShare)));
        std::unique_ptr<graph::TraceGraph> graph = MakePrintGraph(traces, setup);
        const QFont& font =
            layout.rows * layout.columns > 4 ? canvas.fonts().small : canvas.fonts().variable;
        PlotInto(canvas.painter(), *graph, plot, font, colour(c), PlotCaption(traces));
        if (layout.traceInfo) {
            const QRect text(rect.left(), plot.bottom() + kBlockGap, rect.width(),
                             rect.bottom() - plot.bottom() - kBlockGap);
            DrawLinesIn(canvas.painter(), text,
                        TraceInformationLines(*traces.front().document, false),
                        canvas.fonts().fixed);
        }
        releaseTraces(c, first, last);
    }
}

void ComposeBiDirectional(const Composition& c, const std::vector<TracePair>& pairs) {
    const BiDirPrintLayout& layout = c.request.layout.bidir;
    const PlotSetup setup{c.request.currentView, layout.useCurrentView, true};
    const TraceTextParts parts{layout.traceInfo, layout.headerInfo, false};
    const bidir::BiDirSettings settings = bidir::BiDirSettingsOf(c.request.report.common);
    for (std::size_t p = 0; p < pairs.size(); ++p) {
        if (p > 0) c.canvas.newPage();
        const TracePair& pair = pairs[p];
        std::vector<PrintedTrace> traces = openTraces(c, pair.a, pair.a + 1);
        const std::vector<PrintedTrace> back = openTraces(c, pair.b, pair.b + 1);
        traces.insert(traces.end(), back.begin(), back.end());
        if (traces.size() == 2) {
            char caption[64];
            std::snprintf(caption, sizeof caption, "Fiber %03d: ", pair.fiber);
            if (layout.plotTrace)
                placePlot(c, traces, setup, c.canvas.body().width(),
                          plotHeight(c.canvas, layout.landscape, false),
                          caption + PlotCaption(traces));
            if (layout.biDirEvents) {
                const CT6& a = traces[0].document->record();
                const CT6& b = traces[1].document->record();
                bidir::Report table{bidir::ReportKind::BiDirectional,
                                    bidir::reportKindInfo(bidir::ReportKind::BiDirectional).title,
                                    {}};
                if (a.EVCount() >= 2 && b.EVCount() >= 2)
                    table.lines = bidir::BiDirReportLines(a, b, settings);
                else
                    table.lines = {"|" + std::string(bidir::kNoEventsReportText)};
                DrawReport(c.canvas, table, false);
            }
            if (parts.information)
                DrawLinesSideBySide(c.canvas, TraceInformationLines(*traces[0].document, false),
                                    TraceInformationLines(*traces[1].document, true));
            if (parts.header)
                DrawTraceTexts(c.canvas, *traces[0].document, false, {false, true, false});
        }
        releaseTraces(c, pair.a, pair.a + 1);
        releaseTraces(c, pair.b, pair.b + 1);
    }
}

} // namespace orvane::printing
