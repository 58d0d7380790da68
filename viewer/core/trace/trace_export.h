// The trace text export: a title, header keys, then one level per data point
// from the point at 0 km on.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>
#include <string>

namespace orvane {

// First point written: the one at 0 km, or the next whole point when 0 km
// lies between points, never before point 0.
int32_t firstExportedPoint(const CT6& record);

// The file's whole text; name and pathOrName fill the FN and PN lines.
std::string traceTextExport(const CT6& record, const std::string& name,
                            const std::string& pathOrName);

} // namespace orvane
