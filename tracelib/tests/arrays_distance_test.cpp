#include "support/record_peer.h"
#include "support/record_trace.h"
#include "support/settings_guard.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using varnel::test::kSpacingKM;
using varnel::test::loadPoints;
using varnel::test::ramp;

namespace {

// Levels are 16-bit values on scale factor 1000: 0.001 dB steps.
constexpr double kLevelTolDB = 1e-9;

TEST(Distance, OneSpanIsAPlainProduct) {
    CT6 trace;
    loadPoints(trace, ramp(2000, 30000, 5));
    EXPECT_NEAR(trace.KMFromDPFR(1000, 0), 1000 * kSpacingKM, 1e-12);
    EXPECT_NEAR(trace.KMFromDPFR(10, 32768), 10.5 * kSpacingKM, 1e-12);
    uint16_t fr = 1;
    EXPECT_EQ(trace.DPFRFromKM(10.25 * kSpacingKM, fr), 10);
    EXPECT_EQ(fr, 16384);
    EXPECT_EQ(trace.DPFRFromKM(-2.5 * kSpacingKM, fr), -3);
    EXPECT_EQ(fr, 32768);
    EXPECT_NEAR(T6KMFromDPFR(&trace, 1000, 0), trace.KMFromDPFR(1000, 0), 0);
    const CT6* none = nullptr;
    EXPECT_EQ(T6KMFromDPFR(none, 1000, 0), 0.0);
}

TEST(Distance, TwoSpansMeetAtTheSecondStart) {
    CT6 trace;
    loadPoints(trace, ramp(3000, 30000, 5));
    trace.SpanInitArray(2);
    CT6TestPeer::spanCount(trace) = 2;
    trace.SpanSetStartDP(1, 1000);
    trace.SpanSetIOR(0, 1.5);
    trace.SpanSetIOR(1, 1.45);
    EXPECT_DOUBLE_EQ(trace.SpanGetStartKM(1), trace.KMFromDPFR(1000, 0));
    EXPECT_NEAR(trace.SpanGetStartKM(1), 1000 * kSpacingKM, 1e-12);
    double dx1 = 299792.5 / (1.45 * 2e8);
    EXPECT_NEAR(trace.KMFromDPFR(1500, 0), 1000 * kSpacingKM + 500 * dx1, 1e-12);
    uint16_t fr = 1;
    EXPECT_EQ(trace.DPFRFromKM(trace.KMFromDPFR(1500, 0), fr), 1500);
    EXPECT_EQ(fr, 0);
    EXPECT_EQ(trace.DPFRFromKM(trace.KMFromDPFR(700, 100), fr), 700);
    EXPECT_EQ(fr, 100);
    EXPECT_EQ(trace.SpanIndexAtDP(999), 0);
    EXPECT_EQ(trace.SpanIndexAtDP(1000), 1);
    EXPECT_DOUBLE_EQ(trace.SpanGetDxKMAtDP(2000), dx1);
}

TEST(Distance, ZeroSpacingNeverDividesByZero) {
    CT6 empty;
    uint16_t fr = 7;
    EXPECT_EQ(empty.DPFRFromKM(5.0, fr), 0);
    EXPECT_EQ(fr, 0);
    EXPECT_EQ(empty.KMFromDPFR(1000, 0), 0.0);
    EXPECT_EQ(empty.GetMaxKM(), 0.0);
    EXPECT_EQ(empty.GetDBAtKM(1.0), T6_NO_VALUE);

    CT6 noResolution;
    loadPoints(noResolution, ramp(100, 30000, 5), 1000, 0.0);
    EXPECT_EQ(noResolution.DPFRFromKM(1.0, fr), 0);
    EXPECT_EQ(noResolution.KMFromDPFR(50, 0), 0.0);
    noResolution.SetACursorKM(3.0);
    EXPECT_EQ(noResolution.GetACursorKM(), 0.0);
}

TEST(Distance, InfiniteOrMissingDistancesGivePositionZero) {
    CT6 trace;
    loadPoints(trace, ramp(100, 30000, 5));
    uint16_t fr = 7;
    EXPECT_EQ(trace.DPFRFromKM(std::numeric_limits<double>::infinity(), fr), 0);
    EXPECT_EQ(fr, 0);
    EXPECT_EQ(trace.DPFRFromKM(std::nan(""), fr), 0);
    EXPECT_EQ(trace.GetDBAtKM(-std::numeric_limits<double>::infinity()), trace.GetDBAtDPFR(0, 0));
}

TEST(Distance, ZeroKmPointMovesTheOrigin) {
    CT6 trace;
    loadPoints(trace, ramp(2000, 30000, 5));
    trace.SetZKMDPFR(100, 32768);
    EXPECT_NEAR(trace.GetZKMKM(), 100.5 * kSpacingKM, 1e-12);
    EXPECT_EQ(trace.GetOnAfterZKMDP(), 101);
    EXPECT_NEAR(trace.KMFromDPFR(100, 32768), 0.0, 1e-12);
    uint16_t fr = 0;
    EXPECT_EQ(trace.DPFRFromKM(0.0, fr), 100);
    EXPECT_EQ(fr, 32768);
    trace.SetZKMDPFR(40, 0);
    EXPECT_EQ(trace.GetOnAfterZKMDP(), 40);
    EXPECT_EQ(trace.GetZKMDP(), 40);
    EXPECT_EQ(trace.GetZKMFR(), 0);
}

class Levels : public ::testing::Test {
protected:
    // 30 dB at point 0, falling 5 units (0.005 dB) per point.
    void SetUp() override { loadPoints(trace, ramp(1000, 30000, 5)); }
    CT6 trace;
};

TEST_F(Levels, InterpolatesBetweenNeighbouringPoints) {
    EXPECT_NEAR(trace.GetDBAtDPFR(0, 0), 30.0, kLevelTolDB);
    EXPECT_NEAR(trace.GetDBAtDPFR(10, 0), 29.95, kLevelTolDB);
    EXPECT_NEAR(trace.GetDBAtDPFR(10, 32768), 29.9475, kLevelTolDB);
    EXPECT_NEAR(trace.GetDBAtKM(10 * kSpacingKM), 29.95, 1e-6);
}

TEST_F(Levels, TheLastPointHasALevelButNothingBeyondIt) {
    EXPECT_NEAR(trace.GetDBAtDPFR(999, 0), 30.0 - 999 * 0.005, kLevelTolDB);
    EXPECT_EQ(trace.GetDBAtDPFR(999, 1), T6_NO_VALUE);
    EXPECT_EQ(trace.GetDBAtDPFR(1000, 0), T6_NO_VALUE);
    EXPECT_EQ(trace.GetDBAtDPFR(INT32_MAX, 65535), T6_NO_VALUE);
}

TEST_F(Levels, NothingBeforeTheZeroKmPoint) {
    trace.SetZKMDPFR(20, 0);
    EXPECT_EQ(trace.GetDBAtDPFR(19, 65535), T6_NO_VALUE);
    EXPECT_NEAR(trace.GetDBAtDPFR(20, 0), 29.9, kLevelTolDB);
    EXPECT_EQ(trace.GetDBAtDPFR(-5, 0), T6_NO_VALUE);
}

TEST_F(Levels, AZeroKmPointBeforeTheTraceNeverReadsOutsideIt) {
    trace.SetZKMDPFR(-10, 0);
    EXPECT_EQ(trace.GetDBAtDPFR(-3, 0), T6_NO_VALUE);
    EXPECT_EQ(trace.GetDBAtDPFR(-1, 100), T6_NO_VALUE);
    EXPECT_NEAR(trace.GetDBAtDPFR(0, 0), 30.0, kLevelTolDB);
}

TEST_F(Levels, ALastPointBeyondTheArraysIsNotRead) {
    CT6TestPeer::lastDP(trace) = 50000;
    EXPECT_EQ(trace.GetDBAtDPFR(1000, 0), T6_NO_VALUE);
    EXPECT_EQ(trace.GetDBAtDPFR(20000, 0), T6_NO_VALUE);
}

TEST_F(Levels, NoScaleFactorMeansNoLevel) {
    CT6 trace2;
    trace2.DPOSetCount(10);
    trace2.DPWSetup(0);
    EXPECT_EQ(trace2.DPWGetDB(3), T6_NO_VALUE);
    EXPECT_EQ(trace2.GetDBAtDPFR(3, 0), T6_NO_VALUE);
    EXPECT_EQ(trace2.DPWGetDy(), 0.0);
    trace2.SetZKMDPFR(2, 0);
    EXPECT_EQ(trace2.GetZKMDB(), 0.0);
}

TEST_F(Levels, ZeroKmLevelIsKeptWithoutTheVerticalShift) {
    trace.SetZKMDPFR(100, 0);
    EXPECT_NEAR(trace.GetZKMDB(), 29.5, kLevelTolDB);
    trace.SetVertShift(1.25);
    EXPECT_NEAR(trace.GetZKMDB(), 30.75, kLevelTolDB);
    trace.SetVertShift(0);
    trace.SetZKMDPFR(5000, 0);
    EXPECT_EQ(trace.GetZKMDB(), 0.0);
}

} // namespace
