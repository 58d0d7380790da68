// The viewer's batch (analysis and a layout-1 report) over a trace list of
// 1000 bundled-size traces, beside `varnel batch --analyze --jobs 1` on the
// same files. Each trace is opened, analysed, reported and let go, as in the
// program; the progress is timed to show how often a window would update.

#include "batch_traces.h"

#include "core/batch/batch_run.h"
#include "core/platform/scripted_prompts.h"
#include "core/shell/application_state.h"
#include "core/trace/trace_doc_type.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

namespace fs = std::filesystem;

// Records the longest time between two progress steps.
class TimedProgress : public orvane::Progress {
public:
    void start(const std::string&, int) override { m_last = Clock::now(); }
    void step(int, const std::string&) override {
        const auto now = Clock::now();
        longestGap = std::max(longestGap, now - m_last);
        m_last = now;
    }
    bool cancelled() const override { return false; }
    void finish() override {}

    using Clock = std::chrono::steady_clock;
    Clock::duration longestGap{};

private:
    Clock::time_point m_last;
};

std::vector<std::string> tracePaths() {
    std::vector<std::string> paths;
    for (const auto& entry : fs::directory_iterator(bench::batchTraceFolder()))
        paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

void BM_ViewerBatchAnalyzeReport1000Traces(benchmark::State& state) {
    const std::vector<std::string> paths = tracePaths();
    const fs::path reportFolder = bench::batchTraceFolder().parent_path();
    orvane::ScriptedPrompts prompts; // the summary message and the report question
    orvane::ScopedPrompts scope(prompts);
    // The tool's default thresholds, so that both analyse alike.
    T6SetFASParms(0.05, -40.0, 3.0, 1, 0, -50.0);
    auto traceType = orvane::makeTraceDocType(orvane::kTraceDocStrings);
    orvane::batch::BatchSettings settings;
    settings.analyze = true;
    settings.generateReport = true;
    settings.reportFolder = reportFolder.string();
    settings.reportFileName = "viewer-batch-bench-report.txt";
    settings.reportLayout = orvane::batch::kLayoutTessan;
    settings.minMaxSummary = true;
    TimedProgress progress;
    for (auto _ : state) {
        orvane::CTraceListDoc list(*traceType);
        const orvane::TraceEntries entries = list.AddTraces(paths);
        prompts.queue(orvane::PromptAnswer::Yes); // overwrite the last run's report
        const auto run = orvane::batch::RunBatch(list, entries, settings, nullptr, progress);
        if (run.processed != bench::kBatchTraces) {
            state.SkipWithError("traces were not processed");
            break;
        }
        prompts.clear();
    }
    fs::remove(reportFolder / settings.reportFileName);
    state.SetItemsProcessed(state.iterations() * bench::kBatchTraces);
    state.counters["longest_step_ms"] =
        std::chrono::duration<double, std::milli>(progress.longestGap).count();
}
BENCHMARK(BM_ViewerBatchAnalyzeReport1000Traces)
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_VarnelBatchAnalyze1000TracesOneJob(benchmark::State& state) {
    bench::batchTraceFolder();
    for (auto _ : state) {
        if (bench::runVarnelBatch(VARNEL_CLI, 1) != 0) {
            state.SkipWithError("varnel batch failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * bench::kBatchTraces);
}
BENCHMARK(BM_VarnelBatchAnalyze1000TracesOneJob)
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
