// Timing of DataCellsInfo reducing a trace of 1M points to 2000 columns, as
// the graph does for every repaint.

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int32_t kPoints = 1 << 20;
constexpr int32_t kColumns = 2000;

const CT6& millionPoints() {
    static CT6 trace = [] {
        CT6 r;
        auto fibre = varnel::sim::plainFibre(80.0, 0.2, kPoints, 0.1, 1000);
        fibre.events = {{20.0, 0.1, 0.0}, {45.0, 0.4, -50.0}, {70.0, 0.2, 0.0}};
        fibre.noiseSpread = 0.3;
        varnel::sim::simulateFibre(fibre, r);
        return r;
    }();
    return trace;
}

void BM_DataCellsInfo1MTo2000(benchmark::State& state) {
    const CT6& trace = millionPoints();
    const double spanKM = trace.KMFromDPFR(kPoints - 1, 0) - trace.KMFromDPFR(0, 0);
    const bool interpolate = state.range(0) != 0;
    std::vector<double> start(kColumns), end(kColumns), lowest(kColumns), highest(kColumns);
    for (auto _ : state) {
        trace.DataCellsInfo(kColumns, 0.0, spanKM / kColumns, interpolate, 0, start.data(),
                            end.data(), lowest.data(), highest.data());
        benchmark::DoNotOptimize(highest.data());
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_DataCellsInfo1MTo2000)
    ->ArgName("interpolate")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

} // namespace
