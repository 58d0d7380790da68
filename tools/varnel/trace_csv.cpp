#include "trace_export.h"
#include "trace_view.h"

#include <cstdio>

namespace varnel::cli {

std::string traceCsvExport(const CT6& r) {
    std::string out = "distance_" + distanceUnitLabel() + ",level_db\n";
    char line[64];
    // Every point, those of a launch cable before 0 km at negative distances.
    for (int32_t i = 0; i < r.DPOCount(); ++i) {
        std::snprintf(line, sizeof line, "%.6f,%.3f\n", T6CurDistFromKM(r.KMFromDPFR(i, 0)),
                      r.DPWGetDB(i));
        out += line;
    }
    return out;
}

} // namespace varnel::cli
