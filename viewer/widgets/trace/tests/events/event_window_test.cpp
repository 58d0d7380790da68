// The event window of the real main window, offscreen: stepping by keys and
// buttons, the texts and a delete that reaches the graph through the list.
#include "core/platform/scripted_prompts.h"
#include "core/shell/application_state.h"
#include "core/trace/events/event_texts.h"
#include "core/tracelist/trace_list_doc.h"
#include "widgets/platform/ini_settings_store.h"
#include "widgets/shell/main_frame.h"
#include "widgets/shell/orvane_app.h"
#include "widgets/trace/events/event_window.h"
#include "widgets/trace/graph/trace_graph_view.h"
#include "widgets/tracelist/trace_list_frame.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

TEST(EventWindow, StepsShowsAndDeletesTheSelectedEvent) {
    const QString sample = ORVANE_SAMPLE_TRACES "/NORSOU13.001";
    if (!std::filesystem::exists(sample.toStdString())) GTEST_SKIP() << "samples not built";
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    {
        COrvaneApp app(std::make_unique<IniSettingsStore>(dir.filePath("Tarvisk.ini")));
        app.InitInstance(dir.path(), false);
        ScopedPrompts installed(prompts);
        app.mainFrame()->resize(1280, 800);
        app.mainFrame()->show();
        ASSERT_TRUE(app.OpenFiles({sample}));
        CTraceListFrame* frame = app.mainFrame()->activeListFrame();
        ASSERT_NE(frame, nullptr);
        EventWindow* window = app.mainFrame()->eventWindow();
        window->SetFrame(frame);
        EXPECT_EQ(window->numberLine()->text(), kNoEventSelected);

        const graph::TraceGraph& graph = frame->graphView()->Graph();
        const graph::TraceCurve* curve = graph.PrimaryCurve();
        ASSERT_NE(curve, nullptr);
        const size_t marks = curve->Markers().size();
        ASSERT_GE(marks, 3u);
        const auto selectedIndex = [&] { return window->Commands()->Selected()->index; };
        // Without a selection a key selects the primary's first event.
        QTest::keyClick(window, Qt::Key_Right);
        EXPECT_TRUE(window->numberLine()->text().startsWith(" 1: "));
        EXPECT_FALSE(window->typeText()->text().isEmpty());
        QTest::keyClick(window, Qt::Key_Down);
        EXPECT_EQ(selectedIndex(), 2);
        QTest::keyClick(window, Qt::Key_Home);
        EXPECT_EQ(selectedIndex(), 1);
        QTest::keyClick(window, Qt::Key_PageUp); // wraps to the last mark
        EXPECT_EQ(selectedIndex(), static_cast<int>(marks));
        QTest::keyClick(window, Qt::Key_End);
        EXPECT_EQ(selectedIndex(), 1);
        // A focused button does not take the arrows for moving the focus.
        auto* editButton = window->findChild<QPushButton*>();
        ASSERT_NE(editButton, nullptr);
        QTest::keyClick(editButton, Qt::Key_Right);
        EXPECT_EQ(selectedIndex(), 2);
        QTest::keyClick(editButton, Qt::Key_Left);
        QTest::keyClick(editButton, Qt::Key_Up);
        EXPECT_EQ(selectedIndex(), static_cast<int>(marks));
        QTest::keyClick(window, Qt::Key_Escape);
        QTest::keyClick(window, Qt::Key_Return); // ">>", the default button
        EXPECT_EQ(selectedIndex(), 1);

        prompts.queue(PromptAnswer::Yes);
        window->Delete();
        EXPECT_EQ(graph.PrimaryCurve()->Markers().size(), marks - 1); // rebuilt by the list
        EXPECT_EQ(window->Commands()->Selected()->index, 1);
        EXPECT_TRUE(frame->list()->Primary()->document->isModified());
        EXPECT_EQ(prompts.texts(), std::vector<std::string>{kConfirmEventDelete});
        frame->list()->Primary()->document->setModified(false);
        app.ExitInstance();
    }
    application().preferences = Preferences();
}

} // namespace
} // namespace orvane
