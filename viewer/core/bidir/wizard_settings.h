// The wizard's settings gathered from where they are kept: the preferences'
// "Auto1Bi", "Preferences", "SmartTemplate" and "FASTemplate" values, and the
// "ReportPrint" and "Exception" sections; and written back after Run.
#pragma once

#include "core/bidir/splice_loss_wizard.h"
#include "core/platform/settings_store.h"
#include "core/shell/preferences.h"

namespace orvane::bidir {

WizardSettings WizardSettingsFrom(const Preferences& preferences, const SettingsStore& store,
                                  bool oneDirectional);

// Copies the pages' values back: the preferences' sections in memory (the
// program writes them at exit), "ReportPrint" and "Exception" into the store.
void KeepWizardSettings(const WizardSettings& settings, Preferences& preferences,
                        SettingsStore& store);

} // namespace orvane::bidir
