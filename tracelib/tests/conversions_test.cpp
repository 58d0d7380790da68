#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cmath>

TEST(Rounding, HalfAwayFromZero) {
    EXPECT_EQ(T6LONGRounded(2.5), 3);
    EXPECT_EQ(T6LONGRounded(-2.5), -3);
    EXPECT_EQ(T6LONGRounded(-2.4), -2);
}

TEST(Rounding, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(T6LONGRounded(1e300), INT32_MAX);
    EXPECT_EQ(T6LONGRounded(-1e300), INT32_MIN);
    EXPECT_EQ(T6LONGRounded(std::nan("")), 0);
}

TEST(DPFR, FromDoubleIsFloorWithRoundedRemainder) {
    uint16_t fr = 1;
    EXPECT_EQ(T6DPFRFromDouble(-1.5, fr), -2);
    EXPECT_EQ(fr, 32768);
    EXPECT_EQ(T6DPFRFromDouble(3.99999999, fr), 4);
    EXPECT_EQ(fr, 0);
    EXPECT_EQ(T6DPFRFromDouble(-2.0, fr), -2);
    EXPECT_EQ(fr, 0);
    EXPECT_EQ(T6DPFRFromDouble(7.25, fr), 7);
    EXPECT_EQ(fr, 16384);
}

TEST(DPFR, AddAndSubtractCarryThroughTheFraction) {
    int32_t dp = 0;
    uint16_t fr = 0;
    T6AddDPFR(dp, fr, 1, 40000, 2, 30000);
    EXPECT_EQ(dp, 4);
    EXPECT_EQ(fr, 4464);
    T6SubDPFR(dp, fr, 1, 0, 0, 1);
    EXPECT_EQ(dp, 0);
    EXPECT_EQ(fr, 65535);
}

TEST(DPFR, CompareAndUnpack) {
    EXPECT_EQ(T6CompareDPFR(1, 5, 1, 6), -1);
    EXPECT_EQ(T6CompareDPFR(2, 0, 1, 65535), 1);
    EXPECT_EQ(T6CompareDPFR(3, 3, 3, 3), 0);
    uint16_t fr = 0;
    EXPECT_EQ(T6DPFRFrom1616(-65536 + 0x1234, fr), -1);
    EXPECT_EQ(fr, 0x1234);
}
