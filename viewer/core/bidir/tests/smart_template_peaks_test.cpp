// The counters' side of the smart template: splitting neighbouring peaks and
// placing template events with their loss modes and segments.
#include "core/bidir/smart_template_peaks.h"

#include <varnel/codes.h>

#include <gtest/gtest.h>

namespace orvane::bidir {
namespace {

EventCounts countsOf(int32_t points) {
    EventCounts counts;
    counts.count.assign(static_cast<size_t>(points), 0);
    counts.marks.assign(static_cast<size_t>(points), 0);
    return counts;
}

void fill(EventCounts& counts, int32_t from, int32_t to, int16_t value, uint8_t marks = 0) {
    for (int32_t j = from; j <= to; ++j) {
        counts.count[static_cast<size_t>(j)] = value;
        counts.marks[static_cast<size_t>(j)] |= marks;
    }
}

// Two splices 100 points apart, seen by all ten traces, with the counts
// between them at `between`.
EventCounts twoSplices(int16_t between) {
    EventCounts counts = countsOf(1000);
    fill(counts, 400, 410, 10);
    fill(counts, 411, 499, between);
    fill(counts, 500, 510, 10);
    return counts;
}

const SearchRange kWhole{0, 999};
const PeakLimits kLimits{20, 2, 50, 500};

TEST(SmartTemplatePeaks, CountsThatFallToHalfBetweenTwoSplicesSplitIntoTwoEvents) {
    EventCounts counts = twoSplices(5);
    separatePeaks(counts.count, kWhole, 2);
    EXPECT_EQ(counts.count[498], 0);
    EXPECT_EQ(counts.count[499], 0);
    const auto plans = placePeaks(counts, kWhole, kLimits);
    ASSERT_EQ(plans.size(), 2u);
    EXPECT_EQ(plans[0].startDP, 400);
    EXPECT_EQ(plans[1].startDP, 500);
    EXPECT_EQ(plans[1].endDP, 510);
}

TEST(SmartTemplatePeaks, CountsThatStayAboveEightyPercentMakeOneEvent) {
    EventCounts counts = twoSplices(9);
    separatePeaks(counts.count, kWhole, 2);
    const auto plans = placePeaks(counts, kWhole, kLimits);
    ASSERT_EQ(plans.size(), 1u);
    EXPECT_EQ(plans[0].startDP, 400);
    EXPECT_EQ(plans[0].endDP, 510);
}

TEST(SmartTemplatePeaks, CountsBelowMinFrequencyMakeNoEvent) {
    EventCounts counts = countsOf(100);
    fill(counts, 40, 45, 1);
    separatePeaks(counts.count, {0, 99}, 2);
    EXPECT_TRUE(placePeaks(counts, {0, 99}, kLimits).empty());
}

TEST(SmartTemplatePeaks, ClearSpaceGivesSpliceLossWithSegmentsFromNinetyToTenPercentOfTheGap) {
    EventCounts counts = countsOf(1000);
    fill(counts, 300, 310, 8);
    const auto plans = placePeaks(counts, kWhole, kLimits);
    ASSERT_EQ(plans.size(), 1u);
    const PeakPlan& p = plans[0];
    EXPECT_EQ(p.lossMode, T6_LOSS_SPLICE);
    EXPECT_EQ(p.type, T6_EVENT_NON_REFLECTIVE);
    EXPECT_EQ(p.peak, 8);
    // Left gap 300 points; right gap 689, limited to 500.
    EXPECT_EQ(p.aStartOff, -270);
    EXPECT_EQ(p.aEndOff, -30);
    EXPECT_EQ(p.bStartOff, 10 + 50);
    EXPECT_EQ(p.bEndOff, 10 + 450);
    // Placed counters are negated, not cleared.
    EXPECT_EQ(counts.count[305], -8);
}

TEST(SmartTemplatePeaks, RisingCountsMoveTheStartToWhereHalfTheTracesAgree) {
    EventCounts counts = countsOf(1000);
    for (int16_t k = 1; k <= 10; ++k)
        fill(counts, 300 + k - 1, 300 + k - 1, k);
    fill(counts, 310, 320, 10);
    const PeakPlan p = placePeaks(counts, kWhole, kLimits).at(0);
    EXPECT_EQ(p.startDP, 305); // first counter above 10 / 2
    EXPECT_EQ(p.aEndOff, -30 - 5);
    EXPECT_EQ(p.bStartOff, 20 + 50 - 5); // right gap limited to far
}

TEST(SmartTemplatePeaks, ANeighbourCloserThanNearGivesTwoPointLossWithMargins) {
    EventCounts counts = countsOf(1000);
    fill(counts, 300, 310, 10);
    fill(counts, 341, 350, 6, kMarkReflective);
    const auto plans = placePeaks(counts, kWhole, kLimits);
    ASSERT_EQ(plans.size(), 2u);
    for (const PeakPlan& p : plans)
        EXPECT_EQ(p.lossMode, T6_LOSS_2POINT_ATN_COR);
    // Gap of 30 points between the runs: a tenth of it widens each side.
    EXPECT_EQ(plans[0].startDP, 297);
    EXPECT_EQ(plans[0].endDP, 313);
    EXPECT_EQ(plans[1].type, T6_EVENT_REFLECTIVE);
    EXPECT_EQ(plans[1].startDP, 338);
}

TEST(SmartTemplatePeaks, GroupMarkWinsOverReflective) {
    EventCounts counts = countsOf(1000);
    fill(counts, 300, 305, 4, kMarkReflective);
    fill(counts, 303, 303, 4, kMarkGroup);
    EXPECT_EQ(placePeaks(counts, kWhole, kLimits).at(0).type, T6_EVENT_GROUP);
}

TEST(SmartTemplatePeaks, CountingClampsToTheReferencePoints) {
    EventCounts counts = countsOf(10);
    countEvent(counts, -5, 2, kMarkGroup);
    countEvent(counts, 8, 40, 0);
    EXPECT_EQ(counts.count[0], 1);
    EXPECT_EQ(counts.count[2], 1);
    EXPECT_EQ(counts.count[3], 0);
    EXPECT_EQ(counts.count[9], 1);
    EXPECT_EQ(counts.marks[1], kMarkGroup);
}

} // namespace
} // namespace orvane::bidir
