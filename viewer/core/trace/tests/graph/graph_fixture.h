// Simulated traces and a graph that records its hints, for the graph tests.
#pragma once

#include "core/trace/graph/trace_graph.h"

#include <varnel/fibre_simulator.h>

#include <memory>
#include <vector>

namespace orvane::graph::test {

// A 10 km fibre at 0.35 dB/km: level 26 - 0.35 km, so with a 30 dB dynamic
// range the drawn value is 4 + 0.35 km.
inline varnel::sim::FibreDescription TenKMFibre() {
    auto fibre = varnel::sim::plainFibre(10.0, 0.35);
    fibre.noiseFloorDB = -20; // far below the backscatter: a noise-free slope
    return fibre;
}
inline double TenKMValueAt(double km) {
    return 4 + 0.35 * km;
}

class GraphFixture {
public:
    GraphFixture() {
        graph.SetNotify([this](int hint) { hints.push_back(hint); });
    }

    CT6* Trace(const varnel::sim::FibreDescription& fibre = TenKMFibre()) {
        records.push_back(std::make_unique<CT6>());
        varnel::sim::simulateFibre(fibre, *records.back());
        return records.back().get();
    }
    // Entries are the records themselves: any distinct pointer will do.
    CT6* Show(const varnel::sim::FibreDescription& fibre = TenKMFibre()) {
        CT6* record = Trace(fibre);
        graph.AddTrace(record, record);
        return record;
    }
    // A 500 x 400 plot over 0 .. 10 km and 0 .. 10 dB: 0.02 km and 0.025 dB a pixel.
    void StandardWindow() {
        graph.SetPlotSize({500, 400});
        graph.SetWindow({0, 0, 10, 10});
    }
    int LastHint() const { return hints.empty() ? -1 : hints.back(); }

    TraceGraph graph;
    std::vector<int> hints;
    std::vector<std::unique_ptr<CT6>> records;
};

} // namespace orvane::graph::test
