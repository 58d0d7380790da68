// The ORL calculation's last result, one per process: every calculation on any
// record overwrites it, and CalcORLInfoSave copies it into a record.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>

namespace varnel {

// The ORL bits a calculation reports, and all ORL bits of the trace flags.
inline constexpr uint32_t kORLStatusBits =
    T6_TRACE_ORL_LESS_THAN | T6_TRACE_ORL_REL_TO_A | T6_TRACE_ORL_SATURATED | T6_TRACE_ORL_STFM;
inline constexpr uint32_t kORLFlagBits =
    kORLStatusBits | T6_TRACE_ORL_AVAILABLE | T6_TRACE_ORL_COPIED;

struct ORLResult {
    double orlDB = T6_NO_VALUE;
    int32_t status = 0;
    int32_t aDP = 0;
    uint16_t aFR = 0;
    int32_t bDP = 0;
    uint16_t bFR = 0;
    int32_t fctryLaserPower = 0;
    int32_t attenLaserPower = 0;
    int32_t attenAPD = 0;
    double dbkm = 0.0; // attenuation of the reference section
    int32_t e0DP = 0;  // reference section
    int32_t e1DP = 0;
    double eArea = 0.0; // summed linear power of the reference section
    double aArea = 0.0; // summed linear power of the integrated stretch
};

ORLResult& lastORLResult();

} // namespace varnel
