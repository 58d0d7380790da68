#include "support/pif_bytes.h"
#include "support/scratch_file.h"
#include "support/settings_guard.h"

#include "record/settings.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <limits>
#include <string>

using varnel::Settings;
using namespace varnel::test;

namespace {

std::u16string s(const char16_t* t) {
    return t;
}

// Field by field, so that a setting missing from the records shows by name.
void expectSameSettings(const Settings& a, const Settings& b) {
    EXPECT_EQ(a.curDistUnits, b.curDistUnits);
    EXPECT_EQ(a.speedOfLight, b.speedOfLight);
    EXPECT_EQ(a.endian, b.endian);
    EXPECT_EQ(a.endEndLossStartConn, b.endEndLossStartConn);
    EXPECT_EQ(a.endEndLossEndConn, b.endEndLossEndConn);
    EXPECT_EQ(a.endEndLossForced, b.endEndLossForced);
    EXPECT_EQ(a.startConnDefKM, b.startConnDefKM);
    EXPECT_EQ(a.startConnDefPercent, b.startConnDefPercent);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(a.orlCalc[i], b.orlCalc[i]) << i;
    EXPECT_EQ(a.defaultDBKM, b.defaultDBKM);
    EXPECT_EQ(a.useT6DBKM, b.useT6DBKM);
    EXPECT_EQ(a.formatDate, b.formatDate);
    EXPECT_EQ(a.formatTime, b.formatTime);
#define SAME(field) EXPECT_EQ(s(a.field.c_str()), s(b.field.c_str())) << #field
#define SAME_ALL(field)                                                                            \
    for (size_t i = 0; i < std::size(a.field); ++i)                                                \
    EXPECT_EQ(s(a.field[i].c_str()), s(b.field[i].c_str())) << #field << i
    SAME(nm);
    SAME(usec);
    SAME(nsec);
    SAME(db);
    SAME(dbm);
    SAME(am);
    SAME(pm);
    SAME(dbkm);
    SAME(notAvailable);
    SAME(twoWay);
    SAME(deltaCompare);
    SAME(attenuated);
    SAME(abort);
    SAME(templateTrace);
    SAME(fas);
    SAME(smooth);
    SAME(unknownLoss);
    SAME(twoPoint);
    SAME(longRange);
    SAME(hiRes);
    SAME(singlemode);
    SAME(multimode);
    SAME(sm);
    SAME(mm);
    SAME(fast);
    SAME(medium);
    SAME(slow);
    SAME(timed);
    SAME(autoMode);
    SAME(outOfRange);
    SAME(outOfDist);
    SAME(traceFlagChars);
    SAME(eventTypeChars);
    SAME(orlRelToA);
    SAME(orlRelToOrigin);
    SAME(formatReflSaturated);
    SAME(formatReflNotSaturated);
    SAME(formatORLSaturated);
    SAME(formatORLLessThan);
    SAME(formatPulsewidthDist);
    SAME_ALL(curDist);
    SAME_ALL(month);
    SAME_ALL(eventType);
    SAME_ALL(displayFrom);
    SAME_ALL(lossMode);
    SAME_ALL(formatDist);
    SAME_ALL(formatORLDist);
#undef SAME
#undef SAME_ALL
}

// Every setting away from its default, labels filled to their capacity.
void changeEverySetting() {
    T6SetCurDistUnits(1);
    T6SetSpeedOfLight(299700.125);
    T6SetEndian(0);
    T6SetEndEndLoss(0, 1);
    T6SetEndEndLossForced(1);
    T6SetStartConnDef(0.35, 3.5);
    T6SetORLCalc(0, 2, 0);
    T6SetDefaultDBKM(0.33);
    T6SetUseT6DBKM(0);
    T6SetFormatDate(2);
    T6SetFormatTime(3);
    for (auto set : {T6SetStgNM, T6SetStgUSEC, T6SetStgNSEC, T6SetStgDB, T6SetStgDBM, T6SetStgAM,
                     T6SetStgPM, T6SetStgUnknownLoss, T6SetStg2Point, T6SetStgLongRange,
                     T6SetStgHiRes, T6SetStgSM, T6SetStgMM})
        set(u"abcdeXX");
    for (auto set : {T6SetStgDBKM, T6SetStgNotAvailable, T6SetStgFAS, T6SetStgFast, T6SetStgMedium,
                     T6SetStgSlow, T6SetStgTimed})
        set(u"ninechars+");
    for (auto set : {T6SetStgAttenuated, T6SetStgAbort, T6SetStgSmooth})
        set(u"elevenchars+");
    for (auto set : {T6SetStgTemplate, T6SetStgAutoMode})
        set(u"fifteen-chars-!+");
    for (auto set : {T6SetStg2Way, T6SetStgDeltaCompare, T6SetStgSinglemode, T6SetStgMultimode,
                     T6SetStgOutOfRange, T6SetStgOutOfDist})
        set(u"\u00e9t\u00e9 thirty-one characters long....+");
    for (auto set : {T6SetStgTraceFlagChars, T6SetStgEventTypeChars, T6SetStgORLRelToA,
                     T6SetStgORLRelToOrigin})
        set(u"1234567+");
    for (int i = 0; i < 5; ++i) {
        T6SetStgCurDist(i, (u"u" + std::u16string(1, char16_t(u'0' + i))).c_str());
        T6SetFormatDist(i, (u"%." + std::u16string(1, char16_t(u'1' + i)) + u"f").c_str());
        T6SetFormatORLDist(i, (u"<%." + std::u16string(1, char16_t(u'1' + i)) + u"e>").c_str());
    }
    for (int i = 0; i < 12; ++i)
        T6SetStgMonth(i, (u"M" + std::u16string(1, char16_t(u'a' + i))).c_str());
    for (int i = -1; i <= 5; ++i)
        T6SetStgEventType(i, (u"type " + std::u16string(1, char16_t(u'a' + i + 1))).c_str());
    for (int i = 0; i < 4; ++i)
        T6SetStgDisplayFrom(i, (u"from " + std::u16string(1, char16_t(u'a' + i))).c_str());
    for (int i = 0; i < 7; ++i)
        T6SetStgLossMode(i, (u"mode " + std::u16string(1, char16_t(u'a' + i))).c_str());
    T6SetFormatReflSaturated(u"}%6.2fS");
    T6SetFormatReflNotSaturated(u"%8.3f");
    T6SetFormatORLSaturated(u"<<%4.0fS");
    T6SetFormatORLLessThan(u"<%5.3f");
    T6SetFormatPulsewidthDist(u"%.2f m");
}

class PifSettings : public ::testing::Test {
protected:
    void TearDown() override {
        T6PIFInFinal();
        T6PIFPutFinal();
    }
    void writeSettings() {
        ASSERT_EQ(T6PIFPutInit(file.widePath().c_str(), u"settings", 0, 0), 0);
        ASSERT_EQ(T6PIFPutT6Parms(), 0);
        ASSERT_EQ(T6PIFPutFinal(), 0);
    }
    // Loads every record and restores those that carry settings; returns the
    // types in file order.
    std::vector<int32_t> restoreAll() {
        std::vector<int32_t> types;
        EXPECT_EQ(T6PIFInInit(file.path().c_str()), 0);
        int32_t type = 0;
        while (T6PIFRecLoad(type) == 0) {
            types.push_back(type);
            if (type >= 9 && type <= 23) {
                EXPECT_EQ(T6PIFSetT6Parms(type), 0) << type;
            }
        }
        T6PIFInFinal();
        return types;
    }

    SettingsGuard guard;
    ScratchFile file{"settings.pif"};
};

TEST_F(PifSettings, RoundTripRestoresEveryField) {
    changeEverySetting();
    const Settings changed = varnel::settings();
    writeSettings();
    varnel::settings() = Settings{};

    std::vector<int32_t> types = restoreAll();
    std::vector<int32_t> expectedTypes{1};
    for (int32_t t = 9; t <= 23; ++t)
        expectedTypes.push_back(t);
    expectedTypes.push_back(-1);
    EXPECT_EQ(types, expectedTypes);
    expectSameSettings(varnel::settings(), changed);
}

TEST_F(PifSettings, DefaultsRoundTripToo) {
    varnel::settings() = Settings{};
    writeSettings();
    changeEverySetting();
    restoreAll();
    expectSameSettings(varnel::settings(), Settings{});
}

TEST_F(PifSettings, OtherRecordTypesChangeNothing) {
    ASSERT_EQ(T6PIFPutInit(file.widePath().c_str(), u"", 0, 0), 0);
    ASSERT_EQ(T6PIFPutT6Show(1, 2, 3, 4, 5), 0);
    ASSERT_EQ(T6PIFPutT6Parms(), 0);
    ASSERT_EQ(T6PIFPutFinal(), 0);
    changeEverySetting();
    const Settings before = varnel::settings();

    ASSERT_EQ(T6PIFInInit(file.path().c_str()), 0);
    int32_t type = 0;
    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(T6PIFSetT6Parms(4), 1) << "type 4 carries no settings";
    EXPECT_EQ(T6PIFSetT6Parms(1), 1);
    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(type, 7);
    EXPECT_EQ(T6PIFSetT6Parms(7), 1);
    ASSERT_EQ(T6PIFRecLoad(type), 0);
    EXPECT_EQ(type, 9);
    EXPECT_EQ(T6PIFSetT6Parms(10), 1) << "the type must be the loaded record's";
    expectSameSettings(varnel::settings(), before);
}

// Settings records from elsewhere: values the library would refuse from its
// own setters, and records cut short, leave the setting as it was.
TEST_F(PifSettings, ForeignRecordsOnlyRestoreAcceptableValues) {
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    RawPif raw;
    raw.record(9, concat({int32Bytes(7), doubleBytes(notANumber), int32Bytes(0)}));
    raw.record(22, concat({utf16(u"%s"), utf16(u"%5.1f%n"), utf16(u"%.3f")}));
    raw.record(10, concat({utf16(u"a"), utf16(u"bcd", false)}));
    file.write(raw.bytes);
    const Settings before = varnel::settings();

    ASSERT_EQ(T6PIFInInit(file.path().c_str()), 0);
    int32_t type = 0;
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(T6PIFRecLoad(type), 0);
        EXPECT_EQ(T6PIFSetT6Parms(type), 0);
    }
    Settings expected = before;
    expected.endEndLossStartConn = 0; // the one value of record 9 that is acceptable
    expected.formatORLSaturated.set(u"%.3f");
    expected.curDist[0].set(u"a"); // the unterminated second label is not taken
    expectSameSettings(varnel::settings(), expected);
}

TEST_F(PifSettings, OlderRecordNineWithoutTheAppendedValues) {
    changeEverySetting();
    RawPif raw;
    std::vector<uint8_t> payload =
        concat({int32Bytes(3), doubleBytes(299792.5), int32Bytes(1), int32Bytes(0),
                doubleBytes(0.2), doubleBytes(2.0), doubleBytes(0.2), int32Bytes(1), int32Bytes(1),
                int32Bytes(1), int32Bytes(1)});
    raw.record(9, payload);
    file.write(raw.bytes);
    Settings expected = varnel::settings();
    expected.curDistUnits = 3;
    expected.speedOfLight = 299792.5;
    expected.endEndLossStartConn = 1;
    expected.endEndLossEndConn = 0;
    expected.startConnDefKM = 0.2;
    expected.startConnDefPercent = 2.0;
    expected.defaultDBKM = 0.2;
    expected.useT6DBKM = 1;
    expected.orlCalc[0] = expected.orlCalc[1] = expected.orlCalc[2] = 1;

    ASSERT_EQ(T6PIFInInit(file.path().c_str()), 0);
    int32_t type = 0;
    ASSERT_EQ(T6PIFRecLoad(type), 0);
    ASSERT_EQ(T6PIFSetT6Parms(type), 0);
    expectSameSettings(varnel::settings(), expected);
}

} // namespace
