// Event analysis on simulated fibres whose events are known.
#include "analysis/fas_settings.h"
#include "record/event_element.h"

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

namespace sim = varnel::sim;

// Restores the analysis thresholds a test changes.
class FasScenario : public ::testing::Test {
protected:
    void SetUp() override { saved_ = varnel::fasSettings(); }
    void TearDown() override { varnel::fasSettings() = saved_; }

    // Index of the event that starts within toleranceKM of km, or -1.
    static int32_t eventNear(CT6& record, double km, double toleranceKM = 0.02) {
        for (int32_t i = 1; i < record.EVCount(); ++i) {
            if (std::fabs(record.EVGetStartKM(i) - km) <= toleranceKM) return i;
        }
        return -1;
    }

    static int32_t lastIndex(const CT6& record) { return record.EVCount() - 1; }

private:
    varnel::FASSettings saved_;
};

// 10 km of fibre: two fusion splices, two connectors whose peaks stay below
// the receiver's clamping level, a reflective end.
sim::FibreDescription cleanFibre() {
    sim::FibreDescription fibre = sim::plainFibre(10.0, 0.33);
    fibre.events = {{2.0, 0.20, 0.0}, {4.0, 0.50, -55.0}, {6.0, 0.15, 0.0}, {8.0, 0.40, -50.0}};
    return fibre;
}

TEST_F(FasScenario, CleanFibreFindsEveryEventWhereItIs) {
    CT6 record;
    const sim::SimulatedFibre truth = sim::simulateFibre(cleanFibre(), record);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);

    ASSERT_GE(record.EVCount(), 6);
    EXPECT_EQ(record.EVGetType(0), T6_EVENT_LAUNCH);
    for (const sim::TrueEvent& event : truth.events) {
        if (event.type == T6_EVENT_LAUNCH || event.type == T6_EVENT_END) continue;
        const int32_t i = eventNear(record, event.positionKM);
        ASSERT_GE(i, 0) << "no event near " << event.positionKM << " km";
        // Losses of isolated events over long clean fibre: least squares, 0.05 dB.
        EXPECT_NEAR(record.EVGetLoss(i), event.lossDB, 0.05) << event.positionKM;
        EXPECT_EQ(record.EVGetLossMode(i), T6_LOSS_SPLICE) << event.positionKM;
        EXPECT_NE(record.EVGetFlags(i) & T6_EVFLAG_LOSS_OVER_THRESHOLD, 0u);
        if (event.reflectanceDB != 0.0) {
            EXPECT_EQ(record.EVGetType(i), T6_EVENT_REFLECTIVE);
            EXPECT_NEAR(record.EVGetRefl(i), event.reflectanceDB, 1.0);
            EXPECT_EQ(record.EVGetFlags(i) & T6_EVFLAG_REFL_OVER_THRESHOLD, 0u); // below -40 dB
        } else {
            EXPECT_EQ(record.EVGetType(i), T6_EVENT_NON_REFLECTIVE);
            EXPECT_EQ(record.EVGetRefl(i), 0.0);
        }
    }
    const int32_t end = lastIndex(record);
    EXPECT_EQ(record.EVGetType(end), T6_EVENT_END);
    EXPECT_NEAR(record.EVGetStartKM(end), 10.0, 0.02);
    EXPECT_NE(record.EVGetFlags(end) & T6_EVFLAG_CLOSING, 0u);
    EXPECT_EQ(
        record.EVGetFlags(end) & (T6_EVFLAG_END_AT_NOISE_FLOOR | T6_EVFLAG_END_NO_NOISE_FLOOR), 0u);
}

TEST_F(FasScenario, RunStoresAttenuationSettingsAndMarks) {
    T6SetFASParms(0.05, -45.0, 4.0, 2, 0, -30.0);
    CT6 record;
    sim::simulateFibre(cleanFibre(), record);
    record.SetTraceTemplate(1);
    record.ClearAllModFlags();
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);

    EXPECT_NEAR(record.GetCalcAtn(), 0.33, 0.02);
    EXPECT_NEAR(record.GetLaunchIntercept(), 26.0, 0.1);
    EXPECT_EQ(record.IsTraceTemplate(), 0);
    EXPECT_EQ(record.IsModFlagSet(T6_MOD_ANALYSIS), 1);
    EXPECT_EQ(record.IsModFlagSet(T6_MOD_ANALYSIS_SETTINGS), 1);
    EXPECT_DOUBLE_EQ(record.GetThresholdLoss(), 0.05);
    EXPECT_DOUBLE_EQ(record.GetThresholdRefl(), -45.0);
    EXPECT_DOUBLE_EQ(record.GetThresholdBreak(), 4.0);
    EXPECT_EQ(record.GetFASNumBreaks(), 2);
    EXPECT_EQ(record.GetFASEndAtNthRefl(), 0);
    EXPECT_DOUBLE_EQ(record.GetFASNthReflThresh(), -30.0);
}

TEST_F(FasScenario, RepeatedRunsGiveTheSameTable) {
    CT6 record;
    sim::simulateFibre(cleanFibre(), record);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    std::vector<uint8_t> first(static_cast<size_t>(record.EVCount() * record.EVSizeElement()));
    record.EVCopy(first.data());
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    std::vector<uint8_t> second(static_cast<size_t>(record.EVCount() * record.EVSizeElement()));
    record.EVCopy(second.data());
    EXPECT_EQ(first, second);
}

TEST_F(FasScenario, FibreFadingIntoTheNoiseEndsThereAsQuestionable) {
    // 2 dB/km from 26 dB: the backscatter sinks into the noise near 12 km.
    sim::FibreDescription fibre = sim::plainFibre(15.0, 2.0);
    fibre.endReflectanceDB = 0.0;
    CT6 record;
    sim::simulateFibre(fibre, record);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    ASSERT_EQ(record.EVCount(), 2);
    EXPECT_EQ(record.EVGetType(0), T6_EVENT_LAUNCH);
    EXPECT_EQ(record.EVGetType(1), T6_EVENT_END);
    EXPECT_EQ(record.EVGetStartDP(1), std::abs(record.GetNoiseFloorDP()));
    EXPECT_EQ(record.EVGetFlags(1) & (T6_EVFLAG_END_AT_NOISE_FLOOR | T6_EVFLAG_CLOSING),
              T6_EVFLAG_END_AT_NOISE_FLOOR | T6_EVFLAG_CLOSING);
    EXPECT_EQ(record.EVQtEnd(1), 1);
}

TEST_F(FasScenario, TraceThatNeverReachesTheNoiseEndsAtTheLastPoint) {
    // 20 km of fibre in a 16 km trace: no noise floor to find.
    sim::FibreDescription fibre = sim::plainFibre(20.0, 0.33);
    fibre.events = {{5.0, 0.3, 0.0}};
    CT6 record;
    sim::simulateFibre(fibre, record);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    ASSERT_LT(record.GetNoiseFloorDP(), 0);
    const int32_t end = lastIndex(record);
    EXPECT_EQ(record.EVGetType(end), T6_EVENT_END);
    EXPECT_EQ(record.EVGetStartDP(end), record.DPOCount() - 1);
    EXPECT_NE(record.EVGetFlags(end) & T6_EVFLAG_END_NO_NOISE_FLOOR, 0u);
    EXPECT_GE(eventNear(record, 5.0), 1);
}

TEST_F(FasScenario, CloseNeighboursUseShortSpanLoss) {
    // Two splices 10 points apart (1 m resolution).
    sim::FibreDescription fibre = sim::plainFibre(10.0, 0.33);
    fibre.events = {{3.0, 0.3, 0.0}, {3.010, 0.3, -45.0}};
    CT6 record;
    sim::simulateFibre(fibre, record);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    const int32_t i = eventNear(record, 3.0, 0.005);
    ASSERT_GE(i, 1);
    EXPECT_EQ(record.EVGetLossMode(i), T6_LOSS_2POINT_ATN_COR);
}

TEST_F(FasScenario, IsolatedSpliceStoresItsLeastSquaresSegments) {
    sim::FibreDescription fibre = sim::plainFibre(10.0, 0.33);
    fibre.events = {{5.0, 0.3, 0.0}};
    CT6 record;
    sim::simulateFibre(fibre, record);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    const int32_t i = eventNear(record, 5.0);
    ASSERT_GE(i, 1);
    EXPECT_EQ(record.EVGetLossMode(i), T6_LOSS_SPLICE);
    EXPECT_LT(record.EVGetLSAStartOffKM(i, 1), record.EVGetLSAEndOffKM(i, 1));
    EXPECT_LT(record.EVGetLSAEndOffKM(i, 1), 0.0);
    EXPECT_GT(record.EVGetLSAStartOffKM(i, 0), 0.0);
    EXPECT_LT(record.EVGetLSAStartOffKM(i, 0), record.EVGetLSAEndOffKM(i, 0));
    // The segments reach at most the 2 km limit either side.
    EXPECT_GE(record.EVGetLSAStartOffKM(i, 1), -2.01);
    EXPECT_LE(record.EVGetLSAEndOffKM(i, 0), 2.01);
}

TEST_F(FasScenario, LaunchCableConnectorIsFound) {
    // 1 km launch cable, then the fibre under test behind a connector.
    sim::FibreDescription fibre = sim::plainFibre(9.0, 0.33);
    fibre.sections = {{1.0, 0.33}, {8.0, 0.35}};
    fibre.launchReflectanceDB = -50.0;
    fibre.events = {{1.0, 0.4, -48.0}, {4.0, 0.2, 0.0}};
    CT6 record;
    sim::simulateFibre(fibre, record);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    const int32_t connector = eventNear(record, 1.0);
    ASSERT_GE(connector, 1);
    EXPECT_EQ(record.EVGetType(connector), T6_EVENT_REFLECTIVE);
    EXPECT_GE(eventNear(record, 4.0), 1);
}

TEST_F(FasScenario, ReflectionCloselyFollowedByAStrongerOneKeepsBoth) {
    // 25 points apart with a 10-point pulse: the second rise comes before the
    // fibre behind the first can be fitted.
    sim::FibreDescription fibre = sim::plainFibre(10.0, 0.33);
    fibre.events = {{5.0, 0.3, -45.0}, {5.025, 0.3, -30.0}};
    CT6 record;
    sim::simulateFibre(fibre, record);
    ASSERT_EQ(record.FAS(), 0);
    for (const double km : {5.0, 5.025}) {
        const int32_t i = eventNear(record, km, 0.005);
        ASSERT_GE(i, 1) << km;
        EXPECT_EQ(record.EVGetType(i), T6_EVENT_REFLECTIVE) << km;
    }
    for (int32_t i = 1; i < lastIndex(record); ++i) {
        EXPECT_LT(std::fabs(record.EVGetLoss(i)), 1.0) << "event at " << record.EVGetStartKM(i);
    }
}

sim::FibreDescription twoBreaks() {
    sim::FibreDescription fibre = sim::plainFibre(12.0, 0.25);
    fibre.launchLevelDB = 28.0;
    fibre.events = {{3.0, 4.0, 0.0}, {6.0, 0.3, 0.0}, {8.0, 5.0, -45.0}};
    return fibre;
}

TEST_F(FasScenario, FirstBreakEndsTheFibreByDefault) {
    CT6 record;
    sim::simulateFibre(twoBreaks(), record);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    const int32_t end = lastIndex(record);
    EXPECT_EQ(record.EVGetType(end), T6_EVENT_END);
    EXPECT_NEAR(record.EVGetStartKM(end), 3.0, 0.02);
    EXPECT_EQ(
        record.EVGetFlags(end) & (T6_EVFLAG_END_AT_NOISE_FLOOR | T6_EVFLAG_END_NO_NOISE_FLOOR), 0u);
}

TEST_F(FasScenario, SecondBreakEndsTheFibreWhenTwoAreAsked) {
    T6SetFASParms(0.03, -40.0, 3.0, 2, 0, -40.0);
    CT6 record;
    sim::simulateFibre(twoBreaks(), record);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    const int32_t first = eventNear(record, 3.0);
    ASSERT_GE(first, 1);
    EXPECT_NE(record.EVGetType(first), T6_EVENT_END);
    EXPECT_GE(record.EVGetLoss(first), 3.0);
    const int32_t end = lastIndex(record);
    EXPECT_EQ(record.EVGetType(end), T6_EVENT_END);
    EXPECT_NEAR(record.EVGetStartKM(end), 8.0, 0.02);
}

TEST_F(FasScenario, ThirdStrongReflectionEndsTheFibre) {
    T6SetFASParms(0.03, -40.0, 3.0, 1, 3, -60.0);
    sim::FibreDescription fibre = sim::plainFibre(12.0, 0.25);
    fibre.events = {{2.0, 0.3, -55.0},
                    {4.0, 0.3, -67.0},
                    {6.0, 0.3, -52.0},
                    {8.0, 0.3, -54.0},
                    {10.0, 0.3, 0.0}};
    CT6 record;
    sim::simulateFibre(fibre, record);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    const int32_t end = lastIndex(record);
    EXPECT_NEAR(record.EVGetStartKM(end), 8.0, 0.02);
    EXPECT_EQ(record.EVGetType(end), T6_EVENT_END);
    EXPECT_NE(record.EVGetFlags(end) & T6_EVFLAG_END_AT_NTH_REFL, 0u);
    EXPECT_NE(record.EVGetFlags(end) & T6_EVFLAG_CLOSING, 0u);
}

TEST_F(FasScenario, GainerKeepsItsNegativeLoss) {
    sim::FibreDescription fibre = sim::plainFibre(10.0, 0.33);
    fibre.events = {{4.0, -0.15, 0.0}};
    CT6 record;
    sim::simulateFibre(fibre, record);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    const int32_t i = eventNear(record, 4.0);
    ASSERT_GE(i, 1);
    EXPECT_NEAR(record.EVGetLoss(i), -0.15, 0.05);
    EXPECT_NE(record.EVGetFlags(i) & T6_EVFLAG_LOSS_OVER_THRESHOLD, 0u);
}

TEST_F(FasScenario, SpliceBelowTheLossThresholdIsNotKept) {
    sim::FibreDescription fibre = sim::plainFibre(10.0, 0.33);
    fibre.events = {{4.0, 0.02, 0.0}};
    CT6 record;
    sim::simulateFibre(fibre, record);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    EXPECT_EQ(eventNear(record, 4.0, 0.05), -1);
    EXPECT_EQ(record.EVCount(), 2); // launch and end
}

TEST_F(FasScenario, LinearDataIsRefusedAndTheTableKept) {
    sim::FibreDescription fibre = cleanFibre();
    fibre.linearSamples = true;
    CT6 record;
    sim::simulateFibre(fibre, record);
    const int32_t count = record.EVCount();
    ASSERT_GT(count, 0);
    std::vector<uint8_t> before(static_cast<size_t>(count * record.EVSizeElement()));
    record.EVCopy(before.data());
    record.ClearAllModFlags();
    EXPECT_EQ(record.FAS(), T6_FAS_LINEAR_POINTS);
    ASSERT_EQ(record.EVCount(), count);
    std::vector<uint8_t> after(before.size());
    record.EVCopy(after.data());
    EXPECT_EQ(before, after);
    EXPECT_EQ(record.IsModFlagSet(0xFFFFFFFFu), 0);
}

TEST_F(FasScenario, FlatTraceGivesLaunchAndEnd) {
    CT6 record;
    sim::simulateFibre(sim::plainFibre(5.0, 0.33, 4096), record);
    const std::vector<uint16_t> flat(static_cast<size_t>(record.DPOCount()), 12000);
    record.DPOSetDPO(0, record.DPOCount(), flat.data());
    record.DPWSetup(0);
    ASSERT_EQ(record.FAS(), T6_FAS_DONE);
    ASSERT_GE(record.EVCount(), 2);
    EXPECT_EQ(record.EVGetType(0), T6_EVENT_LAUNCH);
    EXPECT_EQ(record.EVGetType(lastIndex(record)), T6_EVENT_END);
}

// A launch cable taken off by a shift, as an instrument's user offset does:
// the fibre's end is where 0 km now lies. The table is the one of the same
// trace unshifted, moved by the shift: the launch before 0 km, the end at it.
TEST_F(FasScenario, AFibreThatEndsAtZeroKmEndsThere) {
    sim::FibreDescription fibre = sim::plainFibre(1.0, 0.33, 4096);
    fibre.events = {{0.4, 0.3, 0.0}};
    CT6 plain;
    const sim::SimulatedFibre truth = sim::simulateFibre(fibre, plain);
    ASSERT_EQ(plain.FAS(), T6_FAS_DONE);
    CT6 shifted;
    sim::simulateFibre(fibre, shifted);
    shifted.SetHorzShiftKM(-truth.endKM);
    ASSERT_EQ(shifted.FAS(), T6_FAS_DONE);

    ASSERT_EQ(shifted.EVCount(), 3);
    ASSERT_EQ(plain.EVCount(), 3);
    EXPECT_EQ(shifted.EVGetType(0), T6_EVENT_LAUNCH);
    EXPECT_EQ(shifted.EVGetType(2), T6_EVENT_END);
    EXPECT_NEAR(shifted.EVGetStartKM(2), 0.0, 0.002);
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(shifted.EVGetStartKM(i), plain.EVGetStartKM(i) - truth.endKM, 1e-6) << i;
        EXPECT_EQ(shifted.EVGetLoss(i), plain.EVGetLoss(i)) << i;
        EXPECT_EQ(shifted.EVGetRefl(i), plain.EVGetRefl(i)) << i;
    }
    // No fibre lies after the launch cable, so none of it loses anything (the
    // level at 0 km is not taken off the end's reflection).
    EXPECT_EQ(shifted.GetEndToEndLoss(), 0.0);
}

TEST_F(FasScenario, EmptyRecordIsRefused) {
    CT6 record;
    EXPECT_EQ(record.FAS(), T6_FAS_NO_TRACE);
    EXPECT_EQ(record.EVCount(), 0);
}

} // namespace
