// The ORL calculation's last result, one per process: every calculation on any
// record overwrites it, and CalcORLInfoSave copies it into a record.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>

namespace varnel {

// ORL bits of the status and of the record's trace flags.
inline constexpr uint32_t kORLLessThan = 0x200;
inline constexpr uint32_t kORLRelToA = 0x400;
inline constexpr uint32_t kORLSaturated = 0x800;
inline constexpr uint32_t kORLAvailable = 0x1000;
inline constexpr uint32_t kORLReferenceFibre = 0x10000;
inline constexpr uint32_t kORLCopied = 0x20000;
inline constexpr uint32_t kORLStatusBits =
    kORLLessThan | kORLRelToA | kORLSaturated | kORLReferenceFibre;
inline constexpr uint32_t kORLFlagBits = kORLStatusBits | kORLAvailable | kORLCopied;

inline constexpr uint32_t kModORL = 4;

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
