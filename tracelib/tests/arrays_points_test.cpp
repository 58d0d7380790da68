#include "support/record_peer.h"
#include "support/record_trace.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using varnel::test::loadPoints;
using varnel::test::ramp;

namespace {

TEST(StoredPoints, CapacityNeverFallsBelowTheMinimum) {
    CT6 trace;
    EXPECT_EQ(trace.DPOInitArray(100), 16384);
    EXPECT_EQ(trace.DPOSetCount(20000), 16384);
    EXPECT_EQ(trace.DPOCount(), 16384);
    EXPECT_EQ(trace.DPOInitArray(20000), 20000);
    EXPECT_EQ(trace.DPOCount(), 0);
    EXPECT_EQ(trace.DPOInitArray(10), 20000);
    EXPECT_EQ(trace.DPOSetCount(-5), 0);
}

TEST(StoredPoints, InitZeroesPointsAndFlags) {
    CT6 trace;
    loadPoints(trace, ramp(100, 1000, 1));
    uint32_t bits = 0xFFFFFFFF;
    trace.DPOSetNLF(0, 32, &bits);
    trace.DPOInitArray(50);
    EXPECT_EQ(*trace.DPOGetPtr(3), 0);
    trace.DPOGetNLF(0, 32, &bits);
    EXPECT_EQ(bits, 0u);
}

TEST(StoredPoints, CopiesStayInsideTheArray) {
    CT6 trace;
    trace.DPOInitArray(16384);
    std::vector<uint16_t> in(100, 7);
    EXPECT_EQ(trace.DPOSetDPO(16300, 100, in.data()), 84);
    EXPECT_EQ(trace.DPOSetDPO(-1, 100, in.data()), 0);
    EXPECT_EQ(trace.DPOSetDPO(20000, 100, in.data()), 0);
    EXPECT_EQ(trace.DPOSetDPO(0, 100, nullptr), 0);
    std::vector<uint16_t> out(100, 9);
    EXPECT_EQ(trace.DPOGetDPO(16380, 100, out.data()), 4);
    EXPECT_EQ(out[3], 7);
    EXPECT_EQ(out[4], 9);
    EXPECT_EQ(trace.DPOGetPtr(16384), nullptr);
    EXPECT_EQ(trace.DPOGetPtr(-1), nullptr);
    EXPECT_NE(trace.DPOGetPtr(16383), nullptr);
}

TEST(StoredPoints, FlagBitsArePackedThirtyTwoToAWord) {
    CT6 trace;
    trace.DPOInitArray(100);
    uint32_t in[2] = {0x80000001u, 0x3u};
    trace.ClearAllModFlags();
    EXPECT_EQ(trace.DPOSetNLF(30, 34, in), 34);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_DATA_POINTS), 1);
    uint32_t all[4] = {};
    trace.DPOGetNLF(0, 128, all);
    EXPECT_EQ(all[0], 1u << 30);
    EXPECT_EQ(all[1], (1u << 29) | (1u << 30) | (1u << 31));
    EXPECT_EQ(all[2], 0u);
    uint32_t back[2] = {0xFFFFFFFFu, 0xFFFFFFFFu};
    EXPECT_EQ(trace.DPOGetNLF(30, 34, back), 34);
    EXPECT_EQ(back[0], in[0]);
    EXPECT_EQ(back[1] & 0x3u, in[1]);
    uint32_t none = 0;
    EXPECT_EQ(trace.DPOGetNLF(16384, 10, &none), 0);
    EXPECT_EQ(trace.DPOGetNLF(16380, 10, &none), 4);
}

TEST(WorkingPoints, RescaledToTheSmallestSegmentScale) {
    CT6 trace;
    trace.DPOInitArray(10);
    trace.DPOSetCount(10);
    std::vector<uint16_t> values = {1000, 1000, 1000, 1000, 1000, 2000, 2000, 2000, 2000, 2000};
    trace.DPOSetDPO(0, 10, values.data());
    trace.SFInitArray(2);
    CT6TestPeer::scaleFactorCount(trace) = 2;
    trace.SFSetScaleFactor(0, 2000);
    trace.SFSetStartDP(1, 5);
    trace.SFSetScaleFactor(1, 1000);
    trace.SFSetMinLogValue(1, 500);
    uint32_t bits = 1u << 7;
    trace.DPOSetNLF(0, 10, &bits);
    trace.DPWSetup(1);
    EXPECT_EQ(trace.DPWGetScaleFactor(), 1000);
    EXPECT_EQ(trace.DPWGetLONG(0), 500);
    EXPECT_EQ(trace.DPWGetLONG(4), 500);
    EXPECT_EQ(trace.DPWGetLONG(5), 2000);
    EXPECT_EQ(trace.DPWGetLONG(7), 500);
}

TEST(WorkingPoints, FlaggedPointsReadAsTheirSegmentsMinimum) {
    CT6 trace;
    loadPoints(trace, ramp(64, 20000, 100), 1000);
    trace.SFSetMinLogValue(0, 1500);
    uint32_t bits = 1u << 5;
    trace.DPOSetNLF(0, 32, &bits);
    trace.DPWSetup(0);
    EXPECT_EQ(trace.DPWGetLONG(5), 1500);
    EXPECT_EQ(trace.DPWGetLONG(4), 19600);
    EXPECT_NEAR(trace.DPWGetDB(5), 1.5, 1e-12);
}

TEST(WorkingPoints, ScaleFactorFromSegmentsOrKept) {
    CT6 trace;
    loadPoints(trace, ramp(10, 20000, 100), 800);
    EXPECT_EQ(trace.DPWGetScaleFactor(), 800);
    EXPECT_EQ(trace.DPWGetLONG(0), 20000);
    // The native reader sets the working scale itself and keeps it.
    trace.DPLSetSF(400);
    trace.DPWSetup(0);
    EXPECT_EQ(trace.DPWGetScaleFactor(), 400);
    EXPECT_EQ(trace.DPWGetLONG(0), 10000);
    EXPECT_NEAR(trace.DPWGetDB(0), 25.0, 1e-12);
    EXPECT_DOUBLE_EQ(trace.DPWGetDy(), 1.0 / 400);
}

TEST(WorkingPoints, ValuesBeyondSixteenBitsSaturate) {
    CT6 trace;
    loadPoints(trace, {60000, 100}, 1000);
    trace.DPLSetSF(2000);
    trace.DPWSetup(0);
    EXPECT_EQ(trace.DPWGetLONG(0), 0xFFFF);
    EXPECT_EQ(trace.DPWGetLONG(1), 200);
}

TEST(WorkingPoints, ASegmentWithoutScaleKeepsItsStoredValues) {
    CT6 trace;
    loadPoints(trace, {1234, 5678}, 0);
    trace.DPLSetSF(1000);
    trace.DPWSetup(0);
    EXPECT_EQ(trace.DPWGetLONG(1), 5678);
}

TEST(WorkingPoints, AccessOutsideTheArrayReadsNothing) {
    CT6 trace;
    loadPoints(trace, ramp(10, 20000, 100));
    EXPECT_EQ(trace.DPWGetLONG(10), 0);
    EXPECT_EQ(trace.DPWGetLONG(-1), 0);
    EXPECT_EQ(trace.DPWGetDB(10), T6_NO_VALUE);
    EXPECT_EQ(trace.DPWGetPtr(10), nullptr);
    uint16_t out[4] = {};
    EXPECT_EQ(trace.DPWGetDPW(8, 4, out), 2);
    EXPECT_EQ(out[1], 20000 - 900);
    uint16_t in[3] = {1, 2, 3};
    EXPECT_EQ(trace.DPWSetDPW(9, 3, in), 1);
    EXPECT_EQ(trace.DPWGetLONG(9), 1);
}

TEST(WorkingPoints, GrowWithTheDataPointCount) {
    CT6 trace;
    loadPoints(trace, ramp(10, 20000, 100));
    std::vector<uint16_t> more = ramp(50, 30000, 10);
    trace.DPOSetCount(50);
    trace.DPOSetDPO(0, 50, more.data());
    trace.DPWSetup(1);
    EXPECT_EQ(trace.DPWGetLONG(49), 30000 - 490);
}

TEST(StoredPoints, LinearValueOfAStoredPoint) {
    CT6 trace;
    loadPoints(trace, {10000, 2000}, 1000);
    trace.DPLSetReference(-3.0);
    trace.DPLSetBaseline(0.5);
    uint32_t bits = 1u << 1;
    trace.DPOSetNLF(0, 2, &bits);
    EXPECT_NEAR(trace.DPOGetLinear(0), std::pow(10.0, 7.0 / 5) + 0.5, 1e-9);
    EXPECT_NEAR(trace.DPOGetLinear(1), std::pow(10.0, 2.0 / 5), 1e-12);
    EXPECT_EQ(trace.DPOGetLinear(-1), 0.0);
    trace.SFSetScaleFactor(0, 0);
    EXPECT_EQ(trace.DPOGetLinear(0), 0.0);
}

class LinearPoints : public ::testing::Test {
protected:
    void SetUp() override {
        trace.SetResoNominalM(1.0);
        trace.SpanInsertDP(0);
        trace.SpanSetIOR(0, 1.5);
        trace.DPLInitArray(4);
        trace.DPLSetCount(4);
        double samples[] = {10000.0, 100.0, 0.5, 1.2};
        for (int32_t i = 0; i < 4; ++i)
            *trace.DPLGetPtr(i) = samples[i];
        trace.DPLSetSF(1000);
        trace.DPLSetBaseline(0.2);
        trace.DPLSetReference(-3.0);
    }
    CT6 trace;
};

TEST_F(LinearPoints, ThresholdFollowsReferenceAndBaseline) {
    EXPECT_DOUBLE_EQ(trace.DPLCalcThreshold(), 1.2);
    trace.DPLSetReference(5.0);
    EXPECT_DOUBLE_EQ(trace.DPLCalcThreshold(), 10.2);
}

TEST_F(LinearPoints, DataValuesOnTheFly) {
    EXPECT_EQ(trace.DPLCalcDV(0), static_cast<uint16_t>(1000 * (5 * std::log10(9999.8) + 3)));
    // At or below the threshold: the floor the negative reference sets.
    EXPECT_EQ(trace.DPLCalcDV(2), 3000);
    EXPECT_EQ(trace.DPLCalcDV(3), 3000);
    EXPECT_EQ(trace.DPLCalcDV(4), 0);
    EXPECT_EQ(trace.DPWGetLONG(1), trace.DPLCalcDV(1));
    EXPECT_EQ(trace.DPWGetScaleFactor(), 1000);
    EXPECT_NEAR(trace.GetDBAtDPFR(1, 0), 5 * std::log10(99.8) + 3, 1e-3);
}

TEST_F(LinearPoints, SamplesOutsideTheDataRangeSaturate) {
    *trace.DPLGetPtr(0) = 1e300;
    *trace.DPLGetPtr(1) = std::nan("");
    EXPECT_EQ(trace.DPLCalcDV(0), 0xFFFF);
    EXPECT_EQ(trace.DPLCalcDV(1), 3000);
    trace.DPLSetSF(-1000);
    EXPECT_EQ(trace.DPLCalcDV(0), 0);
}

TEST_F(LinearPoints, ConversionToStoredPoints) {
    trace.DPLToDPO();
    EXPECT_EQ(trace.SFCount(), 1);
    EXPECT_EQ(trace.SFGetScaleFactor(0), 1000);
    EXPECT_EQ(trace.SFGetMinLogValue(0), 3000);
    EXPECT_EQ(trace.DPOCount(), 4);
    EXPECT_EQ(*trace.DPOGetPtr(0), trace.DPLCalcDV(0));
    uint32_t bits = 0;
    trace.DPOGetNLF(0, 4, &bits);
    EXPECT_EQ(bits, 0xCu);
    EXPECT_EQ(*trace.DPOGetPtr(2), 0); // 0.5 counts as 1
    EXPECT_EQ(*trace.DPOGetPtr(3), static_cast<uint16_t>(5000 * std::log10(1.2)));
    trace.DPWSetup(1);
    trace.DPLDestruct();
    EXPECT_EQ(trace.DPLMaxCount(), 0);
    EXPECT_EQ(trace.DPWGetLONG(3), 3000);
    EXPECT_EQ(trace.DPWGetLONG(1), *trace.DPOGetPtr(1));
}

TEST_F(LinearPoints, CountIsLimitedToTheCapacity) {
    EXPECT_EQ(trace.DPLSetCount(10), 4);
    EXPECT_EQ(trace.DPLInitArray(2), 4);
    EXPECT_EQ(trace.DPLCount(), 0);
    EXPECT_EQ(*trace.DPLGetPtr(0), 0.0);
    EXPECT_EQ(trace.DPLGetPtr(4), nullptr);
}

} // namespace
