#include "core/bidir/stored_report_settings.h"

namespace orvane::bidir {

StoredReportSettings& storedReportSettings() {
    static StoredReportSettings settings;
    return settings;
}

void LoadStoredReportSettings(const SettingsStore& store) {
    storedReportSettings() = {LoadReportPrintSettings(store), LoadExceptionCriteria(store)};
}

void SaveStoredReportSettings(SettingsStore& store) {
    SaveReportPrintSettings(store, storedReportSettings().print);
    SaveExceptionCriteria(store, storedReportSettings().criteria);
}

} // namespace orvane::bidir
