// Timing of `varnel batch --analyze` over 1000 simulated 16K-point traces as a
// whole process (start-up, reading, analysis, report), with one and with two
// worker processes. The traces are written once into a temporary folder.

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <benchmark/benchmark.h>

#include "scratch_folder.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kTraces = 1000;

// Fibres of 10 to 40 km with two to six splices and a connector, seeded.
varnel::sim::FibreDescription randomFibre(std::mt19937& rng) {
    std::uniform_real_distribution<double> length(10.0, 40.0), loss(0.03, 0.3), where(0.05, 0.95);
    auto fibre = varnel::sim::plainFibre(length(rng), 0.33, 16384, 3.0, 100);
    const double lengthKM = fibre.sections[0].lengthKM;
    for (int i = 0, n = 2 + static_cast<int>(rng() % 5); i < n; ++i)
        fibre.events.push_back({where(rng) * lengthKM, loss(rng), 0.0});
    fibre.events.push_back({where(rng) * lengthKM, 0.5, -45.0});
    fibre.noiseSpread = 0.3;
    fibre.seed = static_cast<uint32_t>(rng());
    fibre.eventTable = false;
    return fibre;
}

const fs::path& traceFolder() {
    static const fs::path folder = [] {
        const fs::path dir = bench::makeScratchFolder("varnel-batch-bench-");
        std::mt19937 rng(2024);
        for (int i = 0; i < kTraces; ++i) {
            CT6 record;
            varnel::sim::simulateFibre(randomFibre(rng), record);
            char name[32];
            std::snprintf(name, sizeof name, "AAABBB13.%04d", i);
            std::u16string path;
            for (char c : (dir / name).string())
                path += static_cast<char16_t>(static_cast<unsigned char>(c));
            record.FileSaveAs(path.c_str(), u"T6", 0, 1);
        }
        return dir;
    }();
    return folder;
}

int runBatch(int jobs) {
    std::string jobsText = std::to_string(jobs);
    std::string folder = traceFolder().string();
    std::vector<const char*> argv = {VARNEL_CLI,  "batch",          "--analyze",
                                     "--jobs",    jobsText.c_str(), "--report",
                                     "/dev/null", folder.c_str(),   nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, VARNEL_CLI, &actions, nullptr,
                              const_cast<char* const*>(argv.data()), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_BatchAnalyze1000Traces(benchmark::State& state) {
    traceFolder();
    for (auto _ : state) {
        if (runBatch(static_cast<int>(state.range(0))) != 0) {
            state.SkipWithError("varnel batch failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kTraces);
}
BENCHMARK(BM_BatchAnalyze1000Traces)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
