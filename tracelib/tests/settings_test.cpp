#include "support/settings_guard.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <string>

using varnel::test::SettingsGuard;
using varnel::test::text;

namespace {

char16_t buf[64];

TEST(DateText, FollowsTheChosenFormat) {
    SettingsGuard guard;
    T6SetFormatDate(1);
    EXPECT_EQ(text(T6DateFromYMD(buf, 2004, 6, 21)), u"21-Jun-04");
    T6SetFormatDate(0);
    EXPECT_EQ(text(T6DateFromYMD(buf, 2004, 6, 21)), u"06/21/04");
    T6SetFormatDate(2);
    EXPECT_EQ(text(T6DateFromYMD(buf, 2004, 6, 21)), u"21-Jun");
    T6SetFormatDate(7);
    EXPECT_EQ(text(T6DateFromYMD(buf, 2004, 6, 21)), u"Jun-04");
}

TEST(DateText, UsesTranslatedMonthsAndSurvivesBadMonths) {
    SettingsGuard guard;
    T6SetFormatDate(1);
    T6SetStgMonth(5, u"Juin");
    EXPECT_EQ(text(T6DateFromYMD(buf, 2004, 6, 21)), u"21-Juin-04");
    EXPECT_EQ(text(T6DateFromYMD(buf, 2004, 13, 1)), u"01-\?\?-04");
    EXPECT_EQ(text(T6DateFromYMD(buf, 2004, 0, 1)), u"01-\?\?-04");
}

TEST(TimeText, TwelveAndTwentyFourHourForms) {
    SettingsGuard guard;
    T6SetFormatTime(0);
    EXPECT_EQ(text(T6TimeFromHMS(buf, 0, 5, 0)), u"12:05 AM");
    EXPECT_EQ(text(T6TimeFromHMS(buf, 12, 30, 0)), u"12:30 PM");
    EXPECT_EQ(text(T6TimeFromHMS(buf, 23, 59, 0)), u"11:59 PM");
    T6SetFormatTime(1);
    EXPECT_EQ(text(T6TimeFromHMS(buf, 11, 2, 3)), u"11:02:03 AM");
    T6SetFormatTime(2);
    EXPECT_EQ(text(T6TimeFromHMS(buf, 14, 5, 9)), u"14:05");
    T6SetFormatTime(3);
    EXPECT_EQ(text(T6TimeFromHMS(buf, 14, 5, 9)), u"14:05:09");
    T6SetFormatTime(-1);
    EXPECT_EQ(text(T6TimeFromHMS(buf, 14, 5, 9)), u"14:05:09");
}

TEST(NameTables, OutOfRangeIndicesReadUnknownAndSetNothing) {
    SettingsGuard guard;
    T6SetStgEventType(6, u"Nope");
    T6SetStgEventType(-2, u"Nope");
    EXPECT_EQ(text(T6GetStgEventType(-2, buf)), u"??");
    EXPECT_EQ(text(T6GetStgEventType(6, buf)), u"??");
    EXPECT_EQ(text(T6GetStgEventType(-1, buf)), u"Junk");
    EXPECT_EQ(text(T6GetStgEventType(5, buf)), u"Questionable End");
    EXPECT_EQ(text(T6GetStgLossMode(7, buf)), u"??");
    EXPECT_EQ(text(T6GetStgLossMode(2, buf)), u"2-Point Loss LLSA");
    EXPECT_EQ(text(T6GetStgDisplayFrom(4, buf)), u"??");
    EXPECT_EQ(text(T6GetStgDisplayFrom(3, buf)), u"Display from Any");
    EXPECT_EQ(T6GetCountLossMode(), 7);
    EXPECT_EQ(T6GetCountDisplayFrom(), 4);
}

TEST(DisplayStrings, SettersTruncateToTheirCapacity) {
    SettingsGuard guard;
    T6SetStgEventType(2, u"A very long name for a non-reflective event");
    EXPECT_EQ(text(T6GetStgEventType(2, buf)).size(), 31u);
    T6SetStgDB(u"decibel");
    EXPECT_EQ(text(T6GetDB2Dec(1.5, buf, 1)), u"1.50 decib");
}

TEST(UnitTable, ReportsLabelsAndFactors) {
    double factor = 0;
    EXPECT_EQ(text(T6GetInfoCurDist(9, buf, factor)), u"km");
    EXPECT_EQ(factor, 1.0);
    EXPECT_EQ(text(T6GetInfoCurDist(-3, buf, factor)), u"km");
    EXPECT_EQ(text(T6GetInfoCurDist(1, buf, factor)), u"ft");
    EXPECT_DOUBLE_EQ(factor, 3280.839895);
    EXPECT_EQ(T6GetCountCurDist(), 5);
}

TEST(DistanceText, UsesTheCurrentUnitFormatAndLabel) {
    SettingsGuard guard;
    EXPECT_EQ(text(T6CurDistFromKM(1.23456, buf, 1)), u"1.2346 km");
    T6SetCurDistUnits(3);
    EXPECT_EQ(text(T6CurDistFromKM(1.23456, buf, 1)), u"1234.56 m");
    EXPECT_DOUBLE_EQ(T6KMFromCurDist(500.0), 0.5);
    T6SetCurDistUnits(1);
    EXPECT_EQ(text(T6CurDistFromKM(1.0, buf, 0)), u"3281");
    T6SetCurDistUnits(17); // ignored
    EXPECT_EQ(text(T6CurDistFromKM(1.0, buf, 1)), u"3281 ft");
}

TEST(NumberFormats, OnlySingleFloatConversionsAreAccepted) {
    SettingsGuard guard;
    T6SetFormatDist(4, u"%s%s%n");
    EXPECT_EQ(text(T6CurDist(2.5, buf, 0)), u"2.5000");
    T6SetFormatDist(4, u"%d");
    EXPECT_EQ(text(T6CurDist(2.5, buf, 0)), u"2.5000");
    T6SetFormatDist(4, u"~%.1f%%");
    EXPECT_EQ(text(T6CurDist(2.5, buf, 0)), u"~2.5%");
    EXPECT_TRUE(varnel::isSingleFloatFormat(u">%5.1fS"));
    EXPECT_FALSE(varnel::isSingleFloatFormat(u"%f %f"));
    EXPECT_FALSE(varnel::isSingleFloatFormat(u"%999f"));
}

TEST(NumberFormats, HugeValuesStayInsideTheCallersBuffer) {
    char16_t small[64];
    T6CurDist(1e300, small, 1);
    EXPECT_LT(text(small).size(), 64u);
}

TEST(DbText, TwoAndThreeDecimals) {
    EXPECT_EQ(text(T6GetDB2Dec(-0.126, buf, 0)), u"-0.13");
    EXPECT_EQ(text(T6GetDB3Dec(0.1234, buf, 1)), u"0.123 dB");
}

TEST(OrlReference, FollowsTheThirdOrlOption) {
    SettingsGuard guard;
    EXPECT_EQ(text(T6GetORLRelTo(buf)), u"[O]");
    T6SetORLCalc(1, 1, 0);
    EXPECT_EQ(text(T6GetORLRelTo(buf)), u"[A]");
}

TEST(Memory, AllocatesAndReleasesThroughTheLibrary) {
    void* p = T6Malloc(16);
    ASSERT_NE(p, nullptr);
    p = T6Realloc(p, 64);
    ASSERT_NE(p, nullptr);
    T6Free(p);
    T6Free(nullptr);
    EXPECT_EQ(T6Malloc(-1), nullptr);
    EXPECT_EQ(T6MallocTest(), -1);
    T5FreeViaT6(nullptr);
}

TEST(BuildInfo, NamesTheLibraryAndItsBuildTime) {
    EXPECT_EQ(std::string(T6GetBuildDateTime()).rfind("libvarnel.so : ", 0), 0u);
}

} // namespace
