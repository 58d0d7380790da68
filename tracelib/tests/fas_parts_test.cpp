// The building blocks of the event analysis that work without a trace.
#include "analysis/boxcar.h"
#include "analysis/fas_candidates.h"
#include "analysis/fas_run.h"
#include "analysis/fas_settings.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

using varnel::Candidate;
using varnel::CandidateArray;

TEST(FasCandidates, FullArrayOverwritesTheLastEntry) {
    CandidateArray candidates;
    ASSERT_TRUE(candidates.allocate());
    for (int32_t i = 0; i < CandidateArray::kCapacity; ++i)
        candidates.add(i, i, 2);
    candidates.add(5000, 5001, 1);
    EXPECT_EQ(candidates.count(), CandidateArray::kCapacity);
    EXPECT_EQ(candidates[CandidateArray::kCapacity - 1].startDP, 5000);
    EXPECT_EQ(candidates[CandidateArray::kCapacity - 2].startDP, CandidateArray::kCapacity - 2);
}

TEST(FasCandidates, CompactDropsRemovedAndSortsByStart) {
    CandidateArray candidates;
    ASSERT_TRUE(candidates.allocate());
    candidates.add(0, 10, 0);
    candidates.add(300, 310, 1);
    candidates.add(100, 100, 2);
    candidates.add(200, 200, 2);
    candidates.remove(3);
    candidates.compactAndSort();
    ASSERT_EQ(candidates.count(), 3);
    EXPECT_EQ(candidates[0].startDP, 0);
    EXPECT_EQ(candidates[1].startDP, 100);
    EXPECT_EQ(candidates[2].startDP, 300);
    EXPECT_FALSE(candidates.isRemoved(1));
}

TEST(FasCandidates, EqualStartsTakeTheFirstRemaining) {
    CandidateArray candidates;
    ASSERT_TRUE(candidates.allocate());
    candidates.add(50, 1, 2);
    candidates.add(50, 2, 2);
    candidates.add(20, 3, 2);
    candidates.compactAndSort();
    // Position 0 swaps in the 20, moving the first 50 behind the second.
    EXPECT_EQ(candidates[0].endDP, 3);
    EXPECT_EQ(candidates[1].endDP, 2);
    EXPECT_EQ(candidates[2].endDP, 1);
}

TEST(FasLineFit, SlopeOfAStraightLineAndOfTooFewPoints) {
    const std::vector<uint16_t> line = {100, 97, 94, 91, 88, 85};
    EXPECT_DOUBLE_EQ(varnel::lineSlope(line.data(), 6), -3.0);
    EXPECT_DOUBLE_EQ(varnel::lineSlope(line.data(), 1), 0.0);
}

TEST(FasLineFit, SlidingWindowMatchesTheDirectFit) {
    std::vector<uint16_t> values;
    for (int32_t i = 0; i < 200; ++i)
        values.push_back(static_cast<uint16_t>(30000 - 7 * i + (i * 37) % 11));
    varnel::SlidingLineFit fit(values.data(), static_cast<int32_t>(values.size()) - 1);
    fit.reset(3, 17);
    for (int32_t first = 3; first + 17 <= 200; ++first) {
        if (first > 3) fit.advance();
        ASSERT_NEAR(fit.slope(), varnel::lineSlope(values.data() + first, 17), 1e-9) << first;
    }
}

TEST(FasLineFit, SlidingWindowPastTheEndRepeatsTheLastValue) {
    const std::vector<uint16_t> values = {10, 20, 30, 40};
    varnel::SlidingLineFit fit(values.data(), 3);
    fit.reset(1, 3);
    fit.advance(); // 30, 40, 40
    const std::vector<uint16_t> expected = {30, 40, 40};
    EXPECT_NEAR(fit.slope(), varnel::lineSlope(expected.data(), 3), 1e-12);
}

TEST(FasSettings, DefaultsAndSetter) {
    const varnel::FASSettings saved = varnel::fasSettings();
    const varnel::FASSettings defaults;
    EXPECT_DOUBLE_EQ(defaults.lossDB, 0.03);
    EXPECT_DOUBLE_EQ(defaults.reflDB, -40.0);
    EXPECT_DOUBLE_EQ(defaults.breakDB, 3.0);
    EXPECT_EQ(defaults.numBreaks, 1);
    EXPECT_EQ(defaults.endAtNthRefl, 0);
    EXPECT_DOUBLE_EQ(defaults.nthReflThreshDB, -40.0);

    T6SetFASParms(0.1, -50.0, 5.0, 2, 3, -45.0);
    EXPECT_DOUBLE_EQ(varnel::fasSettings().lossDB, 0.1);
    EXPECT_EQ(varnel::fasSettings().numBreaks, 2);
    EXPECT_DOUBLE_EQ(varnel::fasSettings().nthReflThreshDB, -45.0);
    varnel::fasSettings() = saved;

    const varnel::FASABFlip flipDefaults;
    EXPECT_DOUBLE_EQ(flipDefaults.first, 9999.0);
    T6SetFASABFlip(1.0, 2.0, 1);
    EXPECT_EQ(varnel::fasABFlip().flag, 1);
    varnel::fasABFlip() = flipDefaults;
}

TEST(FasBoxCar, WindowFollowsPulseLengthWithinLimits) {
    EXPECT_EQ(varnel::boxCarWidth(1000.0, 1.0), 70);   // 1 us pulse at 1 m
    EXPECT_EQ(varnel::boxCarWidth(100.0, 1.0), 8);     // 7 is below 9
    EXPECT_EQ(varnel::boxCarWidth(20000.0, 1.0), 256); // capped
    EXPECT_EQ(varnel::boxCarWidth(2000.0, 8.0), 35);   // resolution counts at most 4 m
}

} // namespace
