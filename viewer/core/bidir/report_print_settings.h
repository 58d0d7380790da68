// The wizard's General-page values kept in section "ReportPrint", with their
// stored forms: thousandths of a dB for the pass/fail losses, hundredths of
// an inch for the margins, thousandths of a km for the patch cord.
#pragma once

#include "core/platform/settings_store.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvane::bidir {

inline constexpr char kReportPrintSection[] = "ReportPrint";

struct ReportPrintSettings {
    std::string cable;
    double corrPercent = 2.0;
    double hiLossBiDirDB = 0.200;
    double hiLoss1DirDB = 0.300;
    bool ignoreConn = true;
    std::array<std::string, 3> headerLines;
    double topMarginInch = 0.50;
    double leftMarginInch = 0.50;
    std::string locCode1, loc1, locCode2, loc2;
    double startPatchCordKM = 0.200; // read only: no field shows it
    bool operator==(const ReportPrintSettings&) const = default;
};

// Ranges of the General page.
inline constexpr double kMinCorrPercent = 0.001;
inline constexpr double kMaxCorrPercent = 99.0;
inline constexpr double kMaxPassFailDB = 5.0;
inline constexpr double kMaxTopMarginInch = 6.0;
inline constexpr double kMaxLeftMarginInch = 4.0;

ReportPrintSettings LoadReportPrintSettings(const SettingsStore& store);
// Writes every value but the patch-cord distance.
void SaveReportPrintSettings(SettingsStore& store, const ReportPrintSettings& settings);

} // namespace orvane::bidir
