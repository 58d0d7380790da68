// Timing of the graph's curve preparation: eight displayed traces of 256K
// points each reduced to a 1600-pixel plot, as every zoom or scroll does.
#include "graph_cable.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PrepareCurves8x256KTo1600(benchmark::State& state) {
    orvane::graph::TraceGraph& graph = orvane::bench::fullGraph();
    for (auto _ : state) {
        graph.RebuildCurves();
        benchmark::DoNotOptimize(graph.CurveInSlot(0)->FirstRow(0));
    }
    state.SetItemsProcessed(state.iterations() * orvane::bench::kTraces * orvane::bench::kPoints);
}
BENCHMARK(BM_PrepareCurves8x256KTo1600)->Unit(benchmark::kMillisecond);

// Dragging a cursor recomputes the readout only, never the curves.
void BM_DragCursorReadout(benchmark::State& state) {
    orvane::graph::TraceGraph& graph = orvane::bench::fullGraph();
    graph.SetCursorA(5);
    graph.SetCursorB(30);
    double km = 20;
    for (auto _ : state) {
        km = km > 35 ? 20 : km + 0.01;
        graph.SetCursorB(km);
        benchmark::DoNotOptimize(graph.Readout().primaryValue);
    }
}
BENCHMARK(BM_DragCursorReadout)->Unit(benchmark::kMicrosecond);

} // namespace
