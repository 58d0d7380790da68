#include "support/pif_bytes.h"
#include "support/scratch_file.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using varnel::test::int32Bytes;
using varnel::test::RawPif;
using varnel::test::ScratchFile;
using varnel::test::utf16;

namespace {

class PifFile : public ::testing::Test {
protected:
    void TearDown() override {
        T6PIFInFinal();
        T6PIFPutFinal();
    }
    int32_t open(const RawPif& raw) {
        file.write(raw.bytes);
        return T6PIFInInit(file.path().c_str());
    }
    std::u16string nextText() { return T6PIFRecGet(text); }
    int32_t nextInt() {
        int32_t n = 0;
        T6PIFRecGet(n);
        return n;
    }
    double nextDouble() {
        double x = 0;
        T6PIFRecGet(x);
        return x;
    }

    ScratchFile file{"test.pif"};
    char16_t text[T6_PIF_MAX_STRING];
    int32_t type = 0;
};

TEST_F(PifFile, WrittenRecordsReadBackInOrder) {
    ASSERT_EQ(T6PIFPutInit(file.widePath().c_str(), u"Route 7", 3, -4), 0);
    EXPECT_EQ(T6PIFPutPrinter(u"Plotter", 1, 2), 0);
    EXPECT_EQ(T6PIFPutT6Filespec(u"C:\\traces\\a.sor"), 0);
    EXPECT_EQ(T6PIFPutPageHdr(u"one", u"", u"three", nullptr, 1.5, -2.25, 9), 0);
    EXPECT_EQ(T6PIFPutGraphMeas(5, 0.1, 0.2, 0.3, 0.4, 6), 0);
    EXPECT_EQ(T6PIFPutT6Show(1, 2, 3, 4, 5), 0);
    const double first[4] = {1, 2, 3, 4};
    const double second[2] = {5, 6};
    EXPECT_EQ(T6PIFPutGraphView(7, first, second, 8, 9, 10, 11, 12), 0);
    ASSERT_EQ(T6PIFPutFinal(), 0);

    std::vector<uint8_t> bytes = file.read();
    ASSERT_GE(bytes.size(), 7u);
    EXPECT_EQ(std::memcmp(bytes.data(), "<T6PIF>", 7), 0);

    ASSERT_EQ(T6PIFInInit(file.path().c_str()), 0);
    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(type, 1);
    EXPECT_EQ(nextText(), u"Route 7");
    EXPECT_EQ(nextInt(), 3);
    EXPECT_EQ(nextInt(), -4);

    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(type, 2);
    EXPECT_EQ(nextText(), u"Plotter");

    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(type, 3);
    EXPECT_EQ(nextText(), u"C:\\traces\\a.sor");

    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(type, 5);
    EXPECT_EQ(nextText(), u"one");
    EXPECT_EQ(nextText(), u"");
    EXPECT_EQ(nextText(), u"three");
    EXPECT_EQ(nextText(), u"");
    EXPECT_EQ(nextDouble(), 1.5);
    EXPECT_EQ(nextDouble(), -2.25);
    EXPECT_EQ(nextInt(), 9);

    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(type, 6);
    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(type, 7);
    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(type, 8);
    EXPECT_EQ(nextInt(), 7);
    for (double expected : {1, 2, 3, 4, 5, 6})
        EXPECT_EQ(nextDouble(), expected);
    for (int32_t expected : {8, 9, 10, 11, 12})
        EXPECT_EQ(nextInt(), expected);
    int32_t n = 5;
    EXPECT_EQ(T6PIFRecGet(n), 1) << "past the end of the record";
    EXPECT_EQ(n, 0);

    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(type, -1);
    EXPECT_EQ(T6PIFRecLoad(type), 1) << "nothing after the final record";
}

TEST_F(PifFile, SignatureIsRequired) {
    RawPif wrong;
    wrong.bytes[5] = 'X';
    EXPECT_EQ(open(wrong), 1);

    RawPif shortFile;
    shortFile.bytes.resize(6);
    EXPECT_EQ(open(shortFile), 1);

    EXPECT_EQ(open(RawPif()), 0);
    EXPECT_EQ(T6PIFInInit((file.path() + ".missing").c_str()), 9);
    // Neither a FIFO without a writer nor a device holds us up.
    const std::string fifo = file.path() + ".fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(T6PIFInInit(fifo.c_str()), 9);
    ::unlink(fifo.c_str());
    EXPECT_EQ(T6PIFInInit("/dev/zero"), 9);
}

TEST_F(PifFile, RecordLongerThanTheBufferGrowsIt) {
    std::u16string longText(350000, u'x'); // 700,002 bytes of payload
    RawPif raw;
    raw.record(3, utf16(longText)).record(-1, {});
    ASSERT_EQ(open(raw), 0);
    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(type, 3);
    std::u16string cut = nextText();
    EXPECT_EQ(cut, longText.substr(0, T6_PIF_MAX_STRING - 1)) << "strings are bounded";
    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(type, -1);
}

TEST_F(PifFile, WriterGrowsPastTheBufferOnlyForTraces) {
    ASSERT_EQ(T6PIFPutInit(file.widePath().c_str(), u"", 0, 0), 0);
    std::u16string huge(400000, u'y');
    EXPECT_EQ(T6PIFPutT6Filespec(huge.c_str()), 2) << "a text record must fit the buffer";
    EXPECT_EQ(T6PIFPutT6Filespec(u"next"), 0) << "the writer goes on";
}

TEST_F(PifFile, MalformedRecordsGiveStatusesNotCrashes) {
    RawPif beyond;
    beyond.recordClaiming(3, 100, utf16(u"abc"));
    ASSERT_EQ(open(beyond), 0);
    EXPECT_EQ(T6PIFRecLoad(type), 1) << "length beyond the file";

    RawPif negative;
    negative.recordClaiming(3, -8, {1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_EQ(open(negative), 0);
    EXPECT_EQ(T6PIFRecLoad(type), 1);

    RawPif huge;
    huge.recordClaiming(3, 0x7FFFFFFF, {});
    ASSERT_EQ(open(huge), 0);
    EXPECT_EQ(T6PIFRecLoad(type), 1);

    RawPif halfHeader;
    halfHeader.bytes.insert(halfHeader.bytes.end(), {4, 0, 0});
    ASSERT_EQ(open(halfHeader), 0);
    EXPECT_EQ(T6PIFRecLoad(type), 1);

    RawPif unterminated;
    std::vector<uint8_t> odd = utf16(u"abc", false);
    odd.push_back('d'); // a dangling half character
    unterminated.record(3, odd);
    ASSERT_EQ(open(unterminated), 0);
    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(nextText(), u"abc");
    EXPECT_EQ(nextText(), u"");
    double x = 7;
    EXPECT_EQ(T6PIFRecGet(x), 1);
    EXPECT_EQ(x, 0);
}

TEST_F(PifFile, CallsWithoutAnOpenFileReportIt) {
    int32_t n = 5;
    EXPECT_EQ(T6PIFRecLoad(type), 9);
    EXPECT_EQ(T6PIFRecGet(n), 1);
    EXPECT_EQ(T6PIFSetT6Parms(9), 1);
    EXPECT_EQ(T6PIFPutT6Filespec(u"a"), 9);
    EXPECT_EQ(T6PIFPutFinal(), 9);
    EXPECT_EQ(T6PIFPutInit(u"/no/such/folder/x.pif", u"", 0, 0), 9);
}

TEST_F(PifFile, BackslashesSeparateFolders) {
    std::u16string wide = file.widePath();
    for (char16_t& c : wide)
        if (c == u'/') c = u'\\';
    ASSERT_EQ(T6PIFPutInit(wide.c_str(), u"t", 0, 0), 0);
    ASSERT_EQ(T6PIFPutFinal(), 0);
    std::string narrow = file.path();
    for (char& c : narrow)
        if (c == '/') c = '\\';
    EXPECT_EQ(T6PIFInInit(narrow.c_str()), 0);
}

} // namespace
