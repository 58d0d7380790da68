// Attenuation estimates against the simulated slope, and their defaults.

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

using namespace varnel::sim;

namespace {

int32_t pointOf(const CT6& trace, double km) {
    uint16_t fr = 0;
    return trace.DPFRFromKM(km, fr);
}

double estimate(const CT6& trace, double fromKM, double toKM) {
    return trace.EstAttenDBKM(pointOf(trace, fromKM), pointOf(trace, toKM), 50, 1, 0.0, 9.0, 0.001,
                              30);
}

struct AttenuationSettings : ::testing::Test {
    void TearDown() override {
        T6SetUseT6DBKM(1);
        T6SetDefaultDBKM(0.2);
    }
};

} // namespace

TEST(AttenuationEstimate, FindsTheSimulatedSlope) {
    for (double slope : {0.33, 0.19, 0.45}) {
        CT6 trace;
        simulateFibre(plainFibre(12.0, slope), trace);
        EXPECT_NEAR(estimate(trace, 0.5, 11.5), slope, 0.005) << slope;
    }
}

TEST(AttenuationEstimate, TheMedianIgnoresEventsAndNoise) {
    FibreDescription fibre = plainFibre(12.0, 0.33);
    fibre.events = {{3.0, 0.3, 0.0}, {6.0, 0.5, -45.0}, {9.0, 0.2, 0.0}};
    fibre.noiseSpread = 0.3;
    CT6 trace;
    simulateFibre(fibre, trace);
    EXPECT_NEAR(estimate(trace, 0.5, 11.5), 0.33, 0.005);
}

TEST(AttenuationEstimate, ShortStretchesGiveTheFibresTypicalValue) {
    CT6 trace;
    FibreDescription fibre = plainFibre(12.0, 0.33);
    simulateFibre(fibre, trace);
    // A window of at least 50 points and 100 more to slide it along: 0.1 km
    // (98 points) is too short.
    EXPECT_DOUBLE_EQ(estimate(trace, 1.0, 1.1), 0.35);
    fibre.wavelengthNM = 1550.0;
    simulateFibre(fibre, trace);
    EXPECT_NEAR(estimate(trace, 1.0, 1.1), 0.22, 1e-12);
    fibre.fiberMode = 0;
    fibre.wavelengthNM = 1300.0;
    simulateFibre(fibre, trace);
    EXPECT_DOUBLE_EQ(estimate(trace, 1.0, 1.1), 0.7);
    fibre.wavelengthNM = 850.0;
    simulateFibre(fibre, trace);
    EXPECT_DOUBLE_EQ(estimate(trace, 1.0, 1.1), 3.0);
}

TEST(AttenuationEstimate, UnusableInputsGiveTheTypicalValue) {
    FibreDescription fibre = plainFibre(12.0, 0.45);
    CT6 trace;
    simulateFibre(fibre, trace);
    int32_t from = pointOf(trace, 0.5), to = pointOf(trace, 11.5);
    EXPECT_DOUBLE_EQ(trace.EstAttenDBKM(from, to, 50, 3, 0.0, 1.0, 0.0, 30), 0.35);
    EXPECT_DOUBLE_EQ(trace.EstAttenDBKM(from, to, 50, 3, 1.0, 0.0, 0.001, 30), 0.35);
    EXPECT_DOUBLE_EQ(trace.EstAttenDBKM(from, to, 50, 1, 0.0, 9.0, 0.001, 1000000), 0.35);
    // Kind 3 takes the caller's bins; slopes outside them are not counted.
    EXPECT_NEAR(trace.EstAttenDBKM(from, to, 50, 3, 0.0, 1.0, 0.001, 30), 0.45, 0.005);
    EXPECT_DOUBLE_EQ(trace.EstAttenDBKM(-100, 1 << 30, 50, 3, 0.6, 1.0, 0.001, 30), 0.35);
    fibre.linearSamples = true;
    simulateFibre(fibre, trace);
    EXPECT_DOUBLE_EQ(trace.EstAttenDBKM(from, to, 50, 1, 0.0, 9.0, 0.001, 30), 0.35);
}

TEST_F(AttenuationSettings, RecordAttenuationFromTheEventsOrTheNoiseFloor) {
    FibreDescription fibre = plainFibre(10.0, 0.38);
    CT6 trace;
    simulateFibre(fibre, trace); // launch and end events
    EXPECT_NEAR(trace.CalcAtn(), 0.38, 0.005);
    EXPECT_DOUBLE_EQ(trace.GetCalcAtn(), trace.CalcAtn());
    EXPECT_DOUBLE_EQ(trace.GetAtn(), trace.GetCalcAtn());
    T6SetUseT6DBKM(0);
    T6SetDefaultDBKM(0.25);
    EXPECT_DOUBLE_EQ(trace.GetAtn(), 0.25);

    fibre.eventTable = false;
    fibre.noiseSpread = 0.3;
    simulateFibre(fibre, trace);
    EXPECT_NEAR(trace.CalcAtn(), 0.38, 0.005);
    EXPECT_GT(trace.GetNoiseFloorDP(), 0);
}
