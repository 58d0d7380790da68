// Reflectance of simulated reflections against the reflectance they were given.
#include "support/narrow_text.h"

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cstdio>

using namespace varnel::sim;

namespace {

// A reflection at km, measured from just before it.
double reflAt(const CT6& trace, double km, int32_t& status) {
    return trace.CalcRefl(km - 0.002, km, 0, status);
}

// 10 km at 0.33 dB/km, 100 ns: 10 points per pulse; a -35 dB connector at
// 4 km rises 12 dB from 16.7 dB, below the clamping level.
FibreDescription connectorFibre(double reflDB, double endReflDB = -60.0) {
    FibreDescription fibre = plainFibre(10.0, 0.33);
    fibre.launchLevelDB = 18.0;
    fibre.events = {{4.0, 0.5, reflDB}};
    fibre.endReflectanceDB = endReflDB;
    return fibre;
}

std::string formatted(const char* format, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

} // namespace

TEST(ReflectanceFormula, MinimumAmplitudeIsItsInverse) {
    CT6 trace;
    simulateFibre(plainFibre(1.0, 0.33), trace);
    for (double refl : {-65.0, -45.0, -20.0}) {
        double height = trace.CalcMinAmpDV(refl, 100.0, -79.0);
        EXPECT_NEAR(trace.CalcRefl(height, 100.0, -79.0), refl, 1e-9);
    }
    EXPECT_EQ(trace.CalcRefl(0.0, 100.0, -79.0), 0.0);
    EXPECT_EQ(trace.CalcRefl(-5.0, 100.0, -79.0), 0.0);
    EXPECT_EQ(trace.CalcRefl(1000.0, 0.0, -79.0), 0.0); // no pulse, no formula
}

TEST(Reflectance, SimulatedPeaksGiveTheirReflectance) {
    // The formula inverts the simulated height exactly; what remains is the
    // pulse's share of the event loss under the peak and quantisation.
    for (double reflDB : {-60.0, -45.0, -35.0}) {
        CT6 trace;
        simulateFibre(connectorFibre(reflDB), trace);
        int32_t status = -1;
        EXPECT_NEAR(reflAt(trace, 4.0, status), reflDB, 0.5) << reflDB;
        EXPECT_EQ(status, 0);
    }
}

TEST(Reflectance, ExplicitPeakMeasuresAgainstThePointsBeforeTheStart) {
    CT6 trace;
    simulateFibre(connectorFibre(-45.0), trace);
    uint16_t fr = 0;
    int32_t peakDP = trace.DPFRFromKM(4.0, fr) + 1;
    int32_t status = 0;
    EXPECT_NEAR(trace.CalcRefl(peakDP - 3, peakDP, 1, status), -45.0, 0.5);
    EXPECT_EQ(trace.CalcRefl(peakDP - 3, trace.DPOCount(), 1, status), 0.0);
}

TEST(Reflectance, ReceiverLimitsFlagLowerBounds) {
    CT6 trace;
    // The open end (-14 dB) drives the receiver to its saturation level.
    SimulatedFibre saturated = simulateFibre(connectorFibre(-45.0, -14.0), trace);
    ASSERT_TRUE(saturated.events.back().saturated);
    int32_t status = 0;
    double refl = reflAt(trace, 10.0, status);
    EXPECT_EQ(status, T6_EVFLAG_REFL_SATURATED);
    EXPECT_GT(refl, -45.0); // only what fits under the ceiling: a lower bound
    char16_t buf[64];
    EXPECT_EQ(narrow(trace.CalcRefl(buf, 9.998, 10.0, 0, 1)), formatted(">%5.1fS dB", refl));

    // -44 dB at the end, from 22.2 dB, peaks between the clamping and
    // saturation levels.
    FibreDescription high = connectorFibre(-60.0, -44.0);
    high.launchLevelDB = 26.0;
    SimulatedFibre clamped = simulateFibre(high, trace);
    ASSERT_TRUE(clamped.events.back().clamped && !clamped.events.back().saturated);
    refl = reflAt(trace, 10.0, status);
    EXPECT_EQ(status, T6_EVFLAG_REFL_CLAMPED);
    std::string plain = formatted("%7.2f", refl);
    EXPECT_EQ(narrow(trace.CalcRefl(buf, 9.998, 10.0, 0, 0)), ">" + plain.substr(1));
}

TEST(Reflectance, FewPointsPerPulseIsFlagged) {
    FibreDescription fibre = plainFibre(10.0, 0.33, 16384, 1.0, 10); // 1 point per pulse
    fibre.launchLevelDB = 12.0;
    fibre.events = {{4.0, 0.2, -45.0}};
    CT6 trace;
    simulateFibre(fibre, trace);
    int32_t status = 0;
    EXPECT_NEAR(reflAt(trace, 4.0, status), -45.0, 0.5);
    EXPECT_EQ(status, T6_EVFLAG_FEW_POINTS_PER_PULSE);
}

TEST(Reflectance, ValuesOutsideTheBelievableWindowReadZero) {
    FibreDescription fibre = plainFibre(30.0, 0.33);
    fibre.dynamicRangeDB = 45.0;
    fibre.launchLevelDB = 20.0;
    fibre.events = {{20.0, 0.5, -8.0}, {25.0, 0.2, -75.0}};
    CT6 trace;
    SimulatedFibre truth = simulateFibre(fibre, trace);
    ASSERT_FALSE(truth.events[1].clamped);
    int32_t status = -1;
    EXPECT_EQ(reflAt(trace, 20.0, status), 0.0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(reflAt(trace, 25.0, status), 0.0);
    EXPECT_EQ(status, 0);
    char16_t buf[64];
    EXPECT_EQ(narrow(trace.CalcRefl(buf, 19.998, 20.0, 0, 1)), "N/A");
}

TEST(Reflectance, NothingWithinTheGuardOfZeroKm) {
    FibreDescription fibre = connectorFibre(-45.0);
    fibre.zeroKMPoint = 50;
    CT6 trace;
    SimulatedFibre truth = simulateFibre(fibre, trace);
    fibre.events.push_back({3 * truth.dxKM, 0.1, -40.0}); // 3 points from 0 km
    simulateFibre(fibre, trace);
    int32_t status = -1;
    EXPECT_EQ(trace.CalcRefl(52, 60, 0, status), 0.0);
    EXPECT_EQ(status, 0);
    EXPECT_NEAR(reflAt(trace, 4.0, status), -45.0, 0.5);
}

TEST(Reflectance, PositionsOutsideTheTraceReadZero) {
    CT6 trace;
    simulateFibre(connectorFibre(-45.0), trace);
    int32_t status = 0;
    EXPECT_EQ(trace.CalcRefl(-5, 10, 0, status), 0.0);
    EXPECT_EQ(trace.CalcRefl(trace.DPOCount(), 10, 0, status), 0.0);
    EXPECT_EQ(trace.CalcRefl(trace.DPOCount() - 1, trace.DPOCount() + 50, 1, status), 0.0);
    EXPECT_EQ(trace.CalcRefl(500.0, 501.0, 0, status), 0.0);
    CT6 empty;
    EXPECT_EQ(empty.CalcRefl(20, 30, 0, status), 0.0);
}

TEST(ClampedSatLevels, FollowThePreamplifier) {
    CT6 trace;
    FibreDescription fibre = plainFibre(1.0, 0.33); // dynamic range 30 dB
    double clamp = 0.0, sat = 0.0;
    simulateFibre(fibre, trace);
    trace.CalcClampedSatDV(100, clamp, sat);
    EXPECT_DOUBLE_EQ(sat, 30000.0); // long range: saturated at the dynamic range
    EXPECT_DOUBLE_EQ(clamp, 29500.0);

    fibre.preampType = 2;
    fibre.pulseNS = 30;
    simulateFibre(fibre, trace);
    trace.CalcClampedSatDV(100, clamp, sat);
    EXPECT_DOUBLE_EQ(sat, 28000.0); // short high-resolution pulse: 2 dB below
    EXPECT_DOUBLE_EQ(clamp, 27000.0);

    fibre.pulseNS = 50;
    simulateFibre(fibre, trace);
    trace.CalcClampedSatDV(100, clamp, sat);
    EXPECT_DOUBLE_EQ(sat, 29500.0);
}
