#include "record/event_element.h"
#include "record/event_internal.h"
#include "support/event_fibre.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <vector>

using namespace varnel;
using namespace varnel::test;

namespace {

// Level means are of 16-bit values on scale factor 1000: 0.001 dB steps.
constexpr double kLevelTolDB = 1e-9;

// 20 km of fibre at 0.5 dB/km (5 data units per point), launch level 20 dB:
// launch at 0, a 0.3 dB splice at 5 km, the end at 15 km.
class EventSpans : public ::testing::Test {
protected:
    void SetUp() override {
        FibreShape shape;
        shape.steps = {{500, 0.3}};
        loadFibre(trace, 2000, shape);
        trace.SetLaunchIntercept(20000);
        trace.SetThresholdBreak(3.0);
        addEvent(trace, 0, 0, 10);
        addEvent(trace, 2, 500, 520);
        addEvent(trace, 4, 1500, 1510);
        trace.EVSetLoss(1, 0.3);
    }

    SettingsGuard guard;
    CT6 trace;
};

// A 1 km launch cable (horizontal shift -1 km, so 0 km is point 100) before
// a 0.4 dB start connector at 0.1 km, a 0.3 dB splice at 2 km and the end
// at 14 km.
class EventLaunchCable : public ::testing::Test {
protected:
    void SetUp() override {
        FibreShape shape;
        shape.steps = {{110, 0.4}, {300, 0.3}};
        loadFibre(trace, 2000, shape);
        trace.SetHorzShiftKM(-1.0);
        trace.SetLaunchIntercept(20000);
        trace.SetThresholdBreak(3.0);
        addEvent(trace, 0, 0, 10);
        addEvent(trace, 1, 110, 120);
        addEvent(trace, 2, 300, 320);
        addEvent(trace, 4, 1500, 1510);
        trace.EVSetLoss(1, 0.4);
        trace.EVSetLoss(2, 0.3);
    }

    SettingsGuard guard;
    CT6 trace;
};

} // namespace

TEST(EventTrimmedMean, DropsOneHighestAndOneLowest) {
    const std::vector<int32_t> five = {10, 50, 20, 20, 30};
    EXPECT_DOUBLE_EQ(trimmedMean(five), 70.0 / 3);
    const std::vector<int32_t> equal = {7, 7, 7};
    EXPECT_DOUBLE_EQ(trimmedMean(equal), 7.0);
    const std::vector<int32_t> two = {4, 6};
    EXPECT_DOUBLE_EQ(trimmedMean(two), 5.0); // nothing to trim
    EXPECT_EQ(trimmedMean({}), T6_NO_VALUE);
}

TEST_F(EventSpans, LevelBeforeAnEventIsTheTrimmedMeanOfFivePoints) {
    EXPECT_DOUBLE_EQ(trace.EVGetStartAvgDB(0), 20.0); // launch: the intercept
    // Points 496-500 hold 17.520 ... 17.505 and 17.200 (after the splice).
    EXPECT_NEAR(trace.EVGetStartAvgDB(1), 17.510, kLevelTolDB);
    EXPECT_NEAR(trace.EVGetStartAvgDB(2), 12.210, kLevelTolDB);
    EXPECT_NEAR(trace.EVGetDBValue(1), 17.2, kLevelTolDB);
}

TEST_F(EventSpans, LevelBeforeAnEventNeedsMoreThanSixPointsOfFibre) {
    trace.EVSetEndDP(0, 494);
    EXPECT_EQ(trace.EVGetStartAvgDB(1), T6_NO_VALUE);
    trace.EVSetEndDP(0, 493);
    EXPECT_NE(trace.EVGetStartAvgDB(1), T6_NO_VALUE);

    // A reflection's tail counts from a quarter of it earlier: end 510 and
    // peak 480 give 503, too close to an event at 505 or 509.
    trace.EVSetStartDP(2, 505);
    trace.EVSetEndDP(1, 510);
    trace.EVSetFallStartDP(1, 480);
    trace.EVSetRefl(1, -40.0);
    EXPECT_EQ(trace.EVGetStartAvgDB(2), T6_NO_VALUE);
    trace.EVSetStartDP(2, 509);
    EXPECT_EQ(trace.EVGetStartAvgDB(2), T6_NO_VALUE);
    trace.EVSetStartDP(2, 510);
    EXPECT_NE(trace.EVGetStartAvgDB(2), T6_NO_VALUE);
}

TEST_F(EventSpans, LevelBeforeAQuestionableEndHasNoValue) {
    trace.EVSetType(2, T6_EVENT_QUESTIONABLE_END);
    EXPECT_EQ(trace.EVGetStartAvgDB(2), T6_NO_VALUE);
}

TEST_F(EventSpans, LevelBeforeAnEventAtTheTraceStartUsesThePointsInside) {
    trace.EVSetEndDP(0, -10);
    trace.EVSetStartDP(1, 1);
    // Only points 0 and 1 lie inside: their plain mean.
    EXPECT_NEAR(trace.EVGetStartAvgDB(1), (20.0 + 19.995) / 2, kLevelTolDB);
    trace.EVSetStartDP(1, -4);
    trace.EVSetEndDP(0, -20);
    EXPECT_EQ(trace.EVGetStartAvgDB(1), T6_NO_VALUE);
}

TEST_F(EventSpans, SpanLossIsTheFibreLossBetweenEvents) {
    EXPECT_NEAR(trace.EVGetSpanLoss(1), 20.0 - 17.51, kLevelTolDB);
    EXPECT_NEAR(trace.EVGetSpanLoss(2), 17.51 - 12.21 - 0.3, kLevelTolDB);
    EXPECT_NEAR(trace.EVGetSpanLossDBKM(2), 0.5, 1e-9);
    EXPECT_EQ(trace.EVGetSpanLoss(0), T6_NO_VALUE);
    EXPECT_EQ(trace.EVGetSpanLoss(3), T6_NO_VALUE);
    EXPECT_EQ(trace.EVGetSpanLossDBKM(3), T6_NO_VALUE);
    char16_t buf[64];
    EXPECT_EQ(text(trace.EVGetSpanLoss(2, buf, 1)), u"5.00 dB");
    EXPECT_EQ(text(trace.EVGetSpanLossDBKM(2, buf, 0)), u"0.500");
    EXPECT_EQ(text(trace.EVGetSpanLoss(0, buf, 1)), u"??");
}

TEST_F(EventSpans, SpanAfterAnUnmeasurableLossHasNoValueUnlessForcedAtTheLaunch) {
    trace.EVPutFlags(0, T6_EVFLAG_LOSS_UNKNOWN);
    EXPECT_EQ(trace.EVGetSpanLoss(1), T6_NO_VALUE);
    T6SetEndEndLossForced(1);
    EXPECT_NEAR(trace.EVGetSpanLoss(1), 2.49, kLevelTolDB);

    // Forcing only concerns the launch.
    trace.EVPutFlags(1, T6_EVFLAG_LOSS_UNKNOWN);
    EXPECT_EQ(trace.EVGetSpanLoss(2), T6_NO_VALUE);
}

TEST_F(EventSpans, SpanAttenuationOfEventsAtOnePlaceHasNoValue) {
    trace.EVSetStartDP(2, 500);
    trace.EVSetEndDP(0, 10);
    trace.EVSetEndDP(1, 400);
    EXPECT_EQ(trace.EVGetSpanLossDBKM(2), T6_NO_VALUE);
}

TEST_F(EventSpans, EndToEndLossFromTheLaunchLevel) {
    EXPECT_NEAR(trace.GetEndToEndLoss(), 20.0 - 12.21, kLevelTolDB);
    char16_t buf[64];
    EXPECT_EQ(text(trace.GetEndToEndLoss(buf, 1)), u"7.79 dB");

    trace.EVPutFlags(0, T6_EVFLAG_LOSS_UNKNOWN);
    EXPECT_EQ(trace.GetEndToEndLoss(), T6_NO_VALUE);
    EXPECT_NEAR(trace.GetEndToEndLossForced(), 7.79, kLevelTolDB);
    T6SetEndEndLossForced(1);
    EXPECT_NEAR(trace.GetEndToEndLoss(), 7.79, kLevelTolDB);
}

TEST_F(EventSpans, EndToEndLossAddsAnEndConnectorWhenAsked) {
    trace.EVSetLoss(2, 0.5);
    EXPECT_EQ(trace.IsEndConn(), 1);
    EXPECT_DOUBLE_EQ(trace.GetEndConnLoss(), 0.5);
    EXPECT_NEAR(trace.GetEndToEndLoss(), 7.79, kLevelTolDB);
    T6SetEndEndLoss(1, 1);
    EXPECT_NEAR(trace.GetEndToEndLoss(), 8.29, kLevelTolDB);

    trace.EVSetLoss(2, 3.5); // above the break threshold: a break, not a connector
    EXPECT_EQ(trace.IsEndConn(), 0);
    EXPECT_EQ(trace.GetEndConnLoss(), 0.0);
    trace.EVSetLoss(2, 0.5);
    trace.EVSetFlags(2, T6_EVFLAG_LOSS_UNKNOWN);
    EXPECT_EQ(trace.IsEndConn(), 0);
}

TEST_F(EventSpans, EndToEndLossNeedsADefiniteEnd) {
    trace.EVSetType(2, T6_EVENT_QUESTIONABLE_END);
    EXPECT_EQ(trace.GetEndToEndLoss(), T6_NO_VALUE);
    EXPECT_EQ(trace.GetEndToEndLossForced(), T6_NO_VALUE);
    char16_t buf[64];
    EXPECT_EQ(text(trace.GetEndToEndLoss(buf, 1)), u"??");

    trace.EVSetType(2, T6_EVENT_END);
    trace.EVDelete(2);
    trace.EVDelete(1);
    EXPECT_EQ(trace.GetEndToEndLoss(), T6_NO_VALUE);
}

TEST_F(EventSpans, EndToEndLossFallsBackToTheLevelAtAnEndTooCloseToItsNeighbour) {
    trace.EVSetEndDP(1, 1498);
    EXPECT_EQ(trace.EVGetStartAvgDB(2), T6_NO_VALUE);
    EXPECT_NEAR(trace.GetEndToEndLoss(), 7.79, kLevelTolDB);
}

TEST_F(EventSpans, NoStartConnectorWithoutALaunchCable) {
    trace.EVSetStartDP(1, 5);
    EXPECT_EQ(trace.GetStartConnLoss(), 0.0);
}

TEST_F(EventLaunchCable, SpanLossFromZeroKilometresAfterTheCable) {
    // 0 km is point 100 (19.500 dB); points 106-110 average 19.460 dB.
    EXPECT_NEAR(trace.EVGetSpanLoss(1), 19.5 - 19.46, kLevelTolDB);
    // From the connector on, the ordinary rule: 1.9 km at 0.5 dB/km.
    EXPECT_NEAR(trace.EVGetSpanLoss(2), 0.95, kLevelTolDB);
    EXPECT_NEAR(trace.EVGetSpanLossDBKM(2), 0.5, 1e-9);
}

TEST_F(EventLaunchCable, SpanLossNeedsTheEventWellAfterZeroKilometres) {
    trace.EVSetStartDP(1, 105);
    EXPECT_EQ(trace.EVGetSpanLoss(1), T6_NO_VALUE);
    trace.EVSetStartDP(1, 106);
    EXPECT_NE(trace.EVGetSpanLoss(1), T6_NO_VALUE);
    trace.EVSetStartDP(1, 100);
    EXPECT_EQ(trace.EVGetSpanLoss(1), T6_NO_VALUE);
}

TEST_F(EventLaunchCable, EndToEndLossFromTheLevelAtZeroKilometres) {
    trace.EVPutFlags(0, T6_EVFLAG_LOSS_UNKNOWN); // no launch check behind a cable
    // Points 1496-1500 average 11.810 dB.
    EXPECT_NEAR(trace.GetEndToEndLoss(), 19.5 - 11.81, kLevelTolDB);
    EXPECT_DOUBLE_EQ(trace.GetStartConnLoss(), 0.4);
    T6SetEndEndLoss(0, 0);
    EXPECT_NEAR(trace.GetEndToEndLoss(), 19.5 - 11.81 - 0.4, kLevelTolDB);
}

TEST_F(EventLaunchCable, StartConnectorMustLieWithinTheSearchLimit) {
    // The limit is the smaller of 0.2 km and 2 % of the 14 km to the end.
    trace.EVSetStartDP(1, 119);
    EXPECT_DOUBLE_EQ(trace.GetStartConnLoss(), 0.4);
    trace.EVSetStartDP(1, 121);
    EXPECT_EQ(trace.GetStartConnLoss(), 0.0);
    T6SetStartConnDef(0.5, 1.0); // 1 % of 14 km: 0.14 km
    trace.EVSetStartDP(1, 113);
    EXPECT_DOUBLE_EQ(trace.GetStartConnLoss(), 0.4);
    trace.EVSetStartDP(1, 115);
    EXPECT_EQ(trace.GetStartConnLoss(), 0.0);
    trace.EVSetStartDP(1, 110);
    trace.EVSetFlags(1, T6_EVFLAG_LOSS_UNKNOWN);
    EXPECT_EQ(trace.GetStartConnLoss(), 0.0);
}

TEST_F(EventLaunchCable, StartConnectorIsTheFirstEventAfterZeroKilometres) {
    trace.EVSetStartDP(1, 50); // inside the cable: the splice at 2 km is first
    EXPECT_EQ(trace.GetStartConnLoss(), 0.0);
    trace.EVSetStartDP(2, 115);
    EXPECT_DOUBLE_EQ(trace.GetStartConnLoss(), 0.3);
}

TEST_F(EventLaunchCable, EndConnectorMustLieOnTheFibre) {
    trace.EVSetLoss(3, 0.5);
    EXPECT_EQ(trace.IsEndConn(), 1);
    trace.SetHorzShiftKM(-16.0);
    EXPECT_EQ(trace.IsEndConn(), 0);
}

namespace {

// Reflections as 5-point bumps of the given height on the 0.5 dB/km fibre.
class EventReflections : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<std::pair<int32_t, double>> bumps = {
            {300, 3.0}, {800, 6.0}, {1000, 0.0}, {1200, 7.0}, {1500, 2.0}};
        loadFibre(trace, 2000, [&](int32_t p) {
            double db = 20.0 - 0.005 * p;
            for (const auto& [at, height] : bumps)
                if (p >= at && p < at + 5) db += height;
            return db;
        });
        addEvent(trace, 0, 0, 10);
        for (const auto& [at, height] : bumps) {
            const int32_t i = addEvent(trace, height > 0 ? 1 : 2, at, at + 5);
            if (height > 0) trace.EVSetRefl(i, -60.0 + height);
        }
    }

    SettingsGuard guard;
    CT6 trace;
};

} // namespace

TEST_F(EventReflections, StrongestAboveTheLevelAtTheStartFirst) {
    int32_t out[5] = {-1, -1, -1, -1, -1};
    // Peaks 21.5 (event 1), 22.0 (2), 21.0 (4) and 14.5 dB (5) against 20 dB at 0 km.
    EXPECT_EQ(trace.HighReflEvents(5, out, 0.0), 3);
    EXPECT_EQ(std::vector<int32_t>(out, out + 3), (std::vector<int32_t>{2, 1, 4}));
    EXPECT_EQ(trace.HighReflEvents(2, out, 0.0), 2);
    EXPECT_EQ(out[1], 1);
    EXPECT_EQ(trace.HighReflEvents(0, out, 0.0), 0);
}

TEST_F(EventReflections, OnlyReflectionsFromTheGivenDistanceOn) {
    int32_t out[3] = {};
    EXPECT_EQ(trace.HighReflEvents(3, out, 10.0), 1);
    EXPECT_EQ(out[0], 4);
    // 0.1 km of slack: the bump at 8 km still counts from 8.05 km.
    EXPECT_EQ(trace.HighReflEvents(3, out, 8.05), 2);
}

TEST_F(EventReflections, EqualPeaksKeepTableOrderAndAnEmptyTableGivesNone) {
    trace.EVSetStartDP(1, 800);
    trace.EVSetEndDP(1, 805);
    int32_t out[3] = {};
    EXPECT_EQ(trace.HighReflEvents(3, out, 0.0), 3);
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[1], 2);
    trace.EVInitArray(0);
    EXPECT_EQ(trace.HighReflEvents(3, out, 0.0), 0);
}

TEST_F(EventReflections, LaunchInterceptIsInDataUnits) {
    EXPECT_EQ(trace.GetLaunchIntercept(), 0.0);
    trace.SetLaunchIntercept(21500);
    EXPECT_DOUBLE_EQ(trace.GetLaunchIntercept(), 21.5);
}
