// Matching a trace's events to the template's splice positions.
#include "bidir_fixtures.h"
#include "core/bidir/event_correlation.h"
#include "core/bidir/splice_summary.h"
#include "core/platform/scripted_prompts.h"

#include <gtest/gtest.h>

namespace orvane::bidir {
namespace {

using test::CableDescription;

std::unique_ptr<CT6> twentyKMTrace(std::vector<test::CableSplice> splices) {
    CableDescription cable;
    cable.lengthKM = 20.0;
    cable.pointCount = 16384;
    cable.splices = std::move(splices);
    return test::tracedFibre(cable, 0);
}

CorrelationSettings onePercent() {
    CorrelationSettings s;
    s.corrPercent = 1.0;
    return s;
}

TEST(EventCorrelation, OnePercentOfATwentyKilometreTraceLeavesAnEventTwoHundredFiftyMetresOff) {
    auto trace = twentyKMTrace({{5.0, 0.2, 0.0}, {12.25, 0.2, 0.0}});
    ScriptedPrompts prompter;
    ScopedPrompts scope(prompter);
    prompter.queue(PromptAnswer::Ok);
    const CorrelationResult r =
        CorrelateEvents(*trace, {5.05, 12.0, 16.0}, trace->EVGetStartKM(3), onePercent());
    EXPECT_EQ(r.matched, (std::vector<int32_t>{1, kNoMatch, kNoMatch}));
    EXPECT_EQ(r.unmatchedEvents, std::vector<int32_t>{2});
    EXPECT_FALSE(r.cancelled);
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_NE(prompter.asked()[0].text.find(kDoesNotCorrelateText), std::string::npos);
    EXPECT_NE(prompter.asked()[0].text.find(" event at 12.25"), std::string::npos);
}

TEST(EventCorrelation, CancelOnTheWarningEndsTheRun) {
    auto trace = twentyKMTrace({{12.25, 0.2, 0.0}});
    ScriptedPrompts prompter; // the warning's default is Cancel
    ScopedPrompts scope(prompter);
    EXPECT_TRUE(CorrelateEvents(*trace, {12.0}, 20.0, onePercent()).cancelled);
}

TEST(EventCorrelation, ACloserEventDisplacesAnEarlierMatchWhichMovesOn) {
    // Events at 9.90 and 10.02; positions 9.75 and 10.0: the first event
    // takes 10.0 first, then loses it to the closer one and moves to 9.75.
    auto trace = twentyKMTrace({{9.90, 0.2, 0.0}, {10.02, 0.2, 0.0}});
    const double end = trace->EVGetStartKM(3);
    const CorrelationResult r = CorrelateEvents(*trace, {9.75, 10.0}, end, onePercent(), false);
    EXPECT_EQ(r.matched, (std::vector<int32_t>{1, 2}));
    EXPECT_TRUE(r.unmatchedEvents.empty());
}

TEST(EventCorrelation, PositionsScaleWithTheTraceLength) {
    auto trace = twentyKMTrace({{10.1, 0.2, 0.0}});
    // The reference is 1 % shorter: its 10.0 km lies at 10.1 km on this trace.
    const double end = trace->EVGetStartKM(2);
    const CorrelationResult r = CorrelateEvents(*trace, {10.0}, end / 1.01, onePercent(), false);
    EXPECT_EQ(r.matched, std::vector<int32_t>{1});
}

TEST(EventCorrelation, PatchCordConnectorIsLeftOutWhenTheCordWasRemoved) {
    auto trace = twentyKMTrace({{0.15, 0.3, -45.0}, {8.0, 0.2, 0.0}});
    const double end = trace->EVGetStartKM(3);
    trace->SetHorzShiftKM(-0.1);
    const std::vector<double> positions = {0.15, 8.0};
    CorrelationResult r = CorrelateEvents(*trace, positions, end, onePercent(), false);
    EXPECT_EQ(r.matched, (std::vector<int32_t>{kNoMatch, 2}));
    CorrelationSettings keep = onePercent();
    keep.ignorePatchCord = false;
    r = CorrelateEvents(*trace, positions, end, keep, false);
    EXPECT_EQ(r.matched, (std::vector<int32_t>{1, 2}));
}

TEST(SpliceSummary, BiDirectionalMeanIsNotAvailableWhenEitherDirectionIsZero) {
    EXPECT_DOUBLE_EQ(*BiDirectionalMean(0.12, -0.04), 0.04);
    EXPECT_FALSE(BiDirectionalMean(0.0, 0.1));
    EXPECT_FALSE(BiDirectionalMean(0.1, 0.0));
}

TEST(SpliceSummary, StatisticsPerPositionAndOverallLeaveOutIgnoredConnectors) {
    SpliceLossTable table;
    table.fibers = {1, 2, 7};
    table.losses = {{0.5, 0.10, 0.30}, {0.4, 0.20, std::nullopt}, {0.6, 0.05, 0.10}};
    const SpliceSummary s = SummariseSpliceLosses(table, true, false);
    ASSERT_EQ(s.perPosition.size(), 3u);
    EXPECT_EQ(s.perPosition[2].count, 2);
    EXPECT_DOUBLE_EQ(s.perPosition[2].average, 0.2);
    EXPECT_DOUBLE_EQ(s.perPosition[1].minimum, 0.05);
    EXPECT_DOUBLE_EQ(s.perPosition[0].maximum, 0.6);
    EXPECT_EQ(s.overall.count, 5); // the first column left out
    EXPECT_DOUBLE_EQ(s.overall.maximum, 0.30);
    EXPECT_EQ(s.missing,
              std::vector<std::string>{"No Splice Loss for an event in Fiber Number 002."});
}

} // namespace
} // namespace orvane::bidir
