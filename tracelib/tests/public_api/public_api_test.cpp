// Links against the shared library alone: everything used here must be exported.
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

TEST(PublicApi, BareRecordDistanceAcceptsNone) { EXPECT_EQ(T6KMFromDPFR(nullptr, 10, 0), 0.0); }
