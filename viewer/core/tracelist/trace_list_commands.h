// The commands of the trace list window with their enabling rules: what the
// Trace menu, the trace list toolbar and the keys of the list do. The
// selection is the list view's, in row order.
#pragma once

#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trace_list_rows.h"

#include <string>
#include <vector>

namespace orvane {

class TraceListCommands {
public:
    TraceListCommands(CTraceListDoc& list, TraceListRows& rows) : m_list(list), m_rows(rows) {}

    // Trace / Add... (Insert): the chosen or dropped paths.
    void Add(const std::vector<std::string>& paths);

    bool CanRemove() const { return HasSelection(); }
    // Asks first; false when the user said No.
    bool Remove();

    bool CanDisplay() const;
    void Display();
    bool CanHide() const;
    void Hide();
    bool CanSetPrimary() const;
    void SetPrimary();

    bool CanStepBatch() const { return m_list.EntryCount() > 0; }
    void NextBatch();
    void PreviousBatch();

    void SelectAll() { m_rows.selectAll(); }

    bool HasSelection() const { return m_rows.selectedCount() > 0; }
    void Analyze();
    void Smooth();
    void Save();
    void SaveAs();
    // Trace / Properties (Enter): a trace window on each selected trace.
    void Properties();

private:
    std::vector<CTraceListEntry*> Selected() const { return m_rows.selectedEntries(); }

    CTraceListDoc& m_list;
    TraceListRows& m_rows;
};

} // namespace orvane
