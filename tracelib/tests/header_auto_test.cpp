// Header fields filled from the record's own values.
#include "support/header_record.h"
#include "support/settings_guard.h"

#include <gtest/gtest.h>

using namespace varnel::test;

namespace {

// One field of every automatic kind, in kind order (fields 0-16), then a
// '$' run (17) and an '@' run (18).
std::u16string everyAutoKind() {
    std::u16string text;
    for (const char16_t* code :
         {u"CID", u"FNO", u"FTP", u"TSI", u"FSI", u"MDY", u"NTW", u"SGT", u"PRJ", u"TST", u"FLE",
          u"WAV", u"MNF", u"MDL", u"OPM", u"OSN", u"SWV"}) {
        text += u"<" + std::u16string(code) + std::u16string(36, u' ') + u">\n";
    }
    return text + u"$$$$\n@@@@";
}

std::u16string trimmed(const CT6& record, int32_t index) {
    return fieldInfo(record, index, 1).text;
}

void fillRecord(CT6& record) {
    record.SetCableID(u"Cable-7");
    record.SetFiberNumber(u"12");
    record.SetFiberMode(1);
    record.SetSiteA(u"North");
    record.SetSiteB(u"South");
    record.SetSiteAToB(0);
    record.SetTimeYMDHMS(2021, 3, 4, 15, 6, 7);
    record.SetNetwork(u"Net");
    record.SetSegment(u"Seg");
    record.SetProject(u"Prj");
    record.SetTest(u"Tst");
    record.SetFilespec(u"C:\\traces\\f01.sor");
    record.SetWavelengthNominal(1310.5);
    record.SetManufacturer(u"Maker");
    record.SetModel(u"M1");
    record.SetOpticsModule(u"Opt");
    record.SetOpticsModuleSN(u"SN9");
    record.SetSoftwareVer(u"2.1");
}

} // namespace

TEST(HeaderAuto, EveryKindTakesItsRecordValue) {
    SettingsGuard guard;
    CT6 record;
    ASSERT_EQ(loadTemplate(record, everyAutoKind()), 0);
    fillRecord(record);
    record.HDRInitStgs(1, 1, 1);
    char16_t date[64], time[64], mode[64], wave[64];
    std::u16string dateTime = std::u16string(record.GetDate(date)) + u"  " + record.GetTime(time);
    const std::u16string expected[] = {u"Cable-7", u"12",      record.GetFiberMode(mode),
                                       u"South",   u"North",   dateTime,
                                       u"Net",     u"Seg",     u"Prj",
                                       u"Tst",     u"f01.sor", record.GetWavelengthNominal(wave, 0),
                                       u"Maker",   u"M1",      u"Opt",
                                       u"SN9",     u"2.1"};
    for (int32_t i = 0; i < 17; ++i)
        EXPECT_EQ(trimmed(record, i), expected[i]) << "kind " << i + 3;
    EXPECT_EQ(trimmed(record, 11), u"1310.50");
}

TEST(HeaderAuto, EmptyRecordValuesKeepTheFieldExceptTheFilename) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, everyAutoKind()), 0);
    record.HDRSetFldStg(0, u"typed cable");
    record.HDRSetFldStg(10, u"old.sor");
    record.HDRInitStgs(1, 1, 1);
    EXPECT_EQ(trimmed(record, 0), u"typed cable");
    EXPECT_EQ(trimmed(record, 10), u"");
}

TEST(HeaderAuto, FlagsChooseWhichKindsAreReset) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, everyAutoKind()), 0);
    record.SetCableID(u"C");
    auto typeEverything = [&] {
        for (int32_t i = 0; i < 19; ++i)
            record.HDRSetFldStg(i, u"typed");
    };

    typeEverything();
    record.HDRInitStgs(0, 0, 0);
    EXPECT_EQ(trimmed(record, 0), u"typed");
    EXPECT_EQ(trimmed(record, 17), u"type");
    EXPECT_EQ(trimmed(record, 18), u"type");

    // Only exactly 1 clears the user fields; any non-zero fills from the record.
    record.HDRInitStgs(2, 2, 2);
    EXPECT_EQ(trimmed(record, 0), u"C");
    EXPECT_EQ(trimmed(record, 17), u"type");
    EXPECT_EQ(trimmed(record, 18), u"type");

    typeEverything();
    record.HDRInitStgs(1, 0, 0);
    EXPECT_EQ(trimmed(record, 17), u"");
    EXPECT_EQ(trimmed(record, 18), u"type");

    typeEverything();
    record.HDRInitStgs(1, 0); // the '$' fields are always cleared in this form
    EXPECT_EQ(trimmed(record, 17), u"");
    EXPECT_EQ(trimmed(record, 18), u"");
    EXPECT_EQ(trimmed(record, 0), u"typed");
}

TEST(HeaderAuto, NearAndFarSitesFollowTheDirection) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, u"<TSI      ><FSI      >"), 0);
    record.SetSiteA(u"A-end");
    record.SetSiteB(u"B-end");
    record.SetSiteAToB(1);
    record.HDRInitStgs(1, 1, 1);
    EXPECT_EQ(trimmed(record, 0), u"A-end");
    EXPECT_EQ(trimmed(record, 1), u"B-end");
}
