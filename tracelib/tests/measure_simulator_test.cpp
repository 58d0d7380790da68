// The physics the fibre simulator promises, which the measurement tests rely on.
#include "support/record_peer.h"

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cmath>

using namespace varnel::sim;

namespace {

// Scatter of the trace about its least-squares line over n points from km, in dB.
double scatterDB(const CT6& trace, double km, int32_t n) {
    uint16_t fr = 0;
    int32_t from = trace.DPFRFromKM(km, fr);
    double sx = 0, sy = 0, sxy = 0, sxx = 0;
    for (int32_t k = 0; k < n; ++k) {
        double y = trace.DPWGetDB(from + k);
        sx += k, sy += y, sxy += k * y, sxx += double(k) * k;
    }
    double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    double intercept = (sy - slope * sx) / n;
    double squares = 0.0;
    for (int32_t k = 0; k < n; ++k) {
        double residual = trace.DPWGetDB(from + k) - (intercept + slope * k);
        squares += residual * residual;
    }
    return std::sqrt(squares / n);
}

} // namespace

TEST(FibreSimulator, AGainerRaisesTheTraceByItsNegativeLoss) {
    FibreDescription fibre = plainFibre(10.0, 0.33);
    fibre.events = {{5.0, -0.15, 0.0}};
    CT6 trace;
    simulateFibre(fibre, trace);
    double a, as, ae, b, bs, be;
    EXPECT_NEAR(trace.CalcLoss(0, 0, 5.0, -0.4, 0.0, 5.0, 0.1, 0.5, a, as, ae, b, bs, be), -0.15,
                0.005);
}

TEST(FibreSimulator, ASaturatedLaunchLeavesADeadZone) {
    FibreDescription fibre = plainFibre(10.0, 0.33);
    fibre.launchReflectanceDB = -35.0;
    fibre.recoveryKM = 0.02;
    CT6 trace;
    SimulatedFibre truth = simulateFibre(fibre, trace);
    ASSERT_TRUE(truth.events.front().saturated);
    EXPECT_DOUBLE_EQ(trace.GetDBAtKM(0.0), truth.saturationDB);
    // The receiver's excess decays by e every 20 m: 0.1 km on, about 2 dB of it
    // remains; 0.3 km on, nothing measurable.
    EXPECT_GT(trace.GetDBAtKM(0.1) - backscatterLevelDB(fibre, 0.1), 0.5);
    EXPECT_NEAR(trace.GetDBAtKM(0.3), backscatterLevelDB(fibre, 0.3), 0.002);
    int32_t status = 0;
    EXPECT_EQ(trace.CalcRefl(0, 30, 0, status), 0.0); // within the guard of 0 km
}

TEST(FibreSimulator, NoiseGrowsTowardTheFloorAndFollowsTheSeed) {
    FibreDescription fibre = plainFibre(80.0, 0.33, 100000);
    fibre.noiseSpread = 1.0;
    CT6 trace, again, other;
    simulateFibre(fibre, trace);
    simulateFibre(fibre, again);
    fibre.seed = 2;
    simulateFibre(fibre, other);
    // 23 dB above the floor the noise hides below the 0.001 dB quantisation;
    // 3 dB above it, it scatters by about 0.3 dB.
    EXPECT_LT(scatterDB(trace, 5.0, 200), 0.001);
    EXPECT_GT(scatterDB(trace, 65.0, 200), 0.2);
    EXPECT_EQ(trace.DPWGetLONG(90000), again.DPWGetLONG(90000));
    int32_t differ = 0;
    for (int32_t i = 90000; i < 90100; ++i)
        differ += trace.DPWGetLONG(i) != other.DPWGetLONG(i);
    EXPECT_GT(differ, 50);
}

TEST(FibreSimulator, EachPulseSegmentShapesItsOwnStretch) {
    // 30 ns high resolution up to 5 km, then 1 us long range.
    FibreDescription fibre = plainFibre(10.0, 0.33, 16384, 1.0, 30);
    fibre.preampType = 2;
    fibre.laterPulses = {{5.0, 1000, 1}};
    fibre.launchLevelDB = 15.0; // the short pulse's reflection stays below 27 dB
    fibre.events = {{2.0, 0.2, -45.0}, {8.0, 0.5, -45.0}};
    CT6 trace;
    CT6TestPeer::writePulses(trace, simulateFibre(fibre, trace).pulses);
    ASSERT_EQ(trace.PWCount(), 2);
    uint16_t fr = 0;
    EXPECT_EQ(trace.PWGetPointsPerAtDP(trace.DPFRFromKM(2.0, fr)), 3);
    EXPECT_EQ(trace.PWGetPointsPerAtDP(trace.DPFRFromKM(8.0, fr)), 100);
    int32_t status = 0;
    EXPECT_NEAR(trace.CalcRefl(1.998, 2.0, 0, status), -45.0, 0.5);
    EXPECT_EQ(status, int32_t{T6_EVFLAG_FEW_POINTS_PER_PULSE}); // 3 points per pulse
    EXPECT_NEAR(trace.CalcRefl(7.998, 8.0, 0, status), -45.0, 0.5);
    EXPECT_EQ(status, 0);
}
