#include "support/record_trace.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <vector>

using varnel::test::kSpacingKM;
using varnel::test::loadPoints;

namespace {

constexpr double kLevelTol = 1e-6;

// 100 points: a falling line with a dip at 25 and a peak at 27 inside the
// cell of points 20..29.
std::vector<uint16_t> shapedTrace() {
    std::vector<uint16_t> values(100);
    for (int32_t p = 0; p < 100; ++p)
        values[static_cast<size_t>(p)] = static_cast<uint16_t>(20000 - 10 * p);
    values[25] = 15000;
    values[27] = 25000;
    return values;
}

struct Cells {
    explicit Cells(int32_t n) : start(n, -1), end(n, -1), lowest(n, -1), highest(n, -1) {}
    std::vector<double> start, end, lowest, highest;
};

class DataCells : public ::testing::Test {
protected:
    void SetUp() override { loadPoints(trace, shapedTrace()); }
    // A cell of exactly ten points starting at point `first`.
    static double cellStartKM(int32_t first) { return (first - 0.5) * kSpacingKM; }
    CT6 trace;
};

TEST_F(DataCells, OneCellSummarisesItsPoints) {
    int32_t count = 0;
    double s, e, lo, hi;
    trace.DataCellInfo(cellStartKM(20), 10 * kSpacingKM, 0, count, s, e, lo, hi);
    EXPECT_EQ(count, 10);
    EXPECT_NEAR(s, 19.8, kLevelTol);
    EXPECT_NEAR(e, 19.71, kLevelTol);
    EXPECT_NEAR(lo, 15.0, kLevelTol);
    EXPECT_NEAR(hi, 25.0, kLevelTol);
}

TEST_F(DataCells, ACellOnPointsExcludesTheOneAtItsEnd) {
    int32_t count = 0;
    double s, e, lo, hi;
    trace.DataCellInfo(20 * kSpacingKM, 10 * kSpacingKM, 0, count, s, e, lo, hi);
    EXPECT_EQ(count, 10);
    EXPECT_NEAR(s, trace.DPWGetDB(20), kLevelTol);
    EXPECT_NEAR(e, trace.DPWGetDB(29), kLevelTol);
}

TEST_F(DataCells, CellsBeyondTheTraceAreLeftAlone) {
    int32_t count = 5;
    double s = -1, e = -1, lo, hi;
    trace.DataCellInfo(200 * kSpacingKM, 10 * kSpacingKM, 0, count, s, e, lo, hi);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(s, -1);
    EXPECT_EQ(lo, 9.0);
    EXPECT_EQ(hi, 0.0);
}

TEST_F(DataCells, ManyCellsInDataUnits) {
    Cells c(3);
    trace.DataCellsInfo(3, cellStartKM(10), 10 * kSpacingKM, 0, 0, c.start.data(), c.end.data(),
                        c.lowest.data(), c.highest.data());
    EXPECT_NEAR(c.start[0], 19900, kLevelTol);
    EXPECT_NEAR(c.end[0], 19810, kLevelTol);
    EXPECT_NEAR(c.lowest[1], 15000, kLevelTol);
    EXPECT_NEAR(c.highest[1], 25000, kLevelTol);
    EXPECT_NEAR(c.start[2], 19700, kLevelTol);
}

TEST_F(DataCells, EqualValuesReportTheLaterPoint) {
    // Flat trace: lowest and highest are both the last point of the cell.
    CT6 flat;
    std::vector<uint16_t> values(50, 10000);
    values[5] = 9000;
    values[9] = 9000;
    loadPoints(flat, values);
    flat.SetVertShift(1.0);
    Cells c(1);
    flat.DataCellsInfo(1, cellStartKM(0) + 0.5 * kSpacingKM, 10 * kSpacingKM, 0, 0, c.start.data(),
                       c.end.data(), c.lowest.data(), c.highest.data());
    EXPECT_NEAR(c.lowest[0], 10000, kLevelTol); // 9 dB + 1 dB shift, point 9
    EXPECT_NEAR(c.highest[0], 11000, kLevelTol);
}

TEST_F(DataCells, NarrowCellsWithoutPointsInterpolate) {
    Cells c(4);
    double width = 0.24 * kSpacingKM;
    double start = 40.02 * kSpacingKM;
    trace.DataCellsInfo(4, start, width, 0, 0, c.start.data(), c.end.data(), c.lowest.data(),
                        c.highest.data());
    // First and last cell interpolate; the inner ones hold no point and stay.
    EXPECT_NEAR(c.start[0], 1000 * trace.GetDBAtKM(start + width / 2), 1e-6);
    EXPECT_EQ(c.start[1], -1);
    EXPECT_EQ(c.lowest[1], 9.0);
    EXPECT_EQ(c.highest[1], 0.0);
    EXPECT_NEAR(c.highest[3], 1000 * trace.GetDBAtKM(start + 3.5 * width), 1e-6);

    Cells all(4);
    trace.DataCellsInfo(4, start, width, 1, 0, all.start.data(), all.end.data(), all.lowest.data(),
                        all.highest.data());
    EXPECT_NEAR(all.start[1], 1000 * trace.GetDBAtKM(start + 1.5 * width), 1e-6);
}

TEST_F(DataCells, FromTheEndEventCellsRunBackwards) {
    trace.EVInsertDPFR(60, 0);
    Cells c(2);
    // Cell k covers end - (k + 1) widths up to end - k widths.
    trace.DataCellsInfo(2, 0.0, 10 * kSpacingKM - 1e-12, 0, 1, c.start.data(), c.end.data(),
                        c.lowest.data(), c.highest.data());
    // Cell 0 holds points 50..59, its start and end swapped.
    EXPECT_NEAR(c.start[0], 1000 * trace.DPWGetDB(59), kLevelTol);
    EXPECT_NEAR(c.end[0], 1000 * trace.DPWGetDB(50), kLevelTol);
    EXPECT_NEAR(c.start[1], 1000 * trace.DPWGetDB(49), kLevelTol);

    int32_t count = 0;
    double s, e, lo, hi;
    trace.DataCellInfo(0.0, 10 * kSpacingKM - 1e-12, 1, count, s, e, lo, hi);
    EXPECT_EQ(count, 10);
    EXPECT_NEAR(s, trace.DPWGetDB(59), kLevelTol);
}

TEST_F(DataCells, CellsBeforeZeroKmStartAtTheZeroKmPoint) {
    trace.SetZKMDPFR(30, 0);
    int32_t count = 0;
    double s, e, lo, hi;
    trace.DataCellInfo(-10 * kSpacingKM, 15 * kSpacingKM, 0, count, s, e, lo, hi);
    EXPECT_EQ(count, 5);
    EXPECT_NEAR(s, trace.DPWGetDB(30), kLevelTol);
}

TEST_F(DataCells, NoOutputArraysDoNothing) {
    trace.DataCellsInfo(3, 0, 1, 0, 0, nullptr, nullptr, nullptr, nullptr);
    SUCCEED();
}

} // namespace
