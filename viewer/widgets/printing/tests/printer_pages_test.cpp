// The pages through Qt's printer in PDF mode, as the print and preview
// dialogs drive it: our page units, margins, and a long report running over
// several pages with its headings repeated.
#include "widgets/printing/page_canvas.h"
#include "widgets/printing/print_job.h"
#include "widgets/printing/printed_blocks.h"
#include "widgets/printing/report_print.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvane::printing {
namespace {

TEST(PrinterPages, ALongReportRunsOverPagesInsideTheMargins) {
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(kPageDpi);
    PreparePrintDevice(printer, QPageLayout::Portrait);
    EXPECT_NEAR(printer.width(),
                printer.pageLayout().fullRect(QPageLayout::Inch).width() * kPageDpi, 2.0);

    bidir::Report report{bidir::ReportKind::Exception, "Exception Report", {}};
    report.lines = bidir::reportHeadings(bidir::ReportKind::Exception);
    for (int i = 0; i < 200; ++i)
        report.lines.push_back("/TRACE" + std::to_string(i) + "/Wavelength/1310 nm");

    QPainter painter(&printer);
    PageDecoration decoration;
    decoration.headerLines << "Acme"
                           << ""
                           << "Cable 7";
    decoration.leftMarginInch = 1.0;
    PageCanvas canvas(printer, painter, decoration, MakePrintFonts(QString()));
    EXPECT_EQ(canvas.body().left(), kPageDpi);
    const int firstTop = canvas.body().top();
    EXPECT_GT(firstTop, kPageDpi / 2); // below the two header lines
    DrawReport(canvas, report);
    EXPECT_GT(canvas.pageNumber(), 2);
    EXPECT_LE(canvas.y(), canvas.body().bottom() + 1);
    EXPECT_EQ(canvas.body().top(), firstTop); // every page has the header lines
    painter.end();
    EXPECT_GT(QFileInfo(path).size(), 1000);
}

TEST(PrinterPages, ReportsOfARunPrintOneAfterAnotherWithTheStoredHeader) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("run.pdf"));
    printer.setResolution(kPageDpi);
    PreparePrintDevice(printer, QPageLayout::Landscape);
    bidir::Report report{bidir::ReportKind::Exception, "Exception Report", {}};
    report.lines = bidir::reportHeadings(bidir::ReportKind::Exception);
    report.lines.push_back("/TRACE1/Wavelength/1310 nm");
    EXPECT_EQ(PaintReports(printer, {report, report}), 1);
    EXPECT_GT(QFileInfo(dir.filePath("run.pdf")).size(), 1000);
}

TEST(PrinterPages, AnUnusableStoredFontFallsBackToTheSystemsFixedFont) {
    EXPECT_TRUE(FixedFontUsable(QString()));
    EXPECT_TRUE(FixedFontUsable(QStringLiteral("Monospace,10,-1,5,400,0,0,0,0,0")));
    EXPECT_FALSE(FixedFontUsable(QStringLiteral(",,,,")));
    const PrintFonts fonts = MakePrintFonts(QStringLiteral(",,,,"));
    EXPECT_TRUE(fonts.fixed.fixedPitch());
    EXPECT_GT(fonts.fixed.pixelSize(), 0);
}

} // namespace
} // namespace orvane::printing
