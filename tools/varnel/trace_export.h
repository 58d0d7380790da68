// The data points of a trace as text: the desktop viewer's trace text export
// (title, header keys, one level per line) or distance,level CSV.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>
#include <string>

namespace varnel::cli {

// First point written: the one at 0 km, or the next whole point when 0 km
// lies between points, never before point 0.
int32_t firstExportedPoint(const CT6& record);

// path names the trace in the FN and PN lines.
std::string traceTextExport(const CT6& record, const std::string& path);

// "distance_<unit>,level_db" then one line per data point, from point 0
// (negative distances before 0 km), distances in the current distance unit.
std::string traceCsvExport(const CT6& record);

} // namespace varnel::cli
