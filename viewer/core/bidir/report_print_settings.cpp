#include "core/bidir/report_print_settings.h"

#include <cmath>
#include <cstdio>

namespace orvane::bidir {

namespace {

constexpr double kThousandths = 1000.0;
constexpr double kHundredths = 100.0;

double readScaled(const SettingsStore& store, const char* name, double fallback, double scale) {
    const int32_t stored = store.readInt(kReportPrintSection, name,
                                         static_cast<int32_t>(std::lround(fallback * scale)));
    return stored / scale;
}

void writeScaled(SettingsStore& store, const char* name, double value, double scale) {
    store.writeInt(kReportPrintSection, name, static_cast<int32_t>(std::lround(value * scale)));
}

// "CorrPercent" is text read as a number.
double readCorrPercent(const SettingsStore& store, double fallback) {
    const std::string text = store.readText(kReportPrintSection, "CorrPercent", "2");
    double value = 0;
    if (std::sscanf(text.c_str(), "%lf", &value) != 1 || !std::isfinite(value)) return fallback;
    return value;
}

std::string text(const SettingsStore& store, const char* name) {
    return store.readText(kReportPrintSection, name, std::string());
}

} // namespace

ReportPrintSettings LoadReportPrintSettings(const SettingsStore& store) {
    ReportPrintSettings s;
    s.cable = text(store, "Cable");
    s.corrPercent = readCorrPercent(store, s.corrPercent);
    s.hiLossBiDirDB = readScaled(store, "HiLossBiDir", s.hiLossBiDirDB, kThousandths);
    s.hiLoss1DirDB = readScaled(store, "HiLoss1Dir", s.hiLoss1DirDB, kThousandths);
    s.ignoreConn = store.readInt(kReportPrintSection, "IgnoreConn", 1) != 0;
    s.headerLines = {text(store, "HdrLine1"), text(store, "HdrLine2"), text(store, "HdrLine3")};
    s.topMarginInch = readScaled(store, "TopMarginOffset", s.topMarginInch, kHundredths);
    s.leftMarginInch = readScaled(store, "LeftMarginOffset", s.leftMarginInch, kHundredths);
    s.locCode1 = text(store, "LocCode1");
    s.loc1 = text(store, "Loc1");
    s.locCode2 = text(store, "LocCode2");
    s.loc2 = text(store, "Loc2");
    s.startPatchCordKM = readScaled(store, "StartPatchCordDis", s.startPatchCordKM, kThousandths);
    return s;
}

void SaveReportPrintSettings(SettingsStore& store, const ReportPrintSettings& s) {
    store.writeText(kReportPrintSection, "Cable", s.cable);
    char corr[64];
    std::snprintf(corr, sizeof corr, "%f", s.corrPercent);
    store.writeText(kReportPrintSection, "CorrPercent", corr);
    writeScaled(store, "HiLossBiDir", s.hiLossBiDirDB, kThousandths);
    writeScaled(store, "HiLoss1Dir", s.hiLoss1DirDB, kThousandths);
    store.writeInt(kReportPrintSection, "IgnoreConn", s.ignoreConn ? 1 : 0);
    store.writeText(kReportPrintSection, "HdrLine1", s.headerLines[0]);
    store.writeText(kReportPrintSection, "HdrLine2", s.headerLines[1]);
    store.writeText(kReportPrintSection, "HdrLine3", s.headerLines[2]);
    writeScaled(store, "TopMarginOffset", s.topMarginInch, kHundredths);
    writeScaled(store, "LeftMarginOffset", s.leftMarginInch, kHundredths);
    store.writeText(kReportPrintSection, "LocCode1", s.locCode1);
    store.writeText(kReportPrintSection, "Loc1", s.loc1);
    store.writeText(kReportPrintSection, "LocCode2", s.locCode2);
    store.writeText(kReportPrintSection, "Loc2", s.loc2);
}

} // namespace orvane::bidir
