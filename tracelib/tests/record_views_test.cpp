#include "support/record_peer.h"
#include "support/record_trace.h"
#include "support/settings_guard.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

using varnel::test::kSpacingKM;
using varnel::test::loadPoints;
using varnel::test::ramp;
using varnel::test::SettingsGuard;
using varnel::test::str;

namespace {

char16_t buf[300];
// A distance that went through a DP/FR position is exact to 1/65536 point.
constexpr double kPositionTolKM = kSpacingKM / 65536.0;

class Views : public ::testing::Test {
protected:
    void SetUp() override { loadPoints(trace, ramp(10000, 40000, 3)); }
    SettingsGuard guard;
    CT6 trace;
};

TEST_F(Views, StoredWindowReadsBack) {
    trace.SetView(1, 2.0, 3.0, 5.0, 12.5);
    double startKM, extentKM, startDB, extentDB;
    trace.GetView(1, startKM, extentKM, startDB, extentDB);
    EXPECT_NEAR(startKM, 2.0, kPositionTolKM);
    EXPECT_NEAR(extentKM, 3.0, 2 * kPositionTolKM);
    EXPECT_DOUBLE_EQ(startDB, 5.0);
    EXPECT_DOUBLE_EQ(extentDB, 12.5);
}

TEST_F(Views, FullViewAlwaysStartsAtZero) {
    trace.SetView(0, 5.0, 2.0, 0, 10);
    EXPECT_EQ(trace.GetViewStartKM(0), 0.0);
    EXPECT_NEAR(trace.GetViewExtentKM(0), 7.0, kPositionTolKM);
}

TEST_F(Views, BackwardOrEmptyWindowsReportTheDefaultExtent) {
    trace.SetView(2, 5.0, -1.0, 10.0, -4.0);
    EXPECT_EQ(trace.GetViewExtentKM(2), 10.0);
    EXPECT_EQ(trace.GetViewExtentDB(2), 10.0);
    EXPECT_DOUBLE_EQ(trace.GetViewStartDB(2), 10.0);
}

TEST_F(Views, IndexesOutsideTheViewsAreIgnored) {
    trace.ClearAllModFlags();
    trace.SetView(4, 1, 1, 1, 1);
    trace.SetView(-1, 1, 1, 1, 1);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_VIEW), 0);
    for (int32_t i : {-1, 4, 1000}) {
        EXPECT_EQ(trace.GetViewStartKM(i), 0.0);
        EXPECT_EQ(trace.GetViewExtentKM(i), 10.0);
        EXPECT_EQ(trace.GetViewStartDB(i), 0.0);
        EXPECT_EQ(trace.GetViewExtentDB(i), 10.0);
    }
}

TEST_F(Views, ACountBeyondTheStoredWindowsNeverReadsPastThem) {
    CT6TestPeer::viewCount(trace) = 50;
    trace.SetView(20, 1, 1, 1, 1);
    EXPECT_EQ(trace.GetViewStartDB(20), 0.0);
    EXPECT_EQ(trace.GetViewExtentKM(20), 10.0);
}

TEST_F(Views, ModeAboveThreeReadsAsZero) {
    trace.SetViewMode(3);
    EXPECT_EQ(trace.GetViewMode(), 3);
    trace.SetViewMode(4);
    EXPECT_EQ(trace.GetViewMode(), 0);
    trace.SetViewMode(-2);
    EXPECT_EQ(trace.GetViewMode(), 0);
}

TEST_F(Views, CursorsAreHeldAsPositions) {
    trace.SetACursorKM(1.0);
    trace.SetBCursorKM(4.25);
    EXPECT_NEAR(trace.GetACursorKM(), 1.0, kPositionTolKM);
    EXPECT_NEAR(trace.GetBCursorKM(), 4.25, kPositionTolKM);
    EXPECT_EQ(str(trace.GetBCursor(buf, 1)), u"4.2500 km");
    T6SetCurDistUnits(3);
    EXPECT_EQ(str(trace.GetACursor(buf, 0)), u"1000.00");
}

TEST_F(Views, HorizontalShiftIsRoundedToAPosition) {
    trace.SetHorzShiftKM(1.0);
    EXPECT_NEAR(trace.GetHorzShiftKM(), 1.0, kPositionTolKM);
    EXPECT_NE(trace.GetHorzShiftKM(), 1.0);
    // Distances now include the shift.
    EXPECT_NEAR(trace.KMFromDPFR(0, 0), trace.GetHorzShiftKM(), 1e-12);
    uint16_t fr = 0;
    EXPECT_EQ(trace.DPFRFromKM(trace.GetHorzShiftKM(), fr), 0);
    EXPECT_EQ(fr, 0);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_SHIFT), 1);

    T6SetCurDistUnits(3);
    trace.SetHorzShift(-500);
    EXPECT_NEAR(trace.GetHorzShift(), -500, 1e-3);
    EXPECT_NEAR(trace.GetHorzShiftKM(), -0.5, kPositionTolKM);
    EXPECT_EQ(str(trace.GetHorzShift(buf, 1)), u"-500.00 m");
}

TEST_F(Views, ShiftIgnoresTheZeroKmPoint) {
    trace.SetZKMDPFR(100, 0);
    trace.SetHorzShiftKM(2 * kSpacingKM);
    EXPECT_NEAR(trace.GetHorzShiftKM(), 2 * kSpacingKM, 1e-15);
    EXPECT_NEAR(trace.GetZKMKM(), 100 * kSpacingKM, 1e-12);
    EXPECT_NEAR(trace.KMFromDPFR(100, 0), 2 * kSpacingKM, 1e-12);
}

TEST_F(Views, ChangedIndexRecomputesShiftAndZeroKm) {
    trace.SetHorzShiftKM(1.0);
    trace.SetZKMDPFR(10, 0);
    uint16_t fr = 0;
    int32_t shiftDP = T6DPFRFromDouble(1.0 / kSpacingKM, fr);
    trace.SpanSetIOR(0, 1.46);
    double spacing = 299792.5 / (1.46 * 2e8);
    EXPECT_NEAR(trace.GetZKMKM(), 10 * spacing, 1e-12);
    EXPECT_NEAR(trace.GetHorzShiftKM(), T6DoubleFromDPFR(shiftDP, fr) * spacing, 1e-9);
}

TEST_F(Views, VerticalShiftMovesEveryLevel) {
    double before = trace.GetDBAtDPFR(10, 0);
    trace.SetVertShift(2.5);
    EXPECT_DOUBLE_EQ(trace.GetVertShift(), 2.5);
    EXPECT_EQ(str(trace.GetVertShift(buf, 1)), u"2.50 dB");
    EXPECT_NEAR(trace.GetDBAtDPFR(10, 0), before + 2.5, 1e-12);
}

TEST_F(Views, MaxKmIsTheLastPoint) {
    EXPECT_NEAR(trace.GetMaxKM(), 9999 * kSpacingKM, 1e-12);
    trace.DPLInitArray(200);
    trace.DPLSetCount(200);
    EXPECT_NEAR(trace.GetMaxKM(), 199 * kSpacingKM, 1e-12);
}

class STFM : public ::testing::Test {
protected:
    void SetUp() override {
        // A flat trace with a rise from point 998 to 1001.
        std::vector<uint16_t> values(3000, 20000);
        values[999] = 20100;
        values[1000] = 20200;
        values[1001] = 20300;
        loadPoints(trace, values);
        trace.SetSTFMLengthKM(1000 * kSpacingKM + 1e-9);
        trace.SetSTFMDBKM(0.35);
        trace.SetSTFMIOR(1.5);
        trace.SetSTFMBackScatter(-80);
    }
    CT6 trace;
};

TEST_F(STFM, InfoNeedsAllFourValues) {
    EXPECT_EQ(trace.GotSTFMInfo(), 1);
    trace.SetSTFMDBKM(0);
    EXPECT_EQ(trace.GotSTFMInfo(), 0);
    EXPECT_EQ(trace.GetSTFMEndDP(), 0);
    EXPECT_EQ(trace.GetSTFMEndKM(), 0.0);
}

TEST_F(STFM, EndStepsBackAtMostTwoPointsDownTheRise) {
    EXPECT_EQ(trace.GetSTFMEndDP(), 998);
    trace.SetSTFMLengthKM(1001 * kSpacingKM + 1e-9);
    EXPECT_EQ(trace.GetSTFMEndDP(), 999);
    EXPECT_NEAR(trace.GetSTFMEndKM(), 999 * kSpacingKM, 1e-12);
    trace.SetSTFMLengthKM(995 * kSpacingKM + 1e-9);
    EXPECT_EQ(trace.GetSTFMEndDP(), 995);
}

TEST_F(STFM, EndAtTheFirstPointCannotStepFurther) {
    trace.SetSTFMLengthKM(1e-9);
    EXPECT_EQ(trace.GetSTFMEndDP(), 0);
    // Behind a launch cable the end lies before 0 km, which reads as 0.
    trace.SetHorzShiftKM(-5);
    EXPECT_EQ(trace.GetSTFMEndDP(), 0);
    EXPECT_EQ(trace.GetSTFMEndKM(), 0.0);
}

TEST_F(STFM, LengthIsScaledByTheRatioOfIndexes) {
    trace.SetSTFMIOR(1.5 * 0.5);
    trace.SetSTFMLengthKM(2000 * kSpacingKM + 1e-9);
    EXPECT_EQ(trace.GetSTFMEndDP(), 998);
}

TEST_F(STFM, NoIndexOnTheTraceGivesNoEnd) {
    trace.SpanSetIOR(0, 0);
    EXPECT_EQ(trace.GetSTFMEndDP(), 0);
}

TEST_F(STFM, ValuesAndTexts) {
    trace.SetSTFMUseForORL(3);
    EXPECT_EQ(trace.GetSTFMUseForORL(), 1);
    EXPECT_DOUBLE_EQ(trace.GetSTFMDBKM(), 0.35);
    EXPECT_DOUBLE_EQ(trace.GetSTFMIOR(), 1.5);
    EXPECT_DOUBLE_EQ(trace.GetSTFMBackScatter(), -80);
    trace.SetSTFMConnReflDB(-55.5);
    EXPECT_DOUBLE_EQ(trace.GetSTFMConnReflDB(), -55.5);
    trace.SetSTFMID(u"module-7");
    EXPECT_EQ(str(trace.GetSTFMID(buf)), u"module-7");
}

} // namespace
