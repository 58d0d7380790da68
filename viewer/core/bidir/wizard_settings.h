// The wizard's settings gathered from where they are kept: the preferences'
// "Auto1Bi", "Preferences", "SmartTemplate" and "FASTemplate" values, and the
// "ReportPrint" and "Exception" sections as the program holds them; and
// copied back after Run (the program writes them all at exit).
#pragma once

#include "core/bidir/splice_loss_wizard.h"
#include "core/bidir/stored_report_settings.h"
#include "core/shell/preferences.h"

namespace orvane::bidir {

WizardSettings WizardSettingsFrom(const Preferences& preferences,
                                  const StoredReportSettings& stored, bool oneDirectional);

// Copies the pages' values back into the preferences and the stored sections.
void KeepWizardSettings(const WizardSettings& settings, Preferences& preferences,
                        StoredReportSettings& stored);

} // namespace orvane::bidir
