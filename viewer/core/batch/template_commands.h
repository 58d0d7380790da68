// The splice-template commands of the trace list: Build Splice Template
// marks the primary trace a template; Apply Splice Template puts its events
// into the selected traces; Smart Splice Template builds one inside the
// primary trace from the selected traces.
#pragma once

#include "core/bidir/smart_template.h"
#include "core/bidir/template_apply.h"
#include "core/platform/progress.h"
#include "core/shell/preferences.h"
#include "core/tracelist/trace_list_doc.h"

namespace orvane::batch {

// The "FASTemplate" preferences as the application takes them; the absolute
// tolerance is kept in the display unit and applied in kilometres.
bidir::TemplateApplySettings ApplySettingsFrom(const FASTemplateSettings& stored);
bidir::SmartTemplateSettings SmartSettingsFrom(const SmartTemplateSettings& stored);

enum class BuildOutcome { Built, AlreadyTemplate, NotAnalysed, NoPrimary };

// BuildFASTemplate on the primary trace; a trace without events may be
// analysed first when the user says Yes.
BuildOutcome BuildSpliceTemplate(CTraceListDoc& list);

// The primary trace applied to the entries with the "FASTemplate" settings;
// each trace it was applied to is marked modified, and saved to its own
// file when saveTrace is set.
bidir::TemplateApplyRun ApplySpliceTemplate(CTraceListDoc& list, const TraceEntries& entries,
                                            const FASTemplateSettings& settings,
                                            Progress& progress);

// A smart template built inside the primary trace from the entries; the
// primary is marked modified when built.
bidir::SmartTemplateResult SmartSpliceTemplate(CTraceListDoc& list, const TraceEntries& entries,
                                               const SmartTemplateSettings& settings,
                                               Progress& progress);

} // namespace orvane::batch
