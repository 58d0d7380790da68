// The "Smart Splice Template Report" of a build: what the contributing
// traces had in common, then one row per template event with the run of
// counters it was placed on (the cable event) beside the event itself.
#pragma once

#include "core/bidir/report_table.h"
#include "core/bidir/smart_template.h"

#include <string>

namespace orvane::bidir {

// built: the template record after the build; result: its counters (kept
// when the build was asked for its report).
Report SmartSpliceTemplateReport(const CT6& built, const SmartTemplateResult& result,
                                 const std::string& referenceName);

} // namespace orvane::bidir
