// The settings of a smart splice template build (section "SmartTemplate").
#pragma once

#include <cstdint>

namespace orvane::bidir {

struct SmartTemplateSettings {
    int32_t numSplices = 20;     // the most template events to create
    double lossThresDB = 0.1;    // smallest absolute event loss that counts
    int32_t minFrequency = 2;    // smallest count that can make a template event
    bool adjustForHelix = false; // scale every trace's distances to the reference's length
    bool eventFreqDist = false;  // write the frequency distribution into the reference's points
    bool printReport = true;     // print the build report afterwards
};

// Ranges of the command's dialog; the wizard allows up to 999 splices.
inline constexpr int32_t kMaxSplicesDialog = 62;
inline constexpr int32_t kMaxSplicesWizard = 999;
inline constexpr int32_t kMaxMinFrequency = 9999;

} // namespace orvane::bidir
