// Next Batch and Previous Batch: the graph steps through a long list a few
// traces at a time, in the order of the list view, optionally keeping the
// primary trace on screen as the reference.
#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trace_list_rows.h"

#include <algorithm>

namespace orvane {

namespace {

struct FreeRuns {
    size_t lastRunStart = 0; // where Next Batch goes on from
    size_t firstRunEnd = 0;  // where Previous Batch goes on from
};

// Runs of consecutive rows that are not displayed; a skipped row (the kept
// primary) neither ends nor starts a run.
FreeRuns freeRunsOf(const TraceListRows& rows, const CTraceListEntry* skipped) {
    FreeRuns runs;
    bool inRun = false;
    bool firstRunDone = false;
    bool seenFree = false;
    for (size_t row = 0; row < rows.size(); ++row) {
        const CTraceListEntry* entry = rows.entryAt(row);
        if (entry == skipped) continue;
        if (entry->displayed) {
            if (inRun) firstRunDone = true;
            inRun = false;
            continue;
        }
        if (!inRun) runs.lastRunStart = row;
        inRun = true;
        if (!firstRunDone) runs.firstRunEnd = row;
        seenFree = true;
    }
    if (!seenFree) runs = {};
    return runs;
}

} // namespace

void CTraceListDoc::StepBatch(TraceListRows& rows, int direction) {
    size_t count = rows.size();
    if (count == 0) return;
    const Preferences& preferences = application().preferences;
    const bool keepPrimary = preferences.batchKeepPrimary;

    size_t batch = (m_displayedCount == 0 || (keepPrimary && m_displayedCount == 1))
                       ? static_cast<size_t>(std::max(preferences.batchSize, 1))
                       : static_cast<size_t>(m_displayedCount);
    batch = std::min(batch, count);

    const CTraceListEntry* skipped = keepPrimary ? m_primary : nullptr;
    const FreeRuns runs = freeRunsOf(rows, skipped);
    size_t start = 0;
    if (std::optional<size_t> selected = rows.firstSelectedRow())
        start = *selected;
    else if (m_displayedCount > 0)
        start = direction > 0 ? runs.lastRunStart : runs.firstRunEnd;

    TraceEntries shown = DisplayedEntries();
    std::erase(shown, skipped);
    HideTracesAndDropComputed(shown);
    count = rows.size();
    if (count == 0) return;
    start = std::min(start, count - 1);

    const bool kept = keepPrimary && m_primary;
    size_t wanted = batch - (kept ? 1 : 0);
    wanted = std::min(wanted, count - (kept ? 1 : 0));

    TraceEntries collected;
    size_t row = start;
    for (size_t visited = 0; visited < count && collected.size() < wanted; ++visited) {
        CTraceListEntry* entry = rows.entryAt(row);
        if (!(kept && entry == m_primary)) collected.push_back(entry);
        row = direction > 0 ? (row + 1) % count : (row + count - 1) % count;
    }
    DisplayTraces(collected);
    rows.clearSelection();
}

} // namespace orvane
