#include "support/native_sample.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

using namespace varnel::test;
namespace fs = std::filesystem;
namespace {

class TraceFiles : public testing::Test {
protected:
    fs::path dir_;

    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("varnel-native-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::u16string at(const std::string& name) const { return (dir_ / name).u16string(); }

    void put(const std::string& name, const Bytes& bytes) const {
        std::ofstream out(dir_ / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    Bytes contents(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

std::u16string traceType(const CT6& r) {
    char16_t buffer[40];
    return r.GetTraceType(buffer);
}

} // namespace

TEST_F(TraceFiles, OpenSetsTheFileSpecAndClearsModifications) {
    put("a.t6", EncodeItems(MakeNativeSample().items));
    CT6 r;
    r.SetModFlag(T6_MOD_EVENTS);
    ASSERT_EQ(r.DecompFile(at("a.t6").c_str(), 1), T6_FILE_OK);
    char16_t name[200];
    EXPECT_EQ(std::u16string(r.GetFilename(name)), u"a.t6");
    EXPECT_EQ(std::u16string(r.GetPath(name)), dir_.u16string() + u"/");
    EXPECT_EQ(r.IsTraceRecalled(), 1);
    EXPECT_EQ(r.IsModFlagSet(0xFFFFFFFF), 0);
    EXPECT_EQ(traceType(r), u"T6"); // whatever the file said
}

TEST_F(TraceFiles, OpenFailuresHaveTheirStatus) {
    CT6 r;
    EXPECT_EQ(r.DecompFile(at("missing.t6").c_str(), 0), T6_FILE_CANNOT_OPEN);
    put("end-only.t6", NativeFile({}));
    EXPECT_EQ(r.DecompFile(at("end-only.t6").c_str(), 0), T6_FILE_INVALID_CONTENT);
    EXPECT_EQ(traceType(r), u"T6");
    char16_t name[200];
    EXPECT_EQ(std::u16string(r.GetFilename(name)), u"");
    put("other.bin", Bytes(400, 'x'));
    // Neither native nor SR-4731: only the legacy converter, absent here, could say.
    EXPECT_EQ(r.DecompFile(at("other.bin").c_str(), 0), T6_ERR_NO_LEGACY_CONVERTER);
    put("empty", {});
    EXPECT_EQ(r.DecompFile(at("empty").c_str(), 0), T6_FILE_DAMAGED);
}

TEST_F(TraceFiles, SaveAsNativeReadsBackAndKeepsTheTraceType) {
    CT6 r = DecodedNativeSample();
    ASSERT_EQ(traceType(r), u"SR4731");
    r.SetFilespec(u"");
    ASSERT_EQ(r.FileSaveAs(at("out.t6").c_str(), u"T6", 0, 1), T6_FILE_OK);
    EXPECT_EQ(traceType(r), u"SR4731");
    char16_t name[200];
    EXPECT_EQ(std::u16string(r.GetFilename(name)), u"out.t6");

    CT6 back;
    ASSERT_EQ(back.DecompFile(at("out.t6").c_str(), 1), T6_FILE_OK);
    EXPECT_EQ(back.DPOCount(), NativeSample::kPoints);
    auto items = ItemsOf(contents("out.t6"));
    auto type = std::find_if(items.begin(), items.end(), [](auto& i) { return i.tag == 78; });
    ASSERT_NE(type, items.end());
    EXPECT_EQ(type->value, Str(u"T6"));
}

TEST_F(TraceFiles, SaveFillsTheFilenameHeaderField) {
    CT6 r = DecodedNativeSample();
    ASSERT_EQ(r.FileSaveAs(at("named.t6").c_str(), u"T6", 0, 0), T6_FILE_OK);
    uint8_t page = 0, line = 0, column = 0, length = 0, kind = 0;
    char16_t text[64];
    ASSERT_EQ(r.HDRGetFldInfo(1, 1, page, line, column, length, kind, text), 0);
    EXPECT_EQ(kind, 13);
    EXPECT_EQ(std::u16string(text), u"named.t6");
}

TEST_F(TraceFiles, FormatNamesAreExact) {
    CT6 r;
    for (const char16_t* name : {u"t6", u"T6 ", u"", u"SOR"})
        EXPECT_EQ(r.FileSaveAs(at("x").c_str(), name, 0, 0), T6_FILE_INVALID_CONTENT);
    EXPECT_EQ(r.FileSaveAs(at("x").c_str(), nullptr, 0, 0), T6_FILE_INVALID_CONTENT);
    EXPECT_FALSE(fs::exists(dir_ / "x"));
}

TEST_F(TraceFiles, TracesLargerThanTheFirstBufferAreRetried) {
    CT6 r = DecodedNativeSample();
    r.DPOInitArray(120000);
    r.DPOSetCount(120000);
    ASSERT_GT(r.CompT6(nullptr, 0, 0, 0), 200000);
    ASSERT_EQ(r.FileSaveAs(at("big.t6").c_str(), u"T6", 0, 0), T6_FILE_OK);
    CT6 back;
    ASSERT_EQ(back.DecompFile(at("big.t6").c_str(), 0), T6_FILE_OK);
    EXPECT_EQ(back.DPOCount(), 120000);
}

TEST_F(TraceFiles, FailedSaveKeepsTheOldFile) {
    CT6 r = DecodedNativeSample();
    put("keep.t6", {'o', 'l', 'd'});
    EXPECT_EQ(r.FileSaveAs(at("no/such/folder/x.t6").c_str(), u"T6", 0, 0), T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(contents("keep.t6"), Bytes({'o', 'l', 'd'}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);
}

TEST_F(TraceFiles, SaveUsesTheRecordsOwnPathAndFormat) {
    CT6 r = DecodedNativeSample();
    r.SetFilespec(at("own.t6").c_str());
    r.SetTraceType(u"T6");
    ASSERT_EQ(r.FileSave(0, 0), T6_FILE_OK);
    EXPECT_TRUE(fs::exists(dir_ / "own.t6"));
    r.SetTraceType(u"Unknown");
    EXPECT_EQ(r.FileSave(0, 0), T6_FILE_INVALID_CONTENT);
}
