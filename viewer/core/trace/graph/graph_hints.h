// How the graph view reacts to the update hints of the trace list, the trace
// documents and the graph itself: what changes in the graph, and which of
// the view's bars need refreshing.
#pragma once

#include "core/trace/graph/trace_graph.h"

#include <optional>
#include <vector>

namespace orvane::graph {

// Hint numbers the graph view reacts to (one number space with the list's
// and the documents' hints).
inline constexpr int HINT_EVENTS_EDITED = 3;
inline constexpr int HINT_EVENTS_INSERTED = 4;
inline constexpr int HINT_EVENTS_DELETED = 5;
inline constexpr int HINT_TRACES_HIDDEN = 6;
inline constexpr int HINT_TRACES_DISPLAYED = 7;
inline constexpr int HINT_PRIMARY_CHANGED = 8;
inline constexpr int HINT_TRACES_ANALYZED = 9;
inline constexpr int HINT_TRACES_SMOOTHED = 10;
inline constexpr int HINT_TRACES_MEASURED = 11;
inline constexpr int HINT_PREFERENCES = 12;
inline constexpr int HINT_TRACE_CHANGED = 14;
inline constexpr int HINT_REDRAW_17 = 17;
inline constexpr int HINT_REDRAW_19 = 19;
inline constexpr int HINT_REDRAW_20 = 20;
inline constexpr int HINT_REDRAW_22 = 22;
inline constexpr int HINT_RECENTRE = 23;
inline constexpr int HINT_IOR_CHANGED = 24;
inline constexpr int HINT_GRAPH_MEASURED = 33;
inline constexpr int HINT_EVENT_DELETED = 34;
inline constexpr int HINT_EVENT_EDITED = 35;
inline constexpr int HINT_EVENT_INSERTED = 36;
inline constexpr int HINT_SECOND_CHANGED = 38;

struct GraphTraceRef {
    GraphEntry entry = nullptr;
    CT6* record = nullptr;
};

struct HintPayload {
    std::vector<GraphTraceRef> traces; // for 8: the new primary, then the old one
    double iorRatio = 1;               // 24: remembered IOR / new IOR of the primary
    double unitFactor = 1;             // 12: km -> the new distance unit
    bool orlRelToOrigin = false;
};

struct ViewRefresh {
    bool repaint = false;
    bool readouts = false;
    bool measurementText = false;
    bool infoBar = false;
    bool scrollBars = false;
    bool thumbnail = false;
    bool toolbar = false;
    bool flipRefused = false;              // "Unable to flip a trace with no events."
    std::optional<std::string> orlMessage; // from a rerun ORL calculation
    std::optional<int> forwardToList;      // list notification to send for the documents
};

inline constexpr const char* kUnableToFlip = "Unable to flip a trace with no events.";

ViewRefresh ReactToHint(TraceGraph& graph, int hint, const HintPayload& payload);

} // namespace orvane::graph
