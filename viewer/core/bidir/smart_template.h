// BuildSmartSpliceTemplate: the splice positions a cable's traces have in
// common, found by counting at every point of a reference trace how many
// traces have a significant event there, and placed as the reference's own
// events, which makes it a template.
#pragma once

#include "core/bidir/smart_template_peaks.h"
#include "core/bidir/smart_template_settings.h"
#include "core/bidir/trace_sequence.h"
#include "core/platform/progress.h"

#include <varnel/varnel.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace orvane::bidir {

// Warning texts of the build.
inline constexpr char kNoEventsText[] = "No Events.";
inline constexpr char kQuestionableEndText[] = "Trace has a questionable end event.";
inline constexpr char kShiftsText[] = "Significantly different Horizontal Shifts.";
inline constexpr char kLengthsText[] =
    "Significantly different Fiber Lengths.\nThe Trace will not be processed.";

// What the traces that contributed had in common, for the build report.
struct CollectStats {
    int32_t traces = 0;
    double shortestEndKM = std::numeric_limits<double>::infinity();
    double longestEndKM = -std::numeric_limits<double>::infinity();
    int32_t fewestEvents = std::numeric_limits<int32_t>::max();
    int32_t mostEvents = -1;
    double launchEndKM = -999.0; // the largest end of any launch-side event
};

struct SmartTemplateResult {
    bool built = false; // false: abandoned, the reference is as it was
    CollectStats stats;
    int32_t templateEvents = 0;  // events placed
    std::vector<int16_t> counts; // the counters, positive again, for the report
};

// The progress total to start the display with: collecting steps once per
// trace and takes the whole bar, or 45 % of it when the report follows.
int32_t collectingProgressTotal(std::size_t traces, bool printReport);

// Collecting alone: the counters over the reference's points, or false when
// a warning was cancelled or the progress display's Cancel pressed. Warnings
// go through the prompt service; progress steps once per trace.
bool collectEventCounts(const CT6& reference, TraceSequence& traces,
                        const SmartTemplateSettings& settings, Progress& progress,
                        EventCounts& counts, CollectStats& stats);

// Builds the template inside reference. A reference without points or
// without an end event is not built on. The caller marks its document
// modified when the result is built.
SmartTemplateResult BuildSmartSpliceTemplate(CT6& reference, TraceSequence& traces,
                                             const SmartTemplateSettings& settings,
                                             Progress* progress = nullptr);

} // namespace orvane::bidir
