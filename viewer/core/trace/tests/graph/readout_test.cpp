#include "core/trace/graph/graph_hints.h"
#include "core/trace/graph/stored_view.h"
#include "core/trace/graph/trace_doc_view.h"
#include "core/trace/tests/graph/graph_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace orvane::graph::test {
namespace {

std::string FormatTextForTest(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%7.3f", v);
    return buffer;
}

class Readout : public GraphFixture, public ::testing::Test {
protected:
    void SetUp() override {
        primary = Show();
        auto lossier = TenKMFibre();
        lossier.sections = {{10.0, 0.40}};
        second = Show(lossier);
        StandardWindow();
        graph.SetCursorA(2);
        graph.SetCursorB(6);
    }
    CT6* primary = nullptr;
    CT6* second = nullptr;
};

TEST_F(Readout, TwoPointLossOfBothTracesAndTheirDifference) {
    graph.SetLossMode(T6_LOSS_2POINT);
    const MeasurementReadout& r = graph.Readout();
    ASSERT_TRUE(r.primaryValue && r.secondValue);
    EXPECT_NEAR(*r.primaryValue, 4 * 0.35, 0.01);
    EXPECT_NEAR(*r.secondValue, 4 * 0.40, 0.01);
    EXPECT_EQ(r.compareLabel, "Diff");
    EXPECT_EQ(r.compareText, FormatTextForTest(*r.primaryValue - *r.secondValue));
    EXPECT_EQ(LastHint(), HINT_MEASUREMENT);
}

TEST_F(Readout, FlippedTracesAreComparedByTheirMean) {
    graph.SetLossMode(T6_LOSS_2POINT);
    graph.SetFlipTraces(true);
    const MeasurementReadout& r = graph.Readout();
    ASSERT_TRUE(r.primaryValue && r.secondValue);
    EXPECT_EQ(r.compareLabel, "Avg");
    EXPECT_EQ(r.compareText, FormatTextForTest((*r.primaryValue + *r.secondValue) / 2));
}

TEST_F(Readout, OrlModeShowsNoLossAndTheCorrectedModeShowsWhatItMeasured) {
    graph.SetLossMode(T6_LOSS_ORL);
    EXPECT_EQ(graph.Readout().primaryText, "N/A");
    EXPECT_TRUE(graph.Readout().compareLabel.empty());
    graph.SetLossMode(T6_LOSS_2POINT_ATN_COR);
    EXPECT_NE(graph.Readout().primaryText.find(" (1.400)"), std::string::npos)
        << graph.Readout().primaryText;
}

TEST_F(Readout, TheLossModeListMapsPositionsToRecordModes) {
    EXPECT_EQ(kLossModeList[3].recordMode, T6_LOSS_2POINT_ATN_COR);
    EXPECT_EQ(ListPositionOfLossMode(T6_LOSS_ORL), 6);
    EXPECT_EQ(ListPositionOfLossMode(T6_LOSS_DBKM), 4);
}

TEST_F(Readout, SavedViewLoadsBackWithTheFreeModeStoredAsThree) {
    graph.ToggleLock();
    graph.SetLossMode(T6_LOSS_DBKM);
    graph.SetDisplayMode(DisplayMode::FromB);
    RecordViewWriter writer(*primary);
    graph.SaveView(writer);
    EXPECT_EQ(primary->GetViewMode(), 2);

    GraphFixture other;
    other.graph.AddTrace(primary, primary);
    other.graph.SetPlotSize({500, 400});
    other.graph.LoadView(ReadStoredView(*primary));
    EXPECT_NEAR(other.graph.CursorA(), 2, 1e-6);
    EXPECT_NEAR(other.graph.CursorB(), 6, 1e-6);
    EXPECT_TRUE(other.graph.IsLocked());
    EXPECT_EQ(other.graph.LossMode(), T6_LOSS_DBKM);
    EXPECT_EQ(other.graph.Display(), DisplayMode::FromB);
    EXPECT_NEAR(other.graph.Window().x0, 1, 1e-3);
    EXPECT_NEAR(other.graph.ModeWindow(DisplayMode::Free).width, 10, 1e-3);
    EXPECT_EQ(other.hints.back(), HINT_VIEW_LOADED);

    graph.SetDisplayMode(DisplayMode::FromB); // back to free
    graph.SaveView(writer);
    EXPECT_EQ(primary->GetViewMode(), kRecordFreeViewMode);
    EXPECT_EQ(ReadStoredView(*primary).displayMode, DisplayMode::Free);
}

TEST_F(Readout, SavingThroughTheDocumentMarksItModified) {
    CTraceDoc doc;
    doc.record() = *primary;
    doc.setModified(false);
    graph.SetDisplayMode(DisplayMode::FromA);
    graph.SetDisplayMode(DisplayMode::FromA); // back to free
    TraceDocViewWriter writer(doc);
    graph.SaveView(writer);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.record().GetViewMode(), kRecordFreeViewMode);
    EXPECT_NEAR(doc.record().GetBCursorKM(), 6, 1e-6);
}

TEST_F(Readout, StatusLineJoinsWhatApplies) {
    EXPECT_EQ(graph.StatusLine(), "");
    graph.ToggleLock();
    graph.SetDisplayMode(DisplayMode::FromA);
    graph.ToggleInteractionMode(InteractionMode::SetB);
    graph.ToggleStack();
    EXPECT_EQ(graph.StatusLine(), "Cursor Lock * Display From A * Shift Cursor B * Stacked");
    graph.SetFlipTraces(true);
    EXPECT_EQ(graph.StatusLine(), "Cursor Lock * Display From A * Shift Cursor B * Flip");
}

TEST_F(Readout, LaunchLevelAsksForAnAnalysisFirst) {
    auto bare = TenKMFibre();
    bare.eventTable = false;
    CT6* unanalysed = Trace(bare);
    EXPECT_EQ(LaunchLevelText(*unanalysed, 2, 6), "Please run FAS first.");
}

// --- Hint reactions

TEST_F(Readout, HiddenAndDisplayedTracesLeaveAndJoinTheGraph) {
    ViewRefresh r = ReactToHint(graph, HINT_TRACES_HIDDEN, {{{second, second}}});
    EXPECT_EQ(graph.CurveCount(), 1);
    EXPECT_TRUE(r.infoBar && r.thumbnail);
    graph.SetFlipTraces(true);
    auto bare = TenKMFibre();
    bare.eventTable = false;
    CT6* plain = Trace(bare);
    r = ReactToHint(graph, HINT_TRACES_DISPLAYED, {{{plain, plain}}});
    EXPECT_EQ(graph.CurveCount(), 2);
    EXPECT_TRUE(r.flipRefused);
}

TEST_F(Readout, PrimaryChangeMakesTheNewEntryPrimaryWithItsStoredView) {
    second->SetACursorKM(3);
    second->SetBCursorKM(7);
    ReactToHint(graph, HINT_PRIMARY_CHANGED, {{{second, second}, {primary, primary}}});
    EXPECT_EQ(graph.Primary(), second);
    EXPECT_EQ(graph.Second(), primary);
    EXPECT_NEAR(graph.CursorA(), 3, 1e-6);
    EXPECT_NEAR(graph.CursorB(), 7, 1e-6);
}

TEST_F(Readout, AnIndexChangeStretchesEveryDistanceHeld) {
    graph.ToggleInteractionMode(InteractionMode::ZoomWindow);
    graph.MousePress(250, 200);
    graph.MouseRelease(250, 200); // one window in the history
    GraphHintInput payload;
    payload.iorRatio = 1.5;
    ReactToHint(graph, HINT_IOR_CHANGED, payload);
    EXPECT_DOUBLE_EQ(graph.CursorA(), 3);
    EXPECT_DOUBLE_EQ(graph.CursorB(), 9);
    EXPECT_DOUBLE_EQ(graph.Window().width, 7.5);
    graph.ZoomPrevious();
    EXPECT_DOUBLE_EQ(graph.Window().width, 15);
}

TEST_F(Readout, EventHintsOfTheGraphAreForwardedToTheList) {
    EXPECT_EQ(ReactToHint(graph, HINT_EVENT_DELETED, {}).forwardToList, HINT_TRACES_EVENT_DELETED);
    EXPECT_EQ(ReactToHint(graph, HINT_EVENT_EDITED, {}).forwardToList, HINT_TRACES_EVENTS_EDITED);
    EXPECT_EQ(ReactToHint(graph, HINT_EVENT_INSERTED, {}).forwardToList,
              HINT_TRACES_EVENT_INSERTED);
    EXPECT_EQ(ReactToHint(graph, HINT_EVENT_PROPERTIES, {}).forwardToList, HINT_TRACES_PROPERTIES);
}

TEST_F(Readout, ARecentreHintFollowsTheCursorOfTheDisplayMode) {
    graph.SetDisplayMode(DisplayMode::FromB);
    graph.SetWindow({0, 0, 10, 10});
    ViewRefresh r = ReactToHint(graph, HINT_RECENTRE, {});
    EXPECT_DOUBLE_EQ(graph.Window().x0, 1);
    EXPECT_TRUE(r.toolbar);
}

} // namespace
} // namespace orvane::graph::test
