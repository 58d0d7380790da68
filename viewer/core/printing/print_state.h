// The program's print settings record: the page layout and the print values
// of "ReportPrint", read once at start-up, edited by the print dialogs and
// "Page Layout", written back once at exit. The values printing shares with
// the splice-loss wizard are the wizard's stored report settings.
#pragma once

#include "core/printing/print_settings.h"

namespace orvane::printing {

PageLayoutSettings& pageLayout();

// "ReportPrint" as the print dialogs show it, and their accepted values.
ReportPrintValues CurrentReportPrintValues();
void KeepReportPrintValues(const ReportPrintValues& values);

// After the wizard's stored report settings were loaded.
void LoadPrintSettings(const SettingsStore& store);
void SavePrintSettings(SettingsStore& store);

} // namespace orvane::printing
