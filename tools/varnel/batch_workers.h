// Running one job per trace over many traces, in this process or spread over
// worker processes. The library's settings and ORL store belong to the
// process, so parallel work needs processes, not threads. Workers take the
// next trace from a counter they share and send each result back as one JSON
// line; a worker that dies costs only the trace it was working on.
#pragma once

#include "diagnostics.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace varnel::cli {

struct TraceResult {
    std::string path;
    std::vector<Diagnostic> diagnostics;
    bool reported = false; // read, analysed when asked, and with events
    std::vector<std::string> reportLines;
    int32_t eventCount = 0;       // events counted in the summary
    double endDistance = 0;       // start of the last event, current distance unit
    nlohmann::ordered_json trace; // the trace as JSON, when asked for

    bool failed() const;
};

nlohmann::ordered_json toJson(const TraceResult& result);
TraceResult traceResultFromJson(const nlohmann::ordered_json& document);

using TraceJob = std::function<TraceResult(const std::string& path)>;
// Called after each finished trace with the number done so far.
using Progress = std::function<void(size_t done, size_t total, const std::string& path)>;

// Results in the order of paths. jobs <= 1 works in this process.
std::vector<TraceResult> runTraceJobs(const std::vector<std::string>& paths, int jobs,
                                      const TraceJob& job, const Progress& progress);

} // namespace varnel::cli
