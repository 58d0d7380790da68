// ORL of simulated fibres against the return loss computed from their
// description: backscatter integrated section by section plus reflections.
#include "support/narrow_text.h"

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

using namespace varnel::sim;

namespace {

// 20 km at 0.33 dB/km ending in a -40 dB connector, traced over 25 km.
FibreDescription orlFibre() {
    FibreDescription fibre = plainFibre(20.0, 0.33, 24576);
    fibre.endReflectanceDB = -40.0;
    return fibre;
}

class ReturnLoss : public ::testing::Test {
protected:
    void build(const FibreDescription& description) {
        fibre = description;
        truth = simulateFibre(fibre, trace);
        trace.CalcAtn(); // the clean-section search compares slopes with it
    }
    void SetUp() override { build(orlFibre()); }
    void TearDown() override { T6SetORLCalc(1, 1, 1); }

    FibreDescription fibre;
    SimulatedFibre truth;
    CT6 trace;
    int32_t status = -1;
};

std::string formatted(const char* format, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

} // namespace

TEST_F(ReturnLoss, AgreesWithTheAnalyticValue) {
    double orl = trace.CalcORL(0.5, 20.5, 0, 0, 1, status);
    EXPECT_NEAR(orl, analyticORLDB(fibre, 0.5, 20.5, true), 1.0);
    EXPECT_EQ(status, 0);

    orl = trace.CalcORL(5.0, 12.0, 0, 0, 0, status);
    EXPECT_NEAR(orl, analyticORLDB(fibre, 5.0, 12.0, false), 1.0);
    EXPECT_EQ(status, T6_TRACE_ORL_REL_TO_A);
}

TEST_F(ReturnLoss, ReflectionsInTheStretchCount) {
    FibreDescription withConnector = orlFibre();
    withConnector.launchLevelDB = 16.0; // keeps the connector's peak below the clamping level
    withConnector.events = {{8.0, 0.3, -30.0}};
    build(withConnector);
    double orl = trace.CalcORL(5.0, 12.0, 0, 0, 0, status);
    EXPECT_NEAR(orl, analyticORLDB(fibre, 5.0, 12.0, false), 1.0);
    EXPECT_LT(orl, analyticORLDB(orlFibre(), 5.0, 12.0, false) - 2.0); // the connector dominates
}

TEST_F(ReturnLoss, RelativeToOriginAssumesNoEventsBeforeTheReferenceSection) {
    // The launched power is inferred by carrying the clean section after A back
    // to 0 km at the fibre's attenuation alone. A 0.5 dB splice before A hides
    // from that, so the ORL comes out 2 x 0.5 dB lower than the true one.
    FibreDescription spliced = orlFibre();
    spliced.events = {{0.3, 0.5, 0.0}};
    build(spliced);
    double orl = trace.CalcORL(0.5, 20.5, 0, 0, 1, status);
    EXPECT_NEAR(orl, analyticORLDB(fibre, 0.5, 20.5, true) - 1.0, 0.3);
}

TEST_F(ReturnLoss, PositionsAreMirroredFromTheEndAndCanSpanTheTrace) {
    double endKM = trace.EVGetStartKM(trace.EVCount() - 1);
    int32_t other = 0;
    EXPECT_DOUBLE_EQ(trace.CalcORL(2.0, 9.0, 1, 0, 0, status),
                     trace.CalcORL(endKM - 9.0, endKM - 2.0, 0, 0, 0, other));
    EXPECT_DOUBLE_EQ(trace.CalcORL(7.0, 3.0, 1, 1, 1, status),
                     trace.CalcORL(0.0, trace.GetMaxKM(), 0, 0, 1, other));
}

TEST_F(ReturnLoss, NothingToIntegrateOrNoCleanBackscatterHasNoValue) {
    char16_t buf[64];
    EXPECT_EQ(trace.CalcORL(5.0, 5.0, 0, 0, 1, status), T6_NO_VALUE); // A = B: no area
    EXPECT_EQ(narrow(trace.CalcORL(buf, 5.0, 5.0, 0, 0, 1, 1)), "N/A");
    EXPECT_EQ(trace.CalcORL(30.0, 40.0, 0, 0, 1, status), T6_NO_VALUE); // beyond the trace
    EXPECT_EQ(trace.CalcORL(20.5, 24.0, 0, 0, 1, status), T6_NO_VALUE); // noise only

    FibreDescription shortTrace = plainFibre(1.0, 0.33, 300); // 0.3 km traced
    build(shortTrace);
    EXPECT_EQ(trace.CalcORL(0.15, 0.25, 0, 0, 1, status), T6_NO_VALUE);
}

TEST_F(ReturnLoss, ReceiverLimitsMakeALowerBound) {
    char16_t buf[64];
    FibreDescription openEnd = orlFibre();
    openEnd.endReflectanceDB = -14.0;
    build(openEnd);
    ASSERT_TRUE(truth.events.back().saturated);
    double orl = trace.CalcORL(5.0, 20.5, 0, 0, 1, status);
    EXPECT_EQ(status, T6_TRACE_ORL_SATURATED);
    EXPECT_EQ(narrow(trace.CalcORL(buf, 5.0, 20.5, 0, 0, 1, 1)), formatted("<%4.1fS dB", orl));

    FibreDescription clamped = orlFibre();
    clamped.launchLevelDB = 24.0;
    clamped.endReflectanceDB = -34.0;
    build(clamped);
    ASSERT_TRUE(truth.events.back().clamped && !truth.events.back().saturated);
    orl = trace.CalcORL(5.0, 20.5, 0, 0, 1, status);
    EXPECT_EQ(status, T6_TRACE_ORL_LESS_THAN);
    EXPECT_EQ(narrow(trace.CalcORL(buf, 5.0, 20.5, 0, 0, 1, 0)), formatted("<%4.1f", orl));

    build(orlFibre());
    orl = trace.CalcORL(5.0, 20.5, 0, 0, 1, status);
    EXPECT_EQ(narrow(trace.CalcORL(buf, 5.0, 20.5, 0, 0, 1, 0)), formatted("%4.1f", orl));
}

TEST_F(ReturnLoss, LossModeFiveFollowsTheLibrarysReference) {
    double a, as, ae, b, bs, be;
    int32_t other = 0;
    EXPECT_DOUBLE_EQ(trace.CalcLoss(5, 0, 5.0, 0, 0, 12.0, 0, 0, a, as, ae, b, bs, be),
                     trace.CalcORL(5.0, 12.0, 0, 0, 1, other));
    T6SetORLCalc(1, 1, 0);
    EXPECT_DOUBLE_EQ(trace.CalcLoss(5, 0, 5.0, 0, 0, 12.0, 0, 0, a, as, ae, b, bs, be),
                     trace.CalcORL(5.0, 12.0, 0, 0, 0, other));
    trace.SetACursorKM(5.0);
    trace.SetBCursorKM(12.0);
    trace.SetLossMode(5);
    char16_t buf[64];
    EXPECT_EQ(narrow(trace.CalcLoss(buf, 1)),
              formatted("%4.1f dB", trace.CalcORL(5.0, 12.0, 0, 0, 0, other)));
}

TEST_F(ReturnLoss, VeryHighResultsAreCappedAt99Point9) {
    uint16_t fr = 0;
    int32_t a = trace.DPFRFromKM(5.0, fr), b = trace.DPFRFromKM(5.01, fr);
    int32_t e0 = trace.DPFRFromKM(15.0, fr), e1 = trace.DPFRFromKM(15.2, fr);
    // At 5 dB/km the reference section, 15 km out, stands for a launch power
    // 150 dB above what it shows.
    EXPECT_DOUBLE_EQ(trace.CalcORLBasic(0, a, b, e0, e1, 5.0, 1.4677, -79.0, status), 99.9);
    EXPECT_LT(trace.CalcORLBasic(0, a, b, e0, e1, 0.33, 1.4677, -79.0, status), 99.9);
    EXPECT_EQ(trace.CalcORLBasic(0, a, b, e0, e1, 0.0, 1.4677, -79.0, status), T6_NO_VALUE);
    EXPECT_EQ(trace.CalcORLBasic(0, a, b, e1, e0, 0.33, 1.4677, -79.0, status), T6_NO_VALUE);
    EXPECT_EQ(trace.CalcORLBasic(0, a, b, e0, 1 << 30, 0.33, 1.4677, -79.0, status), T6_NO_VALUE);
}

TEST_F(ReturnLoss, LinearSamplesIntegrateLikeDataValues) {
    uint16_t fr = 0;
    int32_t a = trace.DPFRFromKM(5.0, fr), b = trace.DPFRFromKM(12.0, fr);
    int32_t e0 = trace.DPFRFromKM(5.5, fr), e1 = trace.DPFRFromKM(5.7, fr);
    double fromValues = trace.CalcORLBasic(0, a, b, e0, e1, 0.33, 1.4677, -79.0, status);
    FibreDescription linear = orlFibre();
    linear.linearSamples = true;
    build(linear);
    EXPECT_NEAR(trace.CalcORLBasic(0, a, b, e0, e1, 0.33, 1.4677, -79.0, status), fromValues, 0.01);
    // The trace's own backscatter search works on data values only.
    EXPECT_EQ(trace.CalcORL(5.0, 12.0, 0, 0, 1, status), T6_NO_VALUE);
}

TEST(LinearArea, ThresholdDecidesBetweenSampleAndFloor) {
    CT6 trace;
    trace.DPLSetBaseline(0.5);
    trace.DPLSetReference(0.0); // threshold 1.5
    EXPECT_DOUBLE_EQ(trace.CalcAreaLinDV(4.0, 2.0), 7.0);
    EXPECT_DOUBLE_EQ(trace.CalcAreaLinDV(1.0, 2.0), 1.0);
    trace.DPLSetReference(-3.0);
    EXPECT_DOUBLE_EQ(trace.CalcAreaLinDV(1.0, 2.0), 2.0);
}

TEST_F(ReturnLoss, ReferenceFibreStandsInForTheTracesBackscatter) {
    FibreDescription highRes = orlFibre();
    highRes.preampType = 2;
    highRes.pulseNS = 30;
    build(highRes);
    trace.SetSTFMLengthKM(1.0);
    trace.SetSTFMDBKM(0.33);
    trace.SetSTFMIOR(fibre.indexOfRefraction);
    trace.SetSTFMBackScatter(fibre.backscatterDB);
    double fromTrace = trace.CalcORL(0.5, 12.0, 0, 0, 1, status);
    EXPECT_EQ(status & T6_TRACE_ORL_STFM, 0);

    trace.SetTraceRecalled(1);
    double fromReference = trace.CalcORL(0.5, 12.0, 0, 0, 1, status);
    EXPECT_EQ(status, T6_TRACE_ORL_STFM | T6_TRACE_ORL_LESS_THAN); // 3 points per pulse
    EXPECT_NEAR(fromReference, fromTrace, 0.3);
    EXPECT_NEAR(fromReference, analyticORLDB(fibre, 0.5, 12.0, true), 1.0);
}
