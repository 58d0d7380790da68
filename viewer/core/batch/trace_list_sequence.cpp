#include "core/batch/trace_list_sequence.h"

#include "core/batch/batch_messages.h"
#include "core/batch/batch_run.h"
#include "core/platform/text.h"
#include "core/trace/trace_doc.h"

namespace orvane::batch {

std::size_t TraceListSequence::size() const {
    return m_cancelled ? m_reached : m_entries.size();
}

CT6* TraceListSequence::acquire(std::size_t i) {
    m_reached = i + 1;
    CTraceDoc* trace = m_list.AcquireTrace(m_entries[i], true);
    if (m_progress) {
        m_progress->step(static_cast<int>(i), std::string(kCurrentTraceFile) + "\n" + name(i));
        m_cancelled = m_cancelled || m_progress->cancelled();
    }
    return trace ? &trace->record() : nullptr;
}

void TraceListSequence::release(std::size_t i) {
    ReleaseAfterBatch(m_list, m_entries[i]);
}

std::string TraceListSequence::name(std::size_t i) const {
    const CTraceDoc* trace = m_entries[i]->document;
    return trace ? trace->DocumentName() : fileNameOf(m_entries[i]->path);
}

} // namespace orvane::batch
