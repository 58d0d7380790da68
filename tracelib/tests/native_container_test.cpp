#include "formats/native_blocks.h"
#include "formats/native_values.h"
#include "support/native_file_builder.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace varnel::native;
using namespace varnel::test;
namespace {

struct Walk {
    int32_t status = 0;
    std::vector<Bytes> payloads;
    bool reachedEnd = false;
};

Walk walk(const Bytes& file, bool verify = false) {
    Walk w;
    BlockReader reader(file, verify);
    while (true) {
        std::span<const uint8_t> payload;
        bool atEnd = false;
        w.status = reader.next(payload, atEnd);
        if (w.status != 0 || atEnd) {
            w.reachedEnd = atEnd;
            return w;
        }
        w.payloads.emplace_back(payload.begin(), payload.end());
    }
}

Bytes str16(const std::u16string& s, bool terminated = true) {
    ValueWriter w;
    w.str(s);
    Bytes b(w.bytes().begin(), w.bytes().end());
    if (!terminated) b.resize(b.size() - 2);
    return b;
}

} // namespace

TEST(NativeChecksum, KnownValues) {
    const uint8_t abc[] = {'a', 'b', 'c'};
    EXPECT_EQ(Checksum(abc), 0x1EE4);
    EXPECT_EQ(Checksum({}), 0);
    const uint8_t one[] = {0x01};
    EXPECT_EQ(Checksum(one), 0x0001); // no augmentation: a single low bit stays put
}

TEST(NativeMagic, T6IsT6) {
    const uint8_t good[] = {'<', 'T', '6', '>', 0};
    const uint8_t lower[] = {'<', 't', '6', '>'};
    EXPECT_EQ(T6IsT6(good, 4), 1);
    EXPECT_EQ(T6IsT6(good, 5), 1);
    EXPECT_EQ(T6IsT6(good, 3), 0);
    EXPECT_EQ(T6IsT6(lower, 4), 0);
    EXPECT_EQ(T6IsT6(nullptr, 4), 0);
    EXPECT_EQ(T6IsT6(good, -1), 0);
}

TEST(NativeBlocks, EndMarkerAndMissingEnd) {
    EXPECT_EQ(walk(NativeFile({}, false)).status, T6_FILE_DAMAGED);
    Walk onlyEnd = walk(NativeFile({}));
    EXPECT_EQ(onlyEnd.status, 0);
    EXPECT_TRUE(onlyEnd.reachedEnd);
    Bytes oneByte = NativeFile({}, false);
    oneByte.push_back(0xFF);
    EXPECT_EQ(walk(oneByte).status, T6_FILE_DAMAGED);
}

TEST(NativeBlocks, LengthLimits) {
    Bytes p(1, 0x42);
    EXPECT_EQ(walk(NativeFile({Block(p)})).payloads.at(0), p);
    EXPECT_EQ(walk(NativeFile({Block({}, {})})).status, T6_FILE_DAMAGED); // L = 4
    EXPECT_EQ(walk(NativeFile({Block(p, {.lengthDelta = -2})})).status, T6_FILE_DAMAGED);

    Bytes largest(9994, 0);
    EXPECT_EQ(walk(NativeFile({Block(largest)})).payloads.at(0).size(), 9994u);
    Bytes tooLarge(9995, 0);
    EXPECT_EQ(walk(NativeFile({Block(tooLarge)})).status, T6_FILE_DAMAGED);
    // The payload claims more than the file holds.
    EXPECT_EQ(walk(NativeFile({Block(p, {.lengthDelta = 3})}, false)).status, T6_FILE_DAMAGED);
    // The header itself is cut short.
    Bytes cut = NativeFile({Block(p)}, false);
    cut.resize(4 + 4);
    EXPECT_EQ(walk(cut).status, T6_FILE_DAMAGED);
}

TEST(NativeBlocks, ChecksumOnlyCountsWhenAskedAndMarked) {
    Bytes p = {1, 2, 3, 4, 5};
    Bytes wrong = NativeFile({Block(p, {.checked = true, .checksumDelta = 1})});
    EXPECT_EQ(walk(wrong, false).status, 0);
    EXPECT_EQ(walk(wrong, true).status, T6_FILE_CHECKSUM_MISMATCH);
    EXPECT_EQ(walk(NativeFile({Block(p, {.checked = true})}), true).status, 0);

    Bytes unmarked = NativeFile({Block(p)});
    unmarked[8] = 0x12; // a CRC field under check method 'N' is not looked at
    EXPECT_EQ(walk(unmarked, true).status, 0);
}

TEST(NativeBlocks, CompressedPayloadsExpand) {
    Bytes items;
    for (int i = 0; i < 100; ++i)
        items = Concat({items, TaggedItem(60, {'a', 0, 'b', 0, 0, 0})});
    Bytes file = NativeFile({Block(items, {.compress = true, .checked = true}), Block(items)});
    Walk w = walk(file, true);
    ASSERT_EQ(w.status, 0);
    ASSERT_EQ(w.payloads.size(), 2u);
    EXPECT_EQ(w.payloads[0], items);
    EXPECT_LT(file.size(), 4 + 2 * items.size());

    Bytes tooBig(10001, 7);
    EXPECT_EQ(walk(NativeFile({Block(tooBig, {.compress = true})})).status, T6_FILE_DAMAGED);
    Bytes justFits(10000, 7);
    EXPECT_EQ(walk(NativeFile({Block(justFits, {.compress = true})})).status, 0);

    Bytes garbage = NativeFile({Block(items, {.compress = true})});
    garbage[4 + 6] = 9; // literal mode byte of the implode stream
    EXPECT_EQ(walk(garbage).status, T6_FILE_DAMAGED);
}

TEST(NativeItems, FramingInsideOnePayload) {
    Bytes payload = Concat({TaggedItem(3, {}), TaggedItem(200, {1, 2, 3})});
    ItemReader r(payload);
    Item item;
    ASSERT_EQ(r.next(item), 0);
    EXPECT_EQ(item.tag, 3);
    EXPECT_TRUE(item.value.empty());
    ASSERT_EQ(r.next(item), 0);
    EXPECT_EQ(item.tag, 200);
    EXPECT_EQ(item.value.size(), 3u);
    EXPECT_TRUE(r.done());

    for (Bytes bad : {Bytes{5}, Bytes{0, 1}, Bytes{4, 1, 0, 0}}) {
        ItemReader broken(bad);
        EXPECT_EQ(broken.next(item), T6_FILE_DAMAGED);
    }
}

TEST(NativeValues, FixedWidthReadsStopAtTheItemEnd) {
    Bytes v = Concat({I32(-7), {0x34, 0x12}, {9}});
    ValueReader r(v);
    int32_t i = 0;
    uint16_t u = 0;
    uint8_t b = 0;
    EXPECT_TRUE(r.i32(i));
    EXPECT_EQ(i, -7);
    EXPECT_TRUE(r.u16(u));
    EXPECT_EQ(u, 0x1234);
    EXPECT_TRUE(r.u8(b));
    EXPECT_FALSE(r.u8(b));

    Bytes shortDpfr = Concat({I32(5), {1}});
    int32_t dp = 3;
    uint16_t fr = 4;
    EXPECT_FALSE(ValueReader(shortDpfr).dpfr(dp, fr));
    EXPECT_EQ(dp, 3);
}

TEST(NativeValues, StringsTruncateAndEndWithTheItem) {
    char16_t out[6];
    ValueReader(str16(u"Longer text")).str(out, 5);
    EXPECT_EQ(std::u16string(out), u"Longe");
    Bytes unterminated = str16(u"abc", false);
    unterminated.push_back('z'); // an odd byte is not a character
    ValueReader(unterminated).str(out, 5);
    EXPECT_EQ(std::u16string(out), u"abc");

    Bytes two = Concat({str16(u"one"), str16(u""), str16(u"three")});
    ValueReader r(two);
    EXPECT_EQ(r.str(), u"one");
    EXPECT_EQ(r.str(), u"");
    EXPECT_EQ(r.str(), u"three");
    EXPECT_EQ(r.str(), u"");

    ValueWriter w;
    w.str(u"abcdef", 4);
    EXPECT_EQ(Bytes(w.bytes().begin(), w.bytes().end()), str16(u"abcd"));
}

TEST(NativeValues, List5TrimsAndPads) {
    ValueWriter w;
    w.list5({1, 0, 3, 0, 0});
    EXPECT_EQ(w.bytes().size(), 12u);
    ValueWriter none;
    none.list5({});
    EXPECT_TRUE(none.empty());

    EXPECT_EQ(ValueReader(Concat({I32(1), I32(0), I32(3)})).list5(), (List5{1, 0, 3, 0, 0}));
    Bytes seven;
    for (int i = 1; i <= 7; ++i)
        seven = Concat({seven, I32(i)});
    EXPECT_EQ(ValueReader(seven).list5(), (List5{1, 2, 3, 4, 5}));
    Bytes partial = Concat({I32(8), {1, 2}});
    EXPECT_EQ(ValueReader(partial).list5(), (List5{8, 0, 0, 0, 0}));
}

TEST(NativeValues, RealTextMatchesTheFileFormat) {
    EXPECT_EQ(FormatReal(1.0), u"  1.000000000000000E+000");
    EXPECT_EQ(FormatReal(-12345.678), u" -1.234567800000000E+004");
    EXPECT_EQ(FormatReal(2.5e-300), u"  2.500000000000000E-300");
    EXPECT_EQ(FormatReal(0.0), u"  0.000000000000000E+000");
    EXPECT_EQ(FormatReal(1.0).size(), 24u);

    double v = 0;
    EXPECT_TRUE(ParseReal(u"  -2.5E-0003", v));
    EXPECT_DOUBLE_EQ(v, -0.0025);
    EXPECT_TRUE(ParseReal(u"+3e1", v));
    EXPECT_DOUBLE_EQ(v, 30.0);
    v = 4;
    EXPECT_FALSE(ParseReal(u"  ", v));
    EXPECT_FALSE(ParseReal(u"x1", v));
    EXPECT_EQ(v, 4);

    for (double x : {0.1, -1.0 / 3.0, 123456.789, 6.02214076e23, -1.23456e31}) {
        double back = 0;
        ASSERT_TRUE(ParseReal(FormatReal(x), back));
        EXPECT_DOUBLE_EQ(back, x);
    }
}

TEST(NativeBlockWriter, SplitsBlocksAtTheStoredLimit) {
    Bytes value(250, 0x11);
    BlockWriter counter(nullptr, 0, false);
    for (int i = 0; i < 80; ++i)
        counter.addItem(58, value);
    size_t needed = counter.finish();

    Bytes file(needed);
    BlockWriter w(file.data(), file.size(), true);
    for (int i = 0; i < 80; ++i)
        w.addItem(58, value);
    EXPECT_EQ(w.finish(), needed);

    Walk back = walk(file, true);
    ASSERT_EQ(back.status, 0);
    ASSERT_TRUE(back.reachedEnd);
    size_t items = 0;
    for (const Bytes& p : back.payloads) {
        EXPECT_LE(p.size(), kMaxStoredPayload);
        EXPECT_EQ(p.size() % 252, 0u); // whole items only
        items += p.size() / 252;
    }
    EXPECT_EQ(items, 80u);
    EXPECT_EQ(back.payloads.size(), 3u); // 39 items of 252 bytes fit under 9994
}

TEST(NativeBlockWriter, TooSmallBufferIsCountedNotOverrun) {
    Bytes value(100, 0x22);
    BlockWriter full(nullptr, 0, false);
    full.addItem(1, value);
    size_t needed = full.finish();
    ASSERT_EQ(needed, 4u + 6u + 102u + 2u);

    Bytes guarded(needed + 8, 0xA5);
    BlockWriter blockTooBig(guarded.data(), 60, false);
    blockTooBig.addItem(1, value);
    EXPECT_EQ(blockTooBig.finish(), needed);
    EXPECT_EQ(Bytes(guarded.begin(), guarded.begin() + 4), Bytes({'<', 'T', '6', '>'}));
    for (size_t i = 4; i < guarded.size(); ++i)
        EXPECT_EQ(guarded[i], 0xA5) << i;

    BlockWriter markerTooBig(guarded.data(), needed - 1, false);
    markerTooBig.addItem(1, value);
    EXPECT_EQ(markerTooBig.finish(), needed);
    EXPECT_EQ(guarded[needed - 3], 0x22);
    EXPECT_EQ(guarded[needed - 2], 0xA5);
}
