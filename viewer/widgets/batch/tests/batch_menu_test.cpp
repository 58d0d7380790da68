// The Trace menu carries the batch and splice-template entries, disabled
// without a trace list window.
#include "widgets/tracelist/trace_list_menu.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(BatchMenu, TraceMenuHasTheBatchAndTemplateEntriesDisabledWithoutAList) {
    QMenu menu;
    QToolBar bar;
    TraceListMenu commands(&menu, &bar, [] { return nullptr; });
    QStringList texts;
    for (QAction* action : menu.actions())
        if (!action->isSeparator()) texts << action->text();
    const QStringList expected = {"&Batch Process...", "Build  Splice &Template",
                                  "Appl&y Splice Template...", "Smart Spl&ice Template..."};
    ASSERT_GE(texts.size(), expected.size());
    EXPECT_EQ(texts.mid(texts.size() - expected.size()), expected);
    emit menu.aboutToShow();
    for (QAction* action : menu.actions().mid(menu.actions().size() - expected.size()))
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
}

} // namespace
} // namespace orvane
