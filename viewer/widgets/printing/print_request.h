// A print request gathered from a trace list window: its selection in
// display order, its displayed traces, its graph, and the print settings.
#pragma once

#include "widgets/printing/print_job.h"

#include <QString>

namespace orvane {
class CMainFrame;
class CTraceListFrame;
} // namespace orvane

namespace orvane::printing {

PrintRequest MakePrintRequest(CTraceListFrame& frame, PrintChoice choice, int32_t reportCode);

// The view's print mode, kept by the window between prints (a kind, or a
// report code); -1 before the first print.
int32_t PrintMode(const CTraceListFrame& frame);
void SetPrintMode(CTraceListFrame& frame, int32_t mode);

// "view", "batch", "frame", "bidir" or "report:KIND" (KIND a report's name,
// '-' for ' ', any case): the choice and report code, or false.
bool ParsePrintKind(const QString& text, PrintChoice& choice, int32_t& reportCode);

// Composes the pages into a PDF file; 0 done, 1 nothing printed or the file
// not written (the message on stderr), with the page count in pages.
int PrintToPdf(CTraceListFrame& frame, PrintChoice choice, int32_t reportCode, const QString& path,
               int* pages = nullptr);

// orvane --print-pdf: the trace list window of the files opened, printed
// into the PDF; the program's exit status (2 for an unknown kind).
int PrintPdfCommand(CMainFrame& mainFrame, const QString& path, const QString& kind);

} // namespace orvane::printing
