// Noise floor position and noise level on simulated fibres.

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace varnel::sim;

namespace {

// 10 km at 0.33 dB/km ending in a -40 dB reflection; the trace runs on to 16 km.
FibreDescription endedFibre(double noiseSpread) {
    FibreDescription fibre = plainFibre(10.0, 0.33);
    fibre.endReflectanceDB = -40.0;
    fibre.noiseSpread = noiseSpread;
    return fibre;
}

int32_t pointOf(const CT6& trace, double km) {
    uint16_t fr = 0;
    return trace.DPFRFromKM(km, fr);
}

// The value that `pct` % of the given values stay at or below, counted from
// the top as the library counts.
int32_t percentile(std::vector<int32_t> values, double pct) {
    std::sort(values.begin(), values.end(), std::greater<>());
    size_t above = static_cast<size_t>(values.size() * (1.0 - pct / 100.0));
    return values[std::min(above, values.size() - 1)];
}

} // namespace

TEST(NoiseFloor, AnExactFloorIsFoundByTheCensus) {
    CT6 trace;
    SimulatedFibre truth = simulateFibre(endedFibre(0.0), trace);
    int32_t floor = trace.CalcNoiseFloorDP(1);
    // After the end the reflection lasts one pulse; then only the floor remains.
    int32_t endDP = pointOf(trace, truth.endKM);
    EXPECT_GE(floor, endDP + truth.pointsPerPulse);
    EXPECT_LE(floor, endDP + truth.pointsPerPulse + 2);
    EXPECT_EQ(trace.DPWGetLONG(floor), 1500); // 1.5 dB, exactly
    EXPECT_EQ(trace.GetNoiseFloorDP(), floor);
}

TEST(NoiseFloor, DipsFarBelowTheFloorLeaveItWhereItWas) {
    CT6 trace;
    simulateFibre(endedFibre(0.0), trace);
    const int32_t floor = trace.CalcNoiseFloorDP(1);
    // Three single points far below the floor, each far from the others:
    // the census must look past them to the level that recurs.
    const int32_t last = trace.DPOCount() - 1;
    const uint16_t dips[] = {300, 700, 1100};
    for (int32_t k = 0; k < 3; ++k)
        trace.DPWSetDPW(last - 50 - 20 * k, 1, &dips[k]);
    EXPECT_EQ(trace.CalcNoiseFloorDP(1), floor);
}

TEST(NoiseFloor, LevelsFarApartAreCountedAsCloseOnes) {
    // A staircase of levels 5 dB apart down to a flat floor: the five lowest
    // levels span more than any histogram of the census covers.
    std::vector<uint16_t> levels;
    for (const uint16_t level : {30000, 25000, 20000, 15000, 10000})
        levels.insert(levels.end(), 300, level);
    const size_t floorStart = levels.size();
    levels.insert(levels.end(), 400, 5000);
    CT6 trace;
    trace.SFInsert();
    trace.SFSetScaleFactor(0, 1000);
    trace.PWInsert();
    trace.PWSetNanoSec(0, 100);
    trace.SpanInsert();
    trace.DPOInitArray(int32_t(levels.size()));
    trace.DPOSetCount(int32_t(levels.size()));
    trace.DPOSetDPO(0, int32_t(levels.size()), levels.data());
    trace.DPWSetup(1);
    EXPECT_EQ(trace.CalcNoiseFloorDP(1), int32_t(floorStart));
}

TEST(NoiseFloor, ARealReceiversFloorIsFoundWhereItReadsZero) {
    CT6 trace;
    SimulatedFibre truth = simulateFibre(endedFibre(1.0), trace);
    int32_t floor = trace.CalcNoiseFloorDP(1);
    int32_t endDP = pointOf(trace, truth.endKM);
    EXPECT_GE(floor, endDP + truth.pointsPerPulse);
    EXPECT_LE(floor, endDP + 3 * truth.pointsPerPulse);
    EXPECT_EQ(trace.DPWGetLONG(floor), 0);
}

TEST(NoiseFloor, AScatteredFloorIsFoundInLinearPower) {
    // 8 dB up with a narrow scatter: no level repeats often and none reads 0,
    // so only taking power away collapses the noise.
    FibreDescription fibre = endedFibre(0.1);
    fibre.noiseFloorDB = 8.0;
    CT6 trace;
    SimulatedFibre truth = simulateFibre(fibre, trace);
    int32_t floor = trace.CalcNoiseFloorDP(1);
    int32_t endDP = pointOf(trace, truth.endKM);
    EXPECT_GE(floor, endDP + truth.pointsPerPulse);
    EXPECT_LE(floor, endDP + 3 * truth.pointsPerPulse);
}

TEST(NoiseFloor, AFibreFadingIntoNoiseMeetsTheFloorNearTheNoiseLevel) {
    // 80 km at 0.33 dB/km: the backscatter sinks below the 1.5 dB floor at
    // about 74 km. The trace counts as noise once the backscatter is a small
    // part of the noise power.
    FibreDescription fibre = plainFibre(80.0, 0.33, 100000);
    fibre.noiseSpread = 1.0;
    CT6 trace;
    simulateFibre(fibre, trace);
    int32_t floor = trace.CalcNoiseFloorDP(1);
    ASSERT_GT(floor, 0);
    double level = backscatterLevelDB(fibre, trace.KMFromDPFR(floor, 0));
    EXPECT_LT(level, fibre.noiseFloorDB);
    EXPECT_GT(level, fibre.noiseFloorDB - 4.0);
}

TEST(NoiseFloor, IsCachedUntilRecomputed) {
    CT6 trace;
    simulateFibre(endedFibre(0.0), trace);
    int32_t floor = trace.CalcNoiseFloorDP(0);
    ASSERT_GT(floor, 0);
    simulateFibre(endedFibre(0.3), trace); // re-initialises the record
    EXPECT_EQ(trace.GetNoiseFloorDP(), 0);
    int32_t noisy = trace.CalcNoiseFloorDP(0);
    EXPECT_EQ(trace.CalcNoiseFloorDP(0), noisy);
}

TEST(NoiseFloor, NotFoundIsNegative) {
    FibreDescription fibre = endedFibre(0.0);
    fibre.linearSamples = true;
    CT6 trace;
    simulateFibre(fibre, trace);
    EXPECT_EQ(trace.CalcNoiseFloorDP(1), -(fibre.pointCount - 1));
    CT6 empty;
    EXPECT_LE(empty.CalcNoiseFloorDP(1), 0);
}

TEST(NoiseLevel, IsThePercentileOfTheNoise) {
    CT6 trace;
    simulateFibre(endedFibre(0.3), trace);
    int32_t floor = trace.CalcNoiseFloorDP(1);
    int32_t last = trace.DPOCount() - 1;
    std::vector<int32_t> noise;
    for (int32_t i = floor; i <= last; ++i)
        noise.push_back(trace.DPWGetLONG(i));
    EXPECT_EQ(trace.CalcNFPctDV(floor, last, 98.0), percentile(noise, 98.0));
    EXPECT_EQ(trace.CalcNFPctDV(floor, last, 50.0), percentile(noise, 50.0));
}

TEST(NoiseLevel, AReflectionStandingOutOfTheNoiseIsLeftOut) {
    FibreDescription fibre = endedFibre(0.3);
    CT6 plain, ghosted;
    simulateFibre(fibre, plain);
    // The same trace, but the fibre goes on 30 dB down in the noise, where a
    // -24 dB reflection at 12 km stands 8 dB out of it for one pulse.
    fibre.sections.push_back({3.0, 0.33});
    fibre.events = {{10.0, 30.0, -40.0}, {12.0, 0.0, -24.0}};
    fibre.endReflectanceDB = 0.0;
    simulateFibre(fibre, ghosted);
    int32_t floor = std::max(plain.CalcNoiseFloorDP(1), ghosted.CalcNoiseFloorDP(1));
    ASSERT_LT(ghosted.KMFromDPFR(floor, 0), 12.0);
    int32_t last = plain.DPOCount() - 1;
    int32_t level = plain.CalcNFPctDV(floor, last, 98.0);
    EXPECT_NEAR(ghosted.CalcNFPctDV(floor, last, 98.0), level, 50); // within 0.05 dB
    EXPECT_GT(ghosted.DPWGetLONG(pointOf(ghosted, 12.001)), level + 5000);
}

TEST(NoiseLevel, NeedsTheFloorAndEnoughNoise) {
    CT6 trace;
    simulateFibre(endedFibre(0.3), trace);
    int32_t last = trace.DPOCount() - 1;
    EXPECT_EQ(trace.CalcNFPctDV(1000, last, 98.0), 0xFFFF); // floor not computed yet
    int32_t floor = trace.CalcNoiseFloorDP(1);
    EXPECT_EQ(trace.CalcNFPctDV(floor - 1, last, 98.0), 0xFFFF);
    EXPECT_EQ(trace.CalcNFPctDV(floor, floor + 98, 98.0), 0xFFFF);
    EXPECT_EQ(trace.CalcNFPctDV(floor, last + 1, 98.0), 0xFFFF);
    EXPECT_EQ(trace.CalcNFPctDV(floor, last, 150.0), 0xFFFF);
    EXPECT_NE(trace.CalcNFPctDV(floor, floor + 99, 98.0), 0xFFFF);
}
