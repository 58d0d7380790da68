// The wizards' traces as the trace list holds them: the chosen entries,
// opened through the list's use counts. A trace the template went into is
// saved to its own file; a template is written natively beside the first
// trace and added to the list.
#pragma once

#include "core/bidir/splice_loss_wizard.h"
#include "core/tracelist/trace_list_doc.h"

namespace orvane::bidir {

class ListWizardTraces : public WizardTraces {
public:
    ListWizardTraces(CTraceListDoc& list, TraceEntries entries);

    std::size_t size() const override { return m_entries.size(); }
    CT6* acquire(std::size_t i) override;
    void release(std::size_t i) override;
    std::string name(std::size_t i) const override;
    std::u16string path(std::size_t i) const override;
    bool save(std::size_t i, CT6& trace) override;
    bool addTemplate(CT6& splicesTemplate, const std::u16string& fileName) override;

    // Tells the list and the traces' views what the run changed and saved.
    void notifyChanges();

private:
    CTraceListDoc& m_list;
    TraceEntries m_entries;
    TraceEntries m_saved;
};

} // namespace orvane::bidir
