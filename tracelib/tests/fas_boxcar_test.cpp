// Box-car smoothing of linear samples and of stored data points.
#include "support/record_peer.h"

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

namespace sim = varnel::sim;

// 100 ns at 1 m gives a 7-sample window, which the rule widens to 8.
constexpr int32_t kWindow = 8;

TEST(FasBoxCar, LinearSamplesBecomeTheirTrailingMean) {
    sim::FibreDescription fibre = sim::plainFibre(5.0, 0.33, 4096);
    fibre.linearSamples = true;
    fibre.noiseSpread = 0.5;
    CT6 record;
    sim::simulateFibre(fibre, record);
    ASSERT_GT(record.DPLCount(), 0);
    const std::vector<double> before(record.DPLGetPtr(0), record.DPLGetPtr(0) + record.DPLCount());

    record.BoxCar();
    const double* after = record.DPLGetPtr(0);
    for (int32_t i : {0, 1, 5, 7, 8, 100, 4095}) {
        const int32_t from = std::max(0, i - kWindow + 1);
        double sum = 0.0;
        for (int32_t k = from; k <= i; ++k)
            sum += before[static_cast<size_t>(k)];
        EXPECT_NEAR(after[i], sum / (i - from + 1), 1e-9 * std::fabs(sum)) << i;
    }
    EXPECT_EQ(record.IsTraceEverSmoothed(), 1);
    EXPECT_EQ(record.IsTraceUserSmoothed(), 0);
}

TEST(FasBoxCar, StoredPointsAreSmoothedAndWorkingValuesRederived) {
    sim::FibreDescription fibre = sim::plainFibre(3.0, 0.33, 4096);
    fibre.noiseSpread = 0.5;
    fibre.endReflectanceDB = 0.0;
    CT6 record;
    sim::simulateFibre(fibre, record);
    record.ClearAllModFlags();

    // The noise after the fibre end scatters from point to point; smoothing
    // must narrow that scatter without moving the backscatter level.
    const auto scatterDB = [&record](int32_t from, int32_t to) {
        double sum = 0.0;
        for (int32_t i = from; i < to; ++i)
            sum += std::fabs(record.DPWGetDB(i + 1) - record.DPWGetDB(i));
        return sum / (to - from);
    };
    const double noiseBefore = scatterDB(3500, 4000);
    const double levelBefore = record.DPWGetDB(1000);

    record.BoxCar();
    EXPECT_LT(scatterDB(3500, 4000), noiseBefore / 2);
    EXPECT_NEAR(record.DPWGetDB(1000), levelBefore, 0.02);
    EXPECT_EQ(record.IsModFlagSet(T6_MOD_DATA_POINTS), 1);
    EXPECT_EQ(record.IsTraceEverSmoothed(), 1);
}

TEST(FasBoxCar, EachScaleFactorSegmentKeepsItsOwnScale) {
    // A flat 20 dB trace stored on two scales: 1000 per dB, then 500 per dB.
    CT6 record;
    record.SFInitArray(2);
    CT6TestPeer::scaleFactorCount(record) = 2;
    record.SFSetScaleFactor(0, 1000);
    record.SFSetStartDP(1, 2000);
    record.SFSetScaleFactor(1, 500);
    record.DPOSetCount(4000);
    for (int32_t i = 0; i < 4000; ++i)
        *record.DPOGetPtr(i) = static_cast<uint16_t>(i < 2000 ? 20000 : 10000);

    record.BoxCar();
    EXPECT_EQ(*record.DPOGetPtr(1000), 20000);
    for (int32_t i : {2000, 2001, 2100, 3000})
        EXPECT_EQ(*record.DPOGetPtr(i), 10000) << i;
    record.DPWSetup(1);
    EXPECT_NEAR(record.DPWGetDB(3000), 20.0, 0.01);
}

TEST(FasBoxCar, LevelsPastTheDoubleRangeLeaveDefinedPoints) {
    // On a scale of 1 unit per dB a deep stored level is linear infinity; as
    // it leaves the window the running mean becomes NaN.
    CT6 record;
    record.SFInitArray(1);
    CT6TestPeer::scaleFactorCount(record) = 1;
    record.SFSetScaleFactor(0, 1);
    record.DPOSetCount(4096);
    for (int32_t i = 0; i < 4096; ++i)
        *record.DPOGetPtr(i) = static_cast<uint16_t>(i < 4 ? 60000 : 20);

    record.BoxCar();
    EXPECT_EQ(*record.DPOGetPtr(4095), 0);
}

TEST(FasBoxCar, EmptyRecordOnlyGetsTheMark) {
    CT6 record;
    record.BoxCar();
    EXPECT_EQ(record.DPOCount(), 0);
    EXPECT_EQ(record.IsTraceEverSmoothed(), 1);
}

} // namespace
