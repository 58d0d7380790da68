// The levels of an SR-4731 file written back: points the record left as read
// go out as stored, on their blocks' own scales; edited levels come back
// exactly where the file can hold them, and the write says when it cannot.
#include "formats/sor_parse.h"
#include "support/sor_files.h"

#include <gtest/gtest.h>

#include <varnel/varnel.h>

#include <cmath>
#include <string>

using namespace varnel;
using namespace varnel::test;

namespace {

// Every level of b equals a's, counted as the number of points that differ.
int32_t differingLevels(const CT6& a, const CT6& b) {
    if (a.DPOCount() != b.DPOCount()) return -1;
    int32_t differing = 0;
    for (int32_t j = 0; j < a.DPOCount(); ++j)
        differing += a.DPWGetLONG(j) != b.DPWGetLONG(j);
    return differing;
}

sor::DataPts pointsOf(const std::vector<uint8_t>& file) {
    sor::SorFile f;
    EXPECT_EQ(sor::parse(file, f), sor::ParseError::None);
    return f.dataPts;
}

// Losses from 10 to 73.5 dB over two blocks: one of 0.001 dB steps, one of
// 0.004 dB steps for the losses a 16-bit point of 0.001 dB cannot hold.
sor::SorFile twoScaleFile() {
    auto f = fullSorFile(2, 200);
    f.hasKeyEvents = false;
    sor::ScaleFactorBlock near{1000, {}};
    sor::ScaleFactorBlock far{4000, {}};
    for (int32_t j = 0; j < 100; ++j) {
        near.points.push_back(static_cast<uint16_t>(10000 + j * 500));
        far.points.push_back(static_cast<uint16_t>(16500 + j * 19));
    }
    f.dataPts.blocks = {near, far};
    return f;
}

// Read and written back untouched: the same points in the file, the same
// levels read again, and nothing reported inexact.
void expectWrittenAsStored(const std::vector<uint8_t>& original) {
    CT6 first;
    ASSERT_EQ(openSor(first, original), 0);
    const auto written = saveSor(first, 2);
    EXPECT_EQ(first.GetWriteRepairs(), 0);
    EXPECT_TRUE(pointsOf(written) == pointsOf(original));
    CT6 second;
    ASSERT_EQ(openSor(second, written), 0);
    EXPECT_EQ(differingLevels(first, second), 0);
}

} // namespace

// Found by fuzzing: points of 0.034 dB steps, most far below the 64 dB the
// record holds. They read as level 0 and were written back 0.009 dB higher.
TEST(SorLevels, CoarseStepsBelowTheRangeGoBackAsStored) {
    expectWrittenAsStored(
        readFileBytes(std::string(VARNEL_TEST_DATA) + "/sor/coarse_scale_deep_losses.sor"));
}

TEST(SorLevels, BlocksOfSeveralScalesKeepTheirScalesAndLossesAbove65dB) {
    expectWrittenAsStored(writeSor(twoScaleFile()));
}

TEST(SorLevels, EditedLevelsComeBackExactly) {
    CT6 first;
    ASSERT_EQ(openSor(first, writeSor(twoScaleFile())), 0);
    const uint16_t nearEdit[] = {30001, 30002, 30003};
    first.DPWSetDPW(20, 3, nearEdit);
    const uint16_t farEdit[] = {1000, 1004}; // on the far block's 0.004 dB steps
    first.DPWSetDPW(150, 2, farEdit);
    const auto written = saveSor(first, 2);
    EXPECT_EQ(first.GetWriteRepairs(), 0);
    CT6 second;
    ASSERT_EQ(openSor(second, written), 0);
    EXPECT_EQ(differingLevels(first, second), 0);
}

TEST(SorLevels, LevelsTheFileCannotHoldAreSaidButARangeItHasNoFieldForIsNot) {
    CT6 first;
    ASSERT_EQ(openSor(first, writeSor(twoScaleFile())), 0);
    // Stored as a loss, a level above the range takes the reader's top with
    // it, and the deepest losses no longer fit under the range it reads.
    const uint16_t aboveTheRange[] = {65535};
    first.DPWSetDPW(5, 1, aboveTheRange);
    saveSor(first, 2);
    EXPECT_EQ(first.GetWriteRepairs(), T6_WRITE_LEVELS_INEXACT);

    // The reader takes another range from the losses; they read back as
    // written, so every level moves by the change of range.
    CT6 ranged;
    ASSERT_EQ(openSor(ranged, writeSor(fullSorFile(2, 100))), 0);
    ranged.SetDynamicRange(32.5);
    const auto written = saveSor(ranged, 2);
    EXPECT_EQ(ranged.GetWriteRepairs(), 0);
    CT6 second;
    ASSERT_EQ(openSor(second, written), 0);
    ASSERT_NE(second.GetDynamicRange(), 32.5);
    ASSERT_EQ(second.DPOCount(), ranged.DPOCount());
    const auto units = [](const CT6& r) { return std::lround(r.GetDynamicRange() * 1000); };
    for (int32_t j = 0; j < ranged.DPOCount(); ++j)
        ASSERT_EQ(units(second) - second.DPWGetLONG(j), units(ranged) - ranged.DPWGetLONG(j)) << j;
}
