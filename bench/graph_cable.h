// The graph benchmarks' cable: eight displayed traces of 256K points each in
// a graph whose plot is 1600 pixels wide, zoomed to their full extent.
#pragma once

#include "core/trace/graph/trace_graph.h"

#include <varnel/fibre_simulator.h>

#include <array>
#include <memory>

namespace orvane::bench {

inline constexpr int32_t kPoints = 256 * 1024;
inline constexpr int kTraces = 8;
inline constexpr orvane::graph::PlotSize kPlot{1600, 600};

// Eight fibres of one cable, each with its own noise and splices.
inline const std::array<std::unique_ptr<CT6>, kTraces>& cable() {
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

inline orvane::graph::TraceGraph& fullGraph() {
    static orvane::graph::TraceGraph graph = [] {
        orvane::graph::TraceGraph g;
        for (const auto& trace : cable())
            g.AddTrace(trace.get(), trace.get());
        g.SetPlotSize(kPlot);
        g.ZoomFull();
        g.SetCursorA(5);
        g.SetCursorB(30);
        return g;
    }();
    return graph;
}

} // namespace orvane::bench
