// Texts and constants of batch processing and of the splice-template
// commands of the trace list.
#pragma once

#include <varnel/codes.h>

#include <cstdint>

namespace orvane::batch {

// Report layouts.
inline constexpr int32_t kLayoutOrvane = 0; // the program's own: trace fields after each line
inline constexpr int32_t kLayoutTessan = 1; // a header line of titles, then the event lines

// ORL choices.
inline constexpr int32_t kORLAToB = 0;
inline constexpr int32_t kORLFullTrace = 1;

inline constexpr int32_t kMaxPatchCords = 63;
// Where the first event after the removed patch cords is shown.
inline constexpr double kPatchCordEndKM = 0.004;
// What the new last event of a shortened table carries.
inline constexpr uint32_t kNewEndFlags = T6_EVFLAG_EDITED | T6_EVFLAG_CLOSING;

// Summary start values: any real trace replaces them.
inline constexpr int32_t kFewestEventsStart = 9999;
inline constexpr int32_t kMostEventsStart = -9999;
inline constexpr double kShortestEndStart = 1e9;
inline constexpr double kLongestEndStart = -1e9;

// The dialog's confirmations.
inline constexpr char kSaveTracesQuestion[] =
    "Trace Files will be updated, so verify your parameters.\n Continue?";
inline constexpr char kFormatNotOriginalQuestion[] =
    "Save format is not original, so file formats may be modified\nwhich could result in "
    "information loss.\nContinue?";
inline constexpr char kExportQuestion[] =
    "An Export Trace TXT file will be created for each selected trace.\nContinue?";

// The run.
inline constexpr char kReportExistsQuestion[] =
    "Report File already exists.\nDo you wish to continue?";
inline constexpr char kReportOpenError[] = "Report File open error.";
inline constexpr char kFileWriteError[] = "File write error.";
inline constexpr char kPatchCordsRefused[] = "Unable to remove patch cords from";
inline constexpr char kNoEventsInTrace[] = "No events in trace :";
inline constexpr char kSummaryHeading[] = "Min/max events and end distances :";
inline constexpr char kCurrentTraceFile[] = "Current Trace File :";
inline constexpr char kBatchTitle[] = "Batch Trace Processing";

// Build Splice Template.
inline constexpr char kAlreadyTemplate[] = "The Primary Trace is already a Splice Template Trace.";
inline constexpr char kNoEventsAnalyze[] = "The trace has no events.\nDo You wish to analyze?";
inline constexpr char kApplyTemplateTitle[] = "Apply Splice Template";
inline constexpr char kSmartTemplateTitle[] = "Smart Splice Template";

} // namespace orvane::batch
