// The print dialogs over their settings: what the type choice enables and
// stores, the report list's first entry and the optional numbers, and the
// page-layout sheet's pages.
#include "core/platform/scripted_prompts.h"
#include "widgets/printing/page_layout_dialog.h"
#include "widgets/printing/print_dialogs.h"
#include "widgets/printing/print_setup_fields.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace orvane::printing {
namespace {

TEST(SelectPrintTypeDialog, ShowsTheRulesAndStoresMarginsInHundredths) {
    ReportPrintValues values;
    CSelectPrintTypeDialog dialog(SelectPrintTypeState(kReportException, false, false), values);
    EXPECT_TRUE(dialog.button(PrintChoice::CurrentView)->isChecked());
    EXPECT_FALSE(dialog.button(PrintChoice::CurrentView)->isEnabled());
    EXPECT_FALSE(dialog.button(PrintChoice::Report)->isEnabled());
    EXPECT_DOUBLE_EQ(dialog.topMargin()->value(), 0.5);
    EXPECT_DOUBLE_EQ(dialog.topMargin()->maximum(), 6.0);

    dialog.topMargin()->setValue(1.234);
    dialog.store(values);
    EXPECT_DOUBLE_EQ(values.common.topMarginInch, 1.23);
    EXPECT_EQ(MarginStoredForm(values.common.topMarginInch), 123);
}

TEST(ReportSetupDialog, FirstEntryFollowsTheStoredTypeWhenItIsOffered) {
    ReportPrintValues values;
    values.type = kReportBiDirSummary;
    Preferences preferences;
    CReportSetupDialog without(values, preferences, false);
    EXPECT_EQ(without.reportList()->count(), 4);
    EXPECT_EQ(without.reportCode(), kReportTraceSummary);
    CReportSetupDialog with(values, preferences, true);
    EXPECT_EQ(with.reportList()->currentItem()->text(), "Bi-Dir Splice Loss Summary");
    EXPECT_EQ(with.reportCode(), kReportBiDirSummary);
    // Zero shows as an empty field.
    EXPECT_TRUE(with.fields()->wavelength()->text().isEmpty());
}

TEST(ReportSetupDialog, RefusesAWavelengthOutOfRangeAndStoresTheConvention) {
    ScriptedPrompts prompts;
    ScopedPrompts scope(prompts);
    ReportPrintValues values;
    Preferences preferences;
    preferences.fileNameConv = "AAABBB__";
    preferences.fileExtConv = "###";
    CReportSetupDialog dialog(values, preferences, true);
    EXPECT_EQ(dialog.fields()->convention()->text(), "AAABBB__.###");
    dialog.fields()->wavelength()->setText("0");
    EXPECT_FALSE(dialog.fields()->validate());
    EXPECT_EQ(prompts.asked().size(), 1u);
    dialog.fields()->wavelength()->setText("1550");
    dialog.fields()->fibersPerGroup()->setText("");
    dialog.fields()->convention()->setText("AABB_.##");
    ASSERT_TRUE(dialog.fields()->validate());
    dialog.store(values, preferences);
    EXPECT_EQ(values.wavelengthNM, 1550);
    EXPECT_EQ(values.fibersPerGroup, 0);
    EXPECT_EQ(preferences.fileNameConv, "AABB_");
    EXPECT_EQ(preferences.fileExtConv, "##");
}

TEST(ReportSetupDialog, InstrumentNamesShowAFixedDisabledConvention) {
    ReportPrintValues values;
    Preferences preferences;
    preferences.nv8fnEnabled = 1;
    preferences.fileNameConv = "KEPT";
    CReportSetupDialog dialog(values, preferences, true);
    EXPECT_FALSE(dialog.fields()->convention()->isEnabled());
    EXPECT_TRUE(dialog.fields()->validate());
    dialog.store(values, preferences);
    EXPECT_EQ(preferences.fileNameConv, "KEPT");
}

TEST(PageLayoutDialog, FourPagesInOrderAndTheValuesComeBack) {
    PageLayoutSettings settings;
    settings.view.primaryOnly = true;
    settings.frame.rows = 3;
    settings.bidir.landscape = true;
    CPageLayoutDialog dialog(settings);
    ASSERT_EQ(dialog.tabs()->count(), 4);
    EXPECT_EQ(dialog.tabs()->tabText(0), "View");
    EXPECT_EQ(dialog.tabs()->tabText(3), "Bi-Dir");
    EXPECT_EQ(dialog.result(), settings);

    auto* perPlot = dialog.tabs()->widget(1)->findChild<QSpinBox*>();
    ASSERT_NE(perPlot, nullptr);
    EXPECT_EQ(perPlot->maximum(), kMaxTracesPerPlot);
    perPlot->setValue(5);
    EXPECT_EQ(dialog.result().batch.tracesPerPlot, 5);
}

} // namespace
} // namespace orvane::printing
