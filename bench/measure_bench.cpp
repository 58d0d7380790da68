// Timing of the measurements on simulated traces of 16K, 64K and 256K points.
// Every size traces the same 16 km fibre over 20 km, so a larger trace means a
// finer resolution and more points per pulse.

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

using namespace varnel::sim;

constexpr double kTracedKM = 20.0;

FibreDescription benchFibre(int32_t points) {
    FibreDescription fibre;
    fibre.pointCount = points;
    fibre.resolutionM = kTracedKM * 1000.0 / points;
    fibre.sections = {{6.0, 0.35}, {6.0, 0.33}, {4.0, 0.34}};
    fibre.events = {{3.0, 0.1, 0.0}, {6.0, 0.5, -45.0}, {9.5, 0.2, 0.0}, {12.0, 0.3, -50.0}};
    fibre.endReflectanceDB = -30.0;
    fibre.noiseSpread = 0.3;
    fibre.seed = 7;
    return fibre;
}

// Traces are built once per size and shared by every benchmark.
CT6& tracedFibre(int64_t points) {
    static std::map<int64_t, std::unique_ptr<CT6>> traces;
    std::unique_ptr<CT6>& trace = traces[points];
    if (!trace) {
        trace = std::make_unique<CT6>();
        simulateFibre(benchFibre(static_cast<int32_t>(points)), *trace);
        trace->CalcAtn();
    }
    return *trace;
}

void BM_CalcLossMode0(benchmark::State& state) {
    CT6& trace = tracedFibre(state.range(0));
    double aFit, aStart, aEnd, bFit, bStart, bEnd;
    for (auto _ : state)
        benchmark::DoNotOptimize(trace.CalcLoss(0, 0, 3.0, -0.4, 0.0, 3.0, 0.1, 0.5, aFit, aStart,
                                                aEnd, bFit, bStart, bEnd));
}

void BM_CalcRefl(benchmark::State& state) {
    CT6& trace = tracedFibre(state.range(0));
    int32_t status = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(trace.CalcRefl(5.99, 6.0, 0, status));
}

void BM_CalcNoiseFloorDP(benchmark::State& state) {
    CT6& trace = tracedFibre(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(trace.CalcNoiseFloorDP(1));
}

void BM_EstAttenDBKM(benchmark::State& state) {
    CT6& trace = tracedFibre(state.range(0));
    uint16_t fr = 0;
    int32_t from = trace.DPFRFromKM(0.5, fr);
    int32_t to = trace.DPFRFromKM(15.5, fr);
    for (auto _ : state)
        benchmark::DoNotOptimize(trace.EstAttenDBKM(from, to, 50, 1, 0.0, 9.0, 0.001, 30));
}

void BM_CalcORL(benchmark::State& state) {
    CT6& trace = tracedFibre(state.range(0));
    int32_t status = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(trace.CalcORL(1.0, 15.0, 0, 0, 1, status));
}

} // namespace

BENCHMARK(BM_CalcLossMode0)->Arg(16384)->Arg(65536)->Arg(262144);
BENCHMARK(BM_CalcRefl)->Arg(16384)->Arg(65536)->Arg(262144);
BENCHMARK(BM_CalcNoiseFloorDP)->Arg(16384)->Arg(65536)->Arg(262144)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EstAttenDBKM)->Arg(16384)->Arg(65536)->Arg(262144)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcORL)->Arg(16384)->Arg(65536)->Arg(262144)->Unit(benchmark::kMillisecond);
