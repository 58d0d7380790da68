// The program's copy of the "ReportPrint" and "Exception" sections: read at
// start-up with the other print settings, changed by the wizard's pages and
// written back when the program ends.
#pragma once

#include "core/bidir/exception_criteria.h"
#include "core/bidir/report_print_settings.h"
#include "core/platform/settings_store.h"

namespace orvane::bidir {

struct StoredReportSettings {
    ReportPrintSettings print;
    ExceptionCriteria criteria;
};

StoredReportSettings& storedReportSettings();

void LoadStoredReportSettings(const SettingsStore& store);
void SaveStoredReportSettings(SettingsStore& store);

} // namespace orvane::bidir
