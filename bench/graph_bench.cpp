// Timing of the graph's curve preparation: eight displayed traces of 256K
// points each reduced to a 1600-pixel plot, as every zoom or scroll does.
#include "core/trace/graph/trace_graph.h"

#include "support/fibre_simulator.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

constexpr int32_t kPoints = 256 * 1024;
constexpr int kTraces = 8;
constexpr orvane::graph::PlotSize kPlot{1600, 600};

// Eight fibres of one cable, each with its own noise and splices.
const std::array<std::unique_ptr<CT6>, kTraces>& cable() {
    static std::array<std::unique_ptr<CT6>, kTraces> traces = [] {
        std::array<std::unique_ptr<CT6>, kTraces> t;
        for (int i = 0; i < kTraces; ++i) {
            t[static_cast<size_t>(i)] = std::make_unique<CT6>();
            auto fibre = varnel::sim::plainFibre(40.0, 0.2, kPoints, 0.25, 1000);
            fibre.events = {{10.0 + i, 0.1, 0.0}, {25.0, 0.3, -45.0}};
            fibre.noiseSpread = 0.3;
            fibre.seed = static_cast<uint32_t>(i + 1);
            varnel::sim::simulateFibre(fibre, *t[static_cast<size_t>(i)]);
        }
        return t;
    }();
    return traces;
}

orvane::graph::TraceGraph& fullGraph() {
    static orvane::graph::TraceGraph graph = [] {
        orvane::graph::TraceGraph g;
        for (const auto& trace : cable()) g.AddTrace(trace.get(), trace.get());
        g.SetPlotSize(kPlot);
        g.ZoomFull();
        return g;
    }();
    return graph;
}

void BM_PrepareCurves8x256KTo1600(benchmark::State& state) {
    orvane::graph::TraceGraph& graph = fullGraph();
    for (auto _ : state) {
        graph.RebuildCurves();
        benchmark::DoNotOptimize(graph.CurveInSlot(0)->FirstRow(0));
    }
    state.SetItemsProcessed(state.iterations() * kTraces * kPoints);
}
BENCHMARK(BM_PrepareCurves8x256KTo1600)->Unit(benchmark::kMillisecond);

// Dragging a cursor recomputes the readout only, never the curves.
void BM_DragCursorReadout(benchmark::State& state) {
    orvane::graph::TraceGraph& graph = fullGraph();
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
