// The rules of the Preferences dialog that do not need a window: the ranges
// and steps of its numbers, the sort-mask check and what follows an OK.
#pragma once

#include "core/shell/preferences.h"

#include <functional>
#include <optional>
#include <string>

namespace orvane {

struct NumberRange {
    double minimum;
    double maximum;
    double step;
    int decimals;
};

// Analysis page.
inline constexpr NumberRange kLossThresholdRange{0.00, 5.00, 0.01, 2};
inline constexpr NumberRange kReflThresholdRange{-70.0, -10.0, 0.1, 1};
inline constexpr NumberRange kFiberBreakRange{0.2, 15.0, 0.1, 1};
inline constexpr NumberRange kNthReflCountRange{1, 10, 1, 0};
inline constexpr NumberRange kNthReflThresholdRange{-70.0, 0.0, 0.1, 1};
// Display page.
inline constexpr NumberRange kBatchSizeRange{1, 8, 1, 0};
inline constexpr NumberRange kHighLossRange{0.0, 8.0, 0.1, 1};
inline constexpr NumberRange kFixedDBKMRange{0.0, 5.0, 0.01, 2};
// Power meter page.
inline constexpr NumberRange kDecimalPlacesRange{1, 3, 1, 0};

// The framework's message for a number outside its range; nothing when the
// number is inside.
std::optional<std::string> rangeMessage(double value, const NumberRange& range);

extern const char kSortMaskMessage[];
// Only the characters '1' to '9'; an empty mask is accepted.
bool isValidSortMask(const std::string& mask);

// The steps that follow an accepted dialog, from what changed.
struct PreferenceFollowUps {
    bool reloadUnitLabels = false;
    bool refreshPowerMeterViews = false;
    bool resortTraceList = false;         // HINT_LIST_RESORT
    bool preferencesHint = false;         // HINT_PREFERENCES
    bool measurementSettingsHint = false; // notification 38
};

PreferenceFollowUps followUpsOf(const Preferences& before, const Preferences& after);

// Applies an accepted dialog: the new preferences become the application's,
// the library gets them, and the current trace list its hints. The two
// window-side steps are called when given.
struct PreferenceHooks {
    std::function<void()> reloadUnitLabels;
    std::function<void()> refreshPowerMeterViews;
};
PreferenceFollowUps applyAcceptedPreferences(const Preferences& after,
                                             const PreferenceHooks& hooks = {});

} // namespace orvane
