// The print list: the trace list's entries chosen for one print, in the
// list's display order, walked one trace at a time as reports and the
// splice-loss processing expect.
#pragma once

#include "core/bidir/splice_loss_wizard.h"
#include "core/tracelist/trace_list_doc.h"

#include <string>
#include <vector>

namespace orvane::printing {

class PrintList : public bidir::WizardTraces {
public:
    PrintList(CTraceListDoc& list, TraceEntries entries);
    ~PrintList() override;
    PrintList(const PrintList&) = delete;
    PrintList& operator=(const PrintList&) = delete;

    const TraceEntries& entries() const { return m_entries; }

    std::size_t size() const override { return m_entries.size(); }
    // Keeps the trace open until release (a trace that cannot be opened
    // was told about by its document and gives null).
    CT6* acquire(std::size_t i) override;
    void release(std::size_t i) override;
    std::string name(std::size_t i) const override;
    std::u16string path(std::size_t i) const override;
    bool save(std::size_t i, CT6& trace) override;
    bool addTemplate(CT6& splicesTemplate, const std::u16string& fileName) override;

    CTraceDoc* document(std::size_t i);

private:
    CTraceListDoc& m_list;
    TraceEntries m_entries;
    std::vector<int> m_held; // acquisitions not yet released, per entry
};

} // namespace orvane::printing
