// Loss modes measured on simulated fibres whose losses are known.
#include "support/narrow_text.h"

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace varnel::sim;

namespace {

struct Fits {
    double aFit, aStart, aEnd, bFit, bStart, bEnd;
};

double loss(CT6& trace, int32_t mode, double aKM, double bKM, Fits& f, int32_t fromEnd = 0,
            double aStartOff = -0.4, double aEndOff = 0.0, double bStartOff = 0.1,
            double bEndOff = 0.5) {
    return trace.CalcLoss(mode, fromEnd, aKM, aStartOff, aEndOff, bKM, bStartOff, bEndOff, f.aFit,
                          f.aStart, f.aEnd, f.bFit, f.bStart, f.bEnd);
}

std::string fixed3(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    return buf;
}

// 10 km at 0.33 dB/km with a clean 0.1 dB splice at 4 km and a 0.3 dB one at 7 km.
FibreDescription splicedFibre() {
    FibreDescription fibre = plainFibre(10.0, 0.33);
    fibre.events = {{4.0, 0.1, 0.0}, {7.0, 0.3, 0.0}};
    return fibre;
}

class LossModes : public ::testing::Test {
protected:
    void SetUp() override { truth = simulateFibre(splicedFibre(), trace); }
    CT6 trace;
    SimulatedFibre truth;
    Fits f{};
};

} // namespace

TEST_F(LossModes, SpliceLossOfACleanStepIsTheStep) {
    // 0.1 dB step; both 0.4 km fits are exact lines, so only quantisation remains.
    EXPECT_NEAR(loss(trace, 0, 4.0, 0.0, f), 0.1, 0.005);
    // The fitted lines' ends: A from 3.6 to 4.0 km, B from 4.1 to 4.5 km.
    EXPECT_NEAR(f.aStart, backscatterLevelDB(splicedFibre(), 3.6), 0.002);
    EXPECT_NEAR(f.aEnd, backscatterLevelDB(splicedFibre(), 4.0) + 0.1, 0.002);
    EXPECT_NEAR(f.bStart, backscatterLevelDB(splicedFibre(), 4.1), 0.002);
    EXPECT_NEAR(f.bEnd, backscatterLevelDB(splicedFibre(), 4.5), 0.002);
    EXPECT_NEAR(f.aFit - f.bFit, 0.1, 0.005);
}

TEST_F(LossModes, TwoPointModesAreExactToTheQuantisation) {
    // Noise-free and linear within a section: each level is off by at most
    // half a data value (0.0005 dB).
    EXPECT_NEAR(loss(trace, 1, 1.0, 3.0, f), 2.0 * 0.33, 0.001);
    EXPECT_NEAR(loss(trace, 1, 3.0, 5.0, f), 2.0 * 0.33 + 0.1, 0.001);
    EXPECT_NEAR(loss(trace, 3, 1.0, 3.0, f), 0.33, 0.001 / 2.0);
    EXPECT_NEAR(loss(trace, 2, 1.0, 3.0, f, 0, 0.0, 0.4, -0.4, 0.0), 2.0 * 0.33, 0.001);
    EXPECT_NEAR(loss(trace, 4, 1.0, 3.0, f, 0, 0.0, 0.4, -0.4, 0.0), 0.33, 0.001 / 2.0);
}

TEST_F(LossModes, AttenuationCorrectedModeLeavesTheEventLoss) {
    T6SetUseT6DBKM(0);
    T6SetDefaultDBKM(0.33);
    EXPECT_NEAR(loss(trace, 6, 6.5, 7.5, f), 0.3, 0.001);
    T6SetUseT6DBKM(1);
    T6SetDefaultDBKM(0.2);
}

TEST_F(LossModes, FromEndMeasuresBackFromTheLastEvent) {
    double endKM = trace.EVGetStartKM(trace.EVCount() - 1);
    EXPECT_DOUBLE_EQ(loss(trace, 1, 1.0, 3.0, f, 1), loss(trace, 1, endKM - 3.0, endKM - 1.0, f));
    EXPECT_DOUBLE_EQ(loss(trace, 0, 4.0, 0.0, f, 1), loss(trace, 0, endKM - 4.0, 0.0, f));
}

TEST_F(LossModes, OneSidedFitsReadAStepFromEitherSide) {
    // 100: the A line (3.6-4.0 km) carried across the splice to 4.2 km.
    EXPECT_NEAR(loss(trace, 100, 4.0, 4.2, f), 0.1, 0.005);
    EXPECT_NE(f.aFit, 0.0);
    // 101: the B line (4.1-4.5 km, placed from A) read back at 3.99 km.
    EXPECT_NEAR(loss(trace, 101, 3.99, 3.99, f), 0.1, 0.005);
}

TEST_F(LossModes, ImpossibleMeasurementsHaveNoValue) {
    EXPECT_EQ(loss(trace, 3, 3.0, 1.0, f), T6_NO_VALUE); // B before A
    EXPECT_EQ(loss(trace, 4, 2.0, 2.0, f, 0, 0.0, 0.4, -0.4, 0.0), T6_NO_VALUE);
    EXPECT_EQ(loss(trace, 1, 1.0, 99.0, f), T6_NO_VALUE); // beyond the trace
    EXPECT_EQ(loss(trace, 0, 0.2, 0.0, f), T6_NO_VALUE);  // A segment before 0 km
    EXPECT_EQ(loss(trace, 7, 1.0, 3.0, f), T6_NO_VALUE);
    EXPECT_EQ(loss(trace, -1, 1.0, 3.0, f), T6_NO_VALUE);
}

TEST_F(LossModes, LossBeyondTheDynamicRangeHasNoValue) {
    trace.SetDynamicRange(0.5);
    EXPECT_EQ(loss(trace, 1, 1.0, 3.0, f), T6_NO_VALUE); // 0.66 dB
    EXPECT_NE(loss(trace, 1, 1.0, 2.0, f), T6_NO_VALUE); // 0.33 dB
}

TEST(LossModesLinear, AttenuationCorrectedModeRefusesLinearData) {
    FibreDescription fibre = splicedFibre();
    fibre.linearSamples = true;
    CT6 trace;
    simulateFibre(fibre, trace);
    Fits f{};
    EXPECT_EQ(loss(trace, 6, 6.5, 7.5, f), T6_NO_VALUE);
    EXPECT_NEAR(loss(trace, 1, 1.0, 3.0, f), 0.66, 0.002);
}

TEST_F(LossModes, RecordModeUsesCursorsAndTheModesSegments) {
    trace.SetACursorKM(4.0);
    trace.SetBCursorKM(6.0);
    trace.SetLSACursorsToDefault(1); // B segment past the splice-loss interval (1.3 km)
    trace.SetLossMode(0);
    EXPECT_NEAR(trace.CalcLoss(), 0.1, 0.005);
    trace.SetLossMode(1);
    EXPECT_NEAR(trace.CalcLoss(), loss(trace, 1, trace.GetACursorKM(), trace.GetBCursorKM(), f),
                1e-12);
}

TEST_F(LossModes, LossTexts) {
    char16_t buf[64];
    trace.SetACursorKM(1.0);
    trace.SetBCursorKM(3.0);
    trace.SetLossMode(1);
    EXPECT_EQ(narrow(trace.CalcLoss(buf, 1)), fixed3(trace.CalcLoss()) + " dB");
    trace.SetLossMode(3);
    EXPECT_EQ(narrow(trace.CalcLoss(buf, 1)), fixed3(trace.CalcLoss()) + " dB/km");
    EXPECT_EQ(narrow(trace.CalcLoss(buf, 0)), fixed3(trace.CalcLoss()));
    trace.SetBCursorKM(0.5);
    EXPECT_EQ(narrow(trace.CalcLoss(buf, 1)), "N/A");
    double twoPoint = loss(trace, 1, 1.0, 3.0, f);
    EXPECT_EQ(narrow(trace.CalcLoss(buf, 1, 0, 1.0, 0, 0, 3.0, 0, 0, f.aFit, f.aStart, f.aEnd,
                                    f.bFit, f.bStart, f.bEnd, 0)),
              fixed3(twoPoint));
}

TEST_F(LossModes, LeastSquaresLevelIsTheFittedLine) {
    double start = 0.0, end = 0.0;
    // On a straight section the line is the trace itself, which lags the
    // fibre by half a pulse (4.5 points, 0.0015 dB here).
    double level = backscatterLevelDB(splicedFibre(), 2.0 - 4.5 * truth.dxKM);
    EXPECT_NEAR(trace.CalcLSAIntercept(2.0, -0.5, 0.5, start, end), level, 0.001);
    EXPECT_NEAR(start - end, 0.33, 0.001);
    // Extrapolated beyond its segment it follows the same slope.
    EXPECT_NEAR(trace.CalcLSAIntercept(2.0, 0.5, 1.0, start, end), level, 0.001);
    EXPECT_EQ(trace.CalcLSAIntercept(2.0, 0.5, 0.5, start, end), T6_NO_VALUE);
    EXPECT_EQ(start, T6_NO_VALUE);
    EXPECT_EQ(trace.CalcLSAIntercept(16.5, 0.0, 0.5, start, end), T6_NO_VALUE); // past the trace
}

TEST(LeastSquaresLevel, MatchesAnOrdinaryFitThroughNoisyLevels) {
    FibreDescription fibre = plainFibre(20.0, 0.33);
    fibre.launchLevelDB = 12.0; // low enough for the noise to show
    fibre.noiseSpread = 1.0;
    CT6 trace;
    simulateFibre(fibre, trace);
    double x = 8.0, s = -1.0, e = 1.0, segStart = 0.0, segEnd = 0.0;
    double fit = trace.CalcLSAIntercept(x, s, e, segStart, segEnd);

    double sumK = 0, sumY = 0, sumKY = 0, sumKK = 0;
    for (int k = 0; k < 64; ++k) {
        double y = trace.GetDBAtKM(x + s + k * (e - s) / 63.0);
        sumK += k, sumY += y, sumKY += k * y, sumKK += k * k;
    }
    double slope = (64 * sumKY - sumK * sumY) / (64 * sumKK - sumK * sumK);
    double intercept = (sumY - slope * sumK) / 64;
    EXPECT_NEAR(segStart, intercept, 1e-9);
    EXPECT_NEAR(segEnd, intercept + 63 * slope, 1e-9);
    EXPECT_NEAR(fit, intercept + 31.5 * slope, 1e-9);
}
