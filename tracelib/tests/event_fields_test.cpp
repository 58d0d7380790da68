#include "record/event_element.h"
#include "support/event_fibre.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <string>

using namespace varnel;
using namespace varnel::test;

namespace {

class EventFields : public ::testing::Test {
protected:
    void SetUp() override {
        loadFibre(trace, 2000, FibreShape{});
        for (int32_t n = 0; n < 3; ++n)
            trace.EVInsert();
        trace.EVSetStartDP(1, 100);
        trace.ClearAllModFlags();
    }

    bool modified() const { return trace.IsModFlagSet(T6_MOD_EVENTS) != 0; }

    SettingsGuard guard;
    CT6 trace;
};

} // namespace

TEST_F(EventFields, LossIsZeroForTheLaunchAndForAnUnmeasurableLoss) {
    trace.EVSetLoss(0, 1.5);
    trace.EVSetLoss(1, 0.1234567);
    EXPECT_EQ(trace.EVGetLoss(0), 0.0);
    EXPECT_DOUBLE_EQ(trace.EVGetLoss(1), 0.123457); // stored in micro-dB
    trace.EVSetFlags(1, T6_EVFLAG_LOSS_UNKNOWN);
    EXPECT_EQ(trace.EVGetLoss(1), 0.0);
    trace.EVClearFlags(1, T6_EVFLAG_LOSS_UNKNOWN);
    char16_t buf[64];
    EXPECT_EQ(text(trace.EVGetLoss(1, buf, 1)), u"0.12 dB");
    EXPECT_EQ(text(trace.EVGetLoss(1, buf, 0)), u"0.12");
}

TEST_F(EventFields, ReflectanceTextIsEmptyWithoutAReflectance) {
    char16_t buf[64];
    EXPECT_EQ(text(trace.EVGetRefl(1, buf, 1)), u"");
    trace.EVSetRefl(1, -45.5);
    EXPECT_DOUBLE_EQ(trace.EVGetRefl(1), -45.5);
    EXPECT_EQ(text(trace.EVGetRefl(1, buf, 1)), u"-45.50 dB");
}

TEST_F(EventFields, QuestionableEndIsStoredAsAnEndWithAFlag) {
    trace.EVSetType(2, T6_EVENT_QUESTIONABLE_END);
    EXPECT_EQ(trace.EVGetType(2), T6_EVENT_END);
    EXPECT_EQ(trace.EVQtEnd(2), 1);
    EXPECT_EQ(trace.EVGetFlags(2), T6_EVFLAG_END_AT_NOISE_FLOOR);
    EXPECT_TRUE(modified());
    trace.EVSetFlags(2, T6_EVFLAG_END_NO_NOISE_FLOOR);
    trace.EVSetType(2, T6_EVENT_END);
    EXPECT_EQ(trace.EVQtEnd(2), 0);
    EXPECT_EQ(trace.EVGetFlags(2), 0u);

    // Other types keep the questionable bits; only an end is a questionable end.
    trace.EVPutFlags(1, T6_EVFLAG_END_NO_NOISE_FLOOR);
    trace.EVSetType(1, T6_EVENT_REFLECTIVE);
    EXPECT_EQ(trace.EVIsQuestionable(1), 1);
    EXPECT_EQ(trace.EVQtEnd(1), 0);
}

TEST_F(EventFields, FlagSettersMarkTheRecordButPutDoesNot) {
    trace.EVPutFlags(1, T6_EVFLAG_REFL_SATURATED | T6_EVFLAG_TWO_POINT_LOSS);
    EXPECT_FALSE(modified());
    EXPECT_EQ(trace.EVSetFlags(1, T6_EVFLAG_LAUNCH_NOT_CLEAN), 0x111u);
    EXPECT_TRUE(modified());
    trace.ClearAllModFlags();
    EXPECT_EQ(trace.EVClearFlags(1, T6_EVFLAG_TWO_POINT_LOSS), 0x101u);
    EXPECT_TRUE(modified());
}

TEST_F(EventFields, EditsMarkTheRecordButEdgesOfAReflectionDoNot) {
    trace.EVSetRiseEndDP(1, 5);
    trace.EVSetRiseEndFR(1, 5);
    trace.EVSetFallStartDP(1, 6);
    trace.EVSetFallStartFR(1, 6);
    EXPECT_FALSE(modified());
    EXPECT_EQ(trace.EVGetRiseEndDP(1), 5);
    EXPECT_EQ(trace.EVGetFallStartFR(1), 6);

    const std::function<void()> edits[] = {
        [&] { trace.EVSetStartDP(1, 1); },
        [&] { trace.EVSetStartFR(1, 1); },
        [&] { trace.EVSetEndKM(1, 1.0); },
        [&] { trace.EVSetLoss(1, 1.0); },
        [&] { trace.EVSetRefl(1, -40.0); },
        [&] { trace.EVSetLossMode(1, 1); },
        [&] { trace.EVSetComment(1, u"x"); },
        [&] { trace.EVSetType(1, T6_EVENT_NON_REFLECTIVE); },
        [&] { trace.EVSetLSAOffDPFR(1, 1, 1, 0, 2, 0); },
        [&] { trace.EVSetLSAOffKM(1, -0.2, -0.1, 0.1, 0.2); },
        [&] { trace.EVInsert(); },
        [&] { trace.EVDelete(2); },
    };
    for (const auto& edit : edits) {
        trace.ClearAllModFlags();
        edit();
        EXPECT_TRUE(modified());
    }
}

TEST_F(EventFields, CommentKeepsAtMost61Characters) {
    const std::u16string longText(80, u'c');
    trace.EVSetComment(1, longText.c_str());
    char16_t buf[62];
    EXPECT_EQ(text(trace.EVGetComment(1, buf)), longText.substr(0, 61));
    trace.EVSetComment(1, nullptr);
    EXPECT_EQ(text(trace.EVGetComment(1, buf)), u"");
}

TEST_F(EventFields, PositionsInKilometresAndCurrentUnits) {
    trace.EVSetStartKM(1, 1.25);
    EXPECT_EQ(trace.EVGetStartDP(1), 125);
    EXPECT_NEAR(trace.EVGetStartKM(1), 1.25, 1e-12);
    T6SetCurDistUnits(3); // metres
    EXPECT_NEAR(trace.EVGetStart(1), 1250.0, 1e-9);
    trace.EVSetEnd(1, 1500.0);
    EXPECT_EQ(trace.EVGetEndDP(1), 150);
    char16_t buf[64];
    EXPECT_EQ(text(trace.EVGetEnd(1, buf, 1)), u"1500.00 m");
    trace.SetHorzShiftKM(-0.5);
    EXPECT_NEAR(trace.EVGetStartKM(1), 0.75, 1e-12);
}

TEST_F(EventFields, LeastSquaresOffsetsFollowTheEventStart) {
    trace.EVSetLSAOffKM(1, -0.205, -0.05, 0.1, 0.3);
    int32_t startDP = 0, endDP = 0;
    uint16_t startFR = 0, endFR = 0;
    trace.EVGetLSAOffDPFR(1, 1, startDP, startFR, endDP, endFR);
    EXPECT_EQ(startDP, -21); // -20.5 points as floor and fraction
    EXPECT_EQ(startFR, 32768);
    EXPECT_EQ(endDP, -5);
    trace.EVGetLSAOffDPFR(1, 0, startDP, startFR, endDP, endFR);
    EXPECT_EQ(startDP, 10);
    EXPECT_EQ(endDP, 30);
    EXPECT_NEAR(trace.EVGetLSAStartOffKM(1, 1), -0.205, 1e-9);
    EXPECT_NEAR(trace.EVGetLSAEndOffKM(1, 0), 0.3, 1e-9);

    trace.EVSetStartDP(1, 400); // offsets move with the event
    EXPECT_NEAR(trace.EVGetLSAStartOffKM(1, 0), 0.1, 1e-9);

    trace.EVSetLSAOffDPFR(1, 0, 3, 4, 5, 6);
    trace.EVGetLSAOffDPFR(1, 0, startDP, startFR, endDP, endFR);
    EXPECT_EQ(startDP, 3);
    EXPECT_EQ(startFR, 4);
    EXPECT_EQ(endDP, 5);
    EXPECT_EQ(endFR, 6);
}

TEST_F(EventFields, IndexesOutsideTheTableAreNeitherReadNorWritten) {
    for (int32_t bad : {-1, 3, 64, 1000000}) {
        trace.EVSetStartDP(bad, 7);
        trace.EVSetLoss(bad, 1.0);
        trace.EVSetComment(bad, u"nowhere");
        trace.EVSetType(bad, T6_EVENT_QUESTIONABLE_END);
        trace.EVSetLSAOffKM(bad, 1, 1, 1, 1);
        EXPECT_EQ(trace.EVSetFlags(bad, T6_EVFLAG_REFL_SATURATED), 0u);
        EXPECT_EQ(trace.EVGetStartDP(bad), 0);
        EXPECT_EQ(trace.EVGetType(bad), T6_EVENT_LAUNCH);
        EXPECT_EQ(trace.EVGetLoss(bad), 0.0);
        char16_t buf[64];
        EXPECT_EQ(text(trace.EVGetComment(bad, buf)), u"");
        EXPECT_EQ(text(trace.EVGetTypeChar(bad, buf)), u"");
        EXPECT_EQ(trace.EVGetDBValue(bad), T6_NO_VALUE);
        EXPECT_EQ(trace.EVGetSpanLoss(bad), T6_NO_VALUE);
    }
    EXPECT_FALSE(modified());
    EXPECT_EQ(trace.EVCount(), 3);
}
