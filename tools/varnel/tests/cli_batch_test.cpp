// varnel batch over folders and files: report, summary, failures, workers.
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace varnel::cli::test {

namespace {

const char kHeaderLine[] = "\"Trace Name\";\"Date\";\"Time\";\"No\";\"Type\";\"Start\";\"End\";"
                           "\"Atten Loss\";\"A L dB/Km\";\"Splice Loss\";\"Refl\";\"Cum Loss\";"
                           "\"Flags\";\"Comments\"";

// A folder of three traces, one of them damaged.
struct Cable {
    Scratch s;
    Cable() {
        std::filesystem::create_directory(s.path("cable"));
        s.simulate("cable/AAABBB13.001");
        s.simulate("cable/AAABBB13.002", R"("events": [{"positionKM": 7.0, "lossDB": 0.3}])");
        std::string bytes = s.read("cable/AAABBB13.001");
        bytes[bytes.size() / 2] ^= 0x5A;
        bytes.resize(bytes.size() - 100);
        s.write("cable/AAABBB13.003", bytes);
        s.write("cable/notes.txt", "not a trace");
    }
};

TEST(CliBatch, ReportsEveryEventOfTheGoodTracesAndCountsTheBadOne) {
    Cable c;
    Outcome run = c.s.varnel({"batch", c.s.path("cable")});
    EXPECT_EQ(run.exitCode, 1);
    std::vector<std::string> report = lines(run.out);
    ASSERT_EQ(report.size(), 1u + 4u + 3u) << run.out; // header, launch + 3, launch + 2
    EXPECT_EQ(report[0], kHeaderLine);
    EXPECT_EQ(report[1].rfind("\"AAABBB13.001\";\"05/14/24\";\"09:30 AM\"; 0;\"L\";", 0), 0u)
        << report[1];
    EXPECT_EQ(report[4].rfind("\"AAABBB13.001\";\"05/14/24\";\"09:30 AM\"; 3;\"E\";20.0000;", 0),
              0u)
        << report[4];
    EXPECT_EQ(report[7].rfind("\"AAABBB13.002\"", 0), 0u);
    EXPECT_NE(run.err.find("AAABBB13.003: File data corrupted."), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Min/max events and end distances :"), std::string::npos);
    EXPECT_NE(run.err.find("Traces: 3, reported: 2, skipped: 0, failed: 1"), std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("notes.txt"), std::string::npos);
}

TEST(CliBatch, SubfoldersAndDanglingLinksAreNamedAndRecursionTakesTheirTraces) {
    Cable c;
    std::filesystem::create_directory(c.s.path("cable/north"));
    c.s.simulate("cable/north/AAABBB13.004");
    std::filesystem::create_symlink("gone", c.s.path("cable/lost"));
    std::filesystem::create_directory_symlink(c.s.path("cable"), c.s.path("cable/north/loop"));

    Outcome flat = c.s.varnel({"batch", c.s.path("cable")});
    EXPECT_NE(flat.err.find("north: warning: Folder skipped (see --recursive)."), std::string::npos)
        << flat.err;
    EXPECT_NE(flat.err.find("lost: warning: Dangling link skipped."), std::string::npos);
    EXPECT_NE(flat.err.find("Traces: 3,"), std::string::npos) << flat.err;

    Outcome deep = c.s.varnel({"batch", "--recursive", c.s.path("cable")});
    EXPECT_NE(deep.out.find("\"AAABBB13.004\""), std::string::npos);
    EXPECT_NE(deep.err.find("loop: warning: Linked folder skipped."), std::string::npos)
        << deep.err;
    EXPECT_NE(deep.err.find("Traces: 4, reported: 3, skipped: 0, failed: 1"), std::string::npos)
        << deep.err;
}

TEST(CliBatch, WorkersGiveTheSameReportInTheSameOrder) {
    Cable c;
    Outcome one = c.s.varnel({"batch", "--analyze", "--report", "one.csv", c.s.path("cable")});
    Outcome two =
        c.s.varnel({"batch", "--analyze", "--jobs", "2", "--report", "two.csv", c.s.path("cable")});
    EXPECT_EQ(one.exitCode, 1);
    EXPECT_EQ(two.exitCode, 1);
    EXPECT_TRUE(one.out.empty());
    EXPECT_GT(lines(c.s.read("one.csv")).size(), 3u);
    EXPECT_EQ(c.s.read("one.csv"), c.s.read("two.csv"));
    EXPECT_EQ(one.err, two.err);
}

TEST(CliBatch, JsonSummaryNamesTheExtremes) {
    Cable c;
    Outcome run = c.s.varnel({"batch", "--json", "--analyze", "-j", "2", c.s.path("cable")});
    EXPECT_EQ(run.exitCode, 1);
    auto doc = run.json();
    EXPECT_EQ(doc["traces"].size(), 2u);
    EXPECT_EQ(doc["summary"]["traces"], 3);
    EXPECT_EQ(doc["summary"]["failed"], 1);
    EXPECT_EQ(doc["summary"]["mostEvents"]["trace"], "AAABBB13.001");
    EXPECT_EQ(doc["summary"]["fewestEvents"]["trace"], "AAABBB13.002");
    EXPECT_NEAR(doc["summary"]["longestEnd"]["value"].get<double>(), 20.0, 0.05);
    ASSERT_EQ(doc["errors"].size(), 1u);
    EXPECT_EQ(doc["errors"][0]["message"], "File data corrupted.");
}

TEST(CliBatch, TraceWithoutEventsIsSkippedWithItsMessage) {
    Scratch s;
    std::string bare = s.simulate("bare.trc", R"("eventTable": false)");
    Outcome run = s.varnel({"batch", bare});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lines(run.out).size(), 1u);
    EXPECT_NE(run.err.find("No events in trace : bare.trc"), std::string::npos) << run.err;
    // Analysed, the same trace reports.
    Outcome analysed = s.varnel({"batch", "--analyze", bare});
    EXPECT_EQ(analysed.exitCode, 0) << analysed.err;
    EXPECT_GT(lines(analysed.out).size(), 3u);
}

TEST(CliBatch, StepOptionsShiftCutReportInLayoutZeroAndSave) {
    Scratch s;
    const std::string trace = s.simulate("AAABBB13.001");
    const std::string before = s.read("AAABBB13.001");
    Outcome run = s.varnel({"batch", "--cords-start", "1", "--remove-farther", "10", "--layout",
                            "0", "--no-summary", "--save-as", "SR4731", trace});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // The launch now lies before 0 km; the splice at 0.004 km; the connector
    // became the end, the old end was cut.
    std::vector<std::string> report = lines(run.out);
    ASSERT_EQ(report.size(), 2u) << run.out;
    EXPECT_NE(report[0].find("; 1;\"N\";0.0040;"), std::string::npos) << report[0];
    EXPECT_NE(report[1].find(";\"E\";"), std::string::npos) << report[1];
    EXPECT_EQ(std::count(report[0].begin(), report[0].end(), ';'), 21);
    EXPECT_EQ(run.err.find("Min/max"), std::string::npos);
    const std::string after = s.read("AAABBB13.001");
    EXPECT_NE(after, before);
    EXPECT_EQ(after.rfind("Map", 0), 0u); // SR-4731 now
}

TEST(CliBatch, RefusedPatchCordsSkipTheTraceUnlessAnsweredYes) {
    Scratch s;
    const std::string trace = s.simulate("AAABBB13.001"); // 4 events
    Outcome refused = s.varnel({"batch", "--cords-start", "3", trace});
    EXPECT_EQ(refused.exitCode, 0) << refused.err;
    EXPECT_NE(refused.err.find("Unable to remove patch cords from AAABBB13.001"), std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("reported: 0, skipped: 1"), std::string::npos) << refused.err;
    Outcome yes = s.varnel({"batch", "--cords-start", "3", "--yes", trace});
    EXPECT_NE(yes.err.find("reported: 1, skipped: 0"), std::string::npos) << yes.err;
    Outcome usage = s.varnel({"batch", "--orl", "a-to-b", trace});
    EXPECT_EQ(usage.exitCode, 2);
}

TEST(CliBatch, UnwritableReportStopsBeforeAnyWork) {
    Cable c;
    Outcome run =
        c.s.varnel({"batch", "--report", c.s.path("no/such/folder/r.csv"), c.s.path("cable")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Report File open error."), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
}

TEST(CliBatch, EmptyFolderIsAnError) {
    Scratch s;
    std::filesystem::create_directory(s.path("empty"));
    Outcome run = s.varnel({"batch", s.path("empty")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("No trace files in this folder."), std::string::npos) << run.err;
}

TEST(CliBatch, SharedSR4731SamplesAnalyseWithoutFailure) {
    const std::filesystem::path folder = std::filesystem::path(VARNEL_SHARED_SAMPLES) / "sor";
    if (!std::filesystem::exists(folder)) GTEST_SKIP() << "no shared samples";
    Scratch s;
    Outcome run = s.varnel({"batch", "--analyze", "--jobs", "2", "--json", folder.string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.json()["summary"]["failed"], 0);
    EXPECT_GE(run.json()["summary"]["reported"].get<int>(), 20);
}

// The bundled cable: 12 fibres from both ends at two wavelengths.
TEST(CliBatch, BundledSamplesShowTheBreakAndTheHighLossSplice) {
    Scratch s;
    Outcome run = s.varnel({"batch", "--analyze", "--json", "--jobs", "2", VARNEL_SAMPLE_TRACES});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto doc = run.json();
    ASSERT_EQ(doc["traces"].size(), 48u);
    EXPECT_EQ(doc["summary"]["failed"], 0);
    EXPECT_NEAR(doc["summary"]["shortestEnd"]["value"].get<double>(), 24.62 - 15.30, 0.05);
    EXPECT_EQ(doc["summary"]["shortestEnd"]["trace"].get<std::string>().substr(0, 6), "SOUNOR");
    EXPECT_NEAR(doc["summary"]["longestEnd"]["value"].get<double>(), 24.62, 0.05);
    for (const auto& trace : doc["traces"]) {
        std::string name = std::filesystem::path(trace["path"].get<std::string>()).filename();
        if (name != "NORSOU13.007") continue;
        bool found = false;
        for (const auto& e : trace["events"])
            if (std::abs(e["startKM"].get<double>() - 12.83) < 0.05)
                found = e["lossDB"].get<double>() > 0.7;
        EXPECT_TRUE(found) << trace["events"].dump(1);
    }
}

} // namespace

} // namespace varnel::cli::test
