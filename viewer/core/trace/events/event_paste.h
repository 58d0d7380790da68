// Pasting the measurement taken between the graph's cursors into the event
// dialog: the Paste button, and the start of every insert.
#pragma once

#include "core/trace/events/event_dialog.h"
#include "core/trace/graph/trace_graph.h"

#include <optional>

namespace orvane {

// Fills the dialog from the current measurement on the entry's trace; false
// (after telling why) when the paste is refused, with the dialog unchanged.
bool PasteMeasurement(EventDialog& dialog, const graph::TraceGraph& graph, graph::GraphEntry entry);

// A measured reflectance as the paste takes it: only a non-zero value
// within -70 .. -10 dB, rounded to two decimals.
std::optional<double> PastedReflectance(double measured);

} // namespace orvane
