// The Preferences dialog: pages copy back only when shown, values come back
// in their stored units, and a bad sort mask keeps its page open.
#include "core/platform/scripted_prompts.h"
#include "widgets/shell/preferences_dialog.h"
#include "widgets/shell/preferences_pages.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(PreferencesDialog, OnlyShownPagesAreCopiedBackInTheirStoredUnits) {
    Preferences before;
    CPreferencesDialog dialog(before, "");
    auto* analysis = static_cast<AnalysisPage*>(dialog.page(0));
    auto* units = static_cast<UnitsPage*>(dialog.page(2));
    EXPECT_DOUBLE_EQ(analysis->reflThreshold->value(), -40.0);
    EXPECT_EQ(analysis->reflThreshold->minimum(), -70.0);
    EXPECT_EQ(analysis->lossThreshold->singleStep(), 0.01);
    analysis->lossThreshold->setValue(0.07);
    analysis->reflThreshold->setValue(-52.3);
    analysis->fiberBreak->setValue(4.5);
    analysis->nthThreshold->setValue(-33.0);
    units->units->button(T6_UNIT_M)->setChecked(true); // the page was never shown

    Preferences after = dialog.result();
    EXPECT_EQ(after.lossThreshold, 7);
    EXPECT_EQ(after.reflThreshold, 523);
    EXPECT_EQ(after.fiberBreak, 45);
    EXPECT_EQ(after.endNthReflThres, -33.0);
    EXPECT_EQ(after.distanceUnits, T6_UNIT_KM);

    dialog.tabs()->setCurrentIndex(2);
    EXPECT_EQ(dialog.result().distanceUnits, T6_UNIT_M);
}

TEST(PreferencesDialog, ABadSortMaskKeepsItsPageAndRefusesOK) {
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    Preferences before;
    CPreferencesDialog dialog(before, "");
    dialog.tabs()->setCurrentIndex(1);
    auto* display = static_cast<DisplayPage*>(dialog.page(1));
    display->sortMaskName->setText("12a");

    dialog.tabs()->setCurrentIndex(3);
    EXPECT_EQ(dialog.tabs()->currentIndex(), 1);
    dialog.accept();
    EXPECT_NE(dialog.result(), Preferences()); // still open, nothing accepted
    EXPECT_EQ(dialog.result().sortMaskName, "12a");
    ASSERT_EQ(prompts.texts().size(), 2u);
    EXPECT_EQ(prompts.texts()[0],
              "Sort Mask characters must be from 1 to 9,\nwhere 1 is the highest priority.");

    display->sortMaskName->setText("");
    dialog.tabs()->setCurrentIndex(3);
    EXPECT_EQ(dialog.tabs()->currentIndex(), 3);
    EXPECT_EQ(prompts.texts().size(), 2u);
}

} // namespace
} // namespace orvane
