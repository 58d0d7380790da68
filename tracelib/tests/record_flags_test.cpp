#include "support/record_peer.h"
#include "support/record_trace.h"
#include "support/settings_guard.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

using varnel::test::loadPoints;
using varnel::test::ramp;
using varnel::test::SettingsGuard;
using varnel::test::str;

namespace {

char16_t buf[300];

TEST(TraceFlags, EachSetterOwnsOneBit) {
    struct Flag {
        void (CT6::*set)(int32_t);
        int32_t (CT6::*is)() const;
        uint32_t bit;
    } flags[] = {
        {&CT6::SetTrace2WayAvg, &CT6::IsTrace2WayAvg, T6_TRACE_2WAY_AVG},
        {&CT6::SetABLocked, &CT6::IsABLocked, T6_TRACE_AB_LOCKED},
        {&CT6::SetTraceAborted, &CT6::IsTraceAborted, T6_TRACE_ABORTED},
        {&CT6::SetTraceAttenuated, &CT6::IsTraceAttenuated, T6_TRACE_ATTENUATED},
        {&CT6::SetTraceAutoMode, &CT6::IsTraceAutoMode, T6_TRACE_AUTO_MODE},
        {&CT6::SetTraceClamped, &CT6::IsTraceClamped, T6_TRACE_CLAMPED},
        {&CT6::SetTraceDeltaCompare, &CT6::IsTraceDeltaCompare, T6_TRACE_DELTA_COMPARE},
        {&CT6::SetTraceRecalled, &CT6::IsTraceRecalled, T6_TRACE_RECALLED},
        {&CT6::SetTraceTemplate, &CT6::IsTraceTemplate, T6_TRACE_TEMPLATE},
        {&CT6::SetTraceFiberFill, &CT6::IsTraceFiberFill, T6_TRACE_FIBER_FILL},
    };
    for (const Flag& f : flags) {
        CT6 trace;
        (trace.*f.set)(7);
        EXPECT_EQ((trace.*f.is)(), 1) << f.bit;
        EXPECT_EQ(CT6TestPeer::traceFlags(trace), f.bit);
        (trace.*f.set)(0);
        EXPECT_EQ((trace.*f.is)(), 0) << f.bit;
        EXPECT_EQ(CT6TestPeer::traceFlags(trace), 0u);
    }
}

TEST(TraceFlags, UserSmoothedImpliesEverSmoothed) {
    CT6 trace;
    trace.SetTraceUserSmoothed(1);
    EXPECT_EQ(trace.IsTraceEverSmoothed(), 1);
    trace.SetTraceUserSmoothed(0);
    EXPECT_EQ(trace.IsTraceUserSmoothed(), 0);
    EXPECT_EQ(trace.IsTraceEverSmoothed(), 1);

    trace.SetTraceUserSmoothed(1);
    trace.SetTraceEverSmoothed(0);
    EXPECT_EQ(trace.IsTraceUserSmoothed(), 0);
    EXPECT_EQ(trace.IsTraceEverSmoothed(), 0);
    trace.SetTraceEverSmoothed(1);
    EXPECT_EQ(trace.IsTraceUserSmoothed(), 0);
}

TEST(TraceFlags, LockingTheCursorsCountsAsACursorChange) {
    CT6 trace;
    trace.SetABLocked(0);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_CURSORS), 1);
}

TEST(TraceFlags, AnalysisNeedsAnOrdinaryTrace) {
    CT6 trace;
    EXPECT_EQ(trace.OKToAnalyze(), 1);
    trace.SetTrace2WayAvg(1);
    EXPECT_EQ(trace.OKToAnalyze(), 0);
    trace.SetTrace2WayAvg(0);
    trace.SetTraceDeltaCompare(1);
    EXPECT_EQ(trace.OKToAnalyze(), 0);
}

TEST(TraceFlags, AnalysedMeansTheTableHoldsEvents) {
    CT6 trace;
    EXPECT_EQ(trace.IsTraceAnalyzed(), 0);
    trace.EVInsert();
    EXPECT_EQ(trace.IsTraceAnalyzed(), 1);
}

TEST(TraceFlagTexts, CharactersAndWordsInTheirFixedOrder) {
    SettingsGuard guard;
    CT6 trace;
    EXPECT_EQ(str(trace.GetTraceFlagChars(buf)), u"");
    EXPECT_EQ(str(trace.GetTraceFlags(buf)), u"");
    trace.SetTraceDeltaCompare(1);
    trace.SetTraceTemplate(1);
    trace.EVInsert();
    EXPECT_EQ(str(trace.GetTraceFlagChars(buf)), u"FTD");
    EXPECT_EQ(str(trace.GetTraceFlags(buf)), u"FAS, Template, Delta Compare");
    T6SetStgTraceFlagChars(u"ab");
    EXPECT_EQ(str(trace.GetTraceFlagChars(buf)), u"a");
}

TEST(TraceFlagTexts, AllWordsStayInsideTheCallersBuffer) {
    CT6 trace;
    trace.EVInsert();
    trace.SetTraceUserSmoothed(1);
    trace.SetTraceTemplate(1);
    trace.SetTraceAttenuated(1);
    trace.SetTraceAborted(1);
    trace.SetTrace2WayAvg(1);
    trace.SetTraceDeltaCompare(1);
    char16_t out[64 + 8];
    std::fill(std::begin(out), std::end(out), u'#');
    trace.GetTraceFlags(out);
    EXPECT_EQ(str(out).size(), 63u);
    EXPECT_EQ(out[64], u'#');
    EXPECT_EQ(str(trace.GetTraceFlagChars(buf)), u"FSTAH2D");
}

class ORL : public ::testing::Test {
protected:
    void SetUp() override {
        loadPoints(trace, ramp(2000, 30000, 5));
        CT6TestPeer::traceFlags(trace) |= T6_TRACE_ORL_AVAILABLE;
        CT6TestPeer::orl(trace) = 32500000;
        CT6TestPeer::setORLCursors(trace, 100, 1000);
    }
    SettingsGuard guard;
    CT6 trace;
};

TEST_F(ORL, DetailBitsReadOnlyWhileAvailable) {
    CT6TestPeer::traceFlags(trace) |= T6_TRACE_ORL_LESS_THAN | T6_TRACE_ORL_REL_TO_A |
                                      T6_TRACE_ORL_SATURATED | T6_TRACE_ORL_STFM |
                                      T6_TRACE_ORL_COPIED;
    EXPECT_EQ(trace.IsORLLessThan() + trace.IsORLRelToA() + trace.IsORLSaturated() +
                  trace.IsORLSTFM() + trace.IsORLCopied(),
              5);
    trace.ClearAllModFlags();
    trace.SetORLNotAvailable();
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_ORL), 1);
    EXPECT_EQ(trace.IsORLAvailable(), 0);
    EXPECT_EQ(trace.IsORLSaturated(), 0);
    EXPECT_EQ(trace.IsORLLessThan() + trace.IsORLRelToA() + trace.IsORLSTFM() + trace.IsORLCopied(),
              0);
    EXPECT_NE(CT6TestPeer::traceFlags(trace) & T6_TRACE_ORL_SATURATED, 0u);
    EXPECT_EQ(CT6TestPeer::orl(trace), 0);

    trace.ClearAllModFlags();
    trace.SetORLNotAvailable();
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_ORL), 0);
}

TEST_F(ORL, ValueAndCursorsReadZeroWhenNotAvailable) {
    EXPECT_DOUBLE_EQ(trace.GetORL(), 32.5);
    EXPECT_NEAR(trace.GetORLACursorKM(), 100 * varnel::test::kSpacingKM, 1e-12);
    EXPECT_NEAR(trace.GetORLBCursorKM(), 1000 * varnel::test::kSpacingKM, 1e-12);
    CT6TestPeer::traceFlags(trace) &= ~T6_TRACE_ORL_AVAILABLE;
    EXPECT_EQ(trace.GetORL(), 0.0);
    EXPECT_EQ(trace.GetORLACursorKM(), 0.0);
    EXPECT_EQ(trace.GetORLBCursorKM(), 0.0);
    EXPECT_EQ(str(trace.GetORL(buf, 1)), u"N/A");
    EXPECT_EQ(str(trace.GetORLRelTo(buf)), u"");
}

TEST_F(ORL, TextUsesTheLessThanAndSaturatedFormats) {
    EXPECT_EQ(str(trace.GetORL(buf, 1)), u"32.50 dB [O]");
    CT6TestPeer::traceFlags(trace) |= T6_TRACE_ORL_LESS_THAN | T6_TRACE_ORL_REL_TO_A;
    EXPECT_EQ(str(trace.GetORL(buf, 0)), u"<32.50 [A]");
    CT6TestPeer::traceFlags(trace) |= T6_TRACE_ORL_SATURATED;
    EXPECT_EQ(str(trace.GetORL(buf, 0)), u"<32.5S [A]");
}

TEST_F(ORL, CursorPairInTheOrlDistanceFormat) {
    EXPECT_EQ(str(trace.GetORLCalcAToB(buf)), u"[0.10,1.00]");
    T6SetCurDistUnits(3);
    EXPECT_EQ(str(trace.GetORLCalcAToB(buf)), u"[100,999]");
}

TEST_F(ORL, NewBackscatterMovesTheResultWhenTheOldOneWasReal) {
    trace.SpanSetBackScatter(0, -80.0);
    EXPECT_DOUBLE_EQ(trace.GetORL(), 32.5);
    trace.ClearAllModFlags();
    trace.SpanSetBackScatter(0, -81.5);
    EXPECT_DOUBLE_EQ(trace.GetORL(), 34.0);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_ORL | T6_MOD_SPAN_BACKSCATTER), 1);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_ORL), 1);
}

} // namespace
