// RunBatch: the accepted batch settings applied to the selected traces of
// the trace list, one trace at a time. Each trace is opened, processed,
// saved and let go before the next, so a batch of thousands holds only the
// traces that are displayed besides the one it works on.
#pragma once

#include "core/batch/batch_report.h"
#include "core/batch/batch_settings.h"
#include "core/batch/batch_view.h"
#include "core/platform/progress.h"
#include "core/tracelist/trace_list_doc.h"

namespace orvane::batch {

struct BatchRun {
    bool started = false;   // false: the report question or the report file stopped it
    bool cancelled = false; // Cancel on the progress window
    bool ended = false;     // a report or export write failed
    int processed = 0;      // traces that went through every step set
    int skipped = 0;        // opened, but left out by a step
    int notOpened = 0;
    MinMaxSummary summary;
};

// view: the list window's graph (null without one). The summary message and
// the notifications to the views follow the last trace.
BatchRun RunBatch(CTraceListDoc& list, const TraceEntries& entries, const BatchSettings& settings,
                  const BatchView* view, Progress& progress);

// The trace's modified mark is dropped when the batch holds its only use, so
// that changes not saved leave without a question; then it is let go.
void ReleaseAfterBatch(CTraceListDoc& list, CTraceListEntry* entry);

} // namespace orvane::batch
