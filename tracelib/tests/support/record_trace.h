// Builds small traces for the record and array tests: one span at 1 m
// resolution and index 1.5 (0.000999308 km per point at the default speed of
// light), one scale-factor segment, and the given stored data values.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>
#include <string>
#include <vector>

namespace varnel::test {

inline constexpr double kSpacingKM = 1.0 * 299792.5 / (1.5 * 2e8);

inline void loadPoints(CT6& trace, const std::vector<uint16_t>& values, int32_t scaleFactor = 1000,
                       double resoM = 1.0, double ior = 1.5) {
    trace.SetResoNominalM(resoM);
    trace.SpanInsertDP(0);
    trace.SpanSetIOR(0, ior);
    trace.SFInsertDP(0);
    trace.SFSetScaleFactor(0, scaleFactor);
    const auto n = static_cast<int32_t>(values.size());
    trace.DPOInitArray(n);
    trace.DPOSetCount(n);
    trace.DPOSetDPO(0, n, values.data());
    trace.DPWSetup(1);
    trace.SetZKMDPFR(0, 0);
}

// A falling line: point p holds (startUnits - p * stepUnits).
inline std::vector<uint16_t> ramp(int32_t n, int32_t startUnits, int32_t stepUnits) {
    std::vector<uint16_t> values(static_cast<size_t>(n));
    for (int32_t p = 0; p < n; ++p)
        values[static_cast<size_t>(p)] = static_cast<uint16_t>(startUnits - p * stepUnits);
    return values;
}

inline std::u16string str(const char16_t* s) {
    return s ? s : u"(null)";
}

} // namespace varnel::test
