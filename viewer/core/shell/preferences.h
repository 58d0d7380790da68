// The user's preferences as the program holds them between start-up and
// exit, with their defaults. The stored forms are in preferences_store.h.
#pragma once

#include <varnel/varnel.h>

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// "TimeFormat": 12- or 24-hour clock, with or without seconds.
inline constexpr int32_t kTime12 = 0;
inline constexpr int32_t kTime12Seconds = 1;
inline constexpr int32_t kTime24 = 2;
inline constexpr int32_t kTime24Seconds = 3;

inline constexpr int32_t kMaxBatchSize = 8;

// Splice template application ("FASTemplate").
struct FASTemplateSettings {
    int32_t eventDetermination = 1;
    int32_t tracePriority = 1;
    double percentDis = 2.00;  // stored as hundredths
    double absoluteDis = 1.00; // stored as hundredths
    int32_t saveTrace = 0;
    int32_t snapTo = 2;

    bool operator==(const FASTemplateSettings&) const = default;
};

// Smart splice template ("SmartTemplate").
struct SmartTemplateSettings {
    int32_t numSplices = 20;
    double lossThres = 0.1;
    int32_t minFrequency = 2;
    int32_t adjustForHelix = 0;
    int32_t eventFreqDist = 0;
    int32_t printReport = 1;

    bool operator==(const SmartTemplateSettings&) const = default;
};

// Splice-loss summary wizards ("Auto1Bi").
struct Auto1BiSettings {
    int32_t exceptReport = 1;
    int32_t buildSST = 1;
    int32_t applySST = 1;
    int32_t slsReport = 1;

    bool operator==(const Auto1BiSettings&) const = default;
};

struct Preferences {
    int32_t distanceUnits = T6_UNIT_KM; // T6_UNIT_...
    bool saveTracePrompt = true;
    int32_t batchSize = kMaxBatchSize;
    bool batchKeepPrimary = false;
    int32_t radioDBKM = 0; // 0: attenuation from each trace; 1: dbPerKM
    double dbPerKM = 0.2;
    std::string sortMaskName;
    std::string sortMaskExt;
    std::string fileNameConv;
    std::string fileExtConv;
    int32_t stacked = 0;
    int32_t lossThreshold = 5;   // hundredths of a dB
    int32_t reflThreshold = 400; // tenths of a dB, positive: -40.0 dB
    int32_t fiberBreak = 30;     // tenths of a dB
    int32_t reflCalcManual = 0;  // 0 automatic at A, 1 manual from A to B
    int32_t addStartConnEE = 1;
    int32_t addEndConnEE = 0;
    int32_t eelForced = 0;
    int32_t orlRelOrigin = 0;  // 0 the A cursor, 1 the origin
    int32_t excessiveLoss = 5; // tenths of a dB
    int32_t endNthReflOn = 0;
    int32_t endNthReflCnt = 1;
    double endNthReflThres = -50.0; // always negative
    int32_t timeFormat = kTime12;
    int32_t dateFormat = 0; // MMDDYY, DDMMMYYY, DDMMM, MMMYY
    std::string pgmLanguage = "ENU";
    std::string hlpLanguage = "ENU";
    int32_t nv8fnEnabled = 0;
    int32_t nv8fnFldCount = 4;
    std::array<int32_t, 6> nv8fnFormat = {1, 2, 3, 4, 0, 5};
    std::array<int32_t, 6> nv8fnSort = {1, 2, 3, 4, 5, 6};
    int32_t p6DBDecimalPlaces = 2;
    int32_t p6ShowReferences = 0;

    FASTemplateSettings fasTemplate;
    SmartTemplateSettings smartTemplate;
    Auto1BiSettings auto1Bi;

    bool operator==(const Preferences&) const = default;
};

} // namespace orvane
