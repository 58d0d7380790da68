#include "core/trace/graph/ticks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace orvane::graph {
namespace {

using ::testing::ElementsAre;

TEST(ComputeTicks, TwentyFiveKMAcross600PixelsStepsByFiveWithFiveMinorParts) {
    TickList t = ComputeTicks(0, 25, 600);
    EXPECT_DOUBLE_EQ(t.step, 5);
    EXPECT_EQ(t.labelDecimals, 0);
    EXPECT_EQ(t.minorParts, 5);
    EXPECT_THAT(t.majorValues, ElementsAre(0, 5, 10, 15, 20));
    EXPECT_THAT(t.majorPixels, ElementsAre(0, 120, 240, 360, 480));
    ASSERT_EQ(t.minorPixels.size(), 20u); // four between each major, and after the last
    EXPECT_EQ(t.minorPixels.front(), 24);
}

TEST(ComputeTicks, OnePointTwoDBAcross300PixelsStepsByHalfWithOneDecimal) {
    TickList t = ComputeTicks(0, 1.2, 300);
    EXPECT_DOUBLE_EQ(t.step, 0.5);
    EXPECT_EQ(t.labelDecimals, 1);
    EXPECT_EQ(t.minorParts, 5);
    EXPECT_THAT(t.majorValues, ElementsAre(0, 0.5, 1.0));
}

TEST(ComputeTicks, StartsAtTheFirstMultipleInsideTheSpan) {
    TickList t = ComputeTicks(3.2, 25, 600);
    EXPECT_THAT(t.majorValues, ElementsAre(5, 10, 15, 20, 25));
    EXPECT_EQ(t.majorPixels.front(), 43); // (5 - 3.2) * 24 px/km
}

TEST(ComputeTicks, FourPartMinorsFollowATwoStep) {
    TickList t = ComputeTicks(0, 10, 400); // at least 1.5 apart: 2
    EXPECT_DOUBLE_EQ(t.step, 2);
    EXPECT_EQ(t.minorParts, 4);
}

TEST(ComputeTicks, DropsALastTickThatReachesTheFarEdge) {
    // The major at 10 lies inside the span but its pixel rounds to 600.
    TickList t = ComputeTicks(0, 10.0004, 600);
    EXPECT_THAT(t.majorValues, ElementsAre(0, 2, 4, 6, 8));
    EXPECT_LT(t.minorPixels.back(), 600);
}

TEST(ComputeTicks, NoTicksWithoutSpanOrPixels) {
    EXPECT_TRUE(ComputeTicks(0, 0, 600).IsEmpty());
    EXPECT_TRUE(ComputeTicks(0, 25, 0).IsEmpty());
    EXPECT_TRUE(ComputeTicks(0, -1, 600).IsEmpty());
}

} // namespace
} // namespace orvane::graph
