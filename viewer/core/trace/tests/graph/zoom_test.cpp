#include "core/trace/tests/graph/graph_fixture.h"

#include <gtest/gtest.h>

namespace orvane::graph::test {
namespace {

class Zoom : public GraphFixture, public ::testing::Test {
protected:
    void SetUp() override {
        Show();
        StandardWindow();
    }
    void Click(int column, int row) {
        graph.MousePress(column, row);
        graph.MouseRelease(column, row);
    }
    void Drag(int fromColumn, int fromRow, int toColumn, int toRow) {
        graph.MousePress(fromColumn, fromRow);
        graph.MouseMove(toColumn, toRow);
        graph.MouseRelease(toColumn, toRow);
    }
};

TEST_F(Zoom, FullShowsTheLongestTraceAndTheHighestCeiling) {
    graph.ZoomFull();
    EXPECT_NEAR(graph.Window().width, graph.PrimaryCurve()->Record().GetMaxKM(), 1e-9);
    EXPECT_DOUBLE_EQ(graph.Window().height, 30);
    EXPECT_EQ(graph.Window().x0, 0);
}

TEST_F(Zoom, FullOfATraceEndingAtZeroIsOneHundredthOfAKilometreWide) {
    GraphFixture empty;
    CT6 record; // no points: its maximum distance is 0
    empty.graph.AddTrace(&record, &record);
    empty.graph.SetPlotSize({500, 400});
    empty.graph.ZoomFull();
    EXPECT_DOUBLE_EQ(empty.graph.Window().width, 0.01);
    EXPECT_DOUBLE_EQ(empty.graph.Window().height, 0.1);
}

TEST_F(Zoom, MaximumInDisplayFromAPutsAInTheMiddle) {
    graph.SetCursorA(1);
    graph.SetCursorB(2);
    graph.SetDisplayMode(DisplayMode::FromA);
    graph.ZoomMaximum();
    EXPECT_EQ(graph.CursorA(), 200);
    EXPECT_EQ(graph.Window().width, 400);
    EXPECT_DOUBLE_EQ(graph.Window().x0, 0);
}

TEST_F(Zoom, ABoxUnderFourPixelsIsAClickThatZoomsInByTwo) {
    graph.ToggleInteractionMode(InteractionMode::ZoomWindow);
    Drag(250, 200, 253, 260); // 3 pixels wide
    EXPECT_DOUBLE_EQ(graph.Window().width, 5);
    EXPECT_DOUBLE_EQ(graph.Window().height, 5);
    EXPECT_DOUBLE_EQ(graph.Window().x0, 5 - 2.5);
    EXPECT_DOUBLE_EQ(graph.Window().y0, 5 - 2.5);
    EXPECT_EQ(graph.ZoomHistorySize(), 1);
}

TEST_F(Zoom, ADraggedBoxBecomesTheWindow) {
    graph.ToggleInteractionMode(InteractionMode::ZoomWindow);
    graph.MousePress(100, 40);
    graph.MouseMove(200, 120);
    ASSERT_TRUE(graph.RubberBand());
    EXPECT_EQ(graph.RubberBand()->right, 200);
    graph.MouseRelease(200, 120);
    EXPECT_DOUBLE_EQ(graph.Window().x0, 2);
    EXPECT_DOUBLE_EQ(graph.Window().width, 2);
    EXPECT_DOUBLE_EQ(graph.Window().y0, 1);
    EXPECT_DOUBLE_EQ(graph.Window().height, 2);
}

TEST_F(Zoom, ABoxBelowTheLimitsIsRaisedAroundItsCentre) {
    graph.SetWindow({0, 0, 0.1, 10});
    graph.ToggleInteractionMode(InteractionMode::ZoomWindow);
    Drag(100, 0, 110, 400); // 0.002 km wide
    EXPECT_DOUBLE_EQ(graph.Window().width, 0.01);
    EXPECT_NEAR(graph.Window().x0 + 0.005, 0.021, 1e-12);
}

TEST_F(Zoom, TheSixthPushForgetsTheOldest) {
    graph.ToggleInteractionMode(InteractionMode::ZoomWindow);
    for (int i = 0; i < 6; ++i)
        Click(250, 200);
    EXPECT_EQ(graph.ZoomHistorySize(), 5);
    for (int i = 0; i < 5; ++i)
        graph.ZoomPrevious();
    EXPECT_DOUBLE_EQ(graph.Window().width, 10.0 / 2); // the first window is gone
    graph.ZoomPrevious();
    EXPECT_DOUBLE_EQ(graph.Window().width, 10.0 / 2);
}

TEST_F(Zoom, PreviousIsOnlyOfferedInFreeDisplay) {
    graph.ToggleInteractionMode(InteractionMode::ZoomWindow);
    Click(250, 200);
    graph.SetDisplayMode(DisplayMode::FromOrigin);
    graph.ZoomPrevious();
    EXPECT_EQ(graph.ZoomHistorySize(), 1);
}

TEST_F(Zoom, DisplayModesRememberTheirWindows) {
    graph.SetCursorA(3);
    graph.SetCursorB(4);
    graph.SetDisplayMode(DisplayMode::FromA);
    graph.ZoomDistanceBar(ScrollAction::PageBack); // 5 km wide from A
    graph.SetDisplayMode(DisplayMode::FromA);      // again: back to free
    EXPECT_EQ(graph.Display(), DisplayMode::Free);
    EXPECT_EQ(graph.Window(), (ViewWindow{0, 0, 10, 10}));
    graph.SetDisplayMode(DisplayMode::FromA);
    EXPECT_DOUBLE_EQ(graph.Window().width, 5);
    EXPECT_DOUBLE_EQ(graph.Window().x0, 3 - 2.5);
}

TEST_F(Zoom, SwitchingDisplayEndsTheZoomModes) {
    graph.ToggleInteractionMode(InteractionMode::ZoomWindow);
    graph.SetDisplayMode(DisplayMode::FromOrigin);
    EXPECT_EQ(graph.Interaction(), InteractionMode::None);
    graph.ToggleInteractionMode(InteractionMode::ZoomEvent); // only offered in free display
    EXPECT_EQ(graph.Interaction(), InteractionMode::None);
}

TEST_F(Zoom, FromOriginNeitherScrollsNorMovesTheOriginWithTheBars) {
    graph.SetWindow({2, 3, 10, 10});
    graph.SetDisplayMode(DisplayMode::FromOrigin);
    graph.ScrollHorizontal(ScrollAction::PageForward);
    EXPECT_EQ(graph.Window().x0, 0);
    graph.ZoomDistanceBar(ScrollAction::PageForward);
    graph.ZoomLevelBar(ScrollAction::LineBack);
    EXPECT_EQ(graph.Window().x0, 0);
    EXPECT_EQ(graph.Window().y0, 0);
    EXPECT_DOUBLE_EQ(graph.Window().width, 20);
    EXPECT_DOUBLE_EQ(graph.Window().height, 8);
}

TEST_F(Zoom, ScrollingMovesByLinesAndPagesWithinItsBounds) {
    graph.ScrollHorizontal(ScrollAction::LineForward);
    EXPECT_DOUBLE_EQ(graph.Window().x0, 1);
    graph.ScrollHorizontal(ScrollAction::PageBack);
    EXPECT_DOUBLE_EQ(graph.Window().x0, 1 - 9.5);
    graph.ScrollHorizontal(ScrollAction::Bottom);
    EXPECT_DOUBLE_EQ(graph.Window().x0, 390);
    graph.ScrollHorizontal(ScrollAction::Thumb, 15000);
    EXPECT_DOUBLE_EQ(graph.Window().x0, 200);
    EXPECT_EQ(graph.HorizontalThumb(), 15000);
    graph.ScrollVertical(ScrollAction::Bottom);
    EXPECT_DOUBLE_EQ(graph.Window().y0, 50);
    graph.ScrollVertical(ScrollAction::PageForward);
    EXPECT_DOUBLE_EQ(graph.Window().y0, 50);
}

TEST_F(Zoom, ScrollingInDisplayFromBCarriesB) {
    graph.SetCursorA(1);
    graph.SetCursorB(4);
    graph.SetDisplayMode(DisplayMode::FromB);
    graph.ScrollHorizontal(ScrollAction::LineForward);
    EXPECT_DOUBLE_EQ(graph.CursorB(), 5);
    EXPECT_DOUBLE_EQ(graph.Window().x0, 0);
}

TEST_F(Zoom, ZoomBarThumbsFollowTheirFormulas) {
    graph.ZoomDistanceBar(ScrollAction::Thumb, 0);
    EXPECT_NEAR(graph.Window().width, 0.01, 1e-12);
    graph.ZoomDistanceBar(ScrollAction::Thumb, 30000);
    EXPECT_NEAR(graph.Window().width, 400, 1.0);
    graph.ZoomDistanceBar(ScrollAction::Thumb, 20000);
    EXPECT_EQ(graph.DistanceBarThumb(), 20000);
    graph.ZoomLevelBar(ScrollAction::Thumb, 2500);
    EXPECT_DOUBLE_EQ(graph.Window().height, 25);
    EXPECT_EQ(graph.LevelBarThumb(), 2500);
}

TEST_F(Zoom, AZoomBarKeepsTheCentre) {
    graph.ZoomDistanceBar(ScrollAction::LineBack);
    EXPECT_DOUBLE_EQ(graph.Window().width, 8);
    EXPECT_DOUBLE_EQ(graph.Window().x0 + graph.Window().width / 2, 5);
}

TEST_F(Zoom, TheWheelKeepsThePointUnderThePointerWhereTheWindowIsFree) {
    graph.ZoomAroundPixel(100, 200, 0.5, false); // 2 km under the pointer
    EXPECT_DOUBLE_EQ(graph.Window().width, 5);
    EXPECT_DOUBLE_EQ(graph.Mapping().KMOfColumn(100), 2);
    graph.SetDisplayMode(DisplayMode::FromOrigin);
    graph.ZoomAroundPixel(100, 200, 0.5, true);
    EXPECT_EQ(graph.Window().y0, 0);
    graph.ScrollByPixels(50, 0); // no horizontal scrolling from the origin
    EXPECT_EQ(graph.Window().x0, 0);
}

} // namespace
} // namespace orvane::graph::test
