#include "support/native_sample.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <string>

using namespace varnel::test;
namespace {

int32_t decode(CT6& r, const Bytes& file, int32_t crc = 0) {
    return r.DecompT6(file.data(), static_cast<int32_t>(file.size()), crc);
}

// The least a file needs to open with status 0.
std::vector<SampleItem> minimalItems(int32_t points = 64) {
    std::vector<SampleItem> items = {
        {10, Ints({1000000})}, {55, Ints({points})},
        {37, Ints({1})},       {38, Ints({0, 1468000, -80000000})},
        {52, Ints({1})},       {53, Concat({Ints({0, 1000}), {0, 0}})},
        {56, Ints({1000})},
    };
    for (int32_t first = 0; first < points; first += 32) {
        Bytes value = Ints({-1});
        for (int32_t p = first; p < std::min(points, first + 32); ++p)
            value.insert(value.end(), {static_cast<uint8_t>(p), 0x40});
        items.push_back({58, value});
    }
    return items;
}

std::vector<SampleItem> with(std::vector<SampleItem> items,
                             std::initializer_list<SampleItem> extra) {
    items.insert(items.end(), extra.begin(), extra.end());
    return items;
}

std::u16string traceType(const CT6& r) {
    char16_t buffer[40];
    return r.GetTraceType(buffer);
}

uint16_t point(const CT6& r, int32_t i) {
    uint16_t v = 0;
    r.DPOGetDPO(i, 1, &v);
    return v;
}

} // namespace

TEST(NativeReader, FramingEdges) {
    CT6 r;
    EXPECT_EQ(decode(r, NativeFile({}, false)), T6_FILE_DAMAGED);
    EXPECT_EQ(decode(r, NativeFile({})), T6_FILE_INVALID_CONTENT);
    EXPECT_EQ(traceType(r), u"T6");
    EXPECT_EQ(decode(r, EncodeItems(minimalItems())), T6_FILE_OK);

    Bytes tooLarge(9995, 0);
    EXPECT_EQ(decode(r, NativeFile({Block(tooLarge)})), T6_FILE_DAMAGED);
}

TEST(NativeReader, NotNativeLeavesTheRecordAlone) {
    CT6 r;
    r.SetSiteA(u"kept");
    const uint8_t sor[] = {'M', 'a', 'p', 0, 200, 0};
    EXPECT_EQ(r.DecompT6(sor, 6, 0), T6_FILE_DAMAGED);
    EXPECT_EQ(r.DecompT6(nullptr, 10, 0), T6_FILE_DAMAGED);
    char16_t site[40];
    EXPECT_EQ(std::u16string(r.GetSiteA(site)), u"kept");
}

TEST(NativeReader, ChecksumMattersOnlyWhenAsked) {
    Bytes payload = Concat({TaggedItem(10, Ints({1000000})), TaggedItem(25, {1})});
    Bytes file = NativeFile({Block(payload, {.checked = true, .checksumDelta = 3})});
    CT6 r;
    EXPECT_EQ(decode(r, file, 0), T6_FILE_INVALID_CONTENT);
    EXPECT_EQ(decode(r, file, 1), T6_FILE_CHECKSUM_MISMATCH);
}

TEST(NativeReader, MissingEssentialsAreStatusFiveButTheTraceIsFinished) {
    CT6 r;
    auto items = minimalItems();
    items[0] = {10, Ints({0})}; // no resolution
    EXPECT_EQ(decode(r, EncodeItems(items)), T6_FILE_INVALID_CONTENT);
    EXPECT_EQ(r.DPOCount(), 64);
    EXPECT_EQ(traceType(r), u"T6");
    EXPECT_EQ(r.IsModFlagSet(0xFFFFFFFF), 0);

    auto noSpans = minimalItems();
    noSpans[2] = {37, Ints({0})};
    EXPECT_EQ(decode(r, EncodeItems(noSpans)), T6_FILE_INVALID_CONTENT);
    EXPECT_EQ(decode(r, EncodeItems(minimalItems(0))), T6_FILE_INVALID_CONTENT);
}

TEST(NativeReader, UnknownTagsAreSkipped) {
    CT6 r;
    auto items = with(minimalItems(), {{25, Ints({1, 2, 3})}, {255, {}}, {87, Str(u"x")}});
    EXPECT_EQ(decode(r, EncodeItems(items)), T6_FILE_OK);
}

TEST(NativeReader, EntriesBeyondTheCountAndOrphanCurrentItemsAreIgnored) {
    CT6 r;
    auto items = minimalItems();
    // A span's further values before any span, then a second span that the
    // count of 1 has no room for.
    items.insert(items.begin() + 2, {40, Ints({9, 9, 9})});
    items.push_back({38, Ints({5000, 1500000, -1})});
    items.push_back({39, Str(u"beyond")});
    items.push_back({41, Ints({1})});
    items.push_back({43, Ints({1, 2, 3, 4, 5})}); // current event before any event
    items.push_back({42, Concat({Ints({2}), DPFRBytes(5, 0), DPFRBytes(6, 0)})});
    items.push_back({42, Concat({Ints({3}), DPFRBytes(7, 0), DPFRBytes(8, 0)})});
    items.push_back({47, Str(u"second")});
    items.push_back({22, Concat({DPFRBytes(1, 0), DPFRBytes(2, 0), Ints({3, 4})})});
    ASSERT_EQ(decode(r, EncodeItems(items)), T6_FILE_OK);
    EXPECT_EQ(r.SpanCount(), 1);
    EXPECT_EQ(r.SpanGetStartDP(0), 0);
    ASSERT_EQ(r.EVCount(), 1);
    EXPECT_EQ(r.EVGetType(0), T6_EVENT_NON_REFLECTIVE);
    EXPECT_DOUBLE_EQ(r.EVGetLoss(0), 0.0);
    char16_t comment[64];
    EXPECT_EQ(std::u16string(r.EVGetComment(0, comment)), u"");
}

TEST(NativeReader, ShortValuesAreDamage) {
    const std::pair<uint8_t, Bytes> shortItems[] = {
        {10, {1, 2, 3}},
        {12, Ints({1, 2})},
        {17, Concat({Ints({1}), DPFRBytes(1, 1)})},
        {18, DPFRBytes(1, 2)},
        {20, Ints({1})},
        {22, DPFRBytes(0, 0)},
        {37, {}},
        {42, Ints({1, 2})},
        {49, {1}},
        {51, {0, 0, 0}},
        {53, Ints({0, 1000})},
        {55, {4, 0}},
        {57, DPFRBytes(1, 0)},
        {58, {1, 2}},
    };
    for (const auto& [tag, value] : shortItems) {
        CT6 r;
        auto items = with(minimalItems(), {{41, Ints({1})}, {tag, value}});
        EXPECT_EQ(decode(r, EncodeItems(items)), T6_FILE_DAMAGED) << "tag " << int{tag};
    }
}

TEST(NativeReader, ImplausibleCountsAreDamage) {
    const std::pair<uint8_t, int32_t> counts[] = {
        {28, -1},      {37, -1},        {41, -1},      {52, -1},      {55, -1},
        {71, -1},      {23, -1},        {28, 1 << 30}, {37, 1 << 30}, {41, 1 << 30},
        {52, 1 << 30}, {55, INT32_MAX}, {71, 1 << 30}, {23, 1 << 30},
    };
    for (const auto& [tag, count] : counts) {
        CT6 r;
        Bytes value = tag == 23 ? Ints({count, 0}) : Ints({count});
        EXPECT_EQ(decode(r, EncodeItems(with(minimalItems(), {{tag, value}}))), T6_FILE_DAMAGED)
            << "tag " << int{tag} << " count " << count;
    }
}

TEST(NativeReader, OverlongValuesAreCutToTheRecord) {
    CT6 r;
    std::u16string longSite(60, u's');
    Bytes unterminated = Str(u"OTX-99");
    unterminated.resize(unterminated.size() - 2);
    Bytes sevenValues = Ints({1, 2, 3, 4, 5, 6, 7});
    auto items = with(
        minimalItems(),
        {{61, Str(longSite)}, {1, unterminated}, {40, sevenValues}, {12, Ints({1, 2, 3, 99})}});
    ASSERT_EQ(decode(r, EncodeItems(items)), T6_FILE_OK);
    char16_t buffer[80];
    EXPECT_EQ(std::u16string(r.GetSiteA(buffer)), std::u16string(32, u's'));
    EXPECT_EQ(std::u16string(r.GetModel(buffer)), u"OTX-99");
    EXPECT_EQ(r.GetAvgSeconds(), 3);
}

TEST(NativeReader, DataPointsBeyondTheCountAreDropped) {
    CT6 r;
    auto items = minimalItems(40);                                 // 40 points: items of 32 and 8
    items.back().value.insert(items.back().value.end(), 48, 0x11); // 24 more points than fit
    items.push_back({58, Concat({Ints({-1}), Bytes(64, 0x22)})});  // a whole item beyond
    Bytes overlong = Concat({Ints({0}), Bytes(100, 0x33)});        // 50 points in one item
    items.insert(items.begin() + 7, {58, overlong});
    items.erase(items.begin() + 8); // it replaces the first 32-point item
    ASSERT_EQ(decode(r, EncodeItems(items)), T6_FILE_OK);
    EXPECT_EQ(r.DPOCount(), 40);
    EXPECT_EQ(point(r, 0), 0x3333);
    EXPECT_EQ(point(r, 31), 0x3333);
    // The overlong item carried 32 points; the next item starts at point 32.
    EXPECT_EQ(point(r, 32), 0x4020);
    EXPECT_EQ(point(r, 39), 0x4027);
}

TEST(NativeReader, HeaderFieldsBeyondTheCountAreDropped) {
    CT6 r;
    auto items = with(minimalItems(), {{50, Ints({1})},
                                       {51, Concat({{0, 0, 0, 5, 1}, Str(u"one")})},
                                       {51, Concat({{0, 1, 0, 5, 1}, Str(u"two")})}});
    ASSERT_EQ(decode(r, EncodeItems(items)), T6_FILE_OK);
    EXPECT_EQ(r.HDRGetFldCount(), 1);
}

TEST(NativeReader, ZeroKMAndShiftAreFinishedAfterTheEnd) {
    CT6 r;
    auto items = with(minimalItems(), {{57, Concat({DPFRBytes(10, 32768), Bytes{0, 0}})},
                                       {18, Concat({DPFRBytes(-5, 0), Ints({0})})}});
    ASSERT_EQ(decode(r, EncodeItems(items)), T6_FILE_OK);
    EXPECT_EQ(r.GetZKMDP(), 10);
    EXPECT_EQ(r.GetZKMFR(), 32768);
    EXPECT_EQ(r.GetOnAfterZKMDP(), 11);
    double dx = r.SpanGetDxKM(0);
    EXPECT_NEAR(r.GetHorzShiftKM(), -5 * dx, 1e-12);
    EXPECT_NEAR(r.GetZKMKM(), 10.5 * dx, 1e-12);
    EXPECT_NEAR(r.KMFromDPFR(10, 32768), -5 * dx, 1e-12);
}
