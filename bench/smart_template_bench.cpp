// BuildSmartSpliceTemplate over a whole cable: 864 traces of 64K points, as
// an 864-fibre cable tested in one direction gives them.
#include "core/bidir/smart_template.h"
#include "core/platform/prompt.h"
#include "core/platform/scripted_prompts.h"

#include <varnel/fibre_simulator.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int32_t kPoints = 65536;
constexpr int32_t kDistinctFibres = 24;

// The traces of the cable, simulated once: kDistinctFibres fibres of their
// own noise and length, each stored in the sequence as often as needed.
class CableTraces : public orvane::bidir::TraceSequence {
public:
    explicit CableTraces(std::size_t count) : m_count(count) {
        for (int32_t f = 0; f < kDistinctFibres; ++f) {
            varnel::sim::FibreDescription d =
                varnel::sim::plainFibre(60.0 + 0.01 * f, 0.2, kPoints, 1.0, 1000);
            d.noiseSpread = 0.3;
            d.seed = static_cast<uint32_t>(f + 1);
            for (int32_t s = 1; s <= 14; ++s)
                d.events.push_back({4.0 * s + 0.002 * (f % 5), 0.05 + 0.01 * (s % 7), 0.0});
            m_fibres.push_back(std::make_unique<CT6>());
            varnel::sim::simulateFibre(d, *m_fibres.back());
        }
    }
    std::size_t size() const override { return m_count; }
    CT6* acquire(std::size_t i) override { return m_fibres[i % m_fibres.size()].get(); }
    void release(std::size_t) override {}
    std::string name(std::size_t) const override { return "fibre"; }
    const CT6& first() const { return *m_fibres[0]; }

private:
    std::size_t m_count;
    std::vector<std::unique_ptr<CT6>> m_fibres;
};

void BM_BuildSmartSpliceTemplate(benchmark::State& state) {
    CableTraces cable(static_cast<std::size_t>(state.range(0)));
    orvane::ScriptedPrompts prompts;
    orvane::ScopedPrompts scope(prompts);
    orvane::bidir::SmartTemplateSettings settings;
    settings.lossThresDB = 0.02;
    for (auto _ : state) {
        state.PauseTiming();
        CT6 reference(cable.first());
        state.ResumeTiming();
        auto result = orvane::bidir::BuildSmartSpliceTemplate(reference, cable, settings);
        benchmark::DoNotOptimize(result.templateEvents);
        if (!result.built || result.templateEvents != 14) state.SkipWithError("not built");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BuildSmartSpliceTemplate)->Arg(864)->Unit(benchmark::kMillisecond);

// The same cable read from native files, one opened per entry as the trace
// list opens them.
class CableFiles : public orvane::bidir::TraceSequence {
public:
    CableFiles(CableTraces& traces, std::size_t count)
        : m_count(count), m_dir(std::filesystem::temp_directory_path() / "orvane_bench_cable") {
        std::filesystem::create_directories(m_dir);
        for (int32_t f = 0; f < kDistinctFibres; ++f) {
            const std::u16string path = (m_dir / std::to_string(f)).u16string();
            traces.acquire(static_cast<std::size_t>(f))->FileSaveAs(path.c_str(), u"T6", 0, 1);
            m_paths.push_back(path);
        }
    }
    ~CableFiles() override { std::filesystem::remove_all(m_dir); }
    std::size_t size() const override { return m_count; }
    CT6* acquire(std::size_t i) override {
        m_open = std::make_unique<CT6>();
        return m_open->DecompFile(m_paths[i % m_paths.size()].c_str(), 1) == 0 ? m_open.get()
                                                                               : nullptr;
    }
    void release(std::size_t) override { m_open.reset(); }
    std::string name(std::size_t) const override { return "fibre"; }

private:
    std::size_t m_count;
    std::filesystem::path m_dir;
    std::vector<std::u16string> m_paths;
    std::unique_ptr<CT6> m_open;
};

void BM_BuildSmartSpliceTemplateFromFiles(benchmark::State& state) {
    CableTraces cable(static_cast<std::size_t>(state.range(0)));
    CableFiles files(cable, static_cast<std::size_t>(state.range(0)));
    orvane::ScriptedPrompts prompts;
    orvane::ScopedPrompts scope(prompts);
    orvane::bidir::SmartTemplateSettings settings;
    settings.lossThresDB = 0.02;
    for (auto _ : state) {
        state.PauseTiming();
        CT6 reference(cable.first());
        state.ResumeTiming();
        auto result = orvane::bidir::BuildSmartSpliceTemplate(reference, files, settings);
        if (!result.built || result.templateEvents != 14) state.SkipWithError("not built");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BuildSmartSpliceTemplateFromFiles)->Arg(864)->Unit(benchmark::kMillisecond);

} // namespace
