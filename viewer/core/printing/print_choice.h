// What to print: the print kinds and report type codes, the rules of
// "Select Print/Preview Type" and of the report type list, and the refusal
// of a current-view print with no trace displayed.
#pragma once

#include "core/bidir/report_table.h"
#include "core/printing/print_settings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace orvane::printing {

// The view's print mode: a kind, or a report type code (above kLastTraceKind).
enum class PrintKind : int32_t { CurrentView = 0, Batch = 1, Frame = 2, BiDirectional = 3 };
inline constexpr int32_t kLastTraceKindCode = 4;

inline constexpr int32_t kReportBiDirSpliceLoss = 5;
inline constexpr int32_t kReportBiDirSummary = 6;
inline constexpr int32_t kReportOneDirSummary = 7;
inline constexpr int32_t kReportTraceSummary = 8;
inline constexpr int32_t kReportFiberAcceptance = 9;
inline constexpr int32_t kReportException = 10;

struct ReportType {
    int32_t code;
    bidir::ReportKind kind;
    bool needsLoadedPrimary;
};
// In the order the report type list shows them.
extern const std::array<ReportType, 6> kReportTypes;

std::optional<bidir::ReportKind> ReportKindOfCode(int32_t code);
std::optional<int32_t> ReportCodeOfKind(bidir::ReportKind kind);

// The choices of "Select Print/Preview Type", in their order.
enum class PrintChoice : int32_t { CurrentView, Batch, Frame, BiDirectional, Report };
inline constexpr std::size_t kPrintChoices = 5;

struct PrintTypeState {
    PrintChoice initial = PrintChoice::CurrentView;
    std::array<bool, kPrintChoices> enabled{};
};

// From the previous print mode, whether a trace is displayed in the graph
// and whether any entry of the list is selected.
PrintTypeState SelectPrintTypeState(int32_t previousMode, bool traceDisplayed,
                                    bool entriesSelected);

inline constexpr char kDisplayTraceToPrintText[] =
    "You must display a trace to print using the current view.";
inline constexpr char kFontSelectionFailureText[] = "Font selection failure.";
inline constexpr char kPrintErrorText[] = "Cancel printing, fix the error, then try again.";

// A print that plots with the current view's zoom needs a displayed trace.
bool NeedsDisplayedTrace(PrintChoice choice, const PageLayoutSettings& layout);

// The report list: the types offered and the entry chosen first, the one
// whose code is the stored type searched from the last entry back to the
// second, else the first.
std::vector<ReportType> OfferedReportTypes(bool primaryLoaded);
std::size_t InitialReportEntry(const std::vector<ReportType>& offered, int32_t storedType);

// "Report Setup" and, for "Exception", the criteria dialog after
// it; a cancelled criteria dialog shows the report dialog again. The chosen
// code, or nothing when the report dialog is cancelled.
std::optional<int32_t> SpecifyReport(const std::function<std::optional<int32_t>()>& reportDialog,
                                     const std::function<bool()>& criteriaDialog);

} // namespace orvane::printing
