// Whole-program start of the viewer: `orvane --screenshot` on a simulated
// 32K-point SR-4731 trace, timed as a process from spawn to exit (start-up,
// reading the trace, laying out and painting the window, writing the PNG).
// The run is offscreen and reads its settings from a scratch folder.
#include <varnel/fibre_simulator.h>

#include <varnel/varnel.h>

#include <benchmark/benchmark.h>

#include "scratch_folder.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int32_t kPoints = 32768;

const fs::path& scratch() {
    static const fs::path folder = [] {
        const fs::path dir = bench::makeScratchFolder("orvane-start-bench-");
        fs::create_directories(dir / "config");
        CT6 record;
        auto fibre = varnel::sim::plainFibre(60.0, 0.25, kPoints, 2.0, 1000);
        fibre.events = {{12.0, 0.1, 0.0}, {30.0, 0.4, -50.0}, {47.0, 0.2, 0.0}};
        fibre.noiseSpread = 0.3;
        varnel::sim::simulateFibre(fibre, record);
        record.FAS();
        const std::string path = (dir / "trace32k.sor").string();
        record.FileSaveAs(std::u16string(path.begin(), path.end()).c_str(), u"SR4731", 0, 1);
        return dir;
    }();
    return folder;
}

int runOrvane() {
    const std::string trace = (scratch() / "trace32k.sor").string();
    const std::string shot = (scratch() / "shot.png").string();
    std::vector<std::string> args = {ORVANE_PROGRAM, "--screenshot", shot, trace};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = {
        "QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + (scratch() / "config").string(),
        "XDG_RUNTIME_DIR=" + scratch().string(), "HOME=" + scratch().string()};
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, ORVANE_PROGRAM, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_OrvaneScreenshot32K(benchmark::State& state) {
    if (std::string(ORVANE_PROGRAM).empty()) {
        state.SkipWithError("orvane is not built");
        return;
    }
    scratch();
    runOrvane(); // warm the file cache and the font cache
    for (auto _ : state)
        if (runOrvane() != 0) state.SkipWithError("orvane failed");
}
BENCHMARK(BM_OrvaneScreenshot32K)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace
