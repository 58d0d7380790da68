#include "widgets/printing/report_print.h"

#include "core/bidir/stored_report_settings.h"
#include "core/platform/prompt.h"
#include "core/printing/print_choice.h"
#include "widgets/printing/page_canvas.h"
#include "widgets/printing/print_job.h"
#include "widgets/printing/printed_blocks.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace orvane::printing {

int PaintReports(QPagedPaintDevice& device, const std::vector<bidir::Report>& reports) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const bidir::ReportPrintSettings& stored = bidir::storedReportSettings().print;
    PageDecoration decoration;
    for (const std::string& line : stored.headerLines)
        decoration.headerLines << QString::fromStdString(line);
    decoration.topMarginInch = stored.topMarginInch;
    decoration.leftMarginInch = stored.leftMarginInch;
    PageCanvas canvas(device, painter, decoration, MakePrintFonts(QString()));
    for (std::size_t i = 0; i < reports.size(); ++i)
        DrawReport(canvas, reports[i], i + 1 == reports.size());
    painter.end();
    return canvas.pageNumber();
}

bool PrintReports(QWidget* parent, const std::vector<bidir::Report>& reports) {
    if (reports.empty()) return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(kPageDpi);
    PreparePrintDevice(printer, QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (PaintReports(printer, reports) > 0) return true;
    tellFailure("", kPrintErrorText, PromptIcon::Stop);
    return false;
}

} // namespace orvane::printing
