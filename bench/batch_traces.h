// The cable the batch benchmarks share: 1000 simulated 16K-point traces, the
// size of the bundled samples, written once per process into a scratch
// folder; and `varnel batch` run over it as a whole process.
#pragma once

#include "scratch_folder.h"

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

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

namespace bench {

inline constexpr int kBatchTraces = 1000;

// Fibres of 10 to 40 km with two to six splices and a connector, seeded.
inline varnel::sim::FibreDescription randomBatchFibre(std::mt19937& rng) {
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

inline const std::filesystem::path& batchTraceFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path dir = makeScratchFolder("varnel-batch-bench-");
        std::mt19937 rng(2024);
        for (int i = 0; i < kBatchTraces; ++i) {
            CT6 record;
            varnel::sim::simulateFibre(randomBatchFibre(rng), record);
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

// `varnel batch --analyze --jobs N --report /dev/null FOLDER`, output
// discarded; its exit status, or -1.
inline int runVarnelBatch(const char* program, int jobs) {
    std::string jobsText = std::to_string(jobs);
    std::string folder = batchTraceFolder().string();
    std::vector<const char*> argv = {program,     "batch",          "--analyze",
                                     "--jobs",    jobsText.c_str(), "--report",
                                     "/dev/null", folder.c_str(),   nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, program, &actions, nullptr,
                              const_cast<char* const*>(argv.data()), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace bench
