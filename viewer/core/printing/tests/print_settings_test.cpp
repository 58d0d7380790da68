// The print settings' sections, defaults and stored forms, and the rules of
// the print type and report type choices.
#include "core/printing/print_choice.h"
#include "core/printing/print_settings.h"

#include <gtest/gtest.h>

namespace orvane::printing {
namespace {

TEST(PageLayout, DefaultsWhenNothingIsStored) {
    MemorySettingsStore empty;
    const PageLayoutSettings s = LoadPageLayout(empty);
    EXPECT_EQ(s, PageLayoutSettings{});
    EXPECT_TRUE(s.view.expandPlot);
    EXPECT_FALSE(s.view.primaryOnly);
    EXPECT_EQ(s.frame.rows, 2);
    EXPECT_TRUE(s.frame.landscape);
    EXPECT_FALSE(s.frame.traceInfo);
    EXPECT_FALSE(s.bidir.landscape);
}

TEST(PageLayout, RoundTripsUnderItsSectionNames) {
    MemorySettingsStore store;
    PageLayoutSettings s;
    s.view.primaryOnly = true;
    s.batch.tracesPerPlot = 4;
    s.frame.columns = 3;
    s.frame.fixedFont = "Mono,9";
    s.bidir.landscape = true;
    SavePageLayout(store, s);
    EXPECT_EQ(LoadPageLayout(store), s);
    EXPECT_EQ(store.readInt(kBiDirPrintSection, "Orientation", -1), 1);
    EXPECT_EQ(store.readInt(kViewPrintSection, "Primary", -1), 1);
    EXPECT_EQ(store.readInt(kBatchPrintSection, "TracesPerPlot", -1), 4);
}

TEST(PageLayout, CountsOutsideTheirRangesAreBroughtIn) {
    MemorySettingsStore store;
    store.writeInt(kFramePrintSection, "Rows", 0);
    store.writeInt(kFramePrintSection, "Columns", 9);
    store.writeInt(kBatchPrintSection, "TracesPerPlot", 40);
    const PageLayoutSettings s = LoadPageLayout(store);
    EXPECT_EQ(s.frame.rows, 1);
    EXPECT_EQ(s.frame.columns, 4);
    EXPECT_EQ(s.batch.tracesPerPlot, 8);
}

TEST(ReportPrint, MarginsAreStoredInHundredthsOfAnInch) {
    EXPECT_EQ(MarginStoredForm(0.5), 50);
    EXPECT_EQ(MarginStoredForm(1.234), 123);
    EXPECT_EQ(MarginStoredForm(1.236), 124);
    EXPECT_EQ(MarginStoredForm(0.0), 0);
    EXPECT_DOUBLE_EQ(MarginInches(50), 0.5);
}

TEST(ReportPrint, ReadOnlyValuesSurviveASave) {
    MemorySettingsStore store;
    store.writeText("ReportPrint", "StartPatchCordDis", "350");
    store.writeText("ReportPrint", "VarFont", "Serif,10");
    ReportPrintValues v = LoadReportPrintValues(store);
    EXPECT_EQ(v.varFont, "Serif,10");
    EXPECT_DOUBLE_EQ(v.common.startPatchCordKM, 0.350);
    v.varFont = "changed";
    v.common.startPatchCordKM = 1.0;
    v.type = kReportException;
    v.wavelengthNM = 1550;
    SaveReportPrintValues(store, v);
    EXPECT_EQ(store.readText("ReportPrint", "StartPatchCordDis", ""), "350");
    EXPECT_EQ(store.readText("ReportPrint", "VarFont", ""), "Serif,10");
    EXPECT_EQ(store.readInt("ReportPrint", "Type", 0), kReportException);
    EXPECT_EQ(store.readInt("ReportPrint", "Wavelength", 0), 1550);
}

TEST(ReportPrint, Defaults) {
    MemorySettingsStore empty;
    const ReportPrintValues v = LoadReportPrintValues(empty);
    EXPECT_EQ(v.type, kReportBiDirSpliceLoss);
    EXPECT_FALSE(v.waveformInColor);
    EXPECT_DOUBLE_EQ(v.common.topMarginInch, 0.5);
    EXPECT_DOUBLE_EQ(v.common.hiLoss1DirDB, 0.3);
}

bool enabled(const PrintTypeState& s, PrintChoice c) {
    return s.enabled[static_cast<std::size_t>(c)];
}

TEST(SelectPrintType, ThePreviousModePreselects) {
    EXPECT_EQ(SelectPrintTypeState(2, true, true).initial, PrintChoice::Frame);
    EXPECT_EQ(SelectPrintTypeState(kReportException, true, true).initial, PrintChoice::Report);
    EXPECT_EQ(SelectPrintTypeState(-1, true, true).initial, PrintChoice::CurrentView);
}

TEST(SelectPrintType, NoDisplayedTraceDisablesCurrentView) {
    const PrintTypeState s = SelectPrintTypeState(0, false, true);
    EXPECT_FALSE(enabled(s, PrintChoice::CurrentView));
    EXPECT_TRUE(enabled(s, PrintChoice::Batch));
    EXPECT_EQ(s.initial, PrintChoice::Batch);
}

TEST(SelectPrintType, NoSelectionLeavesOnlyCurrentView) {
    const PrintTypeState s = SelectPrintTypeState(kReportTraceSummary, true, false);
    EXPECT_EQ(s.initial, PrintChoice::CurrentView);
    EXPECT_TRUE(enabled(s, PrintChoice::CurrentView));
    for (PrintChoice c :
         {PrintChoice::Batch, PrintChoice::Frame, PrintChoice::BiDirectional, PrintChoice::Report})
        EXPECT_FALSE(enabled(s, c));
    // With no displayed trace either, Current View is chosen and disabled.
    const PrintTypeState none = SelectPrintTypeState(1, false, false);
    EXPECT_EQ(none.initial, PrintChoice::CurrentView);
    EXPECT_FALSE(enabled(none, PrintChoice::CurrentView));
}

TEST(SelectPrintType, CurrentViewPrintsNeedADisplayedTrace) {
    PageLayoutSettings layout;
    EXPECT_TRUE(NeedsDisplayedTrace(PrintChoice::Batch, layout));
    layout.batch.useCurrentView = false;
    EXPECT_FALSE(NeedsDisplayedTrace(PrintChoice::Batch, layout));
    layout.frame.currentView = false;
    EXPECT_FALSE(NeedsDisplayedTrace(PrintChoice::Frame, layout));
    EXPECT_TRUE(NeedsDisplayedTrace(PrintChoice::BiDirectional, layout));
    EXPECT_FALSE(NeedsDisplayedTrace(PrintChoice::Report, layout));
}

TEST(ReportTypeList, SummariesNeedALoadedPrimary) {
    const std::vector<ReportType> all = OfferedReportTypes(true);
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[0].code, kReportTraceSummary);
    EXPECT_EQ(all[5].code, kReportBiDirSpliceLoss);
    const std::vector<ReportType> some = OfferedReportTypes(false);
    ASSERT_EQ(some.size(), 4u);
    EXPECT_EQ(some[2].code, kReportFiberAcceptance);

    EXPECT_EQ(InitialReportEntry(all, kReportBiDirSummary), 2u);
    // A stored summary without a primary trace selects the first entry.
    EXPECT_EQ(InitialReportEntry(some, kReportBiDirSummary), 0u);
    EXPECT_EQ(InitialReportEntry(some, kReportBiDirSpliceLoss), 3u);
}

TEST(ReportSetup, CancelledCriteriaReturnToTheReportDialog) {
    std::vector<std::optional<int32_t>> reports = {kReportException, kReportException,
                                                   kReportTraceSummary};
    std::vector<bool> criteria = {false, false};
    std::size_t reportShown = 0, criteriaShown = 0;
    auto report = [&] { return reports[reportShown++]; };
    auto ask = [&] { return criteria[criteriaShown++]; };
    EXPECT_EQ(SpecifyReport(report, ask), kReportTraceSummary);
    EXPECT_EQ(reportShown, 3u);
    EXPECT_EQ(criteriaShown, 2u);

    reports = {kReportException};
    criteria = {true};
    reportShown = criteriaShown = 0;
    EXPECT_EQ(SpecifyReport(report, ask), kReportException);

    reports = {kReportException, std::nullopt};
    criteria = {false};
    reportShown = criteriaShown = 0;
    EXPECT_EQ(SpecifyReport(report, ask), std::nullopt);
}

} // namespace
} // namespace orvane::printing
