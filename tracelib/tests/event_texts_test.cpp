#include "record/event_element.h"
#include "support/event_fibre.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <string>

using namespace varnel;
using namespace varnel::test;

namespace {

class EventTexts : public ::testing::Test {
protected:
    void SetUp() override {
        loadFibre(trace, 2000, FibreShape{});
        trace.SetLaunchIntercept(20000);
        trace.SetThresholdBreak(3.0);
        addEvent(trace, 0, 0, 10);
    }

    std::u16string lossFlagged(int32_t i, int32_t units = 1) {
        return trace.EVGetLossFlagged(i, buf, units);
    }
    std::u16string reflFlagged(int32_t i, int32_t units = 0) {
        return trace.EVGetReflFlagged(i, buf, units);
    }
    std::u16string flagsText(int32_t i) { return trace.EVGetFlagsText(i, buf); }
    std::u16string typeChar(int32_t i) { return trace.EVGetTypeChar(i, buf); }

    SettingsGuard guard;
    CT6 trace;
    char16_t buf[64] = {};
};

} // namespace

TEST_F(EventTexts, TypeNamesAndCharacters) {
    const int32_t reflective = addEvent(trace, 1, 100, 105);
    const int32_t junk = addEvent(trace, -1, 200, 205);
    const int32_t odd = addEvent(trace, 9, 300, 305);
    const int32_t end = addEvent(trace, 4, 400, 405);
    EXPECT_EQ(typeChar(0), u"L");
    EXPECT_EQ(typeChar(reflective), u"R");
    EXPECT_EQ(typeChar(junk), u"J");
    EXPECT_EQ(typeChar(odd), u"?");
    EXPECT_EQ(typeChar(end), u"E");
    EXPECT_EQ(text(trace.EVGetType(end, buf)), u"End Event");
    EXPECT_EQ(text(trace.EVGetType(odd, buf)), u"??");

    trace.EVSetType(end, T6_EVENT_QUESTIONABLE_END);
    EXPECT_EQ(typeChar(end), u"E?");
    EXPECT_EQ(text(trace.EVGetType(end, buf)), u"Questionable End");

    T6SetStgEventTypeChars(u"jl"); // shorter than the table: no character
    EXPECT_EQ(typeChar(0), u"l");
    EXPECT_EQ(typeChar(reflective), u"");
}

TEST_F(EventTexts, EndLossReadsItsQuestionableReasonOrTheBreakThreshold) {
    const int32_t end = addEvent(trace, 4, 1500, 1505, T6_EVFLAG_END_AT_NOISE_FLOOR);
    EXPECT_EQ(lossFlagged(end), u"Out of Range");
    trace.EVPutFlags(end, T6_EVFLAG_END_NO_NOISE_FLOOR);
    EXPECT_EQ(lossFlagged(end), u"Out of Dist.");
    trace.EVPutFlags(end, 0);
    EXPECT_EQ(lossFlagged(end), u">3.00 dB"); // no end connector: a break
    trace.EVSetLoss(end, 0.45);
    EXPECT_EQ(lossFlagged(end), u"0.45 dB");
    EXPECT_EQ(lossFlagged(end, 0), u"0.45");
    T6SetStgOutOfRange(u"Beyond");
    trace.EVPutFlags(end, T6_EVFLAG_END_AT_NOISE_FLOOR | T6_EVFLAG_END_NO_NOISE_FLOOR);
    EXPECT_EQ(lossFlagged(end), u"Beyond");
}

TEST_F(EventTexts, LossOfOtherEventsOrItsUnknownMark) {
    const int32_t splice = addEvent(trace, 2, 500, 505);
    trace.EVSetLoss(splice, 0.126);
    EXPECT_EQ(lossFlagged(splice), u"0.13 dB");
    trace.EVSetFlags(splice, T6_EVFLAG_LOSS_UNKNOWN);
    EXPECT_EQ(lossFlagged(splice), u"???.??");
    EXPECT_EQ(lossFlagged(0), u"0.00 dB");
}

TEST_F(EventTexts, ReflectanceWithItsLowerBoundMarks) {
    const int32_t i = addEvent(trace, 1, 500, 505);
    trace.EVSetRefl(i, -45.0);
    EXPECT_EQ(reflFlagged(i), u"-45.00 ");
    EXPECT_EQ(reflFlagged(i, 1), u"-45.00  dB");
    trace.EVPutFlags(i, T6_EVFLAG_REFL_CLAMPED);
    EXPECT_EQ(reflFlagged(i), u">-45.00 ");
    trace.EVPutFlags(i, T6_EVFLAG_FEW_POINTS_PER_PULSE);
    EXPECT_EQ(reflFlagged(i), u">-45.00 ");
    trace.EVPutFlags(i, T6_EVFLAG_REFL_SATURATED | T6_EVFLAG_REFL_CLAMPED);
    EXPECT_EQ(reflFlagged(i), u">-45.00S");
    trace.EVPutFlags(i, T6_EVFLAG_REFL_UNKNOWN | T6_EVFLAG_REFL_SATURATED);
    EXPECT_EQ(reflFlagged(i), u"??.?? ");
}

TEST_F(EventTexts, MissingReflectanceIsNotAvailableOnlyWhereOneIsExpected) {
    const int32_t reflective = addEvent(trace, 1, 100, 105);
    const int32_t splice = addEvent(trace, 2, 200, 205);
    const int32_t group = addEvent(trace, 3, 300, 305);
    const int32_t end = addEvent(trace, 4, 400, 405);
    EXPECT_EQ(reflFlagged(reflective), u"N/A  ");
    EXPECT_EQ(reflFlagged(end), u"N/A  ");
    EXPECT_EQ(reflFlagged(group), u"");
    EXPECT_EQ(reflFlagged(0), u"");
    trace.EVSetRefl(splice, -50.0);
    trace.EVPutFlags(splice, T6_EVFLAG_REFL_UNKNOWN);
    EXPECT_EQ(reflFlagged(splice), u""); // non-reflective: never a reflectance
    trace.EVSetType(end, T6_EVENT_QUESTIONABLE_END);
    EXPECT_EQ(reflFlagged(end), u"");
}

TEST_F(EventTexts, FlagsColumn) {
    const uint32_t mark2P = T6_EVFLAG_TWO_POINT_LOSS;
    const int32_t reflective = addEvent(trace, 1, 100, 105, mark2P | T6_EVFLAG_REFL_SATURATED);
    const int32_t group = addEvent(trace, 3, 200, 205, mark2P | T6_EVFLAG_REFL_SATURATED);
    const int32_t end = addEvent(trace, 4, 300, 305, mark2P | T6_EVFLAG_FEW_POINTS_PER_PULSE);
    const int32_t splice = addEvent(trace, 2, 400, 405, mark2P | T6_EVFLAG_REFL_SATURATED);
    EXPECT_EQ(flagsText(reflective), u">S");
    EXPECT_EQ(flagsText(group), u"2>S");
    EXPECT_EQ(flagsText(end), u"2>");
    EXPECT_EQ(flagsText(splice), u"");
    EXPECT_EQ(flagsText(0), u"");
    trace.EVSetFlags(end, T6_EVFLAG_END_NO_NOISE_FLOOR);
    EXPECT_EQ(flagsText(end), u"?2>");
    trace.EVPutFlags(group, T6_EVFLAG_END_NO_NOISE_FLOOR); // "?" marks only an end
    EXPECT_EQ(flagsText(group), u"");
}

TEST_F(EventTexts, TwoPointMarkFollowsTheLossMode) {
    const int32_t i = addEvent(trace, 2, 100, 105);
    for (int32_t mode = 0; mode < 7; ++mode) {
        trace.EVSetLossMode(i, mode);
        const bool twoPoint = mode == 1 || mode == 6;
        EXPECT_EQ(text(trace.EVGetLoss2P(i, buf)), twoPoint ? u"(2P)" : u"") << mode;
    }
}

TEST_F(EventTexts, CumulativeLossFromTheLaunchLevel) {
    const int32_t i = addEvent(trace, 2, 500, 505);
    EXPECT_EQ(text(trace.EVGetCumLoss(i, buf, 1)), u"2.50 dB");
    trace.EVSetStartDP(i, 5000); // beyond the trace
    EXPECT_EQ(text(trace.EVGetCumLoss(i, buf, 1)), u"??");
}

TEST_F(EventTexts, StartEndValidation) {
    addEvent(trace, 2, 500, 520);   // 5.0 - 5.2 km
    addEvent(trace, 4, 1500, 1510); // 15.0 - 15.1 km
    EXPECT_EQ(trace.EVStartEndError(-1, 3.0, 2.0), 1);
    EXPECT_EQ(trace.EVStartEndError(-1, 0.0, 2.0), 2);
    EXPECT_EQ(trace.EVStartEndError(-1, 14.0, 15.5), 3); // beyond the end event
    EXPECT_EQ(trace.EVStartEndError(2, 14.0, 15.5), 0);  // the end itself may reach further
    EXPECT_EQ(trace.EVStartEndError(2, 14.0, 21.0), 3);  // but not past the trace
    EXPECT_EQ(trace.EVStartEndError(-1, 4.0, 5.0), 4);   // touches event 1
    EXPECT_EQ(trace.EVStartEndError(1, 4.0, 5.5), 0);    // an event may overlap itself
    EXPECT_EQ(trace.EVStartEndError(-1, 0.05, 0.08), 0); // the launch does not count
}
