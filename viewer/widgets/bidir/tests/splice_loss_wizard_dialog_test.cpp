// The wizard's pages offscreen: the convention check that keeps the General
// page, and the pages' values with their "Restore Defaults". The run itself
// is driven through the menu (bidir_menu_test).
#include "core/bidir/trace_name.h"
#include "core/platform/scripted_prompts.h"
#include "widgets/bidir/splice_loss_wizard_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(SpliceLossWizardDialog, RefusedConventionKeepsTheGeneralPage) {
    ScriptedPrompts prompts;
    ScopedPrompts scope(prompts);
    CAuto1BiDirDialog dialog(bidir::WizardSettings{});
    dialog.convention()->setText("AAABB.###");
    dialog.tabs()->setCurrentIndex(1);
    EXPECT_EQ(dialog.tabs()->currentIndex(), 0);
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text,
              std::string(bidir::kConventionErrorText) + bidir::kConventionCountsText);
    dialog.runButton()->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST(SpliceLossWizardDialog, PrinterLocationAndApplicationChoicesComeBackAndRestore) {
    bidir::WizardSettings given;
    given.report.headerLines = {"Acme Fibre", "", "Route 9"};
    given.report.topMarginInch = 1.25;
    given.report.leftMarginInch = 0.75;
    given.report.locCode1 = "NOR";
    given.report.loc2 = "South hut";
    given.apply.merge = false;
    given.apply.tracePriority = false;
    given.apply.snapTo = bidir::kSnapToTemplateEnd;
    CAuto1BiDirDialog dialog(given);
    const bidir::WizardSettings shown = dialog.settings();
    EXPECT_EQ(shown.report, given.report);
    EXPECT_FALSE(shown.apply.merge);
    EXPECT_FALSE(shown.apply.tracePriority);
    EXPECT_EQ(shown.apply.snapTo, bidir::kSnapToTemplateEnd);

    // "Restore Defaults" of the General and the Advanced page.
    for (int page : {0, 3}) {
        auto* restore = dialog.tabs()->widget(page)->findChild<QPushButton*>();
        ASSERT_NE(restore, nullptr);
        restore->click();
    }
    const bidir::WizardSettings defaults;
    EXPECT_EQ(dialog.settings().report, defaults.report);
    EXPECT_TRUE(dialog.settings().apply.merge);
    EXPECT_EQ(dialog.settings().apply.snapTo, bidir::kSnapToTraceEnd);
}

} // namespace
} // namespace orvane
