// Report rows and the exception criteria: row templates over columns, the
// stored criteria, and the limits of the event criteria.
#include "core/bidir/exception_report.h"
#include "core/bidir/report_print_settings.h"
#include "core/bidir/report_table.h"
#include "core/bidir/tests/bidir_fixtures.h"
#include "core/bidir/wizard_settings.h"

#include <varnel/codes.h>

#include <gtest/gtest.h>

namespace orvane::bidir {
namespace {

TEST(ReportRow, FieldsFillTheirColumnsAndEmptyOnesStayBlank) {
    const std::vector<ReportField> fields = splitRow("|A||C", 4);
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[0].text, "A");
    EXPECT_EQ(fields[1].text, "");
    EXPECT_EQ(fields[2].text, "C");
    EXPECT_EQ(fields[3].text, "");
    const std::vector<ReportField> marked = splitRow("/\x07"
                                                     "0.52/x",
                                                     2);
    EXPECT_TRUE(marked[0].emphasis);
    EXPECT_EQ(marked[0].text, "0.52");
    EXPECT_FALSE(marked[1].emphasis);
}

TEST(ReportRow, KindsAreChosenByTheirTextAndCarryTheirTitles) {
    EXPECT_EQ(reportKindFromChoice("bi-dir splice loss"), ReportKind::BiDirectional);
    EXPECT_EQ(reportKindInfo(ReportKind::BiDirectional).title,
              std::string("Bi-Directional Report"));
    EXPECT_FALSE(reportKindFromChoice("Weekly"));
}

TEST(StoredSettings, CriteriaAndReportValuesKeepTheirForms) {
    MemorySettingsStore store;
    EXPECT_EQ(LoadExceptionCriteria(store), ExceptionCriteria{});
    ExceptionCriteria criteria;
    criteria.spanLoss = true;
    criteria.spanLossValue = 0.35;
    criteria.setting[static_cast<std::size_t>(SettingCriterion::Smooth)] = true;
    SaveExceptionCriteria(store, criteria);
    EXPECT_EQ(*store.readText(kExceptionSection, "SpanLoss"), "1");
    EXPECT_EQ(LoadExceptionCriteria(store), criteria);

    ReportPrintSettings print;
    print.hiLossBiDirDB = 0.2504;
    print.topMarginInch = 1.256;
    SaveReportPrintSettings(store, print);
    EXPECT_EQ(*store.readText(kReportPrintSection, "HiLossBiDir"), "250");
    EXPECT_EQ(*store.readText(kReportPrintSection, "TopMarginOffset"), "126");
    EXPECT_EQ(*store.readText(kReportPrintSection, "CorrPercent"), "2.000000");
    EXPECT_FALSE(store.readText(kReportPrintSection, "StartPatchCordDis"));
    EXPECT_DOUBLE_EQ(LoadReportPrintSettings(store).hiLossBiDirDB, 0.250);
}

TEST(StoredSettings, WizardSettingsComeFromTheirSectionsAndGoBack) {
    MemorySettingsStore store;
    store.writeText(kReportPrintSection, "HiLoss1Dir", "450");
    store.writeText(kReportPrintSection, "LocCode1", "NOR");
    store.writeText(kExceptionSection, "Smooth", "1");
    LoadStoredReportSettings(store);
    Preferences preferences;
    preferences.fileNameConv = "AAABBB__";
    preferences.fileExtConv = "###";
    WizardSettings settings = WizardSettingsFrom(preferences, storedReportSettings(), false);
    EXPECT_EQ(settings.convention, u"AAABBB__.###");
    EXPECT_DOUBLE_EQ(settings.report.hiLoss1DirDB, 0.45);
    EXPECT_EQ(settings.report.locCode1, "NOR");
    EXPECT_TRUE(settings.criteria.setting[static_cast<std::size_t>(SettingCriterion::Smooth)]);

    settings.convention = u"AAAABBBB.##";
    settings.buildTemplates = false;
    settings.report.headerLines[2] = "Route 9";
    settings.report.leftMarginInch = 1.5;
    settings.apply.merge = false;
    settings.apply.snapTo = kSnapNone;
    KeepWizardSettings(settings, preferences, storedReportSettings());
    EXPECT_EQ(preferences.fileNameConv, "AAAABBBB");
    EXPECT_EQ(preferences.fileExtConv, "##");
    EXPECT_EQ(preferences.auto1Bi.buildSST, 0);
    EXPECT_EQ(preferences.fasTemplate.eventDetermination, 0);
    EXPECT_EQ(preferences.fasTemplate.snapTo, kSnapNone);
    // The sections reach the store only when the program ends.
    EXPECT_FALSE(store.readText(kReportPrintSection, "HdrLine3"));
    SaveStoredReportSettings(store);
    EXPECT_EQ(*store.readText(kReportPrintSection, "HdrLine3"), "Route 9");
    EXPECT_EQ(*store.readText(kReportPrintSection, "LeftMarginOffset"), "150");
    EXPECT_EQ(*store.readText(kReportPrintSection, "HiLoss1Dir"), "450");
    storedReportSettings() = {};
}

class ExceptionCriteriaTest : public ::testing::Test {
protected:
    void SetUp() override {
        cable.lengthKM = 20.0;
        cable.splices = {{5.0, 0.2, 0.0}, {10.0, 0.3, 0.0}, {15.0, 0.1, 0.0}};
        reference = test::tracedFibre(cable, 0);
        trace = test::tracedFibre(cable, 0);
    }

    std::vector<ExceptionRow> exceptions() const {
        return TraceExceptions(*trace, "T", *reference, criteria);
    }

    test::CableDescription cable;
    std::unique_ptr<CT6> reference;
    std::unique_ptr<CT6> trace;
    ExceptionCriteria criteria;
};

TEST_F(ExceptionCriteriaTest, DefaultCriteriaReportNothing) {
    trace->EVSetLoss(1, 3.0);
    trace->EVSetFlags(1, T6_EVFLAG_INSERTED);
    EXPECT_TRUE(exceptions().empty());
}

TEST_F(ExceptionCriteriaTest, LossOutsideLetsTheLimitsThemselvesPass) {
    criteria.lossOutside = true;
    trace->EVSetLoss(1, 0.5);
    trace->EVSetLoss(2, -0.5);
    trace->EVSetLoss(3, 0.3);
    EXPECT_TRUE(exceptions().empty());
    trace->EVSetLoss(2, 0.51);
    const std::vector<ExceptionRow> rows = exceptions();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].label, "Loss Outside");
    EXPECT_NE(rows[0].information.find("(0.51)"), std::string::npos);
}

TEST_F(ExceptionCriteriaTest, SpanLossAtTheLimitPassesAndAboveItIsReported) {
    criteria.spanLoss = true;
    auto reported = [this](double km) {
        for (const ExceptionRow& row : exceptions())
            if (row.label == "Span Loss" && row.information.rfind(std::to_string(int(km)), 0) == 0)
                return true;
        return false;
    };
    // The first splice's span starts at the launch level: no positive span loss.
    criteria.spanLossValue = trace->EVGetSpanLossDBKM(2);
    EXPECT_TRUE(reported(5.0));
    EXPECT_FALSE(reported(10.0));
    criteria.spanLossValue -= 0.01;
    EXPECT_TRUE(reported(10.0));
}

TEST_F(ExceptionCriteriaTest, EventLocationToleranceIsTheSmallerOfPercentAndDistance) {
    criteria.eventLoc = true; // 2 % and 1.0 km: 0.2 km at the 10 km reference event
    trace->EVSetStartKM(2, 10.19);
    EXPECT_TRUE(exceptions().empty());
    trace->EVSetStartKM(2, 10.2);
    const std::vector<ExceptionRow> rows = exceptions();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].label, "Event Location");
}

TEST_F(ExceptionCriteriaTest, DuplicateWaveformNamesTheEarlierTrace) {
    criteria.duplicateWaveform = true;
    auto other = test::tracedFibre(cable, 1); // its own noise
    test::RecordSequence traces;
    traces.add(reference.get(), "FIRST");
    traces.add(other.get(), "OTHER");
    traces.add(trace.get(), "COPY");
    const std::vector<ExceptionRow> rows = ExceptionReport(traces, *reference, criteria);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text(), "/COPY/Duplicate Waveform/FIRST");
    EXPECT_EQ(WaveformCheckValue(*trace), WaveformCheckValue(*reference));
}

} // namespace
} // namespace orvane::bidir
