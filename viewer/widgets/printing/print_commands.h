// File / Print..., Print Preview and Page Layout...: the menu entries and
// the print of the active trace list window through the platform's print
// and preview flow.
#pragma once

class QMenu;

namespace orvane {
class CMainFrame;
class CTraceListFrame;
} // namespace orvane

namespace orvane::printing {

// Adds the three entries to the File menu; they act on the active trace
// list window.
void AddPrintCommands(QMenu* file, CMainFrame* frame);

// The print type choice, the setup dialogs, then the printer
// dialog (or the preview) and the pages.
void PrintFromTraceList(CTraceListFrame& frame, bool preview);

} // namespace orvane::printing
