#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t kUnset = 0x63636363;

struct Histogram {
    explicit Histogram(int32_t maxLevel)
        : count(maxLevel + 1, -1), firstPos(maxLevel + 1, -1), lastPos(maxLevel + 1, -1) {}
    std::vector<int32_t> count, firstPos, lastPos;
};

TEST(DVFreqDist, CountsEachLevelAStepPasses) {
    //                             0  1  2  3  4  5
    std::vector<uint16_t> values{2, 5, 5, 3, 4, 9};
    Histogram h(9);
    ASSERT_EQ(CT6::DVFreqDist(values.data(), 0, 5, 0, 9, h.count.data(), h.firstPos.data(),
                              h.lastPos.data()),
              0);
    // Steps: 2->5 passes 2,3,4; 5->5 touches 5; 5->3 passes 3,4; 3->4 passes 3; 4->9 passes 4..8.
    std::vector<int32_t> expected{0, 0, 1, 3, 3, 2, 1, 1, 1, 0};
    EXPECT_EQ(h.count, expected);
    EXPECT_EQ(h.firstPos[3], 0);
    EXPECT_EQ(h.lastPos[3], 3);
    EXPECT_EQ(h.firstPos[5], 1);
    EXPECT_EQ(h.lastPos[5], 4);
    EXPECT_EQ(h.firstPos[9], kUnset) << "untouched levels keep the large start value";
    EXPECT_EQ(h.lastPos[9], 0);
}

TEST(DVFreqDist, OnlyLevelsInsideTheLimitsAreCounted) {
    std::vector<uint16_t> values{0, 60000, 10};
    Histogram h(20);
    CT6::DVFreqDist(values.data(), 1, 2, 5, 20, h.count.data(), h.firstPos.data(),
                    h.lastPos.data());
    for (int32_t i = 0; i <= 20; ++i)
        EXPECT_EQ(h.count[i], i >= 10 ? 1 : 0) << i;
    EXPECT_EQ(h.firstPos[10], 1) << "only the step from point 1 is in range";
}

TEST(DVFreqDist, RefusesMissingArrays) {
    std::vector<uint16_t> values{1, 2};
    Histogram h(4);
    EXPECT_EQ(CT6::DVFreqDist(values.data(), 0, 1, 0, -1, h.count.data(), h.firstPos.data(),
                              h.lastPos.data()),
              1);
    EXPECT_EQ(
        CT6::DVFreqDist(values.data(), 0, 1, 0, 4, nullptr, h.firstPos.data(), h.lastPos.data()),
        1);
}

TEST(SymMatrix3X3Inv, InverseTimesMatrixIsIdentity) {
    const double original[3][3] = {{4, 1, 2}, {1, 3, 0.5}, {2, 0.5, 5}};
    double m[3][3];
    std::copy(&original[0][0], &original[0][0] + 9, &m[0][0]);
    ASSERT_EQ(T6SymMatrix3X3Inv(m), 1);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            double sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += original[r][k] * m[k][c];
            EXPECT_NEAR(sum, r == c ? 1.0 : 0.0, 1e-12) << r << "," << c;
            EXPECT_EQ(m[r][c], m[c][r]);
        }
}

TEST(SymMatrix3X3Inv, AsymmetricOrSingularIsLeftAlone) {
    double asymmetric[3][3] = {{1, 2, 0}, {2.0000001, 1, 0}, {0, 0, 1}};
    EXPECT_EQ(T6SymMatrix3X3Inv(asymmetric), 0);
    EXPECT_EQ(asymmetric[0][0], 1);
    EXPECT_EQ(asymmetric[1][0], 2.0000001);

    double singular[3][3] = {{1, 2, 3}, {2, 4, 6}, {3, 6, 10}};
    EXPECT_EQ(T6SymMatrix3X3Inv(singular), 0);
    EXPECT_EQ(singular[2][2], 10);
}

} // namespace
