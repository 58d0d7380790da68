// The Event commands of the graph: stepping the selected event mark with the
// cursors following it, Delete, Insert and Edit. Each change goes to the
// trace's document and is announced with its hint for the trace concerned.
#pragma once

#include "core/trace/events/event_dialog.h"
#include "core/trace/graph/trace_graph.h"

#include <functional>
#include <optional>

namespace orvane {

struct SelectedEvent {
    graph::GraphEntry entry = nullptr;
    int32_t index = -1;
};

class EventCommands {
public:
    using DocumentOf = std::function<CTraceDoc*(graph::GraphEntry)>;
    // Shows the dialog until it is accepted (true) or cancelled; paste fills
    // it from the current measurement.
    using RunDialog = std::function<bool(EventDialog&, const std::function<bool()>& paste)>;
    // HINT_EVENT_DELETED, _EDITED or _INSERTED for one trace.
    using Announce = std::function<void(HintCode, graph::GraphEntry)>;

    EventCommands(graph::TraceGraph& graph, DocumentOf documentOf, RunDialog runDialog,
                  Announce announce);

    std::optional<SelectedEvent> Selected() const;
    CTraceDoc* DocumentOfSelection() const;

    // ">>" (+1) and "<<" (-1), wrapping; without a selection the first mark
    // of the primary.
    void Step(int direction);
    void Select(graph::GraphEntry entry, int32_t index);
    bool Delete();
    bool Insert();
    bool Edit();
    bool Edit(graph::GraphEntry entry, int32_t index);

private:
    void FollowSelection(const graph::TraceCurve& curve, const graph::EventMarker& mark);
    void SelectFirstMarker(graph::GraphEntry entry);

    graph::TraceGraph& m_graph;
    DocumentOf m_documentOf;
    RunDialog m_runDialog;
    Announce m_announce;
};

// The type a new event starts with, from the selected one: an end event
// gives the type of the event before it.
int32_t insertStartingType(const CT6* record, int32_t selected);

} // namespace orvane
