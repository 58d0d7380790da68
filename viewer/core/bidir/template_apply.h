// Applying a splice template to the traces of a cable: the compatibility
// warnings, each shown once per run, then the library's application.
#pragma once

#include "core/bidir/trace_sequence.h"

#include <varnel/varnel.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace orvane::bidir {

inline constexpr char kTemplateOnTemplateText[] = "Can not apply a Template to a Template Trace.";
inline constexpr char kFewAveragesText[] = "Number of Trace Averages <= 256.";
inline constexpr char kIORText[] = "Trace and Template Index of Refraction are different.";
inline constexpr char kApplyShiftsText[] = "Trace and Template Horizontal Shifts are far apart.";
inline constexpr char kPulseWidthsText[] = "Trace and Template Pulse Widths are different.";
inline constexpr char kMergeNoEventsText[] = "Template and Trace Merge but no Trace events.";
inline constexpr char kSnapNoEventsText[] = "Snap to Template or Trace End but no events.";
inline constexpr char kApplyQuestionableText[] = "Trace has a questionable end event.";
inline constexpr char kTemplateEndText[] =
    "Template End > Trace End which will result in incorrect loss.";
inline constexpr char kOverlapPrefixText[] = "Event at location ";
inline constexpr char kOverlapText[] = "\nis overlapped by a Template event LSA Cursor.";
inline constexpr char kNoEventsAfterText[] = "Trace has no events.";

// Scale modes of the application.
inline constexpr int32_t kSnapNone = 0;
inline constexpr int32_t kSnapToTemplateEnd = 1;
inline constexpr int32_t kSnapToTraceEnd = 2;

// The "FASTemplate" settings.
struct TemplateApplySettings {
    bool merge = true;          // "EventDetermination" 1: merge template and trace events
    bool tracePriority = true;  // "TracePriority": matched trace events are kept
    double percentDis = 2.0;    // relative tolerance, %
    double absoluteDisKM = 1.0; // absolute tolerance
    int32_t snapTo = kSnapToTraceEnd;
};

enum class ApplyOutcome { Applied, Skipped, NotOpened };

struct TemplateApplyRun {
    std::vector<ApplyOutcome> outcomes; // one per trace reached
    bool cancelled = false;
};

// Called with each trace the template was applied to, before it is released
// (to save it); false ends the run.
using AppliedTrace = std::function<bool(std::size_t index, CT6& trace)>;

TemplateApplyRun ApplySpliceTemplate(CT6& splicesTemplate, TraceSequence& traces,
                                     const TemplateApplySettings& settings,
                                     const AppliedTrace& applied = {});

} // namespace orvane::bidir
