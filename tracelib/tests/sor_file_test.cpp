#include "formats/sor_parse.h"
#include "support/sor_files.h"

#include <gtest/gtest.h>

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace varnel;
using namespace varnel::test;

namespace {

class SorFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("varnel-sor-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::u16string at(const std::string& name) const { return (folder_ / name).u16string(); }
    void put(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::vector<uint8_t> get(const std::string& name) const {
        return readFileBytes(folder_ / name);
    }

    fs::path folder_;
};

CT6 simulatedRecord() {
    CT6 r;
    sim::FibreDescription f = sim::plainFibre(8.0, 0.35, 16384, 1.0, 100);
    f.dynamicRangeDB = 32.0;
    f.events = {{2.5, 0.3, 0.0}};
    sim::simulateFibre(f, r);
    r.SetCableID(u"Saved");
    return r;
}

std::u16string traceType(const CT6& r) {
    char16_t buffer[32] = {};
    return r.GetTraceType(buffer);
}

// A file whose proprietary block is "KVRParams" instead of ours.
std::vector<uint8_t> kvrFile() {
    auto bytes = writeSor(fullSorFile(2), std::vector<uint8_t>(64, 7));
    const std::string from("Vosseltrak \0", 12);
    const std::string to("KVRParams  \0", 12);
    for (auto it = bytes.begin();
         (it = std::search(it, bytes.end(), from.begin(), from.end())) != bytes.end();) {
        std::copy(to.begin(), to.end(), it);
    }
    return bytes;
}

} // namespace

TEST_F(SorFiles, SaveAsAndOpenBothIssues) {
    struct Case {
        const char16_t* format;
        uint16_t revision;
        const char16_t* readAs;
    };
    for (const Case& c : {Case{u"SR4731", 200, u"SR4731"}, Case{u"Bellcore", 100, u"GR196"},
                          Case{u"GR196", 100, u"GR196"}}) {
        CT6 r = simulatedRecord();
        ASSERT_EQ(r.FileSaveAs(at("a.sor").c_str(), c.format, 0, 0), 0);
        EXPECT_EQ(getU16(get("a.sor"), 4), c.revision);
        CT6 back;
        ASSERT_EQ(back.DecompFile(at("a.sor").c_str(), 0), 0);
        EXPECT_EQ(traceType(back), c.readAs);
        EXPECT_TRUE(back.IsTraceRecalled());
        EXPECT_FALSE(back.IsModFlagSet(0xFFFFFFFF));
        char16_t name[130] = {};
        EXPECT_EQ(std::u16string(back.GetFilename(name)), u"a.sor");
        char16_t cable[40] = {};
        EXPECT_EQ(std::u16string(back.GetCableID(cable)), u"Saved");
        EXPECT_EQ(back.EVCount(), r.EVCount());
    }
}

TEST_F(SorFiles, IssueOneWithKvrParamsGoesToTheLegacyRoute) {
    auto bytes = kvrFile();
    putU16(bytes, 4, 100); // "Map" with an issue-1 revision
    const auto probed = sor::probe(bytes);
    EXPECT_EQ(probed.version, 1);
    EXPECT_EQ(probed.blockMark, 1);
    put("kvr.sor", bytes);
    CT6 r;
    EXPECT_EQ(r.DecompFile(at("kvr.sor").c_str(), 0), T6_ERR_NO_LEGACY_CONVERTER);

    putU16(bytes, 4, 200); // the same file as issue 2 is ours to read
    put("kvr2.sor", bytes);
    ASSERT_EQ(r.DecompFile(at("kvr2.sor").c_str(), 0), 0);
    EXPECT_EQ(traceType(r), u"SR4731");
}

TEST_F(SorFiles, DamagedFilesOpenWithStatus8) {
    auto f = fullSorFile(2);
    f.fxd.groupIndex = 0;
    put("bad.sor", writeSor(f));
    CT6 r;
    EXPECT_EQ(r.DecompFile(at("bad.sor").c_str(), 0), 8);
    auto cut = writeSor(fullSorFile(2));
    cut.resize(cut.size() - 1);
    put("cut.sor", cut);
    EXPECT_EQ(r.DecompFile(at("cut.sor").c_str(), 0), 8);
}
