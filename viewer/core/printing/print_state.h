// The program's print settings record: read once at start-up, edited by
// "Page Layout", written back once at exit.
#pragma once

#include "core/printing/print_settings.h"

namespace orvane::printing {

PageLayoutSettings& pageLayout();

// Also remembers the store: the print dialogs read and write "ReportPrint"
// and "Exception" there.
void LoadPrintSettings(SettingsStore& store);
SettingsStore* printSettingsStore();
void SavePrintSettings(SettingsStore& store);

} // namespace orvane::printing
