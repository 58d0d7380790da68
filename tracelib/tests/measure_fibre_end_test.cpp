// Time of flight, the end on its reflection, the reference fibre's noise and
// the defaults of a freshly collected trace.
#include "support/narrow_text.h"

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cmath>

using namespace varnel::sim;

TEST(TimeOfFlight, IsTheLengthOverTheGroupVelocity) {
    FibreDescription fibre = plainFibre(10.0, 0.33);
    CT6 trace;
    simulateFibre(fibre, trace);
    double seconds = 10.0 * fibre.indexOfRefraction / T6GetSpeedOfLight();
    // The end event sits on a whole point: within one point of the true end.
    EXPECT_NEAR(trace.CalcTimeOfFlightSEC(), seconds, 5e-9);
    CT6 empty;
    EXPECT_EQ(empty.CalcTimeOfFlightSEC(), 0.0);
}

TEST(EndOnReflection, ClimbsTheRisingEdge) {
    FibreDescription fibre = plainFibre(10.0, 0.33);
    fibre.endReflectanceDB = -40.0; // about 9 dB high
    CT6 trace;
    SimulatedFibre truth = simulateFibre(fibre, trace);
    int32_t end = trace.EVCount() - 1;
    trace.EVSetStartKM(end, 9.99);
    double before = trace.GetDBAtKM(9.99);
    trace.UpEndReflDB(3.0);
    double km = trace.EVGetStartKM(end);
    EXPECT_NEAR(km, truth.endKM, truth.dxKM);
    // Steps of 1 cm on an edge of about 7 dB per metre.
    EXPECT_GE(trace.GetDBAtKM(km), before + 3.0);
    EXPECT_LT(trace.GetDBAtKM(km), before + 3.1);
}

TEST(EndOnReflection, WithoutTheRiseTakesTheHighestPoint) {
    FibreDescription fibre = plainFibre(10.0, 0.33);
    fibre.endReflectanceDB = -40.0;
    CT6 trace;
    SimulatedFibre truth = simulateFibre(fibre, trace);
    int32_t end = trace.EVCount() - 1;
    trace.EVSetStartKM(end, 9.99);
    trace.UpEndReflDB(30.0);
    double km = trace.EVGetStartKM(end);
    EXPECT_GE(km, truth.endKM - truth.dxKM);
    EXPECT_LE(km, truth.endKM + truth.dxKM);

    trace.EVInitArray(1);
    trace.EVInsertKM(5.0);
    trace.UpEndReflDB(1.0); // one event: nothing to move
    EXPECT_NEAR(trace.EVGetStartKM(0), 5.0, truth.dxKM);
}

TEST(ReferenceFibreNoise, IsTheScatterAboutTheFittedLine) {
    FibreDescription fibre = plainFibre(10.0, 0.33);
    fibre.noiseFloorDB = 20.0;
    fibre.noiseSpread = 0.2;
    CT6 trace;
    simulateFibre(fibre, trace);
    EXPECT_EQ(trace.CalcSTFMStdDevDB(), 0.0); // no reference fibre described

    trace.SetSTFMLengthKM(1.0);
    trace.SetSTFMDBKM(0.33);
    trace.SetSTFMIOR(1.47);
    trace.SetSTFMBackScatter(-79.0);
    trace.ClearAllModFlags();
    // Noise power 5.7 dB below the backscatter with a relative deviation of
    // 0.2 sqrt(pi/2), seen on the 5·log10 scale.
    double level = backscatterLevelDB(fibre, 0.8);
    double ratio = std::pow(10.0, (fibre.noiseFloorDB - level) / 5.0);
    double deviation = fibre.noiseSpread * std::sqrt(std::acos(-1.0) / 2.0);
    double expected = 5.0 / std::log(10.0) * deviation * ratio / (1.0 + ratio);
    EXPECT_NEAR(trace.CalcSTFMStdDevDB(), expected, 0.1 * expected);
    EXPECT_DOUBLE_EQ(trace.SpanGetIOR(0), fibre.indexOfRefraction);
    EXPECT_FALSE(trace.IsModFlagSet(0xFFFFFFFF));
}

TEST(AfterCollect, CursorsViewsAndMeasurementDefaults) {
    FibreDescription fibre = plainFibre(10.0, 0.33);
    CT6 trace;
    simulateFibre(fibre, trace);
    trace.SetLossMode(3);
    trace.InitAfterCollect();
    double maxKM = trace.GetMaxKM();
    EXPECT_NEAR(trace.GetACursorKM(), 0.25 * maxKM, 0.001);
    EXPECT_NEAR(trace.GetBCursorKM(), 0.75 * maxKM, 0.001);
    EXPECT_EQ(trace.GetViewMode(), 0);
    EXPECT_NEAR(trace.GetViewExtentKM(0), maxKM, 0.001);
    EXPECT_NEAR(trace.GetViewExtentDB(0), 30.0, 1e-6);
    // Views 1 and 2 are placed from the levels at A and B (B is in the noise).
    EXPECT_NEAR(trace.GetViewStartDB(1), 30.0 - trace.GetDBAtKM(0.25 * maxKM), 0.01);
    EXPECT_NEAR(trace.GetViewStartDB(2), 30.0 - fibre.noiseFloorDB, 0.01);
    EXPECT_EQ(trace.GetLossMode(), 0);
    EXPECT_DOUBLE_EQ(trace.GetLSACursorEndOffKM(2, 1), 0.4);
    char16_t buf[32];
    EXPECT_EQ(narrow(trace.GetTraceTypeOrig(buf)), "T6");
    EXPECT_NEAR(trace.GetCalcAtn(), 0.33, 0.005);
}
