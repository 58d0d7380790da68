// The exception criteria (section "Exception"): which differences from the
// primary trace and which unusual events make a row of the exception
// report, with their thresholds. Every flag is off by default.
#pragma once

#include "core/platform/settings_store.h"

#include <array>
#include <cstdint>

namespace orvane::bidir {

inline constexpr char kExceptionSection[] = "Exception";

// The "Different than Primary" criteria, in their order.
enum class SettingCriterion : int32_t {
    Wavelength,
    Range,
    Resolution,
    PulseWidth,
    IOR,
    BackscatCoef,
    AnalysisThres,
    ORLParms,
    TraceFormat,
    Instrument,
    OpticsModule,
    HeaderType,
    PatchCordSetup,
    Smooth,
};
inline constexpr std::size_t kSettingCriteria = 14;

struct ExceptionCriteria {
    std::array<bool, kSettingCriteria> setting{};
    bool endLocation = false;
    double endLocationPrcnt = 2.0;
    bool endEndLoss = false;
    double endEndLossPrcnt = 10.0;
    bool orl = false;
    double orlPrcnt = 10.0;
    bool eventLoc = false;
    double eventLocPrcnt = 2.0;
    double eventLocKm = 1.0;
    bool horzShift = false;
    double horzShiftPrcnt = 4.0;
    bool numSplices = false;
    int32_t numSplicesMax = 0;
    bool none = false;
    bool unusualEnd = false;
    bool userCreated = false;
    bool userEdited = false;
    bool lossOutside = false;
    double lossOutsideMin = -0.5;
    double lossOutsideMax = 0.5;
    bool notSpliceLoss = false;
    bool unusualNonEnd = false;
    bool reflSplice = false;
    bool spanLoss = false;
    double spanLossValue = 0.4; // dB/km
    bool averages = false;
    int32_t averagesMin = 2048;
    bool unusualTrace = false;
    bool duplicateWaveform = false;
    bool operator==(const ExceptionCriteria&) const = default;
};

// Value names and report labels of the "Different than Primary" criteria.
extern const std::array<const char*, kSettingCriteria> kSettingCriterionNames;
extern const std::array<const char*, kSettingCriteria> kSettingCriterionLabels;

ExceptionCriteria LoadExceptionCriteria(const SettingsStore& store);
void SaveExceptionCriteria(SettingsStore& store, const ExceptionCriteria& criteria);

} // namespace orvane::bidir
