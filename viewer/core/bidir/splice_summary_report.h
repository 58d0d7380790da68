// The splice-loss summary of a finished wizard run: every fibre's loss at
// every template position with the statistics, then each fibre's own table
// of events with its closing figures, the mapping of fibre numbers to trace
// files, and the ten shortest and longest traces.
#pragma once

#include "core/bidir/report_builders.h"

namespace orvane::bidir {

BiDirSettings BiDirSettingsOf(const ReportPrintSettings& print);

ReportOutcome SpliceLossSummaryReport(WizardTraces& traces, const WizardResult& result,
                                      const ReportPrintSettings& print, bool oneDirectional);

} // namespace orvane::bidir
