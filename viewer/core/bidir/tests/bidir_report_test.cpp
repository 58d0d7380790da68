// The bi-directional report of one fibre: events of the traces from both
// ends paired by their distance from A's start, averaged, and marked.
#include "core/bidir/bidir_report.h"
#include "core/bidir/report_table.h"
#include "core/bidir/tests/bidir_fixtures.h"

#include <gtest/gtest.h>

namespace orvane::bidir {
namespace {

struct FibreFromBothEnds : ::testing::Test {
    void SetUp() override {
        test::CableDescription fromA;
        fromA.lengthKM = 20.0;
        fromA.lengthStepKM = 0.0;
        fromA.splices = {{4.0, 0.10, 0.0}, {9.0, 0.40, 0.0}, {15.0, 0.20, 0.0}};
        test::CableDescription fromB = fromA;
        fromB.splices = {{5.0, 0.30, 0.0}, {11.0, 0.20, 0.0}, {16.0, 0.10, 0.0}};
        a = test::tracedFibre(fromA, 0);
        b = test::tracedFibre(fromB, 0);
    }
    std::unique_ptr<CT6> a;
    std::unique_ptr<CT6> b;
    BiDirSettings settings;
};

TEST_F(FibreFromBothEnds, SplicesArePairedAcrossTheFibre) {
    const BiDirPairing pairing = PairBiDirEvents(*a, *b, settings);
    // A's splice at 4 km is B's at 16 km, and so on; B's order falls.
    EXPECT_EQ(pairing.partnerOfA[1], 3);
    EXPECT_EQ(pairing.partnerOfA[2], 2);
    EXPECT_EQ(pairing.partnerOfA[3], 1);
    const std::vector<BiDirRow> rows = BiDirRows(*a, *b, pairing);
    // B's end (at A's start), the three splices, then A's end.
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].a, kUnpaired);
    EXPECT_EQ(rows[0].b, 4);
    EXPECT_EQ(rows[4].a, 4);
    EXPECT_EQ(rows[4].b, kUnpaired);
}

TEST_F(FibreFromBothEnds, RowsAverageBothSidesAndMarkHighLosses) {
    const std::vector<std::string> lines = BiDirReportLines(*a, *b, settings);
    ASSERT_EQ(lines.size(), 2u + 5u);
    // The splice at 9 km: 0.40 from A (marked), 0.20 from B, 0.30 on average (marked).
    const std::vector<ReportField> fields = splitRow(lines[4], 12);
    EXPECT_EQ(fields[0].text, "2");
    EXPECT_TRUE(fields[3].emphasis);
    EXPECT_FALSE(fields[8].emphasis);
    EXPECT_EQ(fields[11].text, "0.30");
    EXPECT_TRUE(fields[11].emphasis);
}

TEST_F(FibreFromBothEnds, TracesOfDifferentLengthsAreNotPaired) {
    test::CableDescription shorter;
    shorter.lengthKM = 15.0;
    shorter.splices = {{5.0, 0.30, 0.0}};
    b = test::tracedFibre(shorter, 0);
    const BiDirPairing pairing = PairBiDirEvents(*a, *b, settings);
    for (int32_t partner : pairing.partnerOfA)
        EXPECT_EQ(partner, kUnpaired);
}

} // namespace
} // namespace orvane::bidir
