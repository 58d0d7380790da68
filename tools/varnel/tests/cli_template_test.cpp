// varnel template build and apply on the bundled sample cable.
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace varnel::cli::test {

namespace {

const std::string kCable = VARNEL_SAMPLE_TRACES;
const double kClosuresKM[] = {4.21, 8.47, 12.83, 17.14, 21.36};

std::vector<std::string> cableFiles(const std::string& direction) {
    std::vector<std::string> files;
    for (int f = 1; f <= 12; ++f) {
        char name[32];
        std::snprintf(name, sizeof name, "/%s.%03d", direction.c_str(), f);
        files.push_back(kCable + name);
    }
    return files;
}

TEST(CliTemplate, BuildFindsTheCableClosuresAndApplyPutsThemIntoEveryTrace) {
    Scratch s;
    std::vector<std::string> args = {"template", "build", kCable + "/NORSOU13.001"};
    for (const std::string& f : cableFiles("NORSOU13"))
        args.push_back(f);
    const std::vector<std::string> options = {"-o",     s.path("T.t6"),     "--yes",
                                              "--json", "--loss-threshold", "0.02"};
    args.insert(args.end(), options.begin(), options.end());
    Outcome build = s.varnel(args);
    ASSERT_EQ(build.exitCode, 0) << build.err;
    // The broken fibre 011 brings the length warning, once.
    EXPECT_NE(build.err.find("Significantly different Fiber Lengths."), std::string::npos);
    auto json = build.json();
    EXPECT_EQ(json["traces"], 10);
    auto events = json["events"];
    ASSERT_EQ(events.size(), 6u) << build.out;
    for (size_t k = 0; k < 5; ++k) {
        EXPECT_NEAR(events[k]["start_km"].get<double>(), kClosuresKM[k], 0.01);
        EXPECT_EQ(events[k]["loss_mode"], 0);
    }
    EXPECT_EQ(events[5]["type"], 4);

    Outcome apply = s.varnel({"template", "apply", s.path("T.t6"), kCable + "/NORSOU15.003",
                              kCable + "/NORSOU15.007", "--template-events", "--json", "--yes"});
    ASSERT_EQ(apply.exitCode, 0) << apply.err;
    auto traces = apply.json()["traces"];
    ASSERT_EQ(traces.size(), 2u);
    for (const auto& trace : traces) {
        ASSERT_EQ(trace["events"].size(), 6u);
        EXPECT_FALSE(trace["written"].get<bool>());
    }
    EXPECT_GT(traces[1]["events"][2]["loss_db"].get<double>(), 0.5); // fibre 7's bad splice
}

TEST(CliTemplate, AWarningAnsweredByItsDefaultLeavesNoTemplate) {
    Scratch s;
    Outcome build =
        s.varnel({"template", "build", kCable + "/NORSOU13.001", kCable + "/NORSOU13.002",
                  kCable + "/NORSOU13.011", "-o", s.path("T.t6")});
    EXPECT_EQ(build.exitCode, 1);
    EXPECT_NE(build.err.find("[Cancel]"), std::string::npos) << build.err;
    EXPECT_FALSE(std::filesystem::exists(s.path("T.t6")));
}

} // namespace

} // namespace varnel::cli::test
