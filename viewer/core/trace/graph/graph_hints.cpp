#include "core/trace/graph/graph_hints.h"

#include "core/trace/graph/stored_view.h"

#include <algorithm>

namespace orvane::graph {
namespace {

bool Concerns(const GraphHintInput& payload, GraphEntry entry) {
    return entry && std::any_of(payload.traces.begin(), payload.traces.end(),
                                [entry](const GraphTraceRef& t) { return t.entry == entry; });
}

ViewRefresh RebuildConcerned(TraceGraph& graph, const GraphHintInput& payload) {
    ViewRefresh r;
    if (graph.FlipTraces() && graph.CurveCount() >= 2) {
        graph.RebuildCurves();
        r.thumbnail = true;
    } else {
        for (const GraphTraceRef& t : payload.traces)
            graph.RebuildCurve(t.entry);
    }
    graph.RecomputeMeasurement();
    r.repaint = r.readouts = true;
    return r;
}

ViewRefresh RebuildAll(TraceGraph& graph) {
    ViewRefresh r;
    graph.RebuildCurves();
    graph.RecomputeMeasurement();
    r.repaint = r.thumbnail = r.readouts = true;
    return r;
}

void RerunORL(TraceGraph& graph, const GraphHintInput& payload, ViewRefresh& r) {
    if (graph.LossMode() != T6_LOSS_ORL) return;
    r.orlMessage = graph.RunORL(payload.orlRelToOrigin);
}

void Recentre(TraceGraph& graph) {
    if (graph.Display() == DisplayMode::FromA) graph.SetCursorA(graph.CursorA());
    if (graph.Display() == DisplayMode::FromB) graph.SetCursorB(graph.CursorB());
}

} // namespace

ViewRefresh ReactToHint(TraceGraph& graph, HintCode hint, const GraphHintInput& payload) {
    ViewRefresh r;
    switch (hint) {
    case HINT_TRACES_EVENTS_EDITED:
    case HINT_TRACES_EVENT_INSERTED:
    case HINT_TRACES_EVENT_DELETED:
        return RebuildConcerned(graph, payload);
    case HINT_TRACES_HIDDEN:
        for (const GraphTraceRef& t : payload.traces)
            graph.RemoveTrace(t.entry);
        r.repaint = r.thumbnail = r.readouts = r.infoBar = true;
        return r;
    case HINT_TRACES_DISPLAYED:
        for (const GraphTraceRef& t : payload.traces)
            if (graph.AddTrace(t.entry, t.record) == AddTraceResult::AddedFlipRefused)
                r.flipRefused = true;
        r.repaint = r.thumbnail = r.readouts = r.infoBar = true;
        return r;
    case HINT_PRIMARY_CHANGED:
        graph.SetPrimary(payload.traces.empty() ? nullptr : payload.traces.front().entry);
        // The new primary brings its own cursors, loss mode and windows.
        if (!payload.traces.empty() && payload.traces.front().record)
            graph.LoadView(ReadStoredView(*payload.traces.front().record));
        r.repaint = r.thumbnail = r.readouts = r.infoBar = r.scrollBars = true;
        return r;
    case HINT_TRACES_ANALYZED:
        if (graph.LossMode() == T6_LOSS_2POINT_ATN_COR) graph.RecomputeMeasurement();
        r = RebuildConcerned(graph, payload);
        r.infoBar = true;
        return r;
    case HINT_TRACES_SMOOTHED:
    case HINT_BATCH_RAN:
    case HINT_TEMPLATE_BUILT:
    case HINT_TEMPLATE_APPLIED:
        r = RebuildAll(graph);
        r.infoBar = true;
        return r;
    case HINT_CURVES_STALE:
        return RebuildAll(graph);
    case HINT_TRACES_PROPERTIES:
        if (!Concerns(payload, graph.Primary())) return r;
        graph.RecomputeMeasurement();
        Recentre(graph);
        r.measurementText = r.readouts = r.infoBar = r.thumbnail = r.repaint = true;
        return r;
    case HINT_PREFERENCES:
        graph.SetDistanceUnitFactor(payload.unitFactor);
        graph.RecomputeMeasurement();
        r.repaint = r.infoBar = r.readouts = true;
        return r;
    case HINT_TRACE_CHANGED:
        r = RebuildAll(graph);
        if (graph.Second()) RerunORL(graph, payload, r);
        r.infoBar = true;
        return r;
    case HINT_RECENTRE:
        r = RebuildAll(graph);
        Recentre(graph);
        r.toolbar = true;
        return r;
    case HINT_IOR_CHANGED:
        graph.ScaleDistances(payload.iorRatio);
        r.repaint = r.readouts = r.scrollBars = true;
        return r;
    case HINT_CURSOR_A:
    case HINT_CURSOR_B:
    case HINT_CURSORS:
    case HINT_VIEW_LOADED:
        r.readouts = r.measurementText = true;
        return r;
    case HINT_MEASUREMENT:
        r.measurementText = true;
        return r;
    case HINT_GRID:
        r.repaint = r.infoBar = r.scrollBars = true;
        return r;
    case HINT_MODE:
        r.toolbar = r.repaint = true;
        return r;
    case HINT_EVENT_PROPERTIES:
        r.forwardToList = HINT_TRACES_PROPERTIES;
        return r;
    case HINT_EVENT_DELETED:
        r.forwardToList = HINT_TRACES_EVENT_DELETED;
        return r;
    case HINT_EVENT_EDITED:
        r.forwardToList = HINT_TRACES_EVENTS_EDITED;
        return r;
    case HINT_EVENT_INSERTED:
        r.forwardToList = HINT_TRACES_EVENT_INSERTED;
        return r;
    case HINT_MEASUREMENT_SETTINGS:
        if (!graph.Second()) return r;
        graph.RecomputeMeasurement();
        RerunORL(graph, payload, r);
        r.readouts = r.measurementText = true;
        return r;
    default:
        return r;
    }
}

} // namespace orvane::graph
