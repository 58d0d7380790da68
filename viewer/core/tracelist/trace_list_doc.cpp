#include "core/tracelist/trace_list_doc.h"

#include "core/platform/document_type.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/trace/trace_doc.h"
#include "core/tracelist/trace_list_messages.h"
#include "core/tracelist/trl_paths.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>
#include <utility>

namespace orvane {

namespace {

std::string pathKey(const std::string& path) {
    return toLower(path);
}

std::string replaceFirst(std::string text, const std::string& mark, const std::string& by) {
    if (size_t at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), by);
    return text;
}

} // namespace

CTraceListDoc::CTraceListDoc(DocumentType& traceType) : m_traceType(traceType) {}

CTraceListDoc::~CTraceListDoc() {
    for (const auto& entry : m_entries)
        deleteDocument(entry.get());
    if (application().currentTraceList == this) application().currentTraceList = nullptr;
}

// --- Entries ----------------------------------------------------------------

CTraceListEntry* CTraceListDoc::appendEntry(const std::string& path) {
    m_entries.push_back(std::make_unique<CTraceListEntry>());
    CTraceListEntry* entry = m_entries.back().get();
    entry->path = path;
    indexPath(entry);
    return entry;
}

void CTraceListDoc::indexPath(CTraceListEntry* entry) {
    m_byPath.emplace(pathKey(entry->path), entry);
}

void CTraceListDoc::unindexPath(const CTraceListEntry* entry) {
    auto [first, last] = m_byPath.equal_range(pathKey(entry->path));
    for (auto it = first; it != last; ++it) {
        if (it->second != entry) continue;
        m_byPath.erase(it);
        return;
    }
}

TraceEntries CTraceListDoc::AddTraces(const std::vector<std::string>& paths) {
    TraceEntries added;
    for (const std::string& path : paths) {
        if (FindTrace(path)) {
            tell("", replaceFirst(kAlreadyInList, "%1", path));
            continue;
        }
        added.push_back(appendEntry(path));
    }
    Notify(HINT_TRACES_ADDED, added);
    setModified(true);
    return added;
}

CTraceListEntry* CTraceListDoc::AddTrace(const std::string& path) {
    CTraceListEntry* entry = appendEntry(path);
    Notify(HINT_TRACES_ADDED, {entry});
    setModified(true);
    return entry;
}

CTraceListEntry* CTraceListDoc::FindTrace(const std::string& path) const {
    const std::string key = pathKey(path);
    auto [first, last] = m_byPath.equal_range(key);
    if (first == last) return nullptr;
    if (std::next(first) == last) return first->second;
    // Several entries share the path (a list file may hold it twice): the
    // earliest, as a walk through the list finds it.
    for (const auto& entry : m_entries)
        if (pathKey(entry->path) == key) return entry.get();
    return nullptr;
}

size_t CTraceListDoc::CountTrace(const std::string& path) const {
    return m_byPath.count(pathKey(path));
}

// Entries that cannot let go of their trace (a cancelled save prompt) stay
// listed: an entry is destroyed only once nothing refers to it.
void CTraceListDoc::RemoveTraces(TraceEntries entries) {
    TraceEntries displayed;
    for (CTraceListEntry* entry : entries)
        if (entry->displayed) displayed.push_back(entry);
    HideTraces(displayed);

    std::erase_if(entries, [this](CTraceListEntry* entry) {
        if (entry->displayed) return true;
        if (entry->document && !entry->document->SaveModified()) return true;
        deleteDocument(entry);
        return false;
    });
    if (entries.empty()) return;

    const std::unordered_set<const CTraceListEntry*> doomed(entries.begin(), entries.end());
    std::vector<std::unique_ptr<CTraceListEntry>> removed;
    for (auto& entry : m_entries) {
        if (!doomed.count(entry.get())) continue;
        unindexPath(entry.get());
        removed.push_back(std::move(entry));
    }
    std::erase(m_entries, nullptr);
    setModified(true);
    Notify(HINT_TRACES_REMOVED, entries);
}

// --- Display ------------------------------------------------------------------

CTraceListEntry* CTraceListDoc::EntryInSlot(int slot) const {
    if (slot < 0 || slot >= kMaxDisplayedTraces) return nullptr;
    return m_slots[static_cast<size_t>(slot)];
}

int CTraceListDoc::SlotOf(const CTraceListEntry* entry) const {
    if (!entry) return -1;
    auto it = std::find(m_slots.begin(), m_slots.end(), entry);
    return it == m_slots.end() ? -1 : static_cast<int>(it - m_slots.begin());
}

CTraceDoc* CTraceListDoc::IsDisplayed(const CTraceListEntry* entry) const {
    return SlotOf(entry) >= 0 ? entry->document : nullptr;
}

TraceEntries CTraceListDoc::DisplayedEntries() const {
    TraceEntries displayed;
    for (CTraceListEntry* entry : m_slots)
        if (entry) displayed.push_back(entry);
    return displayed;
}

void CTraceListDoc::DisplayTraces(TraceEntries entries) {
    CTraceListEntry* first = nullptr;
    std::erase_if(entries, [&](CTraceListEntry* entry) {
        if (m_displayedCount >= kMaxDisplayedTraces || entry->displayed) return true;
        auto empty = std::find(m_slots.begin(), m_slots.end(), nullptr);
        if (!AcquireTrace(entry, true)) return true;
        entry->displayed = true;
        *empty = entry;
        if (m_displayedCount++ == 0) first = entry;
        return false;
    });
    if (first) SetPrimary(first);
    Notify(HINT_TRACES_DISPLAYED, entries);
}

TraceEntries CTraceListDoc::HideTraces(TraceEntries entries) {
    std::vector<CTraceDoc*> released;
    std::vector<CTraceDoc*>* outer = std::exchange(m_deferredDeletes, &released);
    TraceEntries hidden;
    for (CTraceListEntry* entry : entries) {
        if (m_displayedCount == 0 || !entry->displayed) continue;
        if (!ReleaseTrace(entry)) break;
        entry->displayed = false;
        m_slots[static_cast<size_t>(SlotOf(entry))] = nullptr;
        --m_displayedCount;
        hidden.push_back(entry);
        if (m_displayedCount == 0) {
            SetPrimary(nullptr);
        } else if (entry == m_primary) {
            auto lowest = std::find_if(m_slots.begin(), m_slots.end(),
                                       [](const CTraceListEntry* e) { return e != nullptr; });
            SetPrimary(*lowest);
        }
    }
    Notify(HINT_TRACES_HIDDEN, hidden);
    m_deferredDeletes = outer;
    for (CTraceDoc* document : released)
        destroyDocument(document);
    return hidden;
}

void CTraceListDoc::HideTracesAndDropComputed(TraceEntries entries) {
    TraceEntries computed;
    for (CTraceListEntry* entry : HideTraces(std::move(entries)))
        if (!entry->document && isComputedTraceName(entry->path)) computed.push_back(entry);
    if (!computed.empty()) RemoveTraces(computed);
}

void CTraceListDoc::SetPrimary(CTraceListEntry* entry) {
    if (entry == m_primary) return;
    CTraceListEntry* old = m_primary;
    m_primary = entry;
    Notify(HINT_PRIMARY_CHANGED, {entry, old});
}

// --- Use counts -----------------------------------------------------------------

CTraceDoc* CTraceListDoc::AcquireTrace(CTraceListEntry* entry, bool open) {
    if (!entry->document && open)
        entry->document = static_cast<CTraceDoc*>(m_traceType.openDocument(entry->path, false));
    if (!entry->document) return nullptr;
    entry->document->setAutoDelete(false);
    if (open) ++entry->useCount;
    return entry->document;
}

bool CTraceListDoc::ReleaseTrace(CTraceListEntry* entry) {
    const bool counted = entry->useCount > 0;
    if (counted) --entry->useCount;
    if (entry->useCount != 0 || !entry->document) return true;
    CTraceDoc* document = entry->document;
    if (document->record().IsTraceRecalled()) {
        if (!document->SaveModified()) {
            if (counted) ++entry->useCount;
            return false;
        }
        if (document->path().empty()) tell("", kNoTraceFile + entry->path);
    } else {
        SaveTraces({entry});
    }
    deleteDocument(entry);
    return true;
}

void CTraceListDoc::CloseTrace(CTraceListEntry* entry) {
    deleteDocument(entry);
    entry->useCount = 0;
}

void CTraceListDoc::deleteDocument(CTraceListEntry* entry) {
    CTraceDoc* document = entry->document;
    if (!document) return;
    entry->document = nullptr;
    if (m_deferredDeletes)
        m_deferredDeletes->push_back(document);
    else
        destroyDocument(document);
}

void CTraceListDoc::destroyDocument(CTraceDoc* document) {
    if (DocumentType* type = document->type(); type && type->owns(document))
        type->deleteDocument(document);
    else
        delete document;
}

// --- Notifications ------------------------------------------------------------------

void CTraceListDoc::Notify(HintCode code, const TraceEntries& entries) {
    const HintEntries payload(entries.begin(), entries.end());
    for (CTraceListEntry* entry : entries)
        if (entry && entry->document) entry->document->updateAllViews(nullptr, code, payload);
    if (!entries.empty()) updateAllViews(nullptr, code, payload);
}

void CTraceListDoc::Notify(HintCode code) {
    updateAllViews(nullptr, code);
    for (const auto& entry : m_entries)
        if (entry->document) entry->document->updateAllViews(nullptr, code);
}

// --- Closing ------------------------------------------------------------------------

bool CTraceListDoc::CanCloseFrame() {
    for (const auto& entry : m_entries)
        if (entry->document && !entry->document->SaveModified()) return false;
    return SaveModified();
}

void CTraceListDoc::OnCloseDocument() {
    for (const auto& entry : m_entries) {
        deleteDocument(entry.get());
        entry->useCount = 0;
        entry->displayed = false;
    }
    m_slots.fill(nullptr);
    m_displayedCount = 0;
    m_primary = nullptr;
    if (application().currentTraceList == this) application().currentTraceList = nullptr;
}

} // namespace orvane
