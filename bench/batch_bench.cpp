// Timing of `varnel batch --analyze` over 1000 simulated 16K-point traces as a
// whole process (start-up, reading, analysis, report), with one and with two
// worker processes. The traces are written once into a temporary folder.

#include "batch_traces.h"

#include <benchmark/benchmark.h>

namespace {

void BM_BatchAnalyze1000Traces(benchmark::State& state) {
    bench::batchTraceFolder();
    for (auto _ : state) {
        if (bench::runVarnelBatch(VARNEL_CLI, static_cast<int>(state.range(0))) != 0) {
            state.SkipWithError("varnel batch failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * bench::kBatchTraces);
}
BENCHMARK(BM_BatchAnalyze1000Traces)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
