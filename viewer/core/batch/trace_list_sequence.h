// The selected entries of a trace list as a sequence of traces for the
// cable-wide operations: each trace is opened when reached, shown on the
// progress display, and let go as a batch lets go of it. Cancel on the
// progress display ends the sequence after the current trace.
#pragma once

#include "core/bidir/trace_sequence.h"
#include "core/platform/progress.h"
#include "core/tracelist/trace_list_doc.h"

#include <string>

namespace orvane::batch {

class TraceListSequence : public bidir::TraceSequence {
public:
    // progress may be null; it is started by the caller.
    TraceListSequence(CTraceListDoc& list, TraceEntries entries, Progress* progress)
        : m_list(list), m_entries(std::move(entries)), m_progress(progress) {}

    // Shrinks to the traces reached once Cancel was pressed.
    std::size_t size() const override;
    CT6* acquire(std::size_t i) override;
    void release(std::size_t i) override;
    std::string name(std::size_t i) const override;

    // The document of a trace between acquire and release.
    CTraceDoc* document(std::size_t i) const { return m_entries[i]->document; }
    bool cancelled() const { return m_cancelled; }

private:
    CTraceListDoc& m_list;
    TraceEntries m_entries;
    Progress* m_progress;
    std::size_t m_reached = 0;
    bool m_cancelled = false;
};

} // namespace orvane::batch
