#include "core/trace/events/event_commands.h"
#include "core/trace/events/event_paste.h"
#include "core/trace/events/event_texts.h"
#include "core/trace/tests/events/event_fixture.h"

namespace orvane::test {
namespace {

class EventCommandsTest : public EventEditTest {
protected:
    EventCommands commands{graph,
                           [this](graph::GraphEntry e) { return e == entry() ? &doc : nullptr; },
                           [this](EventDialog& dialog, const std::function<bool()>&) {
                               ++dialogs;
                               if (change) change(dialog.values);
                               return dialog.Ok();
                           },
                           [this](HintCode code, graph::GraphEntry e) {
                               announced.push_back(code);
                               graph.RebuildCurve(e);
                           }};
    std::function<void(EventValues&)> change;
    int dialogs = 0;
    std::vector<HintCode> announced;
};

TEST_F(EventCommandsTest, SteppingWrapsBothWays) {
    commands.Step(+1);
    EXPECT_EQ(commands.Selected()->index, 1); // the primary's first mark
    commands.Step(+1);
    commands.Step(+1);
    EXPECT_EQ(commands.Selected()->index, 3);
    commands.Step(+1);
    EXPECT_EQ(commands.Selected()->index, 1);
    commands.Step(-1);
    EXPECT_EQ(commands.Selected()->index, 3);
}

TEST_F(EventCommandsTest, CursorsFollowTheSelectionInTheCentredDisplayModes) {
    graph.SetCursorA(0.5);
    graph.SetCursorB(0.8);
    graph.SetDisplayMode(graph::DisplayMode::FromA);
    commands.Select(entry(), 1);
    commands.Step(+1);
    EXPECT_NEAR(graph.CursorA(), record().EVGetStartKM(2), 1e-9);
    graph.ToggleLock(); // B keeps its distance and A lands on the event
    const double d = graph.CursorB() - graph.CursorA();
    commands.Step(-1);
    EXPECT_NEAR(graph.CursorA(), record().EVGetStartKM(1), 1e-9);
    EXPECT_NEAR(graph.CursorB() - graph.CursorA(), d, 1e-9);
    graph.ToggleLock();
    graph.SetDisplayMode(graph::DisplayMode::FromB);
    commands.Step(+1);
    EXPECT_NEAR(graph.CursorB(), record().EVGetStartKM(2), 1e-9);
}

TEST_F(EventCommandsTest, SpliceTemplateEventBringsItsHandlesAndEnd) {
    doc.record().SetTraceTemplate(1);
    doc.record().EVSetLSAOffKM(2, -0.3, -0.05, 0.05, 0.3);
    graph.SetCursorA(0.5);
    graph.SetCursorB(0.8);
    graph.SetDisplayMode(graph::DisplayMode::FromA);
    commands.Select(entry(), 1);
    commands.Step(+1);
    EXPECT_NEAR(graph.Lsa(T6_LOSS_SPLICE).aStart, -0.3, 1e-3);
    EXPECT_NEAR(graph.CursorB(), record().EVGetEndKM(2), 1e-9);
    EXPECT_NEAR(graph.CursorA(), record().EVGetStartKM(2), 1e-9);
}

TEST_F(EventCommandsTest, DeleteRefusesTheEndAndAsks) {
    commands.Select(entry(), 3);
    EXPECT_FALSE(commands.Delete());
    commands.Select(entry(), 2);
    scripted.queue(PromptAnswer::No);
    EXPECT_FALSE(commands.Delete());
    EXPECT_EQ(record().EVCount(), 4);
    EXPECT_FALSE(doc.isModified());
    scripted.queue(PromptAnswer::Yes);
    EXPECT_TRUE(commands.Delete());
    EXPECT_EQ(record().EVCount(), 3);
    EXPECT_EQ(announced, std::vector<HintCode>{HINT_EVENT_DELETED});
    EXPECT_EQ(commands.Selected()->index, 1);
    // Two events left: nothing may go.
    scripted.queue(PromptAnswer::Yes);
    EXPECT_TRUE(commands.Delete());
    EXPECT_FALSE(commands.Delete());
    EXPECT_EQ(scripted.texts(), (std::vector<std::string>{kEndEventUndeletable, kConfirmEventDelete,
                                                          kConfirmEventDelete, kConfirmEventDelete,
                                                          kEndEventUndeletable}));
}

TEST_F(EventCommandsTest, InsertNeedsAnInsertableAndPastableLossMode) {
    graph.SetCursorA(2.0);
    graph.SetCursorB(2.5);
    graph.SetLossMode(T6_LOSS_DBKM);
    EXPECT_FALSE(commands.Insert());
    graph.SetLossMode(T6_LOSS_2POINT);
    EXPECT_FALSE(commands.Insert());
    EXPECT_EQ(scripted.texts(),
              (std::vector<std::string>{kInsertNeedsLossMode, kPasteNeedsLossMode}));
    EXPECT_EQ(dialogs, 0);
}

TEST_F(EventCommandsTest, InsertPastesTheMeasurementAndSelectsTheNewEvent) {
    graph.SetCursorA(2.0);
    graph.SetCursorB(2.0);
    graph.SetLossMode(T6_LOSS_SPLICE);
    commands.Select(entry(), 3); // an end event: the new one takes the type before it
    ASSERT_TRUE(commands.Insert());
    EXPECT_EQ(record().EVCount(), 5);
    EXPECT_EQ(commands.Selected()->index, 2);
    EXPECT_NEAR(record().EVGetStartKM(2), 2.0, 1e-3);
    EXPECT_NEAR(record().EVGetEndKM(2), 2.0 + record().PWGetKM(0), 1e-3);
    EXPECT_EQ(record().EVGetType(2), T6_EVENT_REFLECTIVE);
    EXPECT_EQ(record().EVGetFlags(2) & (T6_EVFLAG_INSERTED | T6_EVFLAG_EDITED), T6_EVFLAG_INSERTED);
    EXPECT_EQ(announced, std::vector<HintCode>{HINT_EVENT_INSERTED});
}

TEST_F(EventCommandsTest, AttenuationCorrectedPasteSpansTheCursors) {
    graph.SetCursorA(3.5);
    graph.SetCursorB(4.0);
    graph.SetLossMode(T6_LOSS_2POINT_ATN_COR);
    EventDialog dialog = EventDialog::ForEdit(doc, 1);
    ASSERT_TRUE(PasteMeasurement(dialog, graph, entry()));
    EXPECT_EQ(dialog.values.lossMode, T6_LOSS_2POINT_ATN_COR);
    EXPECT_NEAR(*readNumber(dialog.values.start), 3.5, 1e-3);
    EXPECT_NEAR(*readNumber(dialog.values.end), 4.0, 1e-3);
    EXPECT_EQ(dialog.values.loss, twoDecimals(*graph.Readout().primaryValue));
    EXPECT_EQ(dialog.values.refl, "0.00");
}

TEST_F(EventCommandsTest, EditAnnouncesAndReselects) {
    change = [](EventValues& v) { v.comment = "cleaned"; };
    ASSERT_TRUE(commands.Edit(entry(), 2));
    EXPECT_EQ(announced, std::vector<HintCode>{HINT_EVENT_EDITED});
    EXPECT_EQ(commands.Selected()->index, 2);
    const EventWindowText text = eventWindowText(&doc, 2);
    EXPECT_EQ(text.comment, "cleaned");
    EXPECT_EQ(text.type, "Reflective");
    EXPECT_EQ(eventWindowText(nullptr, 0).number, kNoEventSelected);
}

} // namespace
} // namespace orvane::test
