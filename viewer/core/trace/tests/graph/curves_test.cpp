#include "core/trace/tests/graph/graph_fixture.h"

#include <gtest/gtest.h>

namespace orvane::graph::test {
namespace {

class Curves : public GraphFixture, public ::testing::Test {};

// The row where the drawn value lies on the 500 x 400 plot of 0 .. 10 dB.
int RowOf(double value) {
    return static_cast<int>(value / (10.0 / 400));
}

TEST_F(Curves, EachColumnSpansTheTraceLevelThere) {
    Show();
    StandardWindow();
    const TraceCurve& curve = *graph.PrimaryCurve();
    ASSERT_EQ(curve.ColumnCount(), 500);
    for (int column : {25, 250, 450}) {
        int expected = RowOf(TenKMValueAt(column * 0.02));
        EXPECT_LE(curve.FirstRow(column), expected + 1) << column;
        EXPECT_GE(curve.LastRow(column), expected - 1) << column;
        EXPECT_LE(curve.LastRow(column) - curve.FirstRow(column), 2) << column;
    }
}

TEST_F(Curves, ColumnsBeyondTheTraceOrTheWindowStayEmpty) {
    Show();
    graph.SetPlotSize({500, 400});
    graph.SetWindow({0, 0, 20, 10}); // the fibre ends at 10 km, the trace near 16.7
    const TraceCurve& curve = *graph.PrimaryCurve();
    EXPECT_EQ(curve.FirstRow(499), -1);
    graph.SetWindow({0, 20, 10, 10}); // the slope lies above the window
    EXPECT_EQ(graph.PrimaryCurve()->FirstRow(100), -1);
}

TEST_F(Curves, ASteepStepIsJoinedToItsNeighbour) {
    auto fibre = TenKMFibre();
    fibre.events = {{5.0, 3.0, 0.0}}; // a 3 dB splice
    Show(fibre);
    graph.SetPlotSize({500, 400});
    graph.SetWindow({0, 0, 10, 20});
    const TraceCurve& curve = *graph.PrimaryCurve();
    for (int c = 1; c < 499; ++c) {
        ASSERT_NE(curve.FirstRow(c), -1) << c;
        EXPECT_LE(curve.FirstRow(c), curve.LastRow(c - 1) + 1) << c;
    }
}

TEST_F(Curves, TheNinthTraceIsRefused) {
    for (int i = 0; i < 8; ++i)
        Show();
    CT6* ninth = Trace();
    EXPECT_EQ(graph.AddTrace(ninth, ninth), AddTraceResult::Refused);
    EXPECT_EQ(graph.CurveCount(), 8);
    EXPECT_FALSE(graph.CurveOf(ninth));
}

TEST_F(Curves, StackedTracesStepDownBySixteenthsOfThePlot) {
    CT6* primary = Show();
    CT6* second = Show();
    CT6* third = Show();
    StandardWindow();
    graph.ToggleStack();
    EXPECT_EQ(graph.CurveOf(primary)->StackOffset(), 0);
    EXPECT_EQ(graph.CurveOf(second)->StackOffset(), 400 / 16);
    EXPECT_EQ(graph.CurveOf(third)->StackOffset(), 2 * (400 / 16));
    EXPECT_EQ(graph.CurveOf(third)->FirstRow(250), graph.CurveOf(primary)->FirstRow(250) + 50);
}

TEST_F(Curves, AlignOrFlipUnstacksAndBothOffStacksAgain) {
    Show();
    Show();
    StandardWindow();
    graph.ToggleStack();
    graph.SetAlignTraces(true);
    EXPECT_FALSE(graph.IsStacked());
    graph.SetFlipTraces(true);
    graph.SetAlignTraces(false);
    EXPECT_FALSE(graph.IsStacked());
    graph.SetFlipTraces(false);
    EXPECT_TRUE(graph.IsStacked());
}

TEST_F(Curves, AlignedTracesPassThroughThePrimaryAtA) {
    Show();
    auto lower = TenKMFibre();
    lower.launchLevelDB = 24; // 2 dB below the primary everywhere
    CT6* second = Show(lower);
    StandardWindow();
    graph.SetCursorA(2);
    graph.SetCursorB(3);
    graph.SetAlignTraces(true);
    EXPECT_NEAR(graph.CurveOf(second)->AlignOffset(), 2.0, 0.01);
    EXPECT_NEAR(*graph.CurveOf(second)->ValueAt(6), TenKMValueAt(6), 0.01);
}

TEST_F(Curves, FlippedTracesMirrorAtTheirLastEventAndRefuseWithoutEvents) {
    CT6* record = Show();
    StandardWindow();
    graph.SetFlipTraces(true);
    const TraceCurve& curve = *graph.PrimaryCurve();
    ASSERT_TRUE(curve.IsFlipped());
    double end = record->EVGetStartKM(record->EVCount() - 1);
    EXPECT_NEAR(*curve.LevelAt(1), TenKMValueAt(end - 1), 0.01);
    // Shown at 1 km: the level of the record at end - 1 km.
    int expected = RowOf(TenKMValueAt(end - 1));
    EXPECT_NEAR(curve.FirstRow(50), expected, 2);

    auto bare = TenKMFibre();
    bare.eventTable = false;
    CT6* plain = Trace(bare);
    EXPECT_EQ(graph.AddTrace(plain, plain), AddTraceResult::AddedFlipRefused);
    EXPECT_FALSE(graph.CurveOf(plain)->IsFlipped());
}

TEST_F(Curves, MarkersStandOnTheCurveFromTheSecondEvent) {
    auto fibre = TenKMFibre();
    fibre.events = {{4.0, 0.5, 0.0}};
    CT6* record = Show(fibre);
    StandardWindow();
    const auto& marks = graph.PrimaryCurve()->Markers();
    ASSERT_EQ(static_cast<int>(marks.size()), record->EVCount() - 1);
    EXPECT_EQ(marks.front().eventIndex, 1);
    EXPECT_NEAR(marks.front().column, 200, 1);
    EXPECT_NEAR(marks.front().row, RowOf(TenKMValueAt(4)), 2);
}

TEST_F(Curves, TheSecondTraceIsTheFirstOtherDisplayed) {
    CT6* first = Show();
    CT6* second = Show();
    CT6* third = Show();
    EXPECT_EQ(graph.Primary(), first);
    EXPECT_EQ(graph.Second(), second);
    EXPECT_EQ(graph.SecondSlot(), 1);
    graph.RemoveTrace(second);
    EXPECT_EQ(graph.Second(), third);
    graph.SetPrimary(third);
    EXPECT_EQ(graph.Second(), first);
}

} // namespace
} // namespace orvane::graph::test
