// Work on several listed traces at once: analyse, smooth, save, save as and
// open their windows. Each trace is opened for the work and let go again, so
// that traces nobody shows do not stay in memory.
#include "core/platform/prompt.h"
#include "core/trace/trace_doc.h"
#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trace_list_messages.h"

namespace orvane {

void CTraceListDoc::AnalyzeTraces(const TraceEntries& entries) {
    for (CTraceListEntry* entry : entries) {
        if (CTraceDoc* document = AcquireTrace(entry, true)) {
            document->Analyze();
            ReleaseTrace(entry);
        }
        if (entry->useCount == 1 && !entry->displayed && entry->document &&
            entry->document->views().empty())
            CloseTrace(entry);
    }
    Notify(HINT_TRACES_ANALYZED, entries);
}

void CTraceListDoc::SmoothTraces(const TraceEntries& entries) {
    for (CTraceListEntry* entry : entries) {
        if (CTraceDoc* document = AcquireTrace(entry, true)) {
            document->Smooth();
            ReleaseTrace(entry);
        }
    }
    Notify(HINT_TRACES_SMOOTHED, entries);
}

void CTraceListDoc::SaveTraces(const TraceEntries& entries) {
    TraceEntries saved;
    for (CTraceListEntry* entry : entries) {
        CTraceDoc* document = entry->document;
        if (!document || !document->isModified()) continue;
        if (document->Save()) saved.push_back(entry);
    }
    if (!saved.empty()) Notify(HINT_TRACES_SAVED, saved);
}

void CTraceListDoc::SaveTracesAs(const TraceEntries& entries) {
    for (size_t i = 0; i < entries.size(); ++i) {
        CTraceListEntry* entry = entries[i];
        bool done = false;
        if (CTraceDoc* document = AcquireTrace(entry, true)) {
            done = document->SaveCopyAs(m_saveAsPosition, m_saveAsDirectory);
            ReleaseTrace(entry);
        }
        const bool more = i + 1 < entries.size();
        if (!done && more &&
            !confirm("", kContinueProcessing, PromptButtons::OkCancel, PromptAnswer::Cancel,
                     PromptIcon::Question))
            return;
    }
}

void CTraceListDoc::OpenTraceWindows(const TraceEntries& entries) {
    if (!m_openWindow) return;
    for (CTraceListEntry* entry : entries)
        if (CTraceDoc* document = AcquireTrace(entry, true)) m_openWindow(*this, *entry, *document);
}

} // namespace orvane
