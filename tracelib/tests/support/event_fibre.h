// A synthetic trace for the event-table tests: points 0.01 km apart (10 m
// resolution, index 1.5, light at 300000 km/s) on scale factor 1000, with the
// level of each point given by a function of its index.
#pragma once

#include "support/settings_guard.h"

#include <varnel/varnel.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace varnel::test {

inline constexpr double kFibreSpacingKM = 0.01;
inline constexpr int32_t kFibreScaleFactor = 1000;

// Level in data units (dB x 1000) of a fibre that starts at startDB and loses
// dbPerKM along its length, with a step of stepDB at each listed point.
struct FibreShape {
    double startDB = 20.0;
    double dbPerKM = 0.5;
    std::vector<std::pair<int32_t, double>> steps; // point, loss in dB

    double levelDB(int32_t p) const {
        double db = startDB - dbPerKM * p * kFibreSpacingKM;
        for (const auto& [at, loss] : steps)
            if (p >= at) db -= loss;
        return db;
    }
};

inline void loadFibre(CT6& trace, int32_t points, const std::function<double(int32_t)>& levelDB) {
    T6SetSpeedOfLight(300000.0);
    trace.SetResoNominalM(10.0);
    trace.SpanInsertDP(0);
    trace.SpanSetIOR(0, 1.5);
    trace.SFInsertDP(0);
    trace.SFSetScaleFactor(0, kFibreScaleFactor);
    std::vector<uint16_t> values(static_cast<size_t>(points));
    for (int32_t p = 0; p < points; ++p)
        values[static_cast<size_t>(p)] =
            static_cast<uint16_t>(T6LONGRounded(levelDB(p) * kFibreScaleFactor));
    trace.DPOSetCount(points);
    trace.DPOSetDPO(0, points, values.data());
    trace.DPWSetup(1);
    trace.SetZKMDPFR(0, 0);
}

inline void loadFibre(CT6& trace, int32_t points, const FibreShape& shape) {
    loadFibre(trace, points, [&shape](int32_t p) { return shape.levelDB(p); });
}

// Appends an event of the given type spanning the points from startDP to endDP.
inline int32_t addEvent(CT6& trace, int32_t type, int32_t startDP, int32_t endDP,
                        uint32_t flags = 0) {
    const int32_t i = trace.EVInsert();
    trace.EVSetType(i, type);
    trace.EVSetStartDP(i, startDP);
    trace.EVSetEndDP(i, endDP);
    trace.EVPutFlags(i, flags);
    return i;
}

} // namespace varnel::test
