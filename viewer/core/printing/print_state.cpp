#include "core/printing/print_state.h"

#include "core/bidir/stored_report_settings.h"

namespace orvane::printing {

namespace {

ReportPrintValues& reportValues() {
    static ReportPrintValues values;
    return values;
}

} // namespace

PageLayoutSettings& pageLayout() {
    static PageLayoutSettings layout;
    return layout;
}

ReportPrintValues CurrentReportPrintValues() {
    ReportPrintValues values = reportValues();
    values.common = bidir::storedReportSettings().print;
    return values;
}

void KeepReportPrintValues(const ReportPrintValues& values) {
    reportValues() = values;
    bidir::storedReportSettings().print = values.common;
}

void LoadPrintSettings(const SettingsStore& store) {
    pageLayout() = LoadPageLayout(store);
    reportValues() = LoadReportPrintValues(store);
}

void SavePrintSettings(SettingsStore& store) {
    SavePageLayout(store, pageLayout());
    SaveReportPrintExtras(store, reportValues());
}

} // namespace orvane::printing
