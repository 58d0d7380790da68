#include "support/record_trace.h"
#include "support/settings_guard.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

using varnel::test::SettingsGuard;
using varnel::test::str;

namespace {

char16_t buf[300];

TEST(TextFields, SettersKeepAtMostTheCapacity) {
    CT6 trace;
    std::u16string forty(40, u's');
    trace.SetSiteA(forty.c_str());
    EXPECT_EQ(str(trace.GetSiteA(buf)), std::u16string(32, u's'));
    trace.SetFiberNumber(u"123456789012");
    EXPECT_EQ(str(trace.GetFiberNumber(buf)), u"12345678");
    trace.SetModel(forty.c_str());
    EXPECT_EQ(str(trace.GetModel(buf)).size(), 16u);
    trace.SetSTFMConnType(forty.c_str());
    EXPECT_EQ(str(trace.GetSTFMConnType(buf)).size(), 8u);
    trace.SetCableID(nullptr);
    EXPECT_EQ(str(trace.GetCableID(buf)), u"");
}

TEST(TextFields, EachFieldKeepsItsOwnText) {
    CT6 trace;
    trace.SetPrefix(u"P");
    trace.SetExtension(u"E");
    trace.SetNetwork(u"N");
    trace.SetSegment(u"S");
    trace.SetProject(u"J");
    trace.SetTest(u"T");
    EXPECT_EQ(str(trace.GetPrefix(buf)), u"P");
    EXPECT_EQ(str(trace.GetExtension(buf)), u"E");
    EXPECT_EQ(str(trace.GetNetwork(buf)), u"N");
    EXPECT_EQ(str(trace.GetSegment(buf)), u"S");
    EXPECT_EQ(str(trace.GetProject(buf)), u"J");
    EXPECT_EQ(str(trace.GetTest(buf)), u"T");
}

TEST(TextFields, OriginalTraceTypeIsFilledOnlyWhenEmpty) {
    CT6 trace;
    trace.SetTraceType(u"SR4731");
    trace.SetNullOrigToTraceType();
    EXPECT_EQ(str(trace.GetTraceTypeOrig(buf)), u"SR4731");
    trace.SetTraceType(u"T6");
    trace.SetNullOrigToTraceType();
    EXPECT_EQ(str(trace.GetTraceTypeOrig(buf)), u"SR4731");
    trace.SetTraceTypeOrigToT6();
    EXPECT_EQ(str(trace.GetTraceTypeOrig(buf)), u"T6");
}

TEST(Sites, NearAndFarFollowTheDirection) {
    CT6 trace;
    trace.SetSiteA(u"Alpha");
    trace.SetSiteB(u"Bravo");
    EXPECT_EQ(str(trace.GetSiteNear(buf)), u"Bravo");
    EXPECT_EQ(str(trace.GetSiteFar(buf)), u"Alpha");
    trace.SetSiteAToB(1);
    EXPECT_EQ(trace.GetSiteAToB(), 1);
    EXPECT_EQ(str(trace.GetSiteNear(buf)), u"Alpha");
    EXPECT_EQ(str(trace.GetSiteFar(buf)), u"Bravo");
}

TEST(Wavelength, WholeNanometresPrintWithoutDecimals) {
    SettingsGuard guard;
    CT6 trace;
    trace.SetWavelengthNominal(1310);
    EXPECT_EQ(trace.GetWavelengthNominal(), 1310.0);
    EXPECT_EQ(str(trace.GetWavelengthNominal(buf, 1)), u"1310 nm");
    EXPECT_EQ(str(trace.GetWavelengthNominal(buf, 0)), u"1310");
    trace.SetWavelengthActual(1310.5);
    EXPECT_EQ(str(trace.GetWavelengthActual(buf, 1)), u"1310.50 nm");
    T6SetStgNM(u"NM");
    EXPECT_EQ(str(trace.GetWavelengthNominal(buf, 1)), u"1310 NM");
}

TEST(Range, OneDecimalBelowTwoUnits) {
    SettingsGuard guard;
    CT6 trace;
    trace.SetRangeNominalKM(1.5);
    EXPECT_EQ(str(trace.GetRangeNominal(buf, 0)), u"1.5");
    trace.SetRangeNominalKM(20);
    EXPECT_EQ(str(trace.GetRangeNominal(buf, 0)), u"20");
    EXPECT_EQ(str(trace.GetRangeNominal(buf, 1)), u"20 km");
    T6SetCurDistUnits(3);
    EXPECT_DOUBLE_EQ(trace.GetRangeNominal(), 20000.0);
    EXPECT_EQ(str(trace.GetRangeNominal(buf, 1)), u"20000 m");
}

TEST(Resolution, ShortLengthOfTheCurrentUnits) {
    SettingsGuard guard;
    CT6 trace;
    trace.SetResoNominalM(2.5);
    EXPECT_DOUBLE_EQ(trace.GetResoNominalM(), 2.5);
    EXPECT_EQ(str(trace.GetResoNominal(buf, 1)), u"2.500 m");
    T6SetCurDistUnits(1);
    EXPECT_NEAR(trace.GetResoNominal(), 8.2021, 1e-4);
    EXPECT_EQ(str(trace.GetResoNominal(buf, 1)), u"8.202 ft");
}

TEST(FiberMode, LabelsForKnownModesOnly) {
    CT6 trace;
    trace.SetFiberMode(1);
    EXPECT_EQ(str(trace.GetFiberMode(buf)), u"Singlemode");
    EXPECT_EQ(str(trace.GetFiberModeAbbrev(buf)), u"SM");
    trace.SetFiberMode(0);
    EXPECT_EQ(str(trace.GetFiberMode(buf)), u"Multimode");
    EXPECT_EQ(str(trace.GetFiberModeAbbrev(buf)), u"MM");
    trace.SetFiberMode(7);
    EXPECT_EQ(str(trace.GetFiberMode(buf)), u"??");
    EXPECT_EQ(str(trace.GetFiberModeAbbrev(buf)), u"??");
}

TEST(Averaging, SecondsAndTimeShowNotAvailableWhenZero) {
    CT6 trace;
    EXPECT_EQ(str(trace.GetAvgSeconds(buf)), u"N/A");
    EXPECT_EQ(str(trace.GetAvgTime(buf)), u"N/A");
    trace.SetAvgSeconds(125);
    EXPECT_EQ(str(trace.GetAvgSeconds(buf)), u"125");
    EXPECT_EQ(str(trace.GetAvgTime(buf)), u"2:05");
}

TEST(Averaging, TypeTextsAndTheCombinedForm) {
    CT6 trace;
    trace.SetAvgComplete(512);
    trace.SetAvgSeconds(65);
    const std::u16string types[] = {u"Fast", u"Medium", u"Slow", u"Timed", u""};
    for (int32_t t = 0; t < 5; ++t) {
        trace.SetAvgType(t);
        EXPECT_EQ(str(trace.GetAvgType(buf)), types[t]);
    }
    trace.SetAvgType(9);
    EXPECT_EQ(str(trace.GetAvgType(buf)), u"??");
    EXPECT_EQ(str(trace.GetAvgCompleteType(buf)), u"512");
    trace.SetAvgType(3);
    EXPECT_EQ(str(trace.GetAvgCompleteType(buf)), u"512 / 1:05");
    trace.SetAvgType(1);
    EXPECT_EQ(str(trace.GetAvgCompleteType(buf)), u"Medium  512");
    trace.SetAvgType(4);
    EXPECT_EQ(str(trace.GetAvgCompleteType(buf)), u"  512");
    EXPECT_EQ(str(trace.GetAvgComplete(buf)), u"512");
}

TEST(DynamicRange, TruncatedTowardZero) {
    CT6 trace;
    trace.SetDynamicRange(28.9);
    EXPECT_DOUBLE_EQ(trace.GetDynamicRange(), 28.9);
    EXPECT_EQ(str(trace.GetDynamicRange(buf, 0)), u"28");
    EXPECT_EQ(str(trace.GetDynamicRange(buf, 1)), u"28 dB");
    trace.SetDynamicRange(-3.7);
    EXPECT_EQ(str(trace.GetDynamicRange(buf, 0)), u"-3");
}

TEST(Time, DateAndTimeThroughTheLibraryFormats) {
    SettingsGuard guard;
    CT6 trace;
    trace.SetTimeYMDHMS(2004, 6, 21, 14, 5, 9);
    int32_t y, mo, d, h, mi, s;
    trace.GetTimeYMDHMS(y, mo, d, h, mi, s);
    EXPECT_EQ((std::vector<int32_t>{y, mo, d, h, mi, s}),
              (std::vector<int32_t>{2004, 6, 21, 14, 5, 9}));
    T6SetFormatDate(1);
    EXPECT_EQ(str(trace.GetDate(buf)), u"21-Jun-04");
    T6SetFormatTime(3);
    EXPECT_EQ(str(trace.GetTime(buf)), u"14:05:09");
    trace.SetTimeDST(5);
    EXPECT_EQ(trace.GetTimeDST(), 1);
    trace.SetTimeZoneMinutes(-300);
    EXPECT_EQ(trace.GetTimeZoneMinutes(), -300);
}

TEST(Thresholds, ScaledValuesAndTwoDecimalTexts) {
    CT6 trace;
    trace.SetThresholdLoss(0.05);
    trace.SetThresholdRefl(-65);
    trace.SetThresholdBreak(3.0);
    trace.SetFASNthReflThresh(-40.125);
    EXPECT_DOUBLE_EQ(trace.GetThresholdLoss(), 0.05);
    EXPECT_EQ(str(trace.GetThresholdLoss(buf, 1)), u"0.05 dB");
    EXPECT_EQ(str(trace.GetThresholdRefl(buf, 0)), u"-65.00");
    EXPECT_EQ(str(trace.GetThresholdBreak(buf, 0)), u"3.00");
    EXPECT_DOUBLE_EQ(trace.GetFASNthReflThresh(), -40.125);
    trace.SetFASNumBreaks(2);
    EXPECT_EQ(str(trace.GetFASNumBreaks(buf)), u"2");
}

TEST(DefaultExtension, FromFibreModeAndRoundedWavelength) {
    CT6 trace;
    struct Case {
        int32_t mode;
        double nm;
        const char16_t* ext;
    } cases[] = {{0, 850.3, u"M85"}, {0, 1300, u"M13"}, {1, 1550, u"S15"},
                 {1, 1310, u"S13"},  {0, 1310, u"S13"}, {1, 850, u"S13"},
                 {0, 1550, u"S13"},  {2, 1550, u"S13"}, {1, 1549.6, u"S15"}};
    for (const Case& c : cases) {
        trace.SetFiberMode(c.mode);
        trace.SetWavelengthNominal(c.nm);
        EXPECT_EQ(str(trace.VeltroDefaultExt(buf)), c.ext) << c.mode << " " << c.nm;
    }
}

} // namespace
