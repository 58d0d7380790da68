// The print settings: the page-layout options of the four trace prints
// (sections "ViewPrint", "BatchPrint", "FramePrint", "BiDirPrint"), read
// once at start-up and written back at exit, and the print values of
// section "ReportPrint" that the print dialogs read and store when accepted.
#pragma once

#include "core/bidir/report_print_settings.h"
#include "core/platform/settings_store.h"

#include <cstdint>
#include <string>

namespace orvane::printing {

inline constexpr char kViewPrintSection[] = "ViewPrint";
inline constexpr char kBatchPrintSection[] = "BatchPrint";
inline constexpr char kFramePrintSection[] = "FramePrint";
inline constexpr char kBiDirPrintSection[] = "BiDirPrint";

inline constexpr int32_t kMinTracesPerPlot = 1;
inline constexpr int32_t kMaxTracesPerPlot = 8;
inline constexpr int32_t kMinFrameCells = 1;
inline constexpr int32_t kMaxFrameCells = 4;

struct ViewPrintLayout {
    bool plotTrace = true;
    bool traceInfo = true;
    bool headerInfo = true;
    bool fasEvents = true;
    bool primaryOnly = false; // "Primary"
    bool expandPlot = true;
    bool landscape = false;
    bool operator==(const ViewPrintLayout&) const = default;
};

struct BatchPrintLayout {
    bool plotTrace = true;
    bool traceInfo = true;
    bool headerInfo = true;
    bool fasEvents = true;
    bool dualPlot = false;
    bool landscape = false;
    bool useCurrentView = true;
    int32_t tracesPerPlot = 1;
    bool operator==(const BatchPrintLayout&) const = default;
};

struct FramePrintLayout {
    int32_t rows = 2;
    int32_t columns = 2;
    bool landscape = true;
    bool currentView = true;
    bool traceInfo = false;
    int32_t tracesPerPlot = 1;
    std::string fixedFont; // a font description; empty: the system's fixed font
    bool operator==(const FramePrintLayout&) const = default;
};

struct BiDirPrintLayout {
    bool plotTrace = true;
    bool biDirEvents = true;
    bool traceInfo = true;
    bool headerInfo = true;
    bool useCurrentView = true;
    bool landscape = false; // stored as "Orientation"
    bool operator==(const BiDirPrintLayout&) const = default;
};

struct PageLayoutSettings {
    ViewPrintLayout view;
    BatchPrintLayout batch;
    FramePrintLayout frame;
    BiDirPrintLayout bidir;
    bool operator==(const PageLayoutSettings&) const = default;
};

PageLayoutSettings LoadPageLayout(const SettingsStore& store);
void SavePageLayout(SettingsStore& store, const PageLayoutSettings& layout);

// "ReportPrint" as the print dialogs see it: the values shared with the
// splice-loss wizard and those of printing alone.
struct ReportPrintValues {
    bidir::ReportPrintSettings common;
    bool waveformInColor = false;
    int32_t type = 5;           // the last chosen report type code
    int32_t referenceTrace = 0; // 0: the first location's traces are the reference
    int32_t wavelengthNM = 0;   // 0: any
    int32_t fibersPerGroup = 0; // 0: no grouping
    std::string varFont;        // read only
    bool operator==(const ReportPrintValues&) const = default;
};

ReportPrintValues LoadReportPrintValues(const SettingsStore& store);
// Writes every value but "StartPatchCordDis" and "VarFont", which the
// program only reads.
void SaveReportPrintValues(SettingsStore& store, const ReportPrintValues& values);
// Only the values of printing alone (the shared ones are the wizard's to write).
void SaveReportPrintExtras(SettingsStore& store, const ReportPrintValues& values);

// Margin offsets: hundredths of an inch stored, inches shown.
int32_t MarginStoredForm(double inches);
double MarginInches(int32_t hundredths);

} // namespace orvane::printing
