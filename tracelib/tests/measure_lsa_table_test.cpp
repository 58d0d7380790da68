// The record's loss mode and least-squares segment table.

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

using namespace varnel::sim;

namespace {} // namespace

TEST(LossModeSetting, StoresAnyModeButReadsUserModesOnly) {
    CT6 trace;
    trace.SetLossMode(4);
    EXPECT_EQ(trace.GetLossMode(), 4);
    EXPECT_TRUE(trace.IsModFlagSet(T6_MOD_LOSS_MODE));
    trace.SetLossMode(9);
    EXPECT_EQ(trace.GetLossMode(), 0);
}

TEST(LSACursorTable, SideSelectsTheSegment) {
    CT6 trace;
    trace.SetLSACursorStartOffKM(2, 1, -0.25);
    trace.SetLSACursorEndOffKM(2, 1, 0.125);
    trace.SetLSACursorStartOffKM(2, 0, 0.5);
    trace.SetLSACursorEndOffKM(2, 0, 0.75);
    EXPECT_TRUE(trace.IsModFlagSet(T6_MOD_LSA_CURSORS));
    EXPECT_DOUBLE_EQ(trace.GetLSACursorStartOffKM(2, 1), -0.25);
    EXPECT_DOUBLE_EQ(trace.GetLSACursorEndOffKM(2, 1), 0.125);
    EXPECT_DOUBLE_EQ(trace.GetLSACursorStartOffKM(2, 0), 0.5);
    EXPECT_DOUBLE_EQ(trace.GetLSACursorEndOffKM(2, 0), 0.75);
    EXPECT_DOUBLE_EQ(trace.GetLSACursorStartOffKM(3, 1), 0.0);
}

TEST(LSACursorTable, ModesOutsideTheTableAnswerOneKmEitherSide) {
    CT6 trace;
    for (int32_t mode : {7, 100, -1}) {
        EXPECT_DOUBLE_EQ(trace.GetLSACursorStartOffKM(mode, 1), -1.0);
        EXPECT_DOUBLE_EQ(trace.GetLSACursorEndOffKM(mode, 0), 1.0);
        trace.SetLSACursorStartOffKM(mode, 1, 0.3);
        trace.SetLSACursorEndOffKM(mode, 1, 0.3);
    }
    EXPECT_FALSE(trace.IsModFlagSet(T6_MOD_LSA_CURSORS));
}

TEST(LSACursorTable, DefaultsFitBeforeAndAfterASplice) {
    CT6 trace;
    simulateFibre(plainFibre(10.0, 0.33), trace);
    double interval = trace.GetDefaultSpliceLossIntervalKM();
    trace.SetLSACursorsToDefault(0);
    EXPECT_TRUE(trace.IsModFlagSet(T6_MOD_LSA_CURSORS));
    EXPECT_DOUBLE_EQ(trace.GetLSACursorStartOffKM(0, 1), -0.4);
    EXPECT_DOUBLE_EQ(trace.GetLSACursorEndOffKM(0, 1), 0.0);
    EXPECT_NEAR(trace.GetLSACursorStartOffKM(0, 0), interval, 1e-6);
    EXPECT_NEAR(trace.GetLSACursorEndOffKM(0, 0), interval + 0.4, 1e-6);
    for (int32_t mode : {2, 4}) {
        EXPECT_DOUBLE_EQ(trace.GetLSACursorStartOffKM(mode, 1), 0.0);
        EXPECT_DOUBLE_EQ(trace.GetLSACursorEndOffKM(mode, 1), 0.4);
        EXPECT_DOUBLE_EQ(trace.GetLSACursorStartOffKM(mode, 0), -0.4);
        EXPECT_DOUBLE_EQ(trace.GetLSACursorEndOffKM(mode, 0), 0.0);
    }
    EXPECT_DOUBLE_EQ(trace.GetLSACursorEndOffKM(1, 1), 0.0); // other modes untouched
}

TEST(LSACursorTable, DefaultsKeepUserSegmentsUnlessForced) {
    CT6 trace;
    trace.SetLSACursorEndOffKM(2, 1, 0.9);
    trace.ClearAllModFlags();
    trace.SetLSACursorsToDefault(0);
    EXPECT_DOUBLE_EQ(trace.GetLSACursorEndOffKM(2, 1), 0.9);
    EXPECT_DOUBLE_EQ(trace.GetLSACursorEndOffKM(4, 1), 0.4);
    EXPECT_TRUE(trace.IsModFlagSet(T6_MOD_LSA_CURSORS));
    trace.SetLSACursorsToDefault(1);
    EXPECT_DOUBLE_EQ(trace.GetLSACursorEndOffKM(2, 1), 0.4);
}

TEST(SpliceLossInterval, PowerOfTwoPulsesPastThePreampLimit) {
    CT6 trace;
    SimulatedFibre longRange = simulateFibre(plainFibre(10.0, 0.33), trace);
    // 100 ns, long range: 100 x 2^7 > 10000, 10 x 128 = 1280 points at 1 m.
    EXPECT_NEAR(trace.GetDefaultSpliceLossIntervalKM(), 1280 * longRange.dxKM, 1e-9);

    FibreDescription fibre = plainFibre(2.0, 0.33, 16384, 0.25, 10);
    fibre.preampType = 2;
    SimulatedFibre highRes = simulateFibre(fibre, trace);
    // 10 ns, high resolution: 10 x 2^6 > 500; 10 / 10 < 2 gives 1; 64 / 0.25 m.
    EXPECT_NEAR(trace.GetDefaultSpliceLossIntervalKM(), 256 * highRes.dxKM, 1e-9);
    EXPECT_DOUBLE_EQ(trace.GetDefaultLSACursorLengthKM(), 0.4);
}

TEST(SpliceLossInterval, NoPulseGivesNoInterval) {
    CT6 trace;
    EXPECT_EQ(trace.GetDefaultSpliceLossIntervalKM(), 0.0);
    simulateFibre(plainFibre(10.0, 0.33), trace);
    trace.PWSetNanoSec(0, 0);
    EXPECT_EQ(trace.GetDefaultSpliceLossIntervalKM(), 0.0);
}
