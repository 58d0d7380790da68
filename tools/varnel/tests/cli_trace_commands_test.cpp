// info, analyze, convert and export, run as a user runs them.
#include "cli_runner.h"

#include "core/platform/file_access.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <filesystem>

namespace varnel::cli::test {

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CliInfo, ShowsHeaderEventsAndSummaryOfASimulatedTrace) {
    Scratch s;
    std::string trace = s.simulate("fibre.trc");
    Outcome run = s.varnel({"info", trace});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "Instrument          : SIM-1"));
    EXPECT_TRUE(contains(run.out, "Wavelength          : 1310 nm"));
    EXPECT_TRUE(contains(run.out, "Location(km)"));
    EXPECT_TRUE(contains(run.out, "End/Fault           : 20.0000 km"));
    EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST(CliInfo, JsonHoldsTheTableAndDistancesFollowTheUnit) {
    Scratch s;
    std::string trace = s.simulate("fibre.trc");
    Outcome run = s.varnel({"info", "--json", "--units", "m", trace});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto doc = run.json();
    ASSERT_EQ(doc["traces"].size(), 1u);
    const auto& t = doc["traces"][0];
    EXPECT_EQ(t["distanceUnit"], "m");
    ASSERT_EQ(t["events"].size(), 4u); // launch, splice, connector, end
    EXPECT_EQ(t["summary"]["eventCount"], 4);
    EXPECT_EQ(t["events"][0]["typeChar"], "L");
    EXPECT_EQ(t["events"][1]["typeChar"], "N");
    EXPECT_EQ(t["events"][2]["typeChar"], "R");
    EXPECT_NEAR(t["events"][1]["startKM"].get<double>(), 5.0, 0.01);
    EXPECT_EQ(t["events"][3]["start"], "20000.00"); // metres, "%.2f"
    // Numbers for scripts; no value is null, never 0.
    EXPECT_TRUE(t["events"][1]["reflectanceDB"].is_null());
    EXPECT_NEAR(t["events"][2]["reflectanceDB"].get<double>(), -45.0, 1.0);
    EXPECT_EQ(t["values"]["pointCount"], 16384);
    EXPECT_NEAR(t["values"]["resolutionM"].get<double>(), 2.0, 1e-9);
    EXPECT_EQ(t["values"]["pulseWidthsNS"], nlohmann::ordered_json::array({100}));
    EXPECT_TRUE(t["summary"]["storedTotalLossDB"].is_null());
    EXPECT_TRUE(t["summary"]["orlDB"].is_null());
    EXPECT_TRUE(doc["errors"].empty());
}

TEST(CliInfo, EveryBadFileGetsItsMessageAndTheOthersStillShow) {
    Scratch s;
    std::string good = s.simulate("good.trc");
    ASSERT_EQ(s.varnel({"convert", good, "good.sor", "--format", "SR4731"}).exitCode, 0);
    s.write("cut.sor", s.read("good.sor").substr(0, 3000));
    s.write("unknown.trc", std::string(4000, 'x')); // not native, not SR-4731: legacy route
    std::string bytes = s.read("good.trc");
    s.write("truncated.trc", bytes.substr(0, bytes.size() / 2));
    Outcome run = s.varnel({"info", "--json", s.path("missing.trc"), s.path("cut.sor"),
                            s.path("unknown.trc"), s.path("truncated.trc"), s.dir(), good});
    EXPECT_EQ(run.exitCode, 1);
    auto doc = run.json();
    EXPECT_EQ(doc["traces"].size(), 1u);
    ASSERT_EQ(doc["errors"].size(), 5u);
    EXPECT_EQ(doc["errors"][0]["message"], "File open error: No such file or directory");
    EXPECT_EQ(doc["errors"][1]["message"].get<std::string>().rfind(
                  "File data corrupted. Reading stopped in block \"", 0),
              0u)
        << doc["errors"][1]["message"];
    EXPECT_EQ(doc["errors"][2]["message"],
              "The file is neither a native (T6) nor an SR-4731 trace file. Other trace formats "
              "need the legacy converter (Ferrowin), which is not installed.");
    EXPECT_EQ(doc["errors"][4]["message"], "File open error: Is a directory");
    EXPECT_TRUE(contains(run.err, s.path("missing.trc") + ": File open error"));
    EXPECT_TRUE(contains(run.err, s.path("cut.sor") + ": File data corrupted."));
    EXPECT_TRUE(contains(run.err, s.path("truncated.trc") + ": "));
}

TEST(CliInfo, EverySharedSR4731SampleReads) {
    const std::filesystem::path folder = std::filesystem::path(VARNEL_SHARED_SAMPLES) / "sor";
    if (!std::filesystem::exists(folder)) GTEST_SKIP() << "no shared samples";
    Scratch s;
    std::vector<std::string> arguments = {"info", "--json"};
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".sor") arguments.push_back(entry.path().string());
    Outcome run = s.varnel(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    auto doc = run.json();
    EXPECT_EQ(doc["traces"].size(), arguments.size() - 2);
    for (const auto& trace : doc["traces"])
        EXPECT_FALSE(trace["header"]["wavelength"].get<std::string>().empty()) << trace["path"];
}

TEST(CliUsage, BadArgumentsExitWithTwoAndHelpWithZero) {
    Scratch s;
    EXPECT_EQ(s.varnel({}).exitCode, 2);
    EXPECT_EQ(s.varnel({"info"}).exitCode, 2);
    EXPECT_EQ(s.varnel({"convert", "a", "b", "--format", "PNG"}).exitCode, 2);
    EXPECT_EQ(s.varnel({"info", "--units", "furlong", "x"}).exitCode, 2);
    EXPECT_EQ(s.varnel({"export", "--json", "--stdout", "x"}).exitCode, 2);
    EXPECT_EQ(s.varnel({"batch", "--jobs", "0", "x"}).exitCode, 2);
    for (const char* command : {"info", "analyze", "convert", "export", "simulate", "batch"}) {
        Outcome help = s.varnel({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_TRUE(contains(help.out, "--json")) << command;
    }
}

TEST(CliAnalyze, FindsTheSimulatedEventsWithTheChosenThresholds) {
    Scratch s;
    std::string trace = s.simulate("fibre.trc", R"("eventTable": false)");
    Outcome run = s.varnel({"analyze", "--json", "--loss-threshold", "0.1", trace});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto events = run.json()["traces"][0]["events"];
    ASSERT_GE(events.size(), 4u);
    EXPECT_EQ(events[0]["typeChar"], "L");
    EXPECT_NEAR(events[1]["startKM"].get<double>(), 5.0, 0.05);
    EXPECT_NEAR(events[1]["lossDB"].get<double>(), 0.4, 0.1);
    EXPECT_EQ(events[2]["typeChar"], "R");
    EXPECT_NEAR(events.back()["startKM"].get<double>(), 20.0, 0.05);

    // A loss threshold above the splice's loss leaves it out; the -45 dB
    // connector shows as reflective only once the reflectance threshold is below it.
    Outcome coarse = s.varnel({"analyze", "--json", "--loss-threshold", "1.0", trace});
    ASSERT_EQ(coarse.exitCode, 0) << coarse.err;
    EXPECT_EQ(coarse.json()["traces"][0]["events"][1]["typeChar"], "E");
    Outcome sensitive = s.varnel(
        {"analyze", "--json", "--loss-threshold", "1.0", "--refl-threshold", "-50", trace});
    ASSERT_EQ(sensitive.exitCode, 0) << sensitive.err;
    EXPECT_EQ(sensitive.json()["traces"][0]["events"][1]["typeChar"], "R");
    EXPECT_NEAR(sensitive.json()["traces"][0]["events"][1]["startKM"].get<double>(), 12.0, 0.05);
}

TEST(CliAnalyze, ThresholdsOutsideThePreferencesRangesAreRefused) {
    Scratch s;
    for (const auto& [option, value] :
         std::vector<std::pair<std::string, std::string>>{{"--loss-threshold", "-5"},
                                                          {"--loss-threshold", "5.5"},
                                                          {"--refl-threshold", "-75"},
                                                          {"--refl-threshold", "-5"},
                                                          {"--break-threshold", "0.1"},
                                                          {"--end-at-reflection", "11"},
                                                          {"--nth-threshold", "-80"}}) {
        EXPECT_EQ(s.varnel({"analyze", option, value, "x.trc"}).exitCode, 2) << option << value;
    }
    EXPECT_NE(s.varnel({"analyze", "--refl-threshold", "45", "x.trc"}).exitCode, 2);
}

TEST(CliAnalyze, WriteSavesInPlaceAndTheFileReadsBackAnalysed) {
    Scratch s;
    std::string trace = s.simulate("fibre.trc", R"("eventTable": false)");
    Outcome before = s.varnel({"info", "--json", trace});
    EXPECT_EQ(before.json()["traces"][0]["events"].size(), 0u);
    Outcome run = s.varnel({"analyze", "--write", "--json", trace});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.json()["traces"][0]["written"].get<bool>());
    Outcome after = s.varnel({"info", "--json", trace});
    EXPECT_EQ(after.json()["traces"][0]["events"], run.json()["traces"][0]["events"]);
    EXPECT_EQ(after.json()["traces"][0]["header"]["thresholdLoss"], "0.05 dB");
}

TEST(CliAnalyze, ReadOnlyTargetIsRefusedAndLeftUntouched) {
    Scratch s;
    std::string trace = s.simulate("fibre.trc", R"("eventTable": false)");
    std::string bytes = s.read("fibre.trc");
    ASSERT_EQ(chmod(trace.c_str(), 0444), 0);
    Outcome run = s.varnel({"analyze", "--write", trace});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.err, "Access to " + trace + " was denied.")) << run.err;
    EXPECT_EQ(s.read("fibre.trc"), bytes);
}

TEST(CliAnalyze, UnwritableFolderReportsTheOpenErrorAndKeepsTheFile) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into any folder";
    Scratch s;
    std::string trace = s.simulate("fibre.trc", R"("eventTable": false)");
    std::string bytes = s.read("fibre.trc");
    ASSERT_EQ(chmod(s.dir().c_str(), 0555), 0);
    Outcome run = s.varnel({"analyze", "--write", trace});
    chmod(s.dir().c_str(), 0755);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.err, ": File open error")) << run.err;
    EXPECT_EQ(s.read("fibre.trc"), bytes);
}

TEST(CliConvert, NativeCopyReadsBackTheSame) {
    Scratch s;
    std::string trace = s.simulate("fibre.trc");
    Outcome run = s.varnel({"convert", trace, s.path("copy.trc"), "--format", "t6"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Outcome a = s.varnel({"info", "--json", trace});
    Outcome b = s.varnel({"info", "--json", s.path("copy.trc")});
    EXPECT_EQ(a.json()["traces"][0]["events"], b.json()["traces"][0]["events"]);
    EXPECT_EQ(a.json()["traces"][0]["header"], b.json()["traces"][0]["header"]);
}

TEST(CliConvert, SR4731CopyKeepsTheEvents) {
    Scratch s;
    std::string trace = s.simulate("fibre.trc");
    for (const char* format : {"SR4731", "GR196"}) {
        Outcome run = s.varnel({"convert", trace, s.path("copy.sor"), "--format", format});
        ASSERT_EQ(run.exitCode, 0) << format << run.err;
        auto a = s.varnel({"info", "--json", trace}).json()["traces"][0];
        auto b = s.varnel({"info", "--json", s.path("copy.sor")}).json()["traces"][0];
        ASSERT_EQ(a["events"].size(), b["events"].size()) << format;
        for (size_t i = 0; i < a["events"].size(); ++i)
            EXPECT_EQ(a["events"][i]["start"], b["events"][i]["start"]) << format;
        EXPECT_EQ(b["header"]["traceType"], format);
    }
}

TEST(CliConvert, SR4731CopyThatCannotHoldALevelWarnsAndSucceeds) {
    Scratch s;
    CT6 record;
    ASSERT_EQ(record.DecompFile(orvane::libraryPath(s.simulate("fibre.trc")).c_str(), 0), 0);
    const uint16_t aboveTheRange[] = {65535};
    record.DPOSetDPO(1000, 1, aboveTheRange); // the stored points, which a native file keeps
    const std::string edited = s.path("edited.trc");
    ASSERT_EQ(record.FileSaveAs(orvane::libraryPath(edited).c_str(), u"T6", 0, 1), 0);

    Outcome run = s.varnel({"convert", edited, s.path("copy.sor"), "--format", "SR4731"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "varnel: " + s.path("copy.sor") +
                           ": warning: Some trace levels could not be stored exactly in the "
                           "SR-4731 file; they were written as the nearest levels the file can "
                           "hold.\n");
    EXPECT_TRUE(std::filesystem::exists(s.path("copy.sor")));
}

TEST(CliConvert, LegacyFormatsReportTheMissingConverter) {
    Scratch s;
    std::string trace = s.simulate("fibre.trc");
    for (const char* format : {"T5", "WFM", "R90"}) {
        Outcome run = s.varnel({"convert", trace, s.path("copy.x"), "--format", format});
        EXPECT_EQ(run.exitCode, 1) << format;
        EXPECT_TRUE(contains(run.err, "needs the legacy converter")) << format << run.err;
        EXPECT_FALSE(std::filesystem::exists(s.path("copy.x"))) << format;
    }
}

TEST(CliConvert, UnreadableInputWritesNothing) {
    Scratch s;
    s.write("bad.trc", "<T6>not really");
    Outcome run = s.varnel({"convert", s.path("bad.trc"), s.path("out.trc"), "--format", "T6"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(s.path("out.trc")));
}

TEST(CliExport, TextExportHasTitleKeysAndOneLevelPerPoint) {
    Scratch s;
    std::string trace = s.simulate("fibre.trc");
    Outcome run = s.varnel({"export", trace});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> text = lines(s.read("fibre.trc.TXT"));
    ASSERT_GT(text.size(), 20u);
    EXPECT_EQ(text[0], "\"Brannic Tarvisk Plus - Version 3.0a  Trace Export\"");
    EXPECT_EQ(text[1], "");
    const char* keys[] = {
        "FN   = ", "PN   = ", "INST = ", "OPTC = ", "WL   = ", "PW   = ", "FBR  = ", "AVG  = ",
        "IOR  = ", "BSC  = ", "DATE = ", "TIME = ", "MXDB = ", "DX   = ", "PT1  = ", "NPTS = "};
    for (size_t k = 0; k < std::size(keys); ++k)
        EXPECT_EQ(text[2 + k].rfind(keys[k], 0), 0u) << text[2 + k];
    EXPECT_EQ(text[2], "FN   = fibre.trc");
    EXPECT_EQ(text[5], "OPTC = ");
    EXPECT_EQ(text[10], "IOR  = 1.467700");
    EXPECT_EQ(text[11], "BSC  = -79.00 dB");
    EXPECT_EQ(text[15].substr(0, 7), "DX   = ");
    EXPECT_NEAR(std::stod(text[15].substr(7)), 0.002, 0.002 * 0.03); // nominal 2 m
    EXPECT_EQ(text[17], "NPTS = 16384");
    EXPECT_EQ(text.size(), 18u + 16384u);
    EXPECT_NEAR(std::stod(text[18]), 24.0, 2.0); // rising to the 26 dB launch level
}

TEST(CliExport, CsvAndStdoutCarryTheSamePoints) {
    Scratch s;
    std::string trace = s.simulate("fibre.trc");
    Outcome run = s.varnel({"export", "--csv", "--stdout", "--units", "m", trace});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> csv = lines(run.out);
    ASSERT_EQ(csv.size(), 1u + 16384u);
    EXPECT_EQ(csv[0], "distance_m,level_db");
    EXPECT_EQ(csv[1].substr(0, 9), "0.000000,");
    EXPECT_NEAR(std::stod(csv[2]), 2.0, 2.0 * 0.03); // nominal 2 m spacing
    EXPECT_FALSE(std::filesystem::exists(s.path("fibre.trc.csv")));

    Outcome json = s.varnel({"export", "--csv", "--json", trace});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(json.json()["exports"][0]["output"], trace + ".csv");
    EXPECT_EQ(lines(s.read("fibre.trc.csv")).size(), 1u + 16384u);
}

} // namespace

} // namespace varnel::cli::test
