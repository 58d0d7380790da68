// The trace list window's batch and splice-template commands: each asks its
// dialog, then runs the core's work on the window's list with a progress
// window.
#pragma once

namespace orvane {

class CTraceListFrame;

// Trace / Batch Process...
void RunBatchCommand(CTraceListFrame& frame);
// Trace / Build  Splice Template
void BuildSpliceTemplateCommand(CTraceListFrame& frame);
// Trace / Apply Splice Template...
void ApplySpliceTemplateCommand(CTraceListFrame& frame);
// Trace / Smart Splice Template...
void SmartSpliceTemplateCommand(CTraceListFrame& frame);

} // namespace orvane
