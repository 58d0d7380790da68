// Links against the shared library alone: everything used here must be exported.
#include <varnel/file_io.h>
#include <varnel/outside_library.h>
#include <varnel/scaled_values.h>
#include <varnel/text_codec.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

TEST(PublicApi, ConversionsAreExported) {
    EXPECT_EQ(T6ScaledFromKM(1.5), 1500000);
    EXPECT_EQ(T6GetCountCurDist(), 5);
}

TEST(PublicApi, RecordIsExported) {
    CT6 trace;
    CT6 copy = trace;
    (void)copy;
}

TEST(PublicApi, BareRecordDistanceAcceptsNone) {
    EXPECT_EQ(T6KMFromDPFR(nullptr, 10, 0), 0.0);
}

TEST(PublicApi, SharedHelpersAreExported) {
    EXPECT_EQ(varnel::utf8FromUtf16(varnel::utf16From8Bit("caf\xE9")), "caf\xC3\xA9");
    EXPECT_EQ(varnel::systemPath(u"/tmp\\b"), "/tmp/b");
    EXPECT_EQ(varnel::systemPath(varnel::utf16Path("caf\xE9").c_str()), "caf\xE9");
    EXPECT_TRUE(T6ScaledIsSaturated(T6ScaledFromDB(-1e6)));
    std::vector<uint8_t> bytes;
    EXPECT_EQ(varnel::readWholeFile(u"/no/such/file", bytes), T6_FILE_CANNOT_OPEN);
    // A missing outside library is an answer, not an error.
    varnel::OutsideLibrary absent("NoSuchOutsideLibrary");
    EXPECT_FALSE(absent.loaded());
    EXPECT_EQ(absent.symbol("Anything"), nullptr);
}
