// Saves cut short, links, FIFOs, huge files and names that are not UTF-8, as
// an unlucky user meets them.
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace varnel::cli::test {

namespace {

namespace fs = std::filesystem;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Names in the folder other than the ones listed: what a save left behind.
std::vector<std::string> othersIn(const Scratch& s, const std::vector<std::string>& expected) {
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(s.dir())) {
        const std::string name = entry.path().filename().string();
        if (std::find(expected.begin(), expected.end(), name) == expected.end())
            others.push_back(name);
    }
    return others;
}

constexpr char kTwoKilobytes[] = "ulimit -f 4;"; // 512-byte blocks

} // namespace

TEST(CliFileFaults, AFileSizeLimitFailsTheSaveAndKeepsTheOldFiles) {
    Scratch s;
    const std::string trace = s.simulate("fibre.trc", R"("eventTable": false)");
    const std::string bytes = s.read("fibre.trc");
    Outcome run = s.varnel({"analyze", "--write", trace}, kTwoKilobytes);
    EXPECT_EQ(run.exitCode, 1) << run.err; // not ended by SIGXFSZ
    EXPECT_TRUE(contains(run.err, trace + ": File write error.")) << run.err;
    EXPECT_EQ(s.read("fibre.trc"), bytes);

    s.write("fibre.trc.TXT", "old export");
    run = s.varnel({"export", trace}, kTwoKilobytes);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.err, "fibre.trc.TXT: File write error.")) << run.err;
    EXPECT_EQ(s.read("fibre.trc.TXT"), "old export");

    run = s.varnel({"convert", trace, s.path("copy.sor"), "--format", "SR4731"}, kTwoKilobytes);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(fs::exists(s.path("copy.sor")));
    EXPECT_EQ(othersIn(s, {"fibre.trc", "fibre.trc.json", "fibre.trc.truth.json", "fibre.trc.TXT"}),
              std::vector<std::string>{});
}

TEST(CliFileFaults, SavingThroughASymbolicLinkReplacesItsTarget) {
    Scratch s;
    const std::string trace = s.simulate("fibre.trc", R"("eventTable": false)");
    fs::create_directory(s.path("store"));
    fs::rename(trace, s.path("store/fibre.trc"));
    fs::create_symlink("store/fibre.trc", trace);
    Outcome run = s.varnel({"analyze", "--write", trace});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(trace));
    Outcome after = s.varnel({"info", "--json", s.path("store/fibre.trc")});
    EXPECT_FALSE(after.json()["traces"][0]["events"].empty());
}

TEST(CliFileFaults, FifosDevicesAndHugeFilesAreRefusedAtOnce) {
    Scratch s;
    ASSERT_EQ(::mkfifo(s.path("pipe.sor").c_str(), 0600), 0);
    s.write("huge.sor", "");
    fs::resize_file(s.path("huge.sor"), std::uintmax_t{2} << 30); // sparse
    Outcome run = s.varnel({"info", "pipe.sor", "/dev/zero", "huge.sor"}, "timeout 20");
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_TRUE(contains(run.err, "pipe.sor: File open error: not a regular file (a FIFO)"))
        << run.err;
    EXPECT_TRUE(contains(run.err, "/dev/zero: File open error: not a regular file (a device)"));
    EXPECT_TRUE(contains(run.err, "huge.sor: File open error: larger than 64 MB, more than any "
                                  "trace file holds"));
}

TEST(CliFileFaults, NamesThatAreNotUtf8OrHoldABackslashKeepEveryByte) {
    Scratch s;
    const std::string source = s.simulate("fibre.trc", R"("eventTable": false)");
    for (const std::string name : {"tr\xe9s.trc", "a\\b.trc"}) {
        fs::copy_file(source, s.path(name));
        Outcome run = s.varnel({"analyze", "--write", name});
        ASSERT_EQ(run.exitCode, 0) << name << run.err;
        run = s.varnel({"convert", name, name + ".sor", "--format", "SR4731"});
        ASSERT_EQ(run.exitCode, 0) << name << run.err;
        run = s.varnel({"export", name + ".sor"});
        ASSERT_EQ(run.exitCode, 0) << name << run.err;
        EXPECT_TRUE(fs::exists(s.path(name + ".sor.TXT"))) << name;
    }
    EXPECT_FALSE(fs::exists(s.path("a"))); // the backslash made no folder
}

TEST(CliFileFaults, SaturatedValuesOfARealFileShowAsNotAvailable) {
    const fs::path file = fs::path(VARNEL_SHARED_SAMPLES) / "sor" / "godwin-projec__test.sor";
    if (!fs::exists(file)) GTEST_SKIP() << "shared samples not found";
    Scratch s;
    Outcome run = s.varnel({"info", "--json", file.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto trace = run.json()["traces"][0];
    EXPECT_EQ(trace["header"]["backscatter"], "N/A");
    EXPECT_EQ(trace["header"]["range"], "N/A");
    EXPECT_TRUE(trace["values"]["backscatterDB"].is_null());
    EXPECT_TRUE(trace["values"]["rangeKM"].is_null());
    Outcome text = s.varnel({"info", file.string()});
    EXPECT_FALSE(contains(text.out, "2147")) << text.out;
    EXPECT_FALSE(contains(text.out, "2000 km")) << text.out;
}

} // namespace varnel::cli::test
