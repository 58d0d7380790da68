// The reports the trace list offers, built over its chosen traces, and
// File / Export Report...: the chosen report written as a text file.
#pragma once

#include "core/bidir/report_builders.h"

namespace orvane::bidir {

inline constexpr char kExportReportTitle[] = "Enter/select Export File";
inline constexpr char kExportReportExtension[] = "TXT";

// The kinds offered for export, in their order ("Trace", the printed
// analysis results of one trace, has no text form).
std::vector<ReportKind> exportableReportKinds();

// The splice-loss summaries and the acceptance report decode the traces'
// names and run the wizard's summary without changing any trace; the smart
// template report builds a template into a copy of the first trace.
ReportOutcome BuildReportOfKind(ReportKind kind, WizardTraces& traces,
                                const WizardSettings& settings);

// Asks for the file (a name without extension gets ".TXT") and writes the
// report; a file that cannot be written is told. False when nothing was written.
bool ExportBuiltReport(const Report& report);

// A refusal is told; then the file is asked for (a name without extension
// gets ".TXT") and the report written. False when nothing was written.
bool ExportReportToFile(ReportKind kind, WizardTraces& traces, const WizardSettings& settings);

} // namespace orvane::bidir
