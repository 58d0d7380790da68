#include "formats/native_blocks.h"
#include "support/native_sample.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace varnel::test;
namespace {

Bytes encode(CT6& r, int32_t crc = 0, int32_t shortForm = 0) {
    int32_t size = r.CompT6Basic(nullptr, 0, 0, crc, shortForm);
    Bytes out(static_cast<size_t>(size));
    EXPECT_EQ(r.CompT6Basic(out.data(), size, 0, crc, shortForm), size);
    return out;
}

std::vector<uint8_t> tagsOf(const Bytes& file) {
    std::vector<uint8_t> tags;
    for (const SampleItem& item : ItemsOf(file))
        tags.push_back(item.tag);
    return tags;
}

const SampleItem* findItem(const std::vector<SampleItem>& items, uint8_t tag) {
    auto it = std::find_if(items.begin(), items.end(), [&](auto& i) { return i.tag == tag; });
    return it == items.end() ? nullptr : &*it;
}

bool hasTag(const Bytes& file, uint8_t tag) {
    std::vector<uint8_t> tags = tagsOf(file);
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

} // namespace

TEST(NativeWriter, FreshRecordWritesExactlyTheDefaultItems) {
    CT6 r;
    Bytes file = encode(r);
    const std::vector<uint8_t> expected = {19, 10, 55, 37, 70, 8,  73, 9,  11, 12, 13, 14,
                                           15, 79, 71, 21, 22, 22, 22, 22, 23, 24, 24, 24,
                                           24, 24, 24, 24, 28, 36, 52, 56, 57, 76, 77, 59};
    EXPECT_EQ(tagsOf(file), expected);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), Bytes({'<', 'T', '6', '>'}));
    EXPECT_EQ(Bytes(file.end() - 2, file.end()), Bytes({0xFF, 0xFF}));
    EXPECT_EQ(findItem(ItemsOf(file), 19)->value, Ints({1, 0, 101, 1217}));

    CT6 back;
    EXPECT_EQ(back.DecompT6(file.data(), static_cast<int32_t>(file.size()), 1),
              T6_FILE_INVALID_CONTENT);
}

TEST(NativeWriter, PathAndFilenameAreCutToFitTheirItems) {
    CT6 r;
    std::u16string path(199, u'p');
    path += u'/';
    std::u16string name(128, u'n');
    r.SetFilespec((path + name).c_str());
    auto items = ItemsOf(encode(r));
    EXPECT_EQ(findItem(items, 74)->value, Str(path.substr(0, 125)));
    EXPECT_EQ(findItem(items, 75)->value, Str(name.substr(0, 126)));
    EXPECT_EQ(findItem(items, 75)->value.size(), 254u);
}

TEST(NativeWriter, HeaderFieldTextLosesTrailingBlanks) {
    CT6 r;
    r.HDRInit(1);
    r.HDRAppendFld(0, 3, 10, 5, 2, u"AB");
    auto items = ItemsOf(encode(r));
    EXPECT_EQ(findItem(items, 50)->value, Ints({1}));
    EXPECT_EQ(findItem(items, 51)->value, Concat({{0, 3, 10, 5, 2}, Str(u"AB")}));
}

TEST(NativeWriter, ItemsWrittenOnlyWhenTheirConditionHolds) {
    CT6 fresh;
    Bytes plain = encode(fresh);
    for (uint8_t tag : {16, 72, 80, 81, 17, 82, 83, 84, 18, 20, 41, 49, 50, 58})
        EXPECT_FALSE(hasTag(plain, tag)) << int{tag};

    CT6 shifted;
    shifted.SetVertShift(-0.5);
    EXPECT_TRUE(hasTag(encode(shifted), 18));
    CT6 flagged;
    flagged.SetTraceAborted(1);
    EXPECT_TRUE(hasTag(encode(flagged), 20));
    CT6 analysed;
    analysed.EVInsert();
    Bytes withEvent = encode(analysed);
    for (uint8_t tag : {16, 72, 41, 42, 43, 44, 45, 46, 49})
        EXPECT_TRUE(hasTag(withEvent, tag));
    EXPECT_FALSE(hasTag(withEvent, 47));
    EXPECT_FALSE(hasTag(withEvent, 48));

    CT6 full = DecodedNativeSample();
    full.SetORLNotAvailable();
    full.SetSTFMLengthKM(0);
    Bytes without = encode(full);
    for (uint8_t tag : {17, 80, 81, 82, 83, 84})
        EXPECT_FALSE(hasTag(without, tag)) << int{tag};
}

TEST(NativeWriter, LargeTracesSplitIntoBlocksBetweenItems) {
    CT6 r = DecodedNativeSample();
    Bytes file = encode(r);
    size_t blocks = 0;
    varnel::native::BlockReader reader(file, true);
    while (true) {
        std::span<const uint8_t> payload;
        bool atEnd = false;
        ASSERT_EQ(reader.next(payload, atEnd), 0);
        if (atEnd) break;
        EXPECT_LE(payload.size(), 9994u);
        ++blocks;
    }
    EXPECT_GE(blocks, 9u); // about 86,000 bytes of data points alone
}

TEST(NativeWriter, ChecksumFlagMarksAndFillsEveryBlock) {
    CT6 r = DecodedNativeSample();
    for (int32_t crc : {0, 1}) {
        Bytes file = encode(r, crc);
        varnel::ByteReader cursor(std::span<const uint8_t>(file).subspan(4));
        uint16_t length = 0;
        while (cursor.readU16(length) && length != 0xFFFF) {
            uint8_t method = 0, check = 0;
            uint16_t sum = 0;
            std::span<const uint8_t> payload;
            ASSERT_TRUE(cursor.readU8(method) && cursor.readU8(check) && cursor.readU16(sum) &&
                        cursor.readBytes(length - 4u, payload));
            EXPECT_EQ(method, 'N');
            EXPECT_EQ(check, crc ? 'C' : 'N');
            EXPECT_EQ(sum, crc ? varnel::native::Checksum(payload) : 0);
        }
        CT6 back;
        EXPECT_EQ(back.DecompT6(file.data(), static_cast<int32_t>(file.size()), 1), 0);
    }
}

TEST(NativeWriter, TooSmallBufferGetsTheSizeAndNothingPastItsEnd) {
    CT6 r = DecodedNativeSample();
    int32_t needed = r.CompT6(nullptr, 0, 0, 0);
    Bytes guarded(static_cast<size_t>(needed), 0xA5);
    const int32_t capacity = 5000;
    EXPECT_EQ(r.CompT6(guarded.data(), capacity, 1, 0), needed);
    EXPECT_TRUE(std::all_of(guarded.begin() + capacity, guarded.end(),
                            [](uint8_t b) { return b == 0xA5; }));
}

TEST(NativeWriter, ShortFormStopsTenPointsAfterZeroKM) {
    CT6 r = DecodedNativeSample();
    ASSERT_EQ(r.GetZKMDP(), 40);
    ASSERT_EQ(r.GetZKMFR(), 0);
    auto items = ItemsOf(encode(r, 0, 1));
    std::vector<size_t> pointsPerItem;
    for (const SampleItem& item : items)
        if (item.tag == 58) pointsPerItem.push_back((item.value.size() - 4) / 2);
    EXPECT_EQ(pointsPerItem, (std::vector<size_t>{32, 18}));
    EXPECT_EQ(findItem(items, 55)->value, Ints({NativeSample::kPoints}));
}
