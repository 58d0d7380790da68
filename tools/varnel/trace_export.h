// The data points of a trace as distance,level CSV; the trace text export
// itself is the viewer's (core/trace/trace_export.h).
#pragma once

#include "core/trace/trace_export.h"

#include <varnel/varnel.h>

#include <string>

namespace varnel::cli {

using orvane::firstExportedPoint;

// "distance_<unit>,level_db" then one line per exported point, distances in
// the current distance unit.
std::string traceCsvExport(const CT6& record);

} // namespace varnel::cli
