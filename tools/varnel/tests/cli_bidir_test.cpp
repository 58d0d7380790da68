// varnel bidir and varnel report on the bundled sample cable's 1310 nm traces.
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace varnel::cli::test {

namespace {

namespace fs = std::filesystem;

const std::string kCable = VARNEL_SAMPLE_TRACES;

std::vector<std::string> direction(const std::string& prefix, int skipFiber = 0) {
    std::vector<std::string> files;
    for (int f = 1; f <= 12; ++f) {
        if (f == skipFiber) continue;
        char name[32];
        std::snprintf(name, sizeof name, "/%s.%03d", prefix.c_str(), f);
        files.push_back(kCable + name);
    }
    return files;
}

std::vector<std::string> bothDirections(int skipReturnFiber = 0) {
    std::vector<std::string> files = direction("NORSOU13");
    for (const std::string& f : direction("SOUNOR13", skipReturnFiber))
        files.push_back(f);
    return files;
}

std::vector<std::string> with(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(CliBidir, AveragesBothDirectionsAndWritesOnlyUnderOut) {
    Scratch s;
    const auto before = fs::last_write_time(kCable + "/NORSOU13.001");
    Outcome run =
        s.varnel(with({"bidir"}, with(bothDirections(), {"--convention", "AAABBB__.###", "--out",
                                                         s.path("out"), "--yes", "--json"})));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = run.json();
    ASSERT_EQ(json["fibres"].size(), 12u);
    ASSERT_EQ(json["positions"].size(), 5u);
    EXPECT_NEAR(json["positions"][2]["position_km"].get<double>(), 12.83, 0.05);
    // Fibre 007's bad splice at the middle closure, seen from both ends.
    const auto& bad = json["fibres"][6]["splices"][2];
    EXPECT_EQ(json["fibres"][6]["fibre"], 7);
    EXPECT_NEAR(bad["average_db"].get<double>(), 0.92, 0.05);
    EXPECT_NEAR((bad["a_to_b_db"].get<double>() + bad["b_to_a_db"].get<double>()) / 2,
                bad["average_db"].get<double>(), 1e-9);
    EXPECT_EQ(json["templates"].size(), 2u);
    EXPECT_EQ(json["written"].size(), 24u);
    EXPECT_TRUE(fs::exists(s.path("out/NORSOU13.SST")));
    EXPECT_EQ(fs::last_write_time(kCable + "/NORSOU13.001"), before);
}

TEST(CliBidir, RefusesASetWithoutItsPairAndABadConvention) {
    Scratch s;
    Outcome unpaired = s.varnel(
        with({"bidir"}, with(bothDirections(7), {"--convention", "AAABBB__.###", "--yes"})));
    EXPECT_EQ(unpaired.exitCode, 1);
    EXPECT_NE(unpaired.err.find("No Bi-Directional pair of traces for fiber number 007."),
              std::string::npos)
        << unpaired.err;

    Outcome bad = s.varnel({"bidir", kCable + "/NORSOU13.001", "--convention", "AAABB.###"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("Filename Convention error."), std::string::npos) << bad.err;
}

TEST(CliReportCommand, KindsOverTheCableAndTheirTextFile) {
    Scratch s;
    Outcome pair = s.varnel({"report", "Bi-Dir Splice Loss", kCable + "/NORSOU13.007",
                             kCable + "/SOUNOR13.007", "--json"});
    ASSERT_EQ(pair.exitCode, 0) << pair.err;
    EXPECT_EQ(pair.json()["title"], "Bi-Directional Report");
    EXPECT_GE(pair.json()["lines"].size(), 2u + 5u); // headings, the five closures

    // Two ends that are not one fibre's are refused.
    Outcome wavelengths = s.varnel(
        {"report", "Bi-Dir Splice Loss", kCable + "/NORSOU13.007", kCable + "/SOUNOR15.007"});
    EXPECT_EQ(wavelengths.exitCode, 1);
    EXPECT_NE(wavelengths.err.find("Different Wavelengths."), std::string::npos);
    Outcome fibres = s.varnel({"report", "Bi-Dir Splice Loss", kCable + "/NORSOU13.007",
                               kCable + "/SOUNOR13.008", "--convention", "AAABBB__.###"});
    EXPECT_NE(fibres.err.find("Different Fiber Numbers."), std::string::npos);

    Outcome acceptance =
        s.varnel(with({"report", "Fiber Acceptance"},
                      with(bothDirections(),
                           {"--convention", "AAABBB__.###", "--text", s.path("acceptance.txt")})));
    ASSERT_EQ(acceptance.exitCode, 0) << acceptance.err;
    const std::vector<std::string> rows = lines(s.read("acceptance.txt"));
    ASSERT_GE(rows.size(), 1u + 1u + 3u + 12u);
    EXPECT_EQ(rows[0], "Fiber Acceptance Report\r");
    // Fibre 001: twelve fields; the non-connector averages filled in, the
    // ORLs not available (the simulator measures none).
    std::vector<std::string> fields;
    std::istringstream first(rows[5].substr(0, rows[5].size() - 1));
    for (std::string field; std::getline(first, field, '\t');)
        fields.push_back(field);
    ASSERT_EQ(fields.size(), 12u) << rows[5];
    EXPECT_EQ(fields[0], "    001");
    const double ab = std::stod(fields[7]), ba = std::stod(fields[8]);
    EXPECT_NEAR(std::stod(fields[9]), (ab + ba) / 2, 0.001);
    EXPECT_EQ(fields[10], "N/A");
    EXPECT_EQ(fields[11], "N/A");

    // The summary: the fibres x positions table, each fibre's own events with
    // its closing figures, the file mapping and the extreme lengths.
    Outcome summary =
        s.varnel(with({"report", "Bi-Dir Splice Loss Summary"},
                      with(bothDirections(), {"--convention", "AAABBB__.###", "--json"})));
    ASSERT_EQ(summary.exitCode, 0) << summary.err;
    const auto summaryLines = summary.json()["lines"];
    auto countOf = [&](const std::string& line) {
        return std::count(summaryLines.begin(), summaryLines.end(), line);
    };
    EXPECT_EQ(countOf("|Avg|Min|Max|End(dB)"), 12);
    EXPECT_EQ(countOf("|Fiber Number|007"), 1);
    EXPECT_EQ(countOf("|Fiber Number to Trace File Mapping"), 1);
    EXPECT_EQ(countOf("|007|NORSOU13.007|SOUNOR13.007"), 1);
    EXPECT_EQ(countOf("|10 Shortest and 10 Longest Traces"), 1);

    Outcome smart = s.varnel(
        with({"report", "Smart Splice Template"}, with(direction("NORSOU13"), {"--json"})));
    ASSERT_EQ(smart.exitCode, 0) << smart.err;
    EXPECT_EQ(smart.json()["title"], "Smart Splice Template Report");

    Outcome exceptions =
        s.varnel(with({"report", "Exception"}, with(direction("NORSOU13"), {"--json"})));
    ASSERT_EQ(exceptions.exitCode, 0) << exceptions.err;
    EXPECT_EQ(exceptions.json()["lines"].size(), 1u); // defaults: the heading alone

    EXPECT_EQ(s.varnel({"report", "Weekly", kCable + "/NORSOU13.001"}).exitCode, 2);
}

} // namespace

} // namespace varnel::cli::test
