// Timing of a full repaint of the eight-trace graph into an offscreen image
// (plot, marks, cursors, LSA segments and margins), as every frame of a zoom
// or a drag does.
#include "graph_cable.h"

#include "widgets/trace/graph/graph_painter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void BM_RepaintGraph8x256K(benchmark::State& state) {
    orvane::graph::TraceGraph& graph = orvane::bench::fullGraph();
    graph.SetLossMode(T6_LOSS_SPLICE);
    QFont font;
    QMargins margins = orvane::graph::GraphMargins(QFontMetrics(font));
    QSize size(orvane::bench::kPlot.width + margins.left() + margins.right(),
               orvane::bench::kPlot.height + margins.top() + margins.bottom());
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    QImage plot(orvane::bench::kPlot.width, orvane::bench::kPlot.height,
                QImage::Format_ARGB32_Premultiplied);
    orvane::graph::GraphPaintParams params;
    params.font = font;
    params.distanceLabel = QStringLiteral("km");
    for (auto _ : state) {
        QPainter offscreen(&plot);
        params.plot = plot.rect();
        orvane::graph::PaintPlot(offscreen, graph, params);
        offscreen.end();
        QPainter painter(&target);
        painter.fillRect(target.rect(), Qt::lightGray);
        params.plot = QRect(QPoint(margins.left(), margins.top()), plot.size());
        painter.drawImage(params.plot.topLeft(), plot);
        orvane::graph::PaintMargins(painter, graph, params);
        painter.end();
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(BM_RepaintGraph8x256K)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
