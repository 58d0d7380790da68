// The library-wide thresholds of the automatic event analysis. They keep the
// last values set and are copied into each record that FAS analyses.
#pragma once

#include <cstdint>

namespace varnel {

struct FASSettings {
    double lossDB = 0.03;
    double reflDB = -40.0;
    double breakDB = 3.0;
    int32_t numBreaks = 1;
    int32_t endAtNthRefl = 0; // 0: off
    double nthReflThreshDB = -40.0;
};

// Stored for the viewer's A/B flip dialog; nothing in the library reads them.
struct FASABFlip {
    double first = 9999.0;
    double second = 9999.0;
    int32_t flag = 0;
};

FASSettings& fasSettings();
FASABFlip& fasABFlip();

} // namespace varnel
