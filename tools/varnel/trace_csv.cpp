#include "trace_export.h"
#include "trace_view.h"

#include <cstdio>

namespace varnel::cli {

std::string traceCsvExport(const CT6& r) {
    const int32_t first = firstExportedPoint(r);
    std::string out = "distance_" + distanceUnitLabel() + ",level_db\n";
    char line[64];
    for (int32_t i = first; i < r.DPOCount(); ++i) {
        std::snprintf(line, sizeof line, "%.6f,%.3f\n", T6CurDistFromKM(r.KMFromDPFR(i, 0)),
                      r.DPWGetDB(i));
        out += line;
    }
    return out;
}

} // namespace varnel::cli
