// The trace list window in the real main window, offscreen: bundled samples
// open into one list, eight are shown, batches step through the rest, and
// the graph shows exactly the displayed traces in their slots.
#include "core/platform/scripted_prompts.h"
#include "core/shell/application_state.h"
#include "core/tracelist/trace_list_doc.h"
#include "widgets/platform/ini_settings_store.h"
#include "widgets/shell/main_frame.h"
#include "widgets/shell/orvane_app.h"
#include "widgets/trace/graph/trace_graph_view.h"
#include "widgets/tracelist/trace_list_frame.h"
#include "widgets/tracelist/trace_list_view.h"

#include <QApplication>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

QStringList samples(int count) {
    QStringList paths;
    for (int i = 1; i <= count; ++i)
        paths << QString(ORVANE_SAMPLE_TRACES "/NORSOU13.%1").arg(i, 3, 10, QChar('0'));
    return paths;
}

// Every displayed trace has its curve in its own slot, and nothing else is drawn.
void expectGraphShowsSlots(CTraceListFrame& frame) {
    const graph::TraceGraph& graph = frame.graphView()->Graph();
    EXPECT_EQ(graph.CurveCount(), frame.list()->DisplayedCount());
    for (int slot = 0; slot < kMaxDisplayedTraces; ++slot) {
        const graph::TraceCurve* curve = graph.CurveInSlot(slot);
        CTraceListEntry* entry = frame.list()->EntryInSlot(slot);
        EXPECT_EQ(curve ? curve->Entry() : nullptr, entry) << "slot " << slot;
    }
    EXPECT_EQ(graph.Primary(), frame.list()->Primary());
}

class TraceListWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(samples(1).front().toStdString()))
            GTEST_SKIP() << "bundled samples not built";
        app = std::make_unique<COrvaneApp>(
            std::make_unique<IniSettingsStore>(dir.filePath("Tarvisk.ini")));
        app->InitInstance(dir.path(), false);
        installed = std::make_unique<ScopedPrompts>(prompts);
        app->mainFrame()->resize(1280, 800);
        app->mainFrame()->show();
    }
    void TearDown() override {
        app.reset();
        application().preferences = Preferences();
    }

    CTraceListFrame* listFrame() const { return app->mainFrame()->activeListFrame(); }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<COrvaneApp> app;
    std::unique_ptr<ScopedPrompts> installed;
};

TEST_F(TraceListWindowTest, OpensEightOfTwelveAndStepsBatchesThroughTheGraph) {
    ASSERT_TRUE(app->OpenFiles(samples(12)));
    CTraceListFrame* frame = listFrame();
    ASSERT_NE(frame, nullptr);
    TraceListRows& rows = frame->listView()->rows();
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(frame->list()->DisplayedCount(), 8);
    EXPECT_EQ(frame->list()->Primary(), rows.entryAt(0));
    EXPECT_EQ(rows.iconAt(0), kIconPrimary);
    EXPECT_EQ(rows.iconAt(8), kIconNotDisplayed);
    expectGraphShowsSlots(*frame);
    EXPECT_TRUE(app->mainFrame()->findChild<QToolBar*>("TraceList")->isVisibleTo(app->mainFrame()));

    // Opening left every row selected; with none selected, eight shown, the
    // next batch is the next eight, wrapping to the top.
    rows.clearSelection();
    frame->run([](TraceListCommands& c) { c.NextBatch(); });
    EXPECT_EQ(rows.entryAt(8), frame->list()->Primary());
    EXPECT_TRUE(rows.entryAt(3)->displayed);
    EXPECT_FALSE(rows.entryAt(4)->displayed);
    expectGraphShowsSlots(*frame);

    // Down to three, then batches of three.
    for (size_t r : {8, 9, 10, 11, 0})
        rows.setSelected(r, true);
    frame->run([](TraceListCommands& c) { c.Hide(); });
    EXPECT_EQ(frame->list()->DisplayedCount(), 3);
    frame->run([](TraceListCommands& c) { c.PreviousBatch(); });
    EXPECT_EQ(frame->list()->DisplayedCount(), 3);
    EXPECT_EQ(frame->list()->Primary(), rows.entryAt(0));
    EXPECT_TRUE(rows.entryAt(11)->displayed && rows.entryAt(10)->displayed);
    expectGraphShowsSlots(*frame);
    EXPECT_TRUE(prompts.empty()) << prompts.texts().front();
}

TEST_F(TraceListWindowTest, AListFileReplacesTheListWindow) {
    ASSERT_TRUE(app->OpenFiles(samples(3)));
    const std::string file = dir.filePath("three.trl").toStdString();
    ASSERT_TRUE(listFrame()->list()->OnSaveDocument(file));
    ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(file)));
    QApplication::processEvents();
    const auto windows = app->mainFrame()->mdiArea()->subWindowList();
    ASSERT_EQ(windows.size(), 1);
    CTraceListFrame* frame = qobject_cast<CTraceListFrame*>(windows.front());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), "three.trl[*]");
    EXPECT_EQ(frame->listView()->rows().size(), 3u);
    EXPECT_EQ(frame->graphView()->Graph().CurveCount(), 0);
}

} // namespace
} // namespace orvane
