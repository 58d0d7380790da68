#include "core/shell/preferences_edit.h"

#include "core/platform/document.h"
#include "core/shell/application_state.h"
#include "core/shell/preferences_store.h"

#include <cstdio>

namespace orvane {

namespace {

std::string numberText(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

bool endToEndChanged(const Preferences& a, const Preferences& b) {
    return a.addStartConnEE != b.addStartConnEE || a.addEndConnEE != b.addEndConnEE ||
           a.eelForced != b.eelForced;
}

bool fileNameSortChanged(const Preferences& a, const Preferences& b) {
    return a.sortMaskName != b.sortMaskName || a.sortMaskExt != b.sortMaskExt ||
           a.nv8fnEnabled != b.nv8fnEnabled || a.nv8fnFldCount != b.nv8fnFldCount ||
           a.nv8fnFormat != b.nv8fnFormat || a.nv8fnSort != b.nv8fnSort;
}

} // namespace

const char kSortMaskMessage[] =
    "Sort Mask characters must be from 1 to 9,\nwhere 1 is the highest priority.";

std::optional<std::string> rangeMessage(double value, const NumberRange& range) {
    if (value >= range.minimum && value <= range.maximum) return std::nullopt;
    return "Please enter a number between " + numberText(range.minimum, range.decimals) + " and " +
           numberText(range.maximum, range.decimals) + ".";
}

bool isValidSortMask(const std::string& mask) {
    for (char c : mask)
        if (c < '1' || c > '9') return false;
    return true;
}

PreferenceFollowUps followUpsOf(const Preferences& before, const Preferences& after) {
    PreferenceFollowUps f;
    const bool unitChanged = before.distanceUnits != after.distanceUnits;
    const bool dateTimeChanged =
        before.dateFormat != after.dateFormat || before.timeFormat != after.timeFormat;
    f.reloadUnitLabels = unitChanged;
    f.refreshPowerMeterViews =
        before.p6DBDecimalPlaces != after.p6DBDecimalPlaces || dateTimeChanged;
    f.resortTraceList = fileNameSortChanged(before, after);
    f.preferencesHint = unitChanged || endToEndChanged(before, after) ||
                        before.excessiveLoss != after.excessiveLoss || dateTimeChanged ||
                        before.radioDBKM != after.radioDBKM || before.dbPerKM != after.dbPerKM;
    f.measurementSettingsHint =
        before.reflCalcManual != after.reflCalcManual || before.orlRelOrigin != after.orlRelOrigin;
    return f;
}

PreferenceFollowUps applyAcceptedPreferences(const Preferences& after,
                                             const PreferenceHooks& hooks) {
    ApplicationState& app = application();
    const PreferenceFollowUps f = followUpsOf(app.preferences, after);
    app.preferences = after;
    if (f.reloadUnitLabels && hooks.reloadUnitLabels) hooks.reloadUnitLabels();
    ApplyPreferencesToLibrary(after);
    if (f.refreshPowerMeterViews && hooks.refreshPowerMeterViews) hooks.refreshPowerMeterViews();
    if (Document* list = app.currentTraceList) {
        if (f.resortTraceList) list->updateAllViews(nullptr, HINT_LIST_RESORT);
        if (f.preferencesHint) list->updateAllViews(nullptr, HINT_PREFERENCES);
        if (f.measurementSettingsHint) list->updateAllViews(nullptr, HINT_MEASUREMENT_SETTINGS);
    }
    return f;
}

} // namespace orvane
