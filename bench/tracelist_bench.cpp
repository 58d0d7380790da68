// A trace list of 10,000 traces (a large cable, both directions, several
// wavelengths): adding them, sorting the view, stepping a batch of eight and
// opening the list file. Only displayed traces hold a record, which the
// "documents" counter shows.
#include "core/platform/scripted_prompts.h"
#include "core/trace/trace_doc_type.h"
#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trace_list_rows.h"

#include <varnel/fibre_simulator.h>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kEntries = 10000;
constexpr int32_t kPoints = 16 * 1024;

// Ten thousand names of one simulated trace (hard links), made once.
struct Cable {
    std::filesystem::path folder;
    std::vector<std::string> paths;

    Cable() {
        folder = std::filesystem::temp_directory_path() /
                 ("orvane_tracelist_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        CT6 record;
        varnel::sim::simulateFibre(varnel::sim::plainFibre(20.0, 0.2, kPoints, 1.0, 1000), record);
        const std::string first = (folder / "seed.sor").string();
        const std::u16string wide(first.begin(), first.end());
        record.FileSaveAs(wide.c_str(), u"SR4731", 0, 1);
        for (int i = 0; i < kEntries; ++i) {
            // Instrument-style names: cable, fibre, wavelength, direction.
            const std::string name = "C7." + std::to_string(1000 + i / 4) + "." +
                                     (i % 2 ? "1550" : "1310") + (i % 4 < 2 ? ".A" : ".B") + ".sor";
            paths.push_back((folder / name).string());
            std::filesystem::create_hard_link(first, paths.back());
        }
    }
    ~Cable() { std::filesystem::remove_all(folder); }
};

const Cable& cable() {
    static Cable c;
    return c;
}

struct Workspace {
    std::unique_ptr<orvane::DocumentType> traceType =
        orvane::makeTraceDocType(orvane::kBellTraceDocStrings);
    std::unique_ptr<orvane::CTraceListDoc> list =
        std::make_unique<orvane::CTraceListDoc>(*traceType);
    orvane::TraceListRows rows;
    orvane::ScriptedPrompts prompts;
    orvane::ScopedPrompts installed{prompts};

    Workspace() {
        rows.attach(list.get());
        orvane::application().preferences.batchSize = 8;
    }
    ~Workspace() { rows.attach(nullptr); }
};

void BM_AddTraces10000(benchmark::State& state) {
    const Cable& c = cable();
    for (auto _ : state) {
        state.PauseTiming();
        Workspace w;
        state.ResumeTiming();
        w.list->AddTraces(c.paths);
        benchmark::DoNotOptimize(w.rows.size());
        state.PauseTiming();
        w.list.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddTraces10000)->Unit(benchmark::kMillisecond);

void BM_SortWithMasks10000(benchmark::State& state) {
    Workspace w;
    w.list->AddTraces(cable().paths);
    orvane::application().preferences.sortMaskName = "99911222";
    orvane::application().preferences.sortMaskExt = "1";
    for (auto _ : state)
        w.list->Notify(orvane::HINT_LIST_RESORT);
    orvane::application().preferences = orvane::Preferences{};
}
BENCHMARK(BM_SortWithMasks10000)->Unit(benchmark::kMillisecond);

void BM_NextBatchOf8In10000(benchmark::State& state) {
    Workspace w;
    w.list->AddTraces(cable().paths);
    for (auto _ : state)
        w.list->NextBatch(w.rows);
    state.counters["documents"] = static_cast<double>(w.traceType->documents().size());
}
BENCHMARK(BM_NextBatchOf8In10000)->Unit(benchmark::kMillisecond);

void BM_OpenList10000(benchmark::State& state) {
    const std::string file = (cable().folder / "cable.trl").string();
    {
        Workspace w;
        w.list->AddTraces(cable().paths);
        w.list->OnSaveDocument(file);
    }
    for (auto _ : state) {
        Workspace w;
        w.list->OnOpenDocument(file);
        benchmark::DoNotOptimize(w.list->EntryCount());
    }
}
BENCHMARK(BM_OpenList10000)->Unit(benchmark::kMillisecond);

} // namespace
