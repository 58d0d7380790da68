// One trace of a batch: the steps that are set, in their fixed order, from
// the index of refraction to the save. The trace list's run and the
// command-line tool both drive each trace through here.
#pragma once

#include "core/batch/batch_settings.h"
#include "core/batch/batch_view.h"
#include "core/trace/trace_doc.h"

#include <cstdint>
#include <string>

namespace orvane::batch {

struct BatchTraceContext {
    const CTraceDoc* primary = nullptr; // the list's primary trace, for copying
    const BatchView* view = nullptr;    // the view copied and the ORL cursors
};

// Where the report lines go; false when a line could not be written.
class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual bool write(const std::string& line) = 0;
};

enum class TraceOutcome {
    Processed,
    Skipped,  // a step refused the trace (its message was shown); the rest was left out
    EndBatch, // the report or the export could not be written
};

struct BatchTraceResult {
    TraceOutcome outcome = TraceOutcome::Processed;
    // The summary's values, when the summary is asked for.
    bool counted = false;
    int32_t eventCount = 0;
    double endDistance = 0; // current distance unit
};

// Runs every step that is set on an open trace. name is the trace's name in
// messages, the report and the summary. report may be null without a report.
BatchTraceResult ProcessBatchTrace(CTraceDoc& trace, const std::string& name,
                                   const BatchSettings& settings, const BatchTraceContext& context,
                                   ReportSink* report);

} // namespace orvane::batch
