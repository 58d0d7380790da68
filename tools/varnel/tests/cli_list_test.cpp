// list: trace lists made and read by scripts.
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace varnel::cli::test {

namespace {

TEST(CliList, CreatesAListRelativeToItselfAndReadsItBackAfterAMove) {
    Scratch s;
    std::filesystem::create_directories(s.path("cable/sub"));
    const std::string a = s.simulate("cable/a.trc");
    const std::string b = s.simulate("cable/sub/b.trc");
    Outcome made = s.varnel({"list", "--create", s.path("cable/cable.trl"), a, b, a});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.err.find("is already in the trace list"), std::string::npos);
    EXPECT_EQ(lines(made.out), (std::vector<std::string>{"a.trc -> " + a, "sub\\b.trc -> " + b}));

    std::filesystem::rename(s.path("cable"), s.path("moved"));
    Outcome read = s.varnel({"list", "--json", s.path("moved/cable.trl")});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const auto doc = read.json();
    ASSERT_EQ(doc["entries"].size(), 2u);
    EXPECT_EQ(doc["entries"][1]["stored"], "sub\\b.trc");
    EXPECT_EQ(doc["entries"][1]["path"], s.path("moved/sub/b.trc"));
    EXPECT_EQ(doc["entries"][1]["found"], true);
}

TEST(CliList, MissingTracesAndDamagedListsAreReported) {
    Scratch s;
    Outcome refused = s.varnel({"list", "--create", s.path("x.trl"), s.path("nothing.trc")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(s.path("x.trl")));

    s.write("windows.trl", std::string("TRL\0\1\0\0\0\1\0\16C:\\cab\\f01.sor", 25));
    Outcome read = s.varnel({"list", "--json", s.path("windows.trl")});
    EXPECT_EQ(read.exitCode, 0);
    const auto doc = read.json();
    EXPECT_EQ(doc["entries"][0]["path"], "C:\\cab\\f01.sor");
    EXPECT_EQ(doc["entries"][0]["found"], false);
    EXPECT_EQ(doc["warnings"].size(), 1u);

    s.write("bad.trl", "TRL");
    EXPECT_EQ(s.varnel({"list", s.path("bad.trl")}).exitCode, 1);
}

} // namespace

} // namespace varnel::cli::test
