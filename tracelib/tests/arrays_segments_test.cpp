#include "support/record_trace.h"
#include "support/settings_guard.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

using varnel::test::SettingsGuard;
using varnel::test::str;

namespace {

char16_t buf[300];

// The three segment arrays share one shape; each case drives one of them.
struct SegmentOps {
    const char* name;
    int32_t (CT6::*count)() const;
    int32_t (CT6::*maxCount)() const;
    int32_t (CT6::*initArray)(int32_t);
    int32_t (CT6::*insertAt)(int32_t);
    int32_t (CT6::*insertEnd)();
    int32_t (CT6::*insertDP)(int32_t);
    void (CT6::*init)(int32_t);
    int32_t (CT6::*getStartDP)(int32_t) const;
    void (CT6::*setStartDP)(int32_t, int32_t);
};

class SegmentArrays : public ::testing::TestWithParam<SegmentOps> {
protected:
    CT6 trace;
    const SegmentOps& ops = GetParam();
};

TEST_P(SegmentArrays, CreateGivesAtLeastOneEmptyEntry) {
    EXPECT_EQ((trace.*ops.initArray)(5), 5);
    EXPECT_EQ((trace.*ops.maxCount)(), 5);
    EXPECT_EQ((trace.*ops.count)(), 0);
    EXPECT_EQ((trace.*ops.initArray)(0), 1);
    EXPECT_EQ((trace.*ops.initArray)(-3), 1);
}

TEST_P(SegmentArrays, OnlyTheFirstEntryCanBeInserted) {
    EXPECT_EQ((trace.*ops.insertEnd)(), 1);
    EXPECT_EQ((trace.*ops.count)(), 1);
    (trace.*ops.setStartDP)(0, 42);
    EXPECT_EQ((trace.*ops.insertAt)(3), 1);
    EXPECT_EQ((trace.*ops.insertEnd)(), 1);
    EXPECT_EQ((trace.*ops.getStartDP)(0), 42);
    EXPECT_EQ((trace.*ops.insertAt)(0), 1);
    EXPECT_EQ((trace.*ops.getStartDP)(0), 0);
}

TEST_P(SegmentArrays, InsertWithAStartPointAndClear) {
    EXPECT_EQ((trace.*ops.insertDP)(77), 0);
    EXPECT_EQ((trace.*ops.count)(), 1);
    EXPECT_EQ((trace.*ops.getStartDP)(0), 77);
    (trace.*ops.init)(1);
    EXPECT_EQ((trace.*ops.getStartDP)(0), 77);
    (trace.*ops.init)(0);
    EXPECT_EQ((trace.*ops.getStartDP)(0), 0);
}

TEST_P(SegmentArrays, IndexesOutsideTheArrayAreIgnored) {
    (trace.*ops.setStartDP)(1, 5);
    (trace.*ops.setStartDP)(-1, 5);
    EXPECT_EQ((trace.*ops.getStartDP)(1), 0);
    EXPECT_EQ((trace.*ops.getStartDP)(-1), 0);
    EXPECT_EQ((trace.*ops.getStartDP)(INT32_MAX), 0);
}

INSTANTIATE_TEST_SUITE_P(
    AllThree, SegmentArrays,
    ::testing::Values(SegmentOps{"PW", &CT6::PWCount, &CT6::PWMaxCount, &CT6::PWInitArray,
                                 &CT6::PWInsert, &CT6::PWInsert, &CT6::PWInsertDP, &CT6::PWInit,
                                 &CT6::PWGetStartDP, &CT6::PWSetStartDP},
                      SegmentOps{"SF", &CT6::SFCount, &CT6::SFMaxCount, &CT6::SFInitArray,
                                 &CT6::SFInsert, &CT6::SFInsert, &CT6::SFInsertDP, &CT6::SFInit,
                                 &CT6::SFGetStartDP, &CT6::SFSetStartDP},
                      SegmentOps{"Span", &CT6::SpanCount, &CT6::SpanMaxCount, &CT6::SpanInitArray,
                                 &CT6::SpanInsert, &CT6::SpanInsert, &CT6::SpanInsertDP,
                                 &CT6::SpanInit, &CT6::SpanGetStartDP, &CT6::SpanSetStartDP}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PulseWidths, PointsPerPulseAndLength) {
    CT6 trace;
    trace.PWInsert();
    trace.PWSetNanoSec(0, 1000);
    trace.SetResoNominalM(2.0);
    EXPECT_EQ(trace.PWGetPointsPer(0), 50);
    EXPECT_DOUBLE_EQ(trace.PWGetKM(0), 0.1);
    trace.PWSetNanoSec(0, 25);
    EXPECT_EQ(trace.PWGetPointsPer(0), 1); // 1.25 rounds to 1
    trace.PWSetNanoSec(0, 5);
    EXPECT_EQ(trace.PWGetPointsPer(0), 1);
    trace.PWSetNanoSec(0, 30);
    EXPECT_EQ(trace.PWGetPointsPer(0), 2);
}

TEST(PulseWidths, NoResolutionGivesOnePointPerPulse) {
    CT6 trace;
    trace.PWInsert();
    trace.PWSetNanoSec(0, 10000);
    EXPECT_EQ(trace.PWGetPointsPer(0), 1);
}

TEST(PulseWidths, EntryAtAPointFollowsTheStarts) {
    CT6 trace;
    trace.PWInitArray(3);
    trace.PWInsert();
    // Readers fill several entries; here the first and the count suffice
    // to show that the search never goes beyond the count.
    trace.PWSetStartDP(1, 100);
    trace.PWSetNanoSec(0, 100);
    trace.PWSetNanoSec(1, 1000);
    EXPECT_EQ(trace.PWIndexAtDP(500), 0);
    trace.SetResoNominalM(1.0);
    EXPECT_EQ(trace.PWGetPointsPerAtDP(500), 10);
}

TEST(PulseWidths, Texts) {
    SettingsGuard guard;
    CT6 trace;
    trace.PWInsert();
    trace.PWSetNanoSec(0, 300);
    EXPECT_EQ(str(trace.PWGetPW(0, buf, 0, 1)), u"300 ns");
    trace.PWSetNanoSec(0, 2500);
    EXPECT_EQ(str(trace.PWGetPW(0, buf, 0, 1)), u"2.5 us");
    EXPECT_EQ(str(trace.PWGetPW(0, buf, 0, 0)), u"2.5");
    EXPECT_EQ(str(trace.PWGetPW(0, buf, 1, 1)), u"2500 ns");
    EXPECT_EQ(str(trace.PWGetPWLength(0, buf, 1)), u"250.0 m");
    T6SetCurDistUnits(1);
    EXPECT_EQ(str(trace.PWGetPWLength(0, buf, 1)), u"820.2 ft");
    EXPECT_EQ(str(trace.PWGetPW(5, buf, 0, 1)), u"??");

    trace.PWSetPreampType(0, 1);
    EXPECT_EQ(str(trace.PWGetPreampType(0, buf)), u"[L]");
    EXPECT_EQ(str(trace.PWGetLabel(0, buf)), u"[L]");
    trace.PWSetPreampType(0, 2);
    EXPECT_EQ(str(trace.PWGetPreampType(0, buf)), u"[H]");
    trace.PWSetPreampType(0, 0);
    EXPECT_EQ(str(trace.PWGetPreampType(0, buf)), u"??");
    EXPECT_EQ(str(trace.PWGetLabel(0, buf)), u"[H]");
}

TEST(ScaleFactors, DyAndMinimumLogValue) {
    CT6 trace;
    trace.SFInsertDP(0);
    EXPECT_EQ(trace.SFGetDy(0), 0.0);
    trace.SFSetScaleFactor(0, 800);
    EXPECT_DOUBLE_EQ(trace.SFGetDy(0), 1.0 / 800);
    trace.SFSetMinLogValue(0, 1234);
    EXPECT_EQ(trace.SFGetMinLogValue(0), 1234);
    EXPECT_EQ(trace.SFGetMinLogValue(3), 0);
}

TEST(Spans, SpacingFromResolutionIndexAndSpeedOfLight) {
    SettingsGuard guard;
    CT6 trace;
    trace.SetResoNominalM(1.0);
    trace.SpanInsert();
    trace.SpanSetIOR(0, 1.5);
    EXPECT_NEAR(trace.SpanGetDxKM(0), 0.000999308, 5e-10);
    EXPECT_NEAR(trace.KMFromDPFR(1000, 0), 0.999308, 5e-7);
    T6SetSpeedOfLight(300000);
    trace.SpanCalculate();
    EXPECT_DOUBLE_EQ(trace.SpanGetDxKM(0), 0.001);
    EXPECT_DOUBLE_EQ(trace.SpanGetDxKMAtDP(123), 0.001);
}

TEST(Spans, IndexIsStoredInMillionths) {
    CT6 trace;
    trace.SpanInsert();
    trace.SpanSetIOR(0, 1.4682);
    EXPECT_DOUBLE_EQ(trace.SpanGetIOR(0), 1.4682);
    EXPECT_EQ(str(trace.SpanGetIOR(0, buf)), u"1.468200");
    trace.SpanSetIOR(0, 1e30);
    EXPECT_EQ(trace.SpanGetIOR(0), INT32_MAX / 1e6);
}

TEST(Spans, BackscatterAndScatterFactor) {
    CT6 trace;
    trace.SpanInsert();
    trace.SpanSetBackScatter(0, -80.0);
    EXPECT_DOUBLE_EQ(trace.SpanGetBackScatter(0), -80.0);
    EXPECT_EQ(str(trace.SpanGetBackScatter(0, buf, 1)), u"-80.00 dB");
    trace.SpanCalculate();
    EXPECT_EQ(trace.SpanGetScatterFactor(0), 10);
    trace.SpanSetFiberType(0, u"G.652");
    EXPECT_EQ(str(trace.SpanGetFiberType(0, buf)), u"G.652");
    EXPECT_EQ(str(trace.SpanGetFiberType(4, buf)), u"");
}

TEST(Spans, NoIndexMeansNoSpacingRatherThanAnInfiniteOne) {
    CT6 trace;
    trace.SetResoNominalM(1.0);
    trace.SpanInsert();
    trace.SpanSetIOR(0, 0.0);
    EXPECT_EQ(trace.SpanGetDxKM(0), 0.0);
    trace.SpanSetIOR(0, -1.5);
    EXPECT_EQ(trace.SpanGetDxKM(0), 0.0);
}

} // namespace
