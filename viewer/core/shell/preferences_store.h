// Preferences in the settings store: sections "Preferences", "FASTemplate",
// "SmartTemplate" and "Auto1Bi", their value names, stored forms and
// fall-backs; and how they reach the trace library.
#pragma once

#include "core/platform/settings_store.h"
#include "core/shell/preferences.h"

#include <string>

namespace orvane {

inline constexpr char kPreferencesSection[] = "Preferences";
inline constexpr char kFASTemplateSection[] = "FASTemplate";
inline constexpr char kSmartTemplateSection[] = "SmartTemplate";
inline constexpr char kAuto1BiSection[] = "Auto1Bi";

// Reads every value; a missing or unreadable one takes its default (no
// message).
Preferences LoadPreferences(const SettingsStore& store);
// Writes every value, changed or not.
void SavePreferences(SettingsStore& store, const Preferences& preferences);
// Pushes the distance unit, formats, end-to-end loss, attenuation, analysis
// thresholds and ORL reference into the trace library, in that order.
void ApplyPreferencesToLibrary(const Preferences& preferences);

// The word lists of the list values.
const char* distanceUnitWord(int32_t unit);
// "mi", "ft", "kft", "m", "km"; and the short-distance label ("ft" or "m").
const char* distanceUnitLabel(int32_t unit);
const char* shortDistanceLabel(int32_t unit);

// "%f" of a real, as stored.
std::string realText(double value);

} // namespace orvane
