#include "core/trace/tests/graph/graph_fixture.h"

#include <gtest/gtest.h>

namespace orvane::graph::test {
namespace {

class Cursors : public GraphFixture, public ::testing::Test {
protected:
    void SetUp() override {
        Show();
        StandardWindow();
    }
    void Place(double a, double b) {
        graph.SetCursorA(a);
        graph.SetCursorB(b);
        hints.clear();
    }
};

TEST_F(Cursors, ABeyondBTakesBAlong) {
    Place(2, 4);
    graph.SetCursorA(5);
    EXPECT_EQ(graph.CursorA(), 5);
    EXPECT_EQ(graph.CursorB(), 5);
    EXPECT_EQ(LastHint(), HINT_CURSORS);
}

TEST_F(Cursors, BBeforeATakesAAlong) {
    Place(2, 4);
    graph.SetCursorB(1);
    EXPECT_EQ(graph.CursorA(), 1);
    EXPECT_EQ(graph.CursorB(), 1);
    EXPECT_EQ(LastHint(), HINT_CURSORS);
}

TEST_F(Cursors, NegativePlacementsEndAtZero) {
    Place(2, 4);
    graph.SetCursorA(-1);
    EXPECT_EQ(graph.CursorA(), 0);
    EXPECT_EQ(LastHint(), HINT_CURSOR_A);
    hints.clear();
    graph.SetCursorA(-1); // already there: nothing to tell
    EXPECT_TRUE(hints.empty());
    graph.SetCursorB(-3);
    EXPECT_EQ(graph.CursorB(), 0);
    EXPECT_EQ(LastHint(), HINT_CURSORS);
}

TEST_F(Cursors, BStopsAt400KM) {
    Place(2, 4);
    graph.SetCursorB(450);
    EXPECT_EQ(graph.CursorB(), 400);
    EXPECT_EQ(LastHint(), HINT_CURSOR_B);
    hints.clear();
    graph.SetCursorB(500);
    EXPECT_TRUE(hints.empty());
}

TEST_F(Cursors, LockedBKeepsTheDistanceAndStopsAt400) {
    Place(100, 110);
    graph.ToggleLock();
    EXPECT_EQ(LastHint(), HINT_MODE);
    graph.SetCursorB(450);
    EXPECT_EQ(graph.CursorB(), 400);
    EXPECT_EQ(graph.CursorA(), 390);
    EXPECT_EQ(LastHint(), HINT_CURSORS);
    graph.SetCursorB(4); // A would fall before 0
    EXPECT_EQ(graph.CursorA(), 0);
    EXPECT_EQ(graph.CursorB(), 10);
}

TEST_F(Cursors, DisplayFromACentresOnEveryMoveOfA) {
    Place(2, 4);
    graph.SetDisplayMode(DisplayMode::FromA);
    graph.SetCursorA(3);
    EXPECT_DOUBLE_EQ(graph.Window().x0, 3 - 10.0 / 2);
    EXPECT_NEAR(graph.Window().y0, TenKMValueAt(3) - 10.0 / 2, 0.01);
    graph.SetCursorB(6); // B alone leaves the view where it is
    EXPECT_DOUBLE_EQ(graph.Window().x0, -2);
}

TEST_F(Cursors, DrawnColumnsKeepAAtTheLeftEdgeButNotB) {
    Place(0, 0);
    EXPECT_EQ(graph.CursorAColumnToDraw(), 0);
    EXPECT_FALSE(graph.CursorBColumnToDraw());
    graph.SetCursorB(5);
    EXPECT_EQ(graph.CursorBColumnToDraw(), 250);
}

TEST_F(Cursors, MarksNameTheCursorsOutsideTheWindow) {
    Place(2, 4);
    graph.SetWindow({3, 0, 10, 10});
    EXPECT_EQ(graph.CursorsLeftMark(), "A<");
    EXPECT_EQ(graph.CursorsRightMark(), "");
    graph.SetWindow({5, 0, 10, 10});
    EXPECT_EQ(graph.CursorsLeftMark(), "AB<");
    graph.SetWindow({-20, 0, 10, 10});
    EXPECT_EQ(graph.CursorsRightMark(), ">AB");
    graph.SetWindow({-7, 0, 10, 10});
    EXPECT_EQ(graph.CursorsRightMark(), ">B");
}

TEST_F(Cursors, ReadoutsShowDistancesOnceSet) {
    EXPECT_EQ(graph.Readout().aText, "N/A");
    Place(2, 4.5);
    EXPECT_NE(graph.Readout().abText.find("2.5"), std::string::npos);
}

} // namespace
} // namespace orvane::graph::test
