#include "batch_workers.h"

#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace varnel::cli {

bool TraceResult::failed() const {
    for (const Diagnostic& d : diagnostics)
        if (!d.warning) return true;
    return false;
}

nlohmann::ordered_json toJson(const TraceResult& r) {
    nlohmann::ordered_json diagnostics = nlohmann::ordered_json::array();
    for (const Diagnostic& d : r.diagnostics)
        diagnostics.push_back({{"path", d.path}, {"message", d.message}, {"warning", d.warning}});
    return {{"path", r.path},
            {"diagnostics", diagnostics},
            {"reported", r.reported},
            {"reportLines", r.reportLines},
            {"eventCount", r.eventCount},
            {"endDistance", r.endDistance},
            {"trace", r.trace}};
}

TraceResult traceResultFromJson(const nlohmann::ordered_json& j) {
    TraceResult r;
    r.path = j.at("path").get<std::string>();
    for (const nlohmann::ordered_json& d : j.at("diagnostics"))
        r.diagnostics.push_back({d.at("path").get<std::string>(),
                                 d.at("message").get<std::string>(), d.at("warning").get<bool>()});
    r.reported = j.at("reported").get<bool>();
    r.reportLines = j.at("reportLines").get<std::vector<std::string>>();
    r.eventCount = j.at("eventCount").get<int32_t>();
    r.endDistance = j.at("endDistance").get<double>();
    r.trace = j.at("trace");
    return r;
}

namespace {

struct SharedCounter {
    std::atomic<int64_t> next{0};
};
static_assert(std::atomic<int64_t>::is_always_lock_free, "the counter is shared between processes");

struct Worker {
    pid_t pid = -1;
    int fd = -1;         // read end of the worker's pipe
    std::string pending; // bytes of an unfinished line
};

bool writeAll(int fd, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<size_t>(n);
    }
    return true;
}

[[noreturn]] void workerMain(int fd, SharedCounter& counter, const std::vector<std::string>& paths,
                             const TraceJob& job) {
    const auto total = static_cast<int64_t>(paths.size());
    for (;;) {
        int64_t i = counter.next.fetch_add(1);
        if (i >= total) break;
        TraceResult result = job(paths[static_cast<size_t>(i)]);
        std::string line =
            std::to_string(i) + " " +
            toJson(result).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) +
            "\n";
        if (!writeAll(fd, line)) break;
    }
    ::close(fd);
    ::_exit(0);
}

// Forks up to jobs workers; fewer (possibly none) when fork fails.
std::vector<Worker> startWorkers(int jobs, SharedCounter& counter,
                                 const std::vector<std::string>& paths, const TraceJob& job) {
    std::vector<Worker> workers;
    std::fflush(nullptr);
    for (int w = 0; w < jobs; ++w) {
        int fds[2];
        if (::pipe(fds) != 0) break;
        pid_t pid = ::fork();
        if (pid < 0) {
            ::close(fds[0]);
            ::close(fds[1]);
            break;
        }
        if (pid == 0) {
            ::close(fds[0]);
            for (const Worker& other : workers)
                ::close(other.fd);
            workerMain(fds[1], counter, paths, job);
        }
        ::close(fds[1]);
        workers.push_back({pid, fds[0], {}});
    }
    return workers;
}

class Collector {
public:
    Collector(std::vector<std::optional<TraceResult>>& results, const Progress& progress)
        : m_results(results), m_progress(progress) {}

    void take(Worker& worker, const char* bytes, size_t count) {
        worker.pending.append(bytes, count);
        size_t start = 0;
        for (size_t end; (end = worker.pending.find('\n', start)) != std::string::npos;
             start = end + 1)
            takeLine(std::string_view(worker.pending).substr(start, end - start));
        worker.pending.erase(0, start);
    }

private:
    void takeLine(std::string_view line) {
        size_t blank = line.find(' ');
        if (blank == std::string_view::npos) return;
        size_t index = std::stoul(std::string(line.substr(0, blank)));
        if (index >= m_results.size()) return;
        m_results[index] =
            traceResultFromJson(nlohmann::ordered_json::parse(line.substr(blank + 1)));
        ++m_done;
        if (m_progress) m_progress(m_done, m_results.size(), m_results[index]->path);
    }

    std::vector<std::optional<TraceResult>>& m_results;
    const Progress& m_progress;
    size_t m_done = 0;
};

void collect(std::vector<Worker>& workers, Collector& collector) {
    std::vector<pollfd> fds;
    for (const Worker& w : workers)
        fds.push_back({w.fd, POLLIN, 0});
    size_t open = fds.size();
    char buffer[65536];
    while (open > 0) {
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (size_t k = 0; k < fds.size(); ++k) {
            if (fds[k].fd < 0 || fds[k].revents == 0) continue;
            ssize_t n = ::read(fds[k].fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n > 0) {
                collector.take(workers[k], buffer, static_cast<size_t>(n));
                continue;
            }
            ::close(fds[k].fd);
            fds[k].fd = -1;
            --open;
        }
    }
}

std::string stopText(int status) {
    if (WIFSIGNALED(status))
        return "The trace could not be processed: its worker process stopped on signal " +
               std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ").";
    return "The trace could not be processed: its worker process stopped.";
}

std::vector<TraceResult> runInProcess(const std::vector<std::string>& paths, const TraceJob& job,
                                      const Progress& progress) {
    std::vector<TraceResult> results;
    for (const std::string& path : paths) {
        results.push_back(job(path));
        if (progress) progress(results.size(), paths.size(), path);
    }
    return results;
}

} // namespace

std::vector<TraceResult> runTraceJobs(const std::vector<std::string>& paths, int jobs,
                                      const TraceJob& job, const Progress& progress) {
    if (jobs <= 1 || paths.size() <= 1) return runInProcess(paths, job, progress);

    void* shared = ::mmap(nullptr, sizeof(SharedCounter), PROT_READ | PROT_WRITE,
                          MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) return runInProcess(paths, job, progress);
    auto* counter = new (shared) SharedCounter;
    const auto total = static_cast<int64_t>(paths.size());

    std::vector<std::optional<TraceResult>> results(paths.size());
    Collector collector(results, progress);
    // A round ends when its workers have gone; traces none of them took (all
    // died early) go to a new round, so every round claims at least one.
    while (counter->next.load() < total) {
        const int64_t claimedBefore = counter->next.load();
        std::vector<Worker> workers = startWorkers(
            static_cast<int>(std::min<int64_t>(jobs, total - claimedBefore)), *counter, paths, job);
        if (workers.empty()) break;
        collect(workers, collector);
        int stopStatus = 0; // of a worker that did not end normally, if any
        for (const Worker& w : workers) {
            int status = 0;
            while (::waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
            }
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) stopStatus = status;
        }
        const int64_t claimed = std::min(counter->next.load(), total);
        for (int64_t i = claimedBefore; i < claimed; ++i) {
            auto& slot = results[static_cast<size_t>(i)];
            if (slot) continue;
            slot = TraceResult{};
            slot->path = paths[static_cast<size_t>(i)];
            slot->diagnostics.push_back({slot->path, stopText(stopStatus), false});
        }
    }
    const auto claimed = std::min(counter->next.load(), total);
    counter->~SharedCounter();
    ::munmap(shared, sizeof(SharedCounter));

    std::vector<TraceResult> ordered;
    for (size_t i = 0; i < paths.size(); ++i) {
        if (results[i]) {
            ordered.push_back(std::move(*results[i]));
            continue;
        }
        // Only when no worker could be started: finish here.
        ordered.push_back(static_cast<int64_t>(i) >= claimed ? job(paths[i]) : TraceResult{});
    }
    return ordered;
}

} // namespace varnel::cli
