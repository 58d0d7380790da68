// The analysis kept to the launch leaves the record exactly as the whole
// analysis followed by dropping every later event: on the shared instrument
// files and on simulated fibres with events near and far from the launch.
#include "support/sor_files.h"
#include "support/sor_samples.h"

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace varnel::test;
namespace sim = varnel::sim;

namespace {

std::vector<uint8_t> nativeBytes(CT6& record) {
    std::vector<uint8_t> out(static_cast<size_t>(record.CompT6(nullptr, 0, 0, 0)));
    out.resize(static_cast<size_t>(record.CompT6(out.data(), int32_t(out.size()), 0, 0)));
    return out;
}

void keepFirstEvent(CT6& record) {
    for (int32_t i = 1; i < record.EVCount(); ++i)
        record.EVSetFlags(i, T6_EVFLAG_MARKED_FOR_DELETION);
    record.EVDeleteFlagged();
}

// Both ways from the same record; every stored field must agree, and what
// the launch is made of besides.
void expectSameLaunch(const CT6& source, const std::string& name) {
    CT6 whole(source);
    ASSERT_EQ(whole.FAS(), T6_FAS_DONE) << name;
    keepFirstEvent(whole);
    CT6 launch(source);
    ASSERT_EQ(launch.FASLaunchOnly(), T6_FAS_DONE) << name;

    ASSERT_EQ(launch.EVCount(), 1) << name;
    EXPECT_EQ(launch.EVGetStartDP(0), whole.EVGetStartDP(0)) << name;
    EXPECT_EQ(launch.EVGetEndDP(0), whole.EVGetEndDP(0)) << name;
    EXPECT_EQ(launch.EVGetFlags(0), whole.EVGetFlags(0)) << name;
    EXPECT_EQ(launch.GetLaunchIntercept(), whole.GetLaunchIntercept()) << name;
    EXPECT_EQ(launch.GetCalcAtn(), whole.GetCalcAtn()) << name;
    EXPECT_EQ(launch.GetNoiseFloorDP(), whole.GetNoiseFloorDP()) << name;
    EXPECT_EQ(nativeBytes(launch), nativeBytes(whole)) << name;
}

// Events anywhere from just behind the launch to far down the fibre, with
// pulses long and short, noise, a coarse scale and a second pulse segment
// now and then.
sim::FibreDescription randomFibre(std::mt19937& rng) {
    const auto uniform = [&rng](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    };
    const int32_t pulses[] = {10, 30, 100, 300, 1000, 3000};
    sim::FibreDescription fibre;
    fibre.resolutionM = rng() % 2 == 0 ? 0.5 : 2.0;
    fibre.pulseNS = pulses[rng() % 6];
    fibre.pointCount = 8192 << (rng() % 3);
    fibre.zeroKMPoint = rng() % 3 == 0 ? 40 : 0;
    // Now and then a coarse scale, under which a tenth of a dB is no data value.
    fibre.scaleFactor = rng() % 8 == 0 ? 5 : 1000;
    const double reachKM = fibre.pointCount * fibre.resolutionM / 1000.0;
    const double lengthKM = uniform(0.2, 0.9) * reachKM;
    fibre.sections = {{lengthKM, uniform(0.18, 0.40)}};
    fibre.noiseSpread = uniform(0.0, 0.6);
    fibre.seed = static_cast<uint32_t>(rng());
    fibre.launchReflectanceDB = rng() % 2 == 0 ? 0.0 : uniform(-55.0, -35.0);
    if (rng() % 4 == 0) fibre.laterPulses = {{lengthKM / 2, fibre.pulseNS * 3, 1}};

    const int32_t count = static_cast<int32_t>(rng() % 6);
    for (int32_t k = 0; k < count; ++k) {
        sim::FibreEvent event;
        // Half of them crowd the first kilometre, where the launch ends.
        event.positionKM = k % 2 == 0 ? uniform(0.01, 1.0) : uniform(0.05, 0.95) * lengthKM;
        if (event.positionKM >= lengthKM) continue;
        event.lossDB = uniform(0.05, 0.6);
        if (rng() % 2 == 0) event.reflectanceDB = uniform(-60.0, -40.0);
        fibre.events.push_back(event);
    }
    return fibre;
}

} // namespace

TEST(FasLaunch, EveryInstrumentFileGivesTheWholeRunsLaunch) {
    if (sorSampleDir().empty()) GTEST_SKIP() << "shared SR-4731 samples not found";
    for (const SorSampleFacts& facts : sorSampleFacts()) {
        const std::vector<uint8_t> bytes = readFileBytes(sorSampleDir() / facts.file);
        CT6 record;
        if (record.DecompSR4731(bytes.data(), int32_t(bytes.size())) != 0) continue;
        expectSameLaunch(record, facts.file);
    }
}

TEST(FasLaunch, SimulatedFibresGiveTheWholeRunsLaunch) {
    std::mt19937 rng(4731);
    for (int32_t n = 0; n < 120; ++n) {
        CT6 record;
        sim::simulateFibre(randomFibre(rng), record);
        expectSameLaunch(record, "fibre " + std::to_string(n));
    }
}
