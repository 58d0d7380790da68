// Timing of native trace files: encoding a record into "<T6>" bytes and
// decoding them back, for simulated traces of 16K, 64K and 256K points.

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <vector>

namespace {

CT6& simulated(int64_t points) {
    static std::map<int64_t, std::unique_ptr<CT6>> traces;
    std::unique_ptr<CT6>& trace = traces[points];
    if (!trace) {
        trace = std::make_unique<CT6>();
        // The same 40 km fibre at every size: more points, finer resolution.
        auto fibre = varnel::sim::plainFibre(40.0, 0.33, static_cast<int32_t>(points),
                                             50000.0 / static_cast<double>(points), 100);
        fibre.events = {{5.0, 0.1, 0.0}, {12.0, 0.4, -45.0}, {25.0, 0.2, 0.0}};
        fibre.noiseSpread = 0.3;
        varnel::sim::simulateFibre(fibre, *trace);
    }
    return *trace;
}

std::vector<uint8_t> encoded(CT6& trace) {
    std::vector<uint8_t> bytes(static_cast<size_t>(trace.CompT6(nullptr, 0, 0, 1)));
    trace.CompT6(bytes.data(), static_cast<int32_t>(bytes.size()), 0, 1);
    return bytes;
}

void BM_NativeWrite(benchmark::State& state) {
    CT6& trace = simulated(state.range(0));
    std::vector<uint8_t> bytes = encoded(trace);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            trace.CompT6(bytes.data(), static_cast<int32_t>(bytes.size()), 0, 1));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_NativeWrite)->Arg(16384)->Arg(65536)->Arg(262144)->Unit(benchmark::kMicrosecond);

void BM_NativeRead(benchmark::State& state) {
    const std::vector<uint8_t> bytes = encoded(simulated(state.range(0)));
    for (auto _ : state) {
        CT6 record;
        benchmark::DoNotOptimize(
            record.DecompT6(bytes.data(), static_cast<int32_t>(bytes.size()), 1));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_NativeRead)->Arg(16384)->Arg(65536)->Arg(262144)->Unit(benchmark::kMicrosecond);

} // namespace
