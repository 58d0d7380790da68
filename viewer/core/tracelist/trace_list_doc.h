// CTraceListDoc: the trace list, the viewer's workspace. It owns one entry
// per listed trace, shows up to eight of them in display slots (one of them
// the primary trace), opens each entry's trace document on demand through
// the trace document type and closes it when its last user lets go, and
// tells its views and those of every trace what changed.
#pragma once

#include "core/platform/document.h"
#include "core/shell/application_state.h"
#include "core/tracelist/trace_list_entry.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvane {

class DocumentType;
class TraceListRows;

using TraceEntries = std::vector<CTraceListEntry*>;

class CTraceListDoc : public Document {
public:
    // Trace documents are opened through traceType (any of the trace file
    // types: they share the document and its loading).
    explicit CTraceListDoc(DocumentType& traceType);
    ~CTraceListDoc() override;

    // --- Entries --------------------------------------------------------
    const std::vector<std::unique_ptr<CTraceListEntry>>& Entries() const { return m_entries; }
    size_t EntryCount() const { return m_entries.size(); }
    // One entry per path not yet listed; a listed one is told and skipped.
    TraceEntries AddTraces(const std::vector<std::string>& paths);
    // One entry, listed or not (the wizards add computed traces this way).
    CTraceListEntry* AddTrace(const std::string& path);
    // Case-insensitive comparison of the full path.
    CTraceListEntry* FindTrace(const std::string& path) const;
    // How many entries carry this path (case-insensitively).
    size_t CountTrace(const std::string& path) const;
    void RemoveTraces(TraceEntries entries);

    // --- Display ----------------------------------------------------------
    void DisplayTraces(TraceEntries entries);
    // Stops at the first trace whose save prompt is cancelled: that one and
    // the later ones stay displayed. Returns the entries hidden.
    TraceEntries HideTraces(TraceEntries entries);
    // A hide by the Hide command or a batch step: hidden computed traces
    // that have no document any more leave the list.
    void HideTracesAndDropComputed(TraceEntries entries);
    void SetPrimary(CTraceListEntry* entry);
    CTraceListEntry* Primary() const { return m_primary; }
    int DisplayedCount() const { return m_displayedCount; }
    CTraceListEntry* EntryInSlot(int slot) const;
    // -1 when the entry is not displayed.
    int SlotOf(const CTraceListEntry* entry) const;
    // The entry's document when it occupies a slot.
    CTraceDoc* IsDisplayed(const CTraceListEntry* entry) const;
    // The displayed entries in slot order.
    TraceEntries DisplayedEntries() const;

    // Batches over the rows of the list view, in its order; rows' selection
    // gives the start and is cleared afterwards.
    void NextBatch(TraceListRows& rows) { StepBatch(rows, +1); }
    void PreviousBatch(TraceListRows& rows) { StepBatch(rows, -1); }

    // --- Work on traces ---------------------------------------------------
    void AnalyzeTraces(const TraceEntries& entries);
    void SmoothTraces(const TraceEntries& entries);
    void SaveTraces(const TraceEntries& entries);
    void SaveTracesAs(const TraceEntries& entries);
    // Opens a trace window on each; the window releases its entry when it
    // closes. Without a window opener nothing happens.
    void OpenTraceWindows(const TraceEntries& entries);
    using TraceWindowOpener = std::function<void(CTraceListDoc&, CTraceListEntry&, CTraceDoc&)>;
    void SetTraceWindowOpener(TraceWindowOpener opener) { m_openWindow = std::move(opener); }

    // --- Use counts ---------------------------------------------------------
    CTraceDoc* AcquireTrace(CTraceListEntry* entry, bool open);
    // False when the user cancelled the save prompt: nothing was closed.
    bool ReleaseTrace(CTraceListEntry* entry);
    // Closes the document without any prompt.
    void CloseTrace(CTraceListEntry* entry);

    // Tells every entry's trace views, then the list's own views (when
    // entries are given); without entries the list's views come first.
    void Notify(HintCode code, const TraceEntries& entries);
    void Notify(HintCode code);

    // --- The list file ----------------------------------------------------
    // Reads a .TRL; false (after telling) when it cannot be read or is not a
    // trace list. Missing traces are listed, marked and told once.
    bool OnOpenDocument(const std::string& path);
    // Writes a .TRL with paths relative to it; a failure leaves the old file.
    bool OnSaveDocument(const std::string& path);
    // File / Save: the list's own file, or Save As for a new list.
    bool DoFileSave();
    bool DoSaveAs();
    // The framework's question for a modified list: true when the close or
    // the open that asked may go on.
    bool SaveModified();

    // --- Closing ----------------------------------------------------------
    // Every trace document gets its save prompt; false keeps the window.
    bool CanCloseFrame();
    // Closes every trace document without prompts and stops being the
    // current trace list.
    void OnCloseDocument();

private:
    void StepBatch(TraceListRows& rows, int direction);
    CTraceListEntry* appendEntry(const std::string& path);
    void indexPath(CTraceListEntry* entry);
    void unindexPath(const CTraceListEntry* entry);
    void deleteDocument(CTraceListEntry* entry);
    void destroyDocument(CTraceDoc* document);
    void releaseOrSave(CTraceListEntry* entry);

    DocumentType& m_traceType;
    std::vector<std::unique_ptr<CTraceListEntry>> m_entries;
    std::array<CTraceListEntry*, kMaxDisplayedTraces> m_slots{};
    int m_displayedCount = 0;
    CTraceListEntry* m_primary = nullptr;
    // Lower-cased path -> entries, for FindTrace on long lists.
    std::unordered_multimap<std::string, CTraceListEntry*> m_byPath;
    TraceWindowOpener m_openWindow;
    // While set, documents let go of are kept here and deleted after the
    // hint that tells the views: the graph still draws them until then.
    std::vector<CTraceDoc*>* m_deferredDeletes = nullptr;
    // Save As of several traces: the format position and folder carry over.
    int32_t m_saveAsPosition = 0;
    std::string m_saveAsDirectory;
};

} // namespace orvane
