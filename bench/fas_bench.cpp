// Timing of the event analysis on simulated traces of 16K, 64K and 256K points
// with ten events each. The record is copied fresh for every run so that each
// FAS starts from the same trace.

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

using namespace varnel::sim;

constexpr double kTracedKM = 40.0;

FibreDescription fasBenchFibre(int32_t points) {
    FibreDescription fibre;
    fibre.pointCount = points;
    fibre.resolutionM = kTracedKM * 1000.0 / points;
    fibre.pulseNS = 300;
    fibre.sections = {{12.0, 0.33}, {12.0, 0.34}, {8.0, 0.33}};
    fibre.events = {{3.0, 0.10, 0.0},   {6.0, 0.40, -55.0},  {9.0, 0.15, 0.0},  {12.0, 0.30, -50.0},
                    {15.0, 0.08, 0.0},  {18.0, 0.50, -52.0}, {21.0, 0.12, 0.0}, {24.0, 0.35, -58.0},
                    {27.0, -0.06, 0.0}, {30.0, 0.20, 0.0}};
    fibre.endReflectanceDB = -20.0;
    fibre.noiseSpread = 0.3;
    fibre.seed = 11;
    return fibre;
}

const CT6& fasFibre(int64_t points) {
    static std::map<int64_t, std::unique_ptr<CT6>> traces;
    std::unique_ptr<CT6>& trace = traces[points];
    if (!trace) {
        trace = std::make_unique<CT6>();
        simulateFibre(fasBenchFibre(static_cast<int32_t>(points)), *trace);
    }
    return *trace;
}

void BM_FAS(benchmark::State& state) {
    const CT6& original = fasFibre(state.range(0));
    CT6 record = original;
    for (auto _ : state) {
        benchmark::DoNotOptimize(record.FAS());
    }
    state.counters["events"] = record.EVCount();
}

} // namespace

BENCHMARK(BM_FAS)->Arg(16384)->Arg(65536)->Arg(262144)->Unit(benchmark::kMillisecond);
