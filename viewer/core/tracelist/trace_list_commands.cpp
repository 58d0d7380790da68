#include "core/tracelist/trace_list_commands.h"

#include "core/platform/prompt.h"
#include "core/shell/application_state.h"
#include "core/tracelist/trace_list_messages.h"

#include <algorithm>

namespace orvane {

void TraceListCommands::Add(const std::vector<std::string>& paths) {
    if (!paths.empty()) m_list.AddTraces(paths);
}

bool TraceListCommands::Remove() {
    if (!CanRemove()) return false;
    if (!confirm("", kRemoveQuestion, PromptButtons::YesNo, PromptAnswer::Yes,
                 PromptIcon::Question))
        return false;
    m_list.RemoveTraces(Selected());
    return true;
}

bool TraceListCommands::CanDisplay() const {
    if (m_list.DisplayedCount() >= kMaxDisplayedTraces) return false;
    const std::vector<CTraceListEntry*> selected = Selected();
    return std::any_of(selected.begin(), selected.end(),
                       [](const CTraceListEntry* e) { return !e->displayed; });
}

void TraceListCommands::Display() {
    if (CanDisplay()) m_list.DisplayTraces(Selected());
}

bool TraceListCommands::CanHide() const {
    const std::vector<CTraceListEntry*> selected = Selected();
    return std::any_of(selected.begin(), selected.end(),
                       [](const CTraceListEntry* e) { return e->displayed; });
}

void TraceListCommands::Hide() {
    if (CanHide()) m_list.HideTracesAndDropComputed(Selected());
}

bool TraceListCommands::CanSetPrimary() const {
    if (m_rows.selectedCount() != 1) return false;
    const CTraceListEntry* entry = Selected().front();
    return entry->displayed && entry != m_list.Primary();
}

void TraceListCommands::SetPrimary() {
    if (CanSetPrimary()) m_list.SetPrimary(Selected().front());
}

void TraceListCommands::NextBatch() {
    if (CanStepBatch()) m_list.NextBatch(m_rows);
}

void TraceListCommands::PreviousBatch() {
    if (CanStepBatch()) m_list.PreviousBatch(m_rows);
}

void TraceListCommands::Analyze() {
    if (HasSelection()) m_list.AnalyzeTraces(Selected());
}

void TraceListCommands::Smooth() {
    if (HasSelection()) m_list.SmoothTraces(Selected());
}

void TraceListCommands::Save() {
    if (HasSelection()) m_list.SaveTraces(Selected());
}

void TraceListCommands::SaveAs() {
    if (HasSelection()) m_list.SaveTracesAs(Selected());
}

void TraceListCommands::Properties() {
    if (HasSelection()) m_list.OpenTraceWindows(Selected());
}

} // namespace orvane
