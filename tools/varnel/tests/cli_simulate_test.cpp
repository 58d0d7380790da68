// varnel simulate: descriptions, includes, truth, and refusals of bad input.
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace varnel::cli::test {

namespace {

TEST(CliSimulate, WritesTheTraceAndItsTruth) {
    Scratch s;
    std::string trace = s.simulate("fibre.trc");
    auto truth = nlohmann::json::parse(s.read("fibre.trc.truth.json"));
    EXPECT_NEAR(truth["endKM"].get<double>(), 20.0, 1e-9);
    ASSERT_EQ(truth["events"].size(), 4u); // launch, splice, connector, end
    EXPECT_EQ(truth["events"][1]["lossDB"], 0.4);
    EXPECT_EQ(truth["events"][2]["reflectanceDB"], -45.0);
    Outcome info = s.varnel({"info", "--json", trace});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    auto header = info.json()["traces"][0]["header"];
    EXPECT_EQ(header["fiberNumber"], "001");
    EXPECT_EQ(header["siteA"], "AAA");
    EXPECT_EQ(header["averaging"], "Fast  4096");
}

TEST(CliSimulate, IncludedDescriptionsAreLaidUnderKeyByKey) {
    Scratch s;
    std::filesystem::create_directory(s.path("shared"));
    s.write("shared/base.json", R"({"pointCount": 4096, "resolutionM": 4.0,
        "sections": [{"lengthKM": 10.0, "attenDBKM": 0.2}],
        "header": {"model": "BASE", "siteA": "XXX"}})");
    s.write("fibre.json", R"({"include": "shared/base.json", "header": {"siteA": "NOR"},
        "events": [{"positionKM": 3.0, "lossDB": 0.3}]})");
    Outcome run = s.varnel({"simulate", "fibre.json", "-o", "fibre.trc", "--truth", "t.json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto truth = nlohmann::json::parse(s.read("t.json"));
    EXPECT_NEAR(truth["endKM"].get<double>(), 10.0, 1e-9);
    EXPECT_NEAR(truth["dxKM"].get<double>(), 0.004, 0.004 * 0.03); // nominal resolution
    auto header = s.varnel({"info", "--json", "fibre.trc"}).json()["traces"][0]["header"];
    EXPECT_EQ(header["instrument"], "BASE");
    EXPECT_EQ(header["siteA"], "NOR");
}

TEST(CliSimulate, BadDescriptionsAreRefusedWithTheirReason) {
    struct Case {
        const char* description;
        const char* message;
    };
    const Case cases[] = {
        {R"({"pointCount": 3})", "pointCount must lie between 64 and 4194304"},
        {R"({"pointCount": "many"})", "pointCount must be a number"},
        {R"({"resolutionM": 0})", "resolutionM must lie between"},
        {R"({"pulseNS": -5})", "pulseNS must lie between"},
        {R"({"sections": []})", "sections must be a non-empty array"},
        {R"({"events": [{"positionKM": 50.0}]})", "positionKM must lie between"},
        {R"({"events": [{"positionKM": 0}]})", "an event must lie strictly inside the fibre"},
        {R"({"wavelenghtNM": 1310})", "Unknown key \"wavelenghtNM\" in the description"},
        {R"({"header": {"dateTime": "yesterday"}})", "dateTime must read YYYY-MM-DD HH:MM:SS"},
        {R"({"include": "nowhere.json"})", "File open error"},
        {R"([1, 2])", "A description is a JSON object"},
        {R"({"seed": )", "Invalid JSON"},
        {R"({"include": "folder"})", "folder: File open error: not a regular file"},
        {R"({"include": ""})", "\"include\" names a description file"},
        {R"({"include": "empty.json"})", "empty.json: Invalid JSON"},
    };
    Scratch s;
    std::filesystem::create_directory(s.path("folder"));
    s.write("empty.json", "");
    for (const Case& c : cases) {
        s.write("bad.json", c.description);
        Outcome run = s.varnel({"simulate", "bad.json", "-o", "bad.trc"});
        EXPECT_EQ(run.exitCode, 1) << c.description;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.description << "\n" << run.err;
        EXPECT_FALSE(std::filesystem::exists(s.path("bad.trc"))) << c.description;
    }
}

TEST(CliSimulate, HostileDescriptionsAreRefusedQuickly) {
    Scratch s;
    std::filesystem::create_directory(s.path("folder"));
    Outcome run = s.varnel({"simulate", "folder", "-o", "x.trc"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;

    // The merge under an include would recurse through every level.
    s.write("base.json", "{}");
    s.write("deep.json", R"({"include": "base.json", "comment": )" + std::string(30000, '[') +
                             std::string(30000, ']') + "}");
    run = s.varnel({"simulate", "deep.json", "-o", "x.trc"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Values nest too deeply"), std::string::npos) << run.err;

    std::string events;
    for (int k = 0; k < 1001; ++k)
        events += std::string(k ? "," : "") + R"({"positionKM": 0.5, "lossDB": 0.1})";
    s.write("many.json", R"({"events": [)" + events + "]}");
    run = s.varnel({"simulate", "many.json", "-o", "x.trc"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("at most 1000 events"), std::string::npos) << run.err;

    s.write("long.json",
            R"({"pointCount": 4194304, "events": [)" + events.substr(0, 34 + 35 * 99) + "]}");
    run = s.varnel({"simulate", "long.json", "-o", "x.trc"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Too many points for so many sections and events"), std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(s.path("x.trc")));
}

TEST(CliSimulate, IncludeCyclesStop) {
    Scratch s;
    s.write("a.json", R"({"include": "b.json"})");
    s.write("b.json", R"({"include": "a.json"})");
    Outcome run = s.varnel({"simulate", "a.json", "-o", "a.trc"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Includes nest too deeply"), std::string::npos) << run.err;
}

} // namespace

} // namespace varnel::cli::test
