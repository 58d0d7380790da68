// The reports' rows for the kinds the trace list offers, built from the
// traces (and, for the splice-loss summaries, from a wizard run).
#pragma once

#include "core/bidir/bidir_report.h"
#include "core/bidir/exception_report.h"
#include "core/bidir/report_table.h"
#include "core/bidir/splice_loss_wizard.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane::bidir {

// Each builder gives the report, or the refusal message in refusal.
struct ReportOutcome {
    std::optional<Report> report;
    std::string refusal;
};

ReportOutcome TraceSummaryReport(TraceSequence& traces);
ReportOutcome ExceptionReportOf(TraceSequence& traces, const ExceptionCriteria& criteria);
ReportOutcome BiDirectionalReport(TraceSequence& traces, const BiDirSettings& settings);
// End-to-end figures of each fibre pair of a run's set.
ReportOutcome FiberAcceptanceReport(WizardTraces& traces, const WizardResult& result);

// The reports of a finished wizard run, in the order of its steps: the
// exception report, each template's build report, the splice-loss summary.
std::vector<Report> WizardReports(WizardTraces& traces, const WizardResult& result,
                                  const WizardSettings& settings);

} // namespace orvane::bidir
