// Timing of SR-4731 reading and writing: real instrument files (one without
// key events, so read without analysis; one with them, whose launch the
// analysis finds; and the same file rewritten by us, read from its embedded
// native record) and a simulated trace of 256K points.

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes sample(const char* name) {
    const auto path = std::filesystem::path(VARNEL_SHARED_SAMPLES) / "sor" / name;
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes write(CT6& r) {
    Bytes out(static_cast<size_t>(r.CompSR4731(2, nullptr, 0)));
    r.CompSR4731(2, out.data(), static_cast<int32_t>(out.size()));
    return out;
}

const CT6& simulated256K() {
    static CT6 trace = [] {
        CT6 r;
        varnel::sim::FibreDescription fibre =
            varnel::sim::plainFibre(100.0, 0.2, 262144, 0.5, 1000);
        fibre.dynamicRangeDB = 40.0;
        fibre.events = {{20.0, 0.1, 0.0}, {45.0, 0.4, -50.0}, {70.0, 0.2, 0.0}};
        fibre.noiseSpread = 0.3;
        varnel::sim::simulateFibre(fibre, r);
        r.SetTraceTypeOrig(u"SR4731");
        return r;
    }();
    return trace;
}

void readBytes(benchmark::State& state, const Bytes& bytes) {
    if (bytes.empty()) {
        state.SkipWithError("shared SR-4731 samples not found");
        return;
    }
    for (auto _ : state) {
        CT6 r;
        benchmark::DoNotOptimize(r.DecompSR4731(bytes.data(), static_cast<int32_t>(bytes.size())));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void BM_ReadSampleWithoutKeyEvents(benchmark::State& state) {
    readBytes(state, sample("otdrparser__otdr7.sor"));
}
BENCHMARK(BM_ReadSampleWithoutKeyEvents)->Unit(benchmark::kMicrosecond);

void BM_ReadSampleWithAnalysis(benchmark::State& state) {
    readBytes(state, sample("gotdr__2.sor"));
}
BENCHMARK(BM_ReadSampleWithAnalysis)->Unit(benchmark::kMicrosecond);

void BM_ReadSampleRewrittenByUs(benchmark::State& state) {
    const Bytes original = sample("gotdr__2.sor");
    Bytes ours;
    if (!original.empty()) {
        CT6 r;
        r.DecompSR4731(original.data(), static_cast<int32_t>(original.size()));
        ours = write(r);
    }
    readBytes(state, ours);
}
BENCHMARK(BM_ReadSampleRewrittenByUs)->Unit(benchmark::kMicrosecond);

void BM_WriteSample(benchmark::State& state) {
    const Bytes original = sample("gotdr__2.sor");
    if (original.empty()) {
        state.SkipWithError("shared SR-4731 samples not found");
        return;
    }
    CT6 r;
    r.DecompSR4731(original.data(), static_cast<int32_t>(original.size()));
    Bytes out(static_cast<size_t>(r.CompSR4731(2, nullptr, 0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(r.CompSR4731(2, out.data(), static_cast<int32_t>(out.size())));
    }
}
BENCHMARK(BM_WriteSample)->Unit(benchmark::kMicrosecond);

void BM_Read256K(benchmark::State& state) {
    CT6 r = simulated256K();
    readBytes(state, write(r));
}
BENCHMARK(BM_Read256K)->Unit(benchmark::kMicrosecond);

void BM_Write256K(benchmark::State& state) {
    CT6 r = simulated256K();
    Bytes out(static_cast<size_t>(r.CompSR4731(2, nullptr, 0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(r.CompSR4731(2, out.data(), static_cast<int32_t>(out.size())));
    }
}
BENCHMARK(BM_Write256K)->Unit(benchmark::kMicrosecond);

} // namespace
