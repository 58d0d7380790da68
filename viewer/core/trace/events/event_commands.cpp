#include "core/trace/events/event_commands.h"

#include "core/platform/prompt.h"
#include "core/trace/events/event_paste.h"
#include "core/trace/events/event_texts.h"

#include <algorithm>

namespace orvane {
namespace {

bool insertableLossMode(int32_t mode) {
    return mode == T6_LOSS_SPLICE || mode == T6_LOSS_2POINT || mode == T6_LOSS_2POINT_LSA ||
           mode == T6_LOSS_2POINT_ATN_COR;
}

bool isEnd(int32_t viewerType) {
    return viewerType == T6_EVENT_END || viewerType == T6_EVENT_QUESTIONABLE_END;
}

} // namespace

int32_t insertStartingType(const CT6* record, int32_t selected) {
    if (!record || selected < 0 || selected >= record->EVCount()) return T6_EVENT_NON_REFLECTIVE;
    const int32_t type = viewerEventType(*record, selected);
    if (!isEnd(type)) return type;
    if (selected <= 1) return T6_EVENT_NON_REFLECTIVE;
    return viewerEventType(*record, selected - 1);
}

EventCommands::EventCommands(graph::TraceGraph& graph, DocumentOf documentOf, RunDialog runDialog,
                             Announce announce)
    : m_graph(graph), m_documentOf(std::move(documentOf)), m_runDialog(std::move(runDialog)),
      m_announce(std::move(announce)) {}

std::optional<SelectedEvent> EventCommands::Selected() const {
    const graph::GraphEntry entry = m_graph.SelectedMarkerEntry();
    if (!entry || m_graph.SelectedMarker() < 0 || !m_graph.CurveOf(entry)) return std::nullopt;
    return SelectedEvent{entry, m_graph.SelectedMarker()};
}

CTraceDoc* EventCommands::DocumentOfSelection() const {
    const std::optional<SelectedEvent> selected = Selected();
    return selected ? m_documentOf(selected->entry) : nullptr;
}

void EventCommands::Select(graph::GraphEntry entry, int32_t index) {
    m_graph.SelectMarker(entry, index);
}

void EventCommands::Step(int direction) {
    const graph::TraceCurve* curve = nullptr;
    size_t next = 0;
    if (const std::optional<SelectedEvent> selected = Selected()) {
        curve = m_graph.CurveOf(selected->entry);
        const auto& marks = curve->Markers();
        if (marks.empty()) return;
        const auto at = std::find_if(marks.begin(), marks.end(), [&](const auto& m) {
            return m.eventIndex == selected->index;
        });
        const auto count = static_cast<ptrdiff_t>(marks.size());
        const ptrdiff_t position = at == marks.end() ? -direction : at - marks.begin();
        next = static_cast<size_t>(((position + direction) % count + count) % count);
    } else {
        curve = m_graph.PrimaryCurve();
        if (!curve || curve->Markers().empty()) return;
    }
    const graph::EventMarker mark = curve->Markers()[next];
    m_graph.SelectMarker(curve->Entry(), mark.eventIndex);
    FollowSelection(*curve, mark);
}

// The cursors follow the selected event in the display modes that keep a
// cursor centred; a splice template's event also brings its LSA handles.
void EventCommands::FollowSelection(const graph::TraceCurve& curve,
                                    const graph::EventMarker& mark) {
    const CT6& record = curve.Record();
    const int32_t i = mark.eventIndex;
    const bool fromA = m_graph.Display() == graph::DisplayMode::FromA;
    if (fromA && curve.Entry() == m_graph.Primary() && !m_graph.IsLocked() &&
        record.IsTraceTemplate() && record.EVGetLossMode(i) == m_graph.LossMode()) {
        m_graph.SetLsa(m_graph.LossMode(), {record.EVGetLSAStartOffKM(i, T6_SIDE_A),
                                            record.EVGetLSAEndOffKM(i, T6_SIDE_A),
                                            record.EVGetLSAStartOffKM(i, T6_SIDE_B),
                                            record.EVGetLSAEndOffKM(i, T6_SIDE_B)});
        m_graph.SetCursorB(record.EVGetEndKM(i));
    }
    if (fromA && m_graph.IsLocked())
        m_graph.SetCursorB(mark.km + (m_graph.CursorB() - m_graph.CursorA()));
    else if (fromA)
        m_graph.SetCursorA(mark.km);
    else if (m_graph.Display() == graph::DisplayMode::FromB)
        m_graph.SetCursorB(mark.km);
}

void EventCommands::SelectFirstMarker(graph::GraphEntry entry) {
    const graph::TraceCurve* curve = m_graph.CurveOf(entry);
    if (!curve || curve->Markers().empty()) {
        m_graph.SelectMarker(nullptr, -1);
        return;
    }
    m_graph.SelectMarker(entry, curve->Markers().front().eventIndex);
}

bool EventCommands::Delete() {
    const std::optional<SelectedEvent> selected = Selected();
    CTraceDoc* doc = selected ? m_documentOf(selected->entry) : nullptr;
    if (!doc) return false;
    const CT6& record = doc->record();
    if (record.EVCount() <= 2 || record.EVGetType(selected->index) == T6_EVENT_END) {
        tell("", kEndEventUndeletable);
        return false;
    }
    if (!confirm("", kConfirmEventDelete, PromptButtons::YesNo, PromptAnswer::Yes)) return false;
    doc->EVDelete(selected->index);
    m_announce(HINT_EVENT_DELETED, selected->entry);
    SelectFirstMarker(selected->entry);
    return true;
}

bool EventCommands::Insert() {
    if (!insertableLossMode(m_graph.LossMode())) {
        tell("", kInsertNeedsLossMode);
        return false;
    }
    const std::optional<SelectedEvent> selected = Selected();
    const graph::GraphEntry entry = selected ? selected->entry : m_graph.Primary();
    CTraceDoc* doc = entry ? m_documentOf(entry) : nullptr;
    if (!doc) return false;
    EventDialog dialog = EventDialog::ForInsert(
        *doc, insertStartingType(&doc->record(), selected ? selected->index : -1));
    const auto paste = [&] { return PasteMeasurement(dialog, m_graph, entry); };
    if (!paste()) return false;
    dialog.MarkOpened();
    if (!m_runDialog(dialog, paste) || !dialog.RecordChanged()) return false;
    m_announce(HINT_EVENT_INSERTED, entry);
    m_graph.SelectMarker(entry, dialog.Index());
    return true;
}

bool EventCommands::Edit() {
    const std::optional<SelectedEvent> selected = Selected();
    return selected && Edit(selected->entry, selected->index);
}

bool EventCommands::Edit(graph::GraphEntry entry, int32_t index) {
    CTraceDoc* doc = m_documentOf(entry);
    if (!doc || index < 0 || index >= doc->record().EVCount()) return false;
    EventDialog dialog = EventDialog::ForEdit(*doc, index);
    const auto paste = [&] { return PasteMeasurement(dialog, m_graph, entry); };
    if (!m_runDialog(dialog, paste) || !dialog.RecordChanged()) return false;
    m_announce(HINT_EVENT_EDITED, entry);
    m_graph.SelectMarker(entry, dialog.Index());
    return true;
}

} // namespace orvane
