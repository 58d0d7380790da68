#include "formats/sor_parse.h"
#include "support/sor_files.h"

#include <gtest/gtest.h>

#include <varnel/varnel.h>

#include <string>

using namespace varnel;
using namespace varnel::test;

namespace {

// fullSorFile: 0.4 m resolution (data spacing 200000), front panel offset
// 1200, user offset 120, so time t lies at point (t + 1320) / 20 and 0 km at
// point 60.
constexpr double kSpacingKM = 0.4 * 299792.5 / (1.468 * 2e8);

std::u16string text(char16_t* (CT6::*getter)(char16_t*) const, const CT6& r) {
    char16_t buffer[300] = {};
    return (r.*getter)(buffer);
}

std::u16string headerField(const CT6& r, int32_t index) {
    uint8_t page = 0, line = 0, column = 0, length = 0, kind = 0;
    char16_t buffer[64] = {};
    r.HDRGetFldInfo(index, 1, page, line, column, length, kind, buffer);
    return buffer;
}

std::vector<uint8_t> withoutKeyEvents(sor::SorFile f) {
    f.hasKeyEvents = false;
    return writeSor(f);
}

} // namespace

TEST(SorRead, StandardFieldsMapIntoTheRecord) {
    CT6 r;
    ASSERT_EQ(openSor(r, withoutKeyEvents(fullSorFile(2, 200))), 0);
    EXPECT_EQ(text(&CT6::GetCableID, r), u"CABLE-7");
    EXPECT_EQ(text(&CT6::GetSiteA, r), u"North hut");
    EXPECT_EQ(text(&CT6::GetSiteB, r), u"South hut");
    EXPECT_EQ(r.GetSiteAToB(), 1);
    EXPECT_EQ(text(&CT6::GetManufacturer, r), u"Maker");
    EXPECT_EQ(text(&CT6::GetModel, r), u"OTDR-1");
    EXPECT_EQ(text(&CT6::GetHardwareVer, r), u"SN100");
    EXPECT_EQ(text(&CT6::GetOpticsModule, r), u"MOD-2");
    EXPECT_EQ(text(&CT6::GetOpticsModuleSN, r), u"SN200");
    EXPECT_EQ(text(&CT6::GetSoftwareVer, r), u"3.1.4");
    EXPECT_EQ(text(&CT6::GetTraceType, r), u"SR4731");
    EXPECT_EQ(r.GetFiberMode(), 1);
    EXPECT_DOUBLE_EQ(r.GetWavelengthNominal(), 1550.0);
    EXPECT_DOUBLE_EQ(r.GetWavelengthActual(), 1550.2);
    EXPECT_EQ(r.GetTimeUTC(), 1700000000);
    EXPECT_DOUBLE_EQ(r.GetResoNominalM(), 0.4);
    EXPECT_NEAR(r.SpanGetIOR(0), 1.468, 1e-9);
    EXPECT_NEAR(r.SpanGetBackScatter(0), -80.0, 1e-9);
    EXPECT_EQ(r.GetAvgType(), 4);
    EXPECT_EQ(r.GetAvgComplete(), 4096);
    EXPECT_EQ(r.GetAvgSeconds(), 30);
    ASSERT_EQ(r.PWCount(), 2);
    EXPECT_EQ(r.PWGetStartDP(1), 60);
    EXPECT_EQ(r.PWGetPreampType(0), 2); // 100 ns
    EXPECT_EQ(r.PWGetPreampType(1), 1); // 1000 ns
    EXPECT_EQ(r.GetZKMDP(), 60);
    EXPECT_NEAR(r.GetThresholdLoss(), 0.03, 1e-9);
    EXPECT_NEAR(r.GetThresholdRefl(), -40.0, 1e-9);
    EXPECT_NEAR(r.GetThresholdBreak(), 3.0, 1e-9);
    // The user offset moves 0 km six points, 6 x 20 time units, past the zero-km point.
    EXPECT_NEAR(r.GetHorzShiftKM(), -6 * kSpacingKM, 1e-9);
    EXPECT_EQ(r.EVCount(), 0);
}

TEST(SorRead, RangeComesFromItsDistanceElseFromTheTimeRange) {
    auto f = fullSorFile(2);
    f.hasKeyEvents = false;
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_NEAR(r.GetRangeNominal(), 200 / 10.0 * 0.001, 1e-6); // "mt": 0.1 m units
    f.fxd.acquisitionRangeDistance = 0;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_NEAR(r.GetRangeNominal(), 400000 / 50.0 / 1000.0, 1e-6);
}

TEST(SorRead, MultimodeByFibreTypeOrWavelength) {
    auto f = fullSorFile(2);
    f.hasKeyEvents = false;
    CT6 r;
    f.gen.fiberType = 651;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_EQ(r.GetFiberMode(), 0);
    f.gen.fiberType = 652;
    f.gen.nominalWavelengthNM = 1300;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_EQ(r.GetFiberMode(), 0);
}

TEST(SorRead, HeaderPagesComeFromTheSR4731Template) {
    CT6 r;
    ASSERT_EQ(openSor(r, withoutKeyEvents(fullSorFile(2))), 0);
    EXPECT_EQ(headerField(r, 1), u"EN");
    EXPECT_EQ(headerField(r, 3), u"CABLE-7");
    EXPECT_EQ(headerField(r, 5), u"F12");
    EXPECT_EQ(headerField(r, 7), u"1550");
    EXPECT_EQ(headerField(r, 13), u"CC9");
    EXPECT_EQ(headerField(r, 15), u"BC");
    EXPECT_EQ(headerField(r, 17), u"Ana");
    EXPECT_EQ(headerField(r, 19), u"after repair");
    EXPECT_EQ(headerField(r, 21), u"Maker");
    EXPECT_EQ(headerField(r, 33), u"spare");
}

TEST(SorRead, PointsBelow30dBGetDynamicRange32) {
    auto f = fullSorFile(2, 100);
    f.hasKeyEvents = false;
    auto& raw = f.dataPts.blocks[0].points;
    for (size_t j = 0; j < raw.size(); ++j)
        raw[j] = static_cast<uint16_t>(5000 + j * 250);
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_DOUBLE_EQ(r.GetDynamicRange(), 32.0);
    EXPECT_EQ(r.DPWGetScaleFactor(), 1000);
    EXPECT_EQ(r.DPWGetLONG(0), 27000); // 32 - 5 dB
    EXPECT_EQ(r.DPWGetLONG(99), 2250); // 32 - 29.75 dB
}

TEST(SorRead, PointsFrom10To70dBAreOffsetAndGetDynamicRange64) {
    auto f = fullSorFile(2, 61);
    f.hasKeyEvents = false;
    f.dataPts.blocks[0].scaleFactor = 2000; // 0.002 dB per unit
    auto& raw = f.dataPts.blocks[0].points;
    for (size_t j = 0; j < raw.size(); ++j)
        raw[j] = static_cast<uint16_t>(5000 + j * 500);
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_DOUBLE_EQ(r.GetDynamicRange(), 64.0);
    EXPECT_EQ(r.DPWGetLONG(60), 4000);  // 64 - 70 + 10
    EXPECT_EQ(r.DPWGetLONG(30), 34000); // 64 - 40 + 10
    EXPECT_EQ(r.DPWGetLONG(0), 56000);  // 64 - 10 + 10, held at 56 dB
}

TEST(SorRead, KeyEventsFollowTheAnalysedLaunch) {
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(simulatedSorFile(2))), 0);
    // Propagation time 0 is the analysed launch; the two others are added.
    ASSERT_EQ(r.EVCount(), 3);
    EXPECT_EQ(r.EVGetType(0), T6_EVENT_LAUNCH);
    EXPECT_EQ(r.EVGetLossMode(0), 6);

    EXPECT_EQ(r.EVGetType(1), T6_EVENT_NON_REFLECTIVE);
    EXPECT_EQ(r.EVGetStartDP(1), (5000 + 1320) / 20);
    EXPECT_NEAR(r.EVGetLoss(1), 0.09, 1e-9);
    EXPECT_EQ(r.EVGetLossMode(1), 0); // "LS"
    char16_t comment[64] = {};
    EXPECT_EQ(std::u16string(r.EVGetComment(1, comment)), u"splice");
    // Markers 10, 20, 30, 40 become least-squares offsets from the start.
    EXPECT_NEAR(r.EVGetLSAStartOffKM(1, 1), (66.5 - 316) * kSpacingKM, 1e-9);
    EXPECT_NEAR(r.EVGetLSAEndOffKM(1, 1), (67 - 316) * kSpacingKM, 1e-9);
    EXPECT_NEAR(r.EVGetLSAStartOffKM(1, 0), (67.5 - 316) * kSpacingKM, 1e-9);
    EXPECT_NEAR(r.EVGetLSAEndOffKM(1, 0), (68 - 316) * kSpacingKM, 1e-9);

    // "1E" measured "2P": an end event with a reflectance.
    EXPECT_EQ(r.EVGetType(2), T6_EVENT_END);
    EXPECT_EQ(r.EVGetStartDP(2), (10000 + 1320) / 20);
    EXPECT_NEAR(r.EVGetRefl(2), -45.0, 1e-9);
    EXPECT_TRUE(r.EVGetFlags(2) & 2);
    EXPECT_EQ(r.EVGetLossMode(2), 6);
    EXPECT_EQ(r.EVGetEndDP(2), r.EVGetStartDP(2) + r.PWGetPointsPerAtDP(r.EVGetStartDP(2)));
}

TEST(SorRead, EventCodesSetTypesAndFlags) {
    struct Case {
        const char* code;
        int32_t type;
        uint32_t flags;
    };
    const Case cases[] = {
        // the last event always closes the table
        {"0F9999", T6_EVENT_END, T6_EVFLAG_CLOSING},
        {"2F9999", T6_EVENT_END, T6_EVFLAG_CLOSING | T6_EVFLAG_REFL_SATURATED},
        {"0A9999", T6_EVENT_END, T6_EVFLAG_CLOSING | T6_EVFLAG_INSERTED}, // from a template
        {"0M9999", T6_EVENT_END, T6_EVFLAG_CLOSING | T6_EVFLAG_EDITED},   // placed by hand
        {"0D9999", T6_EVENT_END, T6_EVFLAG_CLOSING | T6_EVFLAG_EDITED},   // end placed by hand
        {"0O9999", T6_EVENT_END, T6_EVFLAG_CLOSING | T6_EVFLAG_END_AT_NOISE_FLOOR}, // out of range
    };
    for (const auto& c : cases) {
        auto f = simulatedSorFile(2);
        f.keyEvents.events.resize(2);
        f.keyEvents.events[1].code = c.code;
        f.keyEvents.events[1].reflectance = -50000;
        CT6 r;
        ASSERT_EQ(openSor(r, writeSor(f)), 0) << c.code;
        ASSERT_EQ(r.EVCount(), 2) << c.code;
        EXPECT_EQ(r.EVGetType(1), c.type) << c.code;
        EXPECT_EQ(r.EVGetFlags(1), c.flags) << c.code;
    }
}

TEST(SorRead, OrlAndItsCursors) {
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(simulatedSorFile(2))), 0);
    ASSERT_TRUE(r.IsORLAvailable());
    EXPECT_NEAR(r.GetORL(), 32.0, 1e-9);
    // Markers 5 and 9000 lie at points 66.25 and 516; 0 km is at point 66.
    EXPECT_NEAR(r.GetORLACursorKM(), 0.25 * kSpacingKM, 1e-7);
    EXPECT_NEAR(r.GetORLBCursorKM(), 450 * kSpacingKM, 1e-7);

    auto f = simulatedSorFile(2);
    f.keyEvents.orlMarkers = {0, 0};
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_NEAR(r.GetORLACursorKM(), 0.0, 1e-7);
    EXPECT_NEAR(r.GetORLBCursorKM(), r.EVGetStartKM(2), 1e-7);
}

TEST(SorRead, CursorsAndViews) {
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(simulatedSorFile(2))), 0);
    EXPECT_NEAR(r.GetACursorKM(), 0.0, 1e-6);
    EXPECT_NEAR(r.GetBCursorKM(), r.EVGetStartKM(2), 1e-6);
    EXPECT_EQ(r.GetViewMode(), 0);
    EXPECT_NEAR(r.GetViewExtentDB(0), 32.0, 1e-9);

    ASSERT_EQ(openSor(r, withoutKeyEvents(simulatedSorFile(2))), 0);
    EXPECT_NEAR(r.GetACursorKM(), r.GetMaxKM() / 4, 1e-6);
    EXPECT_NEAR(r.GetBCursorKM(), 3 * r.GetMaxKM() / 4, 1e-6);
}

TEST(SorRead, IssueOneIsGR196WithoutItsIssueTwoFields) {
    auto f = simulatedSorFile(1);
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    char16_t type[32] = {};
    EXPECT_EQ(std::u16string(r.GetTraceType(type)), u"GR196");
    ASSERT_EQ(r.EVCount(), 3);
    EXPECT_EQ(r.EVGetLSAStartOffKM(1, 1), 0.0); // issue 1 has no markers
}

TEST(SorRead, UserOffsetDistanceShiftsWhenThereIsNoUserOffset) {
    auto f = fullSorFile(2);
    f.hasKeyEvents = false;
    f.gen.userOffset = 0;
    f.gen.userOffsetDistance = 250; // 25 m
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_NEAR(r.GetHorzShiftKM(), -0.025, kSpacingKM);
}

TEST(SorRead, AnUndecodableNativeRecordFallsBackToTheStandardFields) {
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(fullSorFile(2), {'<', 'T', '6', '>', 3, 0})), 0);
    EXPECT_EQ(text(&CT6::GetCableID, r), u"CABLE-7");
}

TEST(SorRead, ANativeRecordWithoutIndexOfRefractionFallsBack) {
    CT6 native;
    native.SetCableID(u"native");
    native.SetResoNominalM(0.4);
    native.SpanInsertDP(0);
    native.SFInsertDP(0);
    native.SFSetScaleFactor(0, 1000);
    native.DPOInitArray(10);
    native.DPOSetCount(10);
    std::vector<uint8_t> bytes(static_cast<size_t>(native.CompT6Basic(nullptr, 0, 0, 0, 1)));
    native.CompT6Basic(bytes.data(), static_cast<int32_t>(bytes.size()), 0, 0, 1);
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(fullSorFile(2), bytes)), 0);
    EXPECT_EQ(text(&CT6::GetCableID, r), u"CABLE-7");
    EXPECT_NEAR(r.SpanGetIOR(0), 1.468, 1e-9);
}

TEST(SorRead, DamagedFilesGiveStatus8) {
    CT6 r;
    auto f = fullSorFile(2);
    f.fxd.pulseWidths[0].dataSpacing = 0;
    EXPECT_EQ(openSor(r, writeSor(f)), 8);
    EXPECT_EQ(openSor(r, {}), 8);
    EXPECT_EQ(r.DecompSR4731(nullptr, 10), 8);
}
