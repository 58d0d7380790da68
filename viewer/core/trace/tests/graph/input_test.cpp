#include "core/trace/tests/graph/graph_fixture.h"

#include <gtest/gtest.h>

namespace orvane::graph::test {
namespace {

class Input : public GraphFixture, public ::testing::Test {
protected:
    void SetUp() override {
        record = Show();
        StandardWindow();
        graph.SetCursorA(2); // column 100
        graph.SetCursorB(6); // column 300
        graph.SetLossMode(T6_LOSS_2POINT);
        hints.clear();
    }
    CT6* record = nullptr;
};

TEST_F(Input, ClicksNearACursorStartADragOfIt) {
    EXPECT_EQ(graph.HitTest(103, 10), PointTarget::CursorA);
    EXPECT_EQ(graph.HitTest(104, 10), PointTarget::None);
    EXPECT_EQ(graph.HitTest(297, 10), PointTarget::CursorB);
    graph.MousePress(101, 50);
    graph.MouseMove(150, 50);
    EXPECT_DOUBLE_EQ(graph.CursorA(), 3);
    graph.MouseRelease(150, 50);
    graph.MouseMove(200, 50);
    EXPECT_DOUBLE_EQ(graph.CursorA(), 3);
}

TEST_F(Input, DraggingAInDisplayFromAWarpsThePointerToTheCentre) {
    graph.SetDisplayMode(DisplayMode::FromA);
    int column = graph.Mapping().ColumnOfKM(2);
    graph.MousePress(column, 50);
    InputEffect moved = graph.MouseMove(column + 10, 50);
    EXPECT_EQ(moved.warpPointerToColumn, 250);
    EXPECT_NEAR(graph.CursorA(), 2.2, 1e-9);
    EXPECT_NEAR(graph.Window().x0, 2.2 - 5, 1e-9);
}

TEST_F(Input, LsaHandlesComeBeforeTheCursors) {
    graph.SetLossMode(T6_LOSS_2POINT_LSA);
    graph.SetLsa(T6_LOSS_2POINT_LSA, {0, 1, -1, 0}); // A .. A + 1, B - 1 .. B
    ASSERT_TRUE(graph.LsaShown());
    auto points = graph.LsaHandlePixels();
    EXPECT_EQ(points[0].x, 100);
    EXPECT_EQ(points[3].x, 300);
    EXPECT_EQ(graph.HitTest(points[0].x + 2, points[0].y - 2), PointTarget::LsaLeftStart);
    EXPECT_EQ(graph.HitTest(points[1].x, points[1].y), PointTarget::LsaLeftEnd);
    int middle = (points[0].x + points[1].x) / 2;
    int lineRow = (points[0].y + points[1].y) / 2;
    EXPECT_EQ(graph.HitTest(middle, lineRow + 1), PointTarget::LsaLeftPair);
    EXPECT_EQ(graph.HitTest(middle, lineRow + 5), PointTarget::None);
    EXPECT_EQ(graph.HitTest(101, lineRow + 40), PointTarget::CursorA);
}

TEST_F(Input, AnLsaCommandMovesItsHandleAtTheNextClick) {
    graph.SetLossMode(T6_LOSS_2POINT_LSA);
    graph.SetLsa(T6_LOSS_2POINT_LSA, {0, 1, -1, 0});
    graph.ChooseLsaCommand(InteractionMode::LsaLeftEnd);
    EXPECT_EQ(graph.PendingClick(), PointTarget::LsaLeftEnd);
    graph.MousePress(175, 50); // 3.5 km
    EXPECT_NEAR(graph.Lsa(T6_LOSS_2POINT_LSA).aEnd, 1.5, 1e-9);
    EXPECT_EQ(graph.Interaction(), InteractionMode::None);
    EXPECT_EQ(LastHint(), HINT_MODE);
}

TEST_F(Input, ChoosingThePendingLsaCommandAgainClearsIt) {
    graph.ChooseLsaCommand(InteractionMode::LsaRight);
    graph.ChooseLsaCommand(InteractionMode::LsaRight);
    EXPECT_EQ(graph.Interaction(), InteractionMode::None);
    EXPECT_EQ(graph.PendingClick(), PointTarget::None);
}

TEST_F(Input, SetBModeMovesBByKeysAndEndsOnAClick) {
    graph.ToggleInteractionMode(InteractionMode::SetB);
    EXPECT_EQ(graph.Pointer(), PointerShape::Cross);
    graph.KeyPress(GraphKey::Right, false);
    EXPECT_NEAR(graph.CursorB(), 6.2, 1e-9);
    graph.KeyPress(GraphKey::Left, true);
    EXPECT_NEAR(graph.CursorB(), 6.18, 1e-9);
    graph.MousePress(400, 10);
    EXPECT_DOUBLE_EQ(graph.CursorB(), 8);
    EXPECT_EQ(graph.Interaction(), InteractionMode::None);
    EXPECT_EQ(graph.Pointer(), PointerShape::Arrow);
}

TEST_F(Input, ArrowKeysScrollInModeZeroAndEscapeEndsOtherModes) {
    EXPECT_TRUE(graph.KeyPress(GraphKey::Right, false).handled);
    EXPECT_DOUBLE_EQ(graph.Window().x0, 9.5);
    graph.KeyPress(GraphKey::Down, true);
    EXPECT_DOUBLE_EQ(graph.Window().y0, 1);
    EXPECT_FALSE(graph.KeyPress(GraphKey::Escape, false).handled);
    graph.ToggleInteractionMode(InteractionMode::ShiftTrace);
    EXPECT_TRUE(graph.KeyPress(GraphKey::Escape, false).handled);
    EXPECT_EQ(graph.Interaction(), InteractionMode::None);
    EXPECT_FALSE(graph.KeyPress(GraphKey::Other, false).handled);
}

TEST_F(Input, ShiftModeMovesThePrimaryTraceThroughTheShifter) {
    double shiftedKM = 0;
    graph.SetTraceShifter([&](GraphEntry, double dKM, double) { shiftedKM += dKM; });
    graph.ToggleInteractionMode(InteractionMode::ShiftTrace);
    graph.KeyPress(GraphKey::Right, false);
    graph.KeyPress(GraphKey::Left, true);
    EXPECT_NEAR(shiftedKM, 0.2 - 0.02, 1e-12);
}

TEST_F(Input, ZoomEventZoomsOntoTheClickedMark) {
    auto fibre = TenKMFibre();
    fibre.events = {{4.0, 0.5, 0.0}};
    CT6* spliced = Trace(fibre);
    graph.RemoveTrace(record);
    graph.AddTrace(spliced, spliced);
    graph.ToggleInteractionMode(InteractionMode::ZoomEvent);
    const EventMarker mark = graph.PrimaryCurve()->Markers().front();
    graph.MousePress(mark.column, mark.row - 5);
    EXPECT_EQ(graph.SelectedMarker(), 1);
    EXPECT_EQ(graph.Interaction(), InteractionMode::None);
    EXPECT_NEAR(graph.Window().x0 + graph.Window().width / 2, mark.km, 1e-9);
    EXPECT_LT(graph.Window().width, 10);
    EXPECT_EQ(graph.ZoomHistorySize(), 1);
}

TEST_F(Input, DoubleClickOnAMarkAsksToEditItsEvent) {
    auto fibre = TenKMFibre();
    fibre.events = {{4.0, 0.5, 0.0}};
    CT6* spliced = Show(fibre);
    const EventMarker mark = graph.CurveOf(spliced)->Markers().front();
    InputEffect effect = graph.DoubleClick(mark.column, mark.row - 1);
    EXPECT_EQ(effect.editEventOf, spliced);
    EXPECT_EQ(effect.editEventIndex, 1);
}

} // namespace
} // namespace orvane::graph::test
