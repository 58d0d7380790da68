// How the graph view reacts to the update hints of the trace list, the trace
// documents and the graph itself: what changes in the graph, and which of
// the view's bars need refreshing.
#pragma once

#include "core/trace/graph/trace_graph.h"

#include <optional>
#include <vector>

namespace orvane::graph {

// Hints of the batch and template commands that the platform's list does not
// name yet; the graph rebuilds its curves on each.
inline constexpr HintCode HINT_BATCH_RAN = 17;
inline constexpr HintCode HINT_TEMPLATE_BUILT = 19;
inline constexpr HintCode HINT_TEMPLATE_APPLIED = 20;
inline constexpr HintCode HINT_CURVES_STALE = 22;
inline constexpr HintCode HINT_RECENTRE = 23;

struct GraphTraceRef {
    GraphEntry entry = nullptr;
    CT6* record = nullptr;
};

struct GraphHintInput {
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
    std::optional<HintCode> forwardToList; // list notification to send for the documents
};

inline constexpr const char* kUnableToFlip = "Unable to flip a trace with no events.";

ViewRefresh ReactToHint(TraceGraph& graph, HintCode hint, const GraphHintInput& payload);

} // namespace orvane::graph
