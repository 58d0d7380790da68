#include "core/tracelist/trace_list_rows.h"

#include "core/platform/prompt.h"
#include "core/shell/application_state.h"
#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trace_list_messages.h"

#include <algorithm>
#include <unordered_set>

namespace orvane {

CTraceListDoc* TraceListRows::list() const {
    return static_cast<CTraceListDoc*>(document());
}

std::optional<size_t> TraceListRows::rowOf(const CTraceListEntry* entry) const {
    for (size_t row = 0; row < m_rows.size(); ++row)
        if (m_rows[row].entry == entry) return row;
    return std::nullopt;
}

std::vector<CTraceListEntry*> TraceListRows::entries() const {
    std::vector<CTraceListEntry*> out;
    out.reserve(m_rows.size());
    for (const Row& row : m_rows)
        out.push_back(row.entry);
    return out;
}

int TraceListRows::iconAt(size_t row) const {
    const CTraceListEntry* entry = m_rows[row].entry;
    const CTraceListDoc* doc = list();
    if (doc && entry->displayed) {
        if (entry == doc->Primary()) return kIconPrimary;
        return kIconFirstSlot + doc->SlotOf(entry);
    }
    return entry->found ? kIconNotDisplayed : kIconMissing;
}

std::string TraceListRows::nameAt(size_t row) const {
    return traceFileName(m_rows[row].entry->path);
}

std::string TraceListRows::folderAt(size_t row) const {
    return traceFolder(m_rows[row].entry->path);
}

void TraceListRows::selectAll() {
    for (Row& row : m_rows)
        row.selected = true;
}

void TraceListRows::clearSelection() {
    for (Row& row : m_rows)
        row.selected = false;
}

std::vector<CTraceListEntry*> TraceListRows::selectedEntries() const {
    std::vector<CTraceListEntry*> out;
    for (const Row& row : m_rows)
        if (row.selected) out.push_back(row.entry);
    return out;
}

size_t TraceListRows::selectedCount() const {
    return static_cast<size_t>(
        std::count_if(m_rows.begin(), m_rows.end(), [](const Row& r) { return r.selected; }));
}

std::optional<size_t> TraceListRows::firstSelectedRow() const {
    for (size_t row = 0; row < m_rows.size(); ++row)
        if (m_rows[row].selected) return row;
    return std::nullopt;
}

void TraceListRows::onUpdate(View*, const Hint& hint) {
    switch (hint.code) {
    case HINT_NONE:
    case HINT_LIST_RELOAD:
        rebuild();
        break;
    case HINT_TRACES_ADDED:
        append(hint);
        break;
    case HINT_TRACES_REMOVED:
        remove(hint);
        break;
    case HINT_LIST_RESORT:
        rekey();
        break;
    case HINT_TRACES_SAVED:
        reportDuplicates(hint);
        break;
    default:
        break;
    }
    if (m_listener) m_listener(hint);
    invalidate();
}

void TraceListRows::rebuild() {
    m_rows.clear();
    if (const CTraceListDoc* doc = list()) {
        const TraceListOrder order(application().preferences);
        m_rows.reserve(doc->EntryCount());
        for (const auto& entry : doc->Entries())
            m_rows.push_back({entry.get(), order.keyOf(entry->path), false});
    }
    sort();
}

void TraceListRows::append(const Hint& hint) {
    const HintEntries* added = hint.entries();
    if (!added) return;
    const TraceListOrder order(application().preferences);
    for (const void* entry : *added) {
        auto* e = static_cast<CTraceListEntry*>(const_cast<void*>(entry));
        m_rows.push_back({e, order.keyOf(e->path), false});
    }
    sort();
}

void TraceListRows::remove(const Hint& hint) {
    const HintEntries* removed = hint.entries();
    if (!removed) return;
    const std::unordered_set<const void*> gone(removed->begin(), removed->end());
    std::erase_if(m_rows, [&](const Row& row) { return gone.count(row.entry) > 0; });
}

void TraceListRows::rekey() {
    const TraceListOrder order(application().preferences);
    for (Row& row : m_rows)
        row.key = order.keyOf(row.entry->path);
    sort();
}

void TraceListRows::sort() {
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const Row& a, const Row& b) { return a.key < b.key; });
}

void TraceListRows::reportDuplicates(const Hint& hint) const {
    const HintEntries* saved = hint.entries();
    const CTraceListDoc* doc = list();
    if (!saved || !doc) return;
    for (const void* entry : *saved) {
        const auto* e = static_cast<const CTraceListEntry*>(entry);
        if (doc->CountTrace(e->path) > 1) tell("", kDuplicateTrace + e->path);
    }
}

} // namespace orvane
