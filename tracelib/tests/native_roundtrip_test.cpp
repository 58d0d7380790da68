#include "support/native_sample.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <string>

using namespace varnel::test;

namespace {

Bytes encode(CT6& r, int32_t crc = 0) {
    int32_t size = r.CompT6(nullptr, 0, 0, crc);
    Bytes out(static_cast<size_t>(size));
    EXPECT_EQ(r.CompT6(out.data(), size, 0, crc), size);
    return out;
}

int32_t decode(CT6& r, const Bytes& file, int32_t crc = 0) {
    return r.DecompT6(file.data(), static_cast<int32_t>(file.size()), crc);
}

void expectSameItems(const std::vector<SampleItem>& got, const std::vector<SampleItem>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << "item " << i << ", tag " << int{want[i].tag};
}

std::u16string text(char16_t* (CT6::*get)(char16_t*) const, const CT6& r) {
    char16_t buffer[300] = {};
    return (r.*get)(buffer);
}

} // namespace

TEST(NativeRoundTrip, EveryItemOfAFullTraceComesBackUnchanged) {
    NativeSample sample = MakeNativeSample();
    Bytes file = EncodeItems(sample.items, {.checked = true});
    CT6 r;
    ASSERT_EQ(decode(r, file, 1), 0);
    Bytes again = encode(r, 1);
    expectSameItems(ItemsOf(again), sample.items);
    EXPECT_EQ(again, file);
    EXPECT_GT(ItemsOf(file).size(), 1250u); // 40,000 points in 32-point items
}

TEST(NativeRoundTrip, ImplodedBlocksReadLikeStoredOnes) {
    NativeSample sample = MakeNativeSample();
    const size_t stored = EncodeItems(sample.items).size();
    for (ImplodeOptions implode : {ImplodeOptions{false, 6, true}, ImplodeOptions{true, 4, true}}) {
        Bytes imploded =
            EncodeItems(sample.items, {.compress = true, .implode = implode, .checked = true});
        ASSERT_LT(imploded.size(), stored);
        CT6 r;
        ASSERT_EQ(decode(r, imploded, 1), 0) << "coded literals " << implode.codedLiterals;
        expectSameItems(ItemsOf(encode(r)), sample.items);
    }
}

TEST(NativeRoundTrip, ValuesLandInTheirFields) {
    NativeSample sample = MakeNativeSample();
    CT6 r;
    ASSERT_EQ(decode(r, EncodeItems(sample.items)), 0);

    EXPECT_EQ(text(&CT6::GetManufacturer, r), u"Brannic");
    EXPECT_EQ(text(&CT6::GetSiteB, r), u"South \u00c5s");
    EXPECT_EQ(text(&CT6::GetTraceType, r), u"SR4731");
    EXPECT_EQ(text(&CT6::GetExtension, r), u"");
    EXPECT_EQ(text(&CT6::GetPath, r), u"/data/traces/cable 7/");
    EXPECT_EQ(text(&CT6::GetFilename, r), u"F0001.t6");
    EXPECT_DOUBLE_EQ(r.GetWavelengthActual(), 1310.12345);
    EXPECT_DOUBLE_EQ(r.GetResoNominalM(), 2.5);
    EXPECT_EQ(r.GetAvgComplete(), 1024);
    EXPECT_EQ(r.GetTimeZoneMinutes(), -480);
    EXPECT_DOUBLE_EQ(r.GetThresholdRefl(), -65.0);
    EXPECT_EQ(r.GotSTFMInfo(), 1);
    EXPECT_EQ(text(&CT6::GetSTFMID, r), u"Launch reel 1");
    EXPECT_EQ(r.IsORLAvailable(), 1);
    EXPECT_EQ(r.IsORLRelToA(), 1);
    EXPECT_DOUBLE_EQ(r.GetORL(), -32.75);
    EXPECT_DOUBLE_EQ(r.GetORLEArea(), 1.25e-3);
    EXPECT_DOUBLE_EQ(r.GetVertShift(), -1.5);
    EXPECT_EQ(r.IsTraceTemplate(), 1);
    EXPECT_EQ(r.GetViewMode(), 2);
    EXPECT_DOUBLE_EQ(r.GetViewStartDB(2), -2.0);

    ASSERT_EQ(r.SpanCount(), 3);
    EXPECT_EQ(r.SpanGetStartDP(1), 12000);
    EXPECT_DOUBLE_EQ(r.SpanGetIOR(1), 1.4675);
    EXPECT_DOUBLE_EQ(r.SpanGetBackScatter(2), -80.0);
    char16_t fiber[40];
    EXPECT_EQ(std::u16string(r.SpanGetFiberType(1, fiber)), u"G.655");
    EXPECT_GT(r.SpanGetStartKM(2), r.SpanGetStartKM(1));
    ASSERT_EQ(r.PWCount(), 2);
    EXPECT_EQ(r.PWGetNanoSec(1), 1000);
    EXPECT_EQ(r.PWGetPreampType(1), 2);
    ASSERT_EQ(r.SFCount(), 2);
    EXPECT_EQ(r.SFGetScaleFactor(1), 2000);
    EXPECT_EQ(r.SFGetMinLogValue(1), 45000);

    ASSERT_EQ(r.EVCount(), 3);
    EXPECT_EQ(r.EVGetType(2), T6_EVENT_END);
    EXPECT_EQ(r.EVQtEnd(2), 1);
    EXPECT_EQ(r.EVGetStartDP(1), 15040);
    EXPECT_EQ(r.EVGetStartFR(1), 1000);
    EXPECT_DOUBLE_EQ(r.EVGetRefl(1), -45.0);
    EXPECT_EQ(r.EVGetFallStartDP(1), 15046);
    int32_t sdp = 0, edp = 0;
    uint16_t sfr = 0, efr = 0;
    r.EVGetLSAOffDPFR(1, 0, sdp, sfr, edp, efr); // side B
    EXPECT_EQ(sdp, 25);
    EXPECT_EQ(efr, 40);
    char16_t comment[64];
    EXPECT_EQ(std::u16string(r.EVGetComment(1, comment)), u"connector, panel 3");

    uint8_t page = 0, line = 0, column = 0, length = 0, kind = 0;
    char16_t field[64];
    ASSERT_EQ(r.HDRGetFldInfo(2, 0, page, line, column, length, kind, field), 0);
    EXPECT_EQ(std::u16string(field), u"AB   ");
    EXPECT_EQ(line, 4);
    EXPECT_EQ(kind, 2);

    ASSERT_EQ(r.DPOCount(), NativeSample::kPoints);
    std::vector<uint16_t> points(NativeSample::kPoints);
    r.DPOGetDPO(0, NativeSample::kPoints, points.data());
    EXPECT_EQ(points, sample.points);
    std::vector<uint32_t> flags(sample.flagWords.size());
    r.DPOGetNLF(0, NativeSample::kPoints, flags.data());
    EXPECT_EQ(flags, sample.flagWords);
    EXPECT_EQ(r.DPWGetScaleFactor(), 1000);
    EXPECT_EQ(r.GetZKMDP(), NativeSample::kZeroKMDP);
    EXPECT_EQ(r.IsModFlagSet(0xFFFFFFFF), 0);
}

TEST(NativeRoundTrip, RecordBuiltThroughItsSettersSurvivesTwoPasses) {
    CT6 r;
    r.SetTraceType(u"T6"); // a reader gives an empty trace type this name
    r.SetModel(u"OTX-9");
    r.SetCableID(u"CBL-1");
    r.SetResoNominalM(1.0);
    r.SetWavelengthNominal(1550);
    r.SetDynamicRange(28.25);
    r.SetTimeYMDHMS(2025, 1, 2, 3, 4, 5);
    r.SpanInsert();
    r.SpanSetIOR(0, 1.4682);
    r.SpanSetBackScatter(0, -81.0);
    r.SFInsert();
    r.SFSetScaleFactor(0, 1000);
    r.PWInsert();
    r.PWSetNanoSec(0, 30);
    r.DPOInitArray(100);
    r.DPOSetCount(100);
    std::vector<uint16_t> points(100);
    for (size_t i = 0; i < points.size(); ++i)
        points[i] = static_cast<uint16_t>(20000 - i * 7);
    r.DPOSetDPO(0, 100, points.data());
    uint32_t flags[4] = {0, 0, 0, 0x8};
    r.DPOSetNLF(0, 100, flags);
    r.EVInsertDPFR(10, 0);
    r.EVInsertDPFR(60, 1234);
    r.EVSetType(1, T6_EVENT_QUESTIONABLE_END);
    r.EVSetComment(1, u"end");
    r.EVSetLoss(1, 0.125);
    r.HDRFromStdT6HDR();
    r.HDRSetFldStg(1, u"value");
    r.DPLSetReference(-2.5);

    Bytes first = encode(r);
    CT6 back;
    ASSERT_EQ(decode(back, first), 0);
    expectSameItems(ItemsOf(encode(back)), ItemsOf(first));
    EXPECT_EQ(text(&CT6::GetCableID, back), u"CBL-1");
    EXPECT_DOUBLE_EQ(back.GetDynamicRange(), 28.25);
    EXPECT_DOUBLE_EQ(back.SpanGetIOR(0), 1.4682);
    EXPECT_EQ(back.EVQtEnd(1), 1);
    EXPECT_DOUBLE_EQ(back.EVGetLoss(1), 0.125);
    EXPECT_EQ(back.HDRGetFldCount(), r.HDRGetFldCount());
    std::vector<uint16_t> got(100);
    back.DPOGetDPO(0, 100, got.data());
    EXPECT_EQ(got, points);
    uint32_t gotFlags[4] = {};
    back.DPOGetNLF(0, 100, gotFlags);
    EXPECT_EQ(gotFlags[3], 0x8u);
}
