// What the tool reports of real SR-4731 files, checked against facts other
// readers give for them.
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace varnel::cli::test {

namespace {

std::string sample(const char* name) {
    return (std::filesystem::path(VARNEL_SHARED_SAMPLES) / "sor" / name).string();
}

bool haveSamples() {
    return std::filesystem::exists(std::filesystem::path(VARNEL_SHARED_SAMPLES) / "sor");
}

nlohmann::ordered_json infoOf(const Scratch& s, const std::vector<std::string>& arguments) {
    Outcome run = s.varnel(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.json()["traces"][0];
}

TEST(CliSorSamples, InfoListsTheFirstStoredEventAsRowZero) {
    if (!haveSamples()) GTEST_SKIP() << "no shared samples";
    Scratch s;
    // Its four key events, the first at time 0 (the front connector, with its
    // loss and reflectance), 0 km lying after a launch cable.
    const auto t = infoOf(s, {"info", "--json", sample("otdrparser__example.sor")});
    ASSERT_EQ(t["events"].size(), 4u);
    EXPECT_EQ(t["summary"]["eventCount"], 4);
    EXPECT_EQ(t["events"][0]["number"], 0);
    EXPECT_NEAR(t["events"][0]["startKM"].get<double>(), -1.002304, 0.001);
    EXPECT_NEAR(t["events"][0]["lossDB"].get<double>(), 0.812, 1e-9);
    EXPECT_NEAR(t["events"][0]["reflectanceDB"].get<double>(), -25.721, 1e-9);
}

TEST(CliSorSamples, JsonGivesNumbersTheStoredTotalsAndNullsForWhatIsMissing) {
    if (!haveSamples()) GTEST_SKIP() << "no shared samples";
    Scratch s;
    const auto t = infoOf(s, {"info", "--json", sample("gotdr__2.sor")});
    EXPECT_NEAR(t["summary"]["storedTotalLossDB"].get<double>(), 19.992, 1e-9);
    EXPECT_TRUE(t["summary"]["endToEndLossDB"].is_number() ||
                t["summary"]["endToEndLossDB"].is_null());
    EXPECT_EQ(t["values"]["pointCount"], 31923);
    EXPECT_NEAR(t["values"]["ior"].get<double>(), 1.465, 1e-9);
    EXPECT_EQ(t["values"]["pulseWidthsNS"], nlohmann::ordered_json::array({1000}));
    // The reflectance threshold is stored as 65535: not set.
    EXPECT_TRUE(t["values"]["reflThresholdDB"].is_null());
    EXPECT_EQ(t["header"]["thresholdRefl"], "N/A");
    EXPECT_NEAR(t["values"]["lossThresholdDB"].get<double>(), 0.5, 1e-9);
}

TEST(CliSorSamples, RangeOfInstrumentsThatStoreAnotherDistanceComesFromTime) {
    if (!haveSamples()) GTEST_SKIP() << "no shared samples";
    Scratch s;
    // 73320 in time is 1.47 km; the distance field says 11.7 km.
    const auto t = infoOf(s, {"info", "--json", sample("otdrparser__example.sor")});
    EXPECT_NEAR(t["values"]["rangeKM"].get<double>(), 1.4664, 1e-9);
}

TEST(CliSorSamples, CsvWritesTheLaunchCablePointsAtNegativeDistances) {
    if (!haveSamples()) GTEST_SKIP() << "no shared samples";
    Scratch s;
    Outcome run = s.varnel({"export", "--csv", "--stdout", sample("otdrparser__example.sor")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto csv = lines(run.out);
    ASSERT_EQ(csv.size(), 1u + 15676u);
    EXPECT_NEAR(std::stod(csv[1]), -1.002304, 0.001); // otdrparser's fiber start
}

TEST(CliSorSamples, AnalyzeCanUseTheThresholdsTheInstrumentStored) {
    if (!haveSamples()) GTEST_SKIP() << "no shared samples";
    Scratch s;
    const auto t = infoOf(s, {"analyze", "--json", "--use-trace-thresholds", "--loss-threshold",
                              "0.1", sample("gotdr__2.sor")});
    EXPECT_EQ(t["header"]["thresholdLoss"], "0.50 dB");   // stored
    EXPECT_EQ(t["header"]["thresholdBreak"], "6.00 dB");  // stored
    EXPECT_EQ(t["header"]["thresholdRefl"], "-40.00 dB"); // not stored: the option's default
    const auto plain =
        infoOf(s, {"analyze", "--json", "--loss-threshold", "0.1", sample("gotdr__2.sor")});
    EXPECT_EQ(plain["header"]["thresholdLoss"], "0.10 dB");
}

TEST(CliOutput, AFullDiskOnStandardOutputFails) {
    if (!haveSamples() || !std::filesystem::exists("/dev/full")) GTEST_SKIP();
    const std::string command =
        std::string(VARNEL_CLI) + " info '" + sample("gotdr__2.sor") + "' >/dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

} // namespace

} // namespace varnel::cli::test
