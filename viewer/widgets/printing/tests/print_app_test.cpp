// Printing inside the application: the page layout read at start-up and
// written at exit (the read-only values untouched), and PDFs of a trace
// list composed in-process.
#include "core/platform/scripted_prompts.h"
#include "core/printing/print_state.h"
#include "widgets/platform/ini_settings_store.h"
#include "widgets/printing/print_request.h"
#include "widgets/shell/main_frame.h"
#include "widgets/shell/orvane_app.h"
#include "widgets/tracelist/trace_list_frame.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace orvane::printing {
namespace {

const QString kSamples = QStringLiteral(ORVANE_SAMPLE_TRACES);

TEST(PrintApp, LayoutReadAtStartWrittenAtExitAndPdfsOfTheList) {
    if (!std::filesystem::exists(ORVANE_SAMPLE_TRACES "/NORSOU13.001"))
        GTEST_SKIP() << "bundled samples not built";
    QTemporaryDir dir;
    const QString ini = dir.filePath("Tarvisk.ini");
    {
        QSettings before(ini, QSettings::IniFormat);
        before.setValue("FramePrint/Rows", 3);
        before.setValue("ReportPrint/VarFont", "Serif,11");
        before.setValue("ReportPrint/StartPatchCordDis", 350);
    }
    {
        COrvaneApp app(std::make_unique<IniSettingsStore>(ini));
        app.InitInstance(dir.path(), false);
        EXPECT_EQ(pageLayout().frame.rows, 3);
        ScriptedPrompts prompts;
        ScopedPrompts installed(prompts);
        ASSERT_TRUE(app.OpenFiles({kSamples + "/NORSOU13.001", kSamples + "/SOUNOR13.001"}));

        int pages = 0;
        const QString view = dir.filePath("view.pdf");
        EXPECT_EQ(PrintPdfCommand(*app.mainFrame(), view, "view"), 0);
        EXPECT_GT(QFileInfo(view).size(), 1000);
        auto* frame =
            qobject_cast<CTraceListFrame*>(app.mainFrame()->mdiArea()->subWindowList().front());
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(
            PrintToPdf(*frame, PrintChoice::BiDirectional, 0, dir.filePath("bidir.pdf"), &pages),
            0);
        EXPECT_EQ(pages, 1); // one fibre: one page
        EXPECT_EQ(PrintToPdf(*frame, PrintChoice::Report, kReportTraceSummary,
                             dir.filePath("summary.pdf"), &pages),
                  0);
        EXPECT_EQ(pages, 1);
        EXPECT_EQ(PrintPdfCommand(*app.mainFrame(), dir.filePath("x.pdf"), "report:nonsense"), 2);
        EXPECT_TRUE(prompts.empty());

        // Only the traces of the wavelength to process are reported.
        ASSERT_TRUE(app.OpenFiles({kSamples + "/NORSOU13.002", kSamples + "/NORSOU15.002"}));
        auto* second =
            qobject_cast<CTraceListFrame*>(app.mainFrame()->mdiArea()->subWindowList().back());
        ASSERT_NE(second, nullptr);
        ReportPrintValues values = CurrentReportPrintValues();
        values.wavelengthNM = 1550;
        KeepReportPrintValues(values);
        PrintJob job(MakePrintRequest(*second, PrintChoice::Report, kReportTraceSummary));
        ASSERT_TRUE(job.prepare());
        ASSERT_EQ(job.reports().size(), 1u);
        const std::vector<std::string>& lines = job.reports().front().lines;
        EXPECT_EQ(std::count_if(
                      lines.begin(), lines.end(),
                      [](const std::string& l) { return l.find("NORSOU") != std::string::npos; }),
                  1);

        pageLayout().batch.tracesPerPlot = 6;
        app.ExitInstance();
    }
    QSettings written(ini, QSettings::IniFormat);
    EXPECT_EQ(written.value("BatchPrint/TracesPerPlot").toInt(), 6);
    EXPECT_EQ(written.value("FramePrint/Rows").toInt(), 3);
    EXPECT_EQ(written.value("ViewPrint/ExpandPlot").toInt(), 1);
    EXPECT_EQ(written.value("BiDirPrint/Orientation").toInt(), 0);
    EXPECT_EQ(written.value("ReportPrint/VarFont").toString(), "Serif,11");
    EXPECT_EQ(written.value("ReportPrint/StartPatchCordDis").toInt(), 350);
    pageLayout() = PageLayoutSettings();
    KeepReportPrintValues(ReportPrintValues());
}

} // namespace
} // namespace orvane::printing
