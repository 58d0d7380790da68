#include "formats/sor_crc.h"
#include "formats/sor_cursor.h"
#include "formats/sor_parse.h"
#include "formats/sor_text.h"
#include "formats/sor_write.h"
#include "support/sor_files.h"

#include <gtest/gtest.h>

#include <string>

using namespace varnel;
using namespace varnel::test;

namespace {

std::span<const uint8_t> asBytes(std::string_view s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

sor::ParseError parseBytes(const std::vector<uint8_t>& bytes, sor::SorFile& out) {
    return sor::parse(bytes, out);
}

sor::ParseError parseBytes(const std::vector<uint8_t>& bytes) {
    sor::SorFile out;
    return sor::parse(bytes, out);
}

sor::ParseStop stopOf(const std::vector<uint8_t>& bytes) {
    sor::SorFile out;
    sor::ParseStop stop;
    sor::parse(bytes, out, stop);
    return stop;
}

// Reading stopped in the named block, at or after its start and not past its end.
::testing::AssertionResult stoppedIn(const std::vector<uint8_t>& bytes, const BlockSpan& block,
                                     const std::string& name) {
    const auto stop = stopOf(bytes);
    if (stop.block == name && stop.offset >= block.offset &&
        stop.offset <= block.offset + block.size) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "stopped in " << stop.block << " at " << stop.offset;
}

} // namespace

TEST(SorCrc, MatchesXmodemCheckValues) {
    EXPECT_EQ(sor::crc16(asBytes("abc")), 0x9DD6);
    EXPECT_EQ(sor::crc16(asBytes("123456789")), 0x31C3);
    EXPECT_EQ(sor::crc16({}), 0);
}

TEST(SorText, FileTextIsCutTo96AndTrimmed) {
    EXPECT_EQ(sor::fileTextToWide("Site A   "), u"Site A");
    EXPECT_EQ(sor::fileTextToWide("   "), u"");
    const std::string longText = std::string(95, 'x') + "  yz";
    EXPECT_EQ(sor::fileTextToWide(longText), std::u16string(95, u'x'));
}

TEST(SorText, WideToFileTextCutsAtCharacterBoundaries) {
    EXPECT_EQ(sor::wideToFileText(u"\u00E9\u00E9\u00E9", 5), "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(sor::wideToFileText(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(sor::wideToFileText(std::u16string(1, char16_t(0xD800)) + u"a"), "?a");
    EXPECT_EQ(sor::wideToFileText(std::u16string(200, u'q')).size(), 96u);
}

TEST(SorCursor, ReadPastTheEndYieldsZeroAndMarksOverrun) {
    const uint8_t bytes[] = {0x34, 0x12, 'h', 'i', 0};
    sor::BlockCursor c(bytes);
    EXPECT_EQ(c.u16(), 0x1234);
    EXPECT_EQ(c.u32(), 0u);
    EXPECT_TRUE(c.overrun());
    EXPECT_EQ(c.remaining(), 3u); // the failed read consumed nothing
    EXPECT_EQ(c.text(), "hi");
    EXPECT_EQ(c.remaining(), 0u);
    EXPECT_TRUE(c.take(1).empty());
}

TEST(SorCursor, UnterminatedTextIsEmptyAndOverruns) {
    sor::BlockCursor c(asBytes("abc"));
    EXPECT_EQ(c.text(), "");
    EXPECT_TRUE(c.overrun());
    EXPECT_EQ(c.chars(2), "ab");
}

TEST(SorCursor, RecognisesANameFollowedByBlanksAndZero) {
    EXPECT_TRUE(sor::BlockCursor(asBytes(std::string_view("Vosseltrak \0", 12)))
                    .startsWithText("Vosseltrak"));
    EXPECT_TRUE(sor::BlockCursor(asBytes(std::string_view("Cksum\0", 6))).startsWithText("Cksum"));
    EXPECT_FALSE(
        sor::BlockCursor(asBytes(std::string_view("Cksumx\0", 7))).startsWithText("Cksum"));
    EXPECT_FALSE(sor::BlockCursor(asBytes("Cksum")).startsWithText("Cksum"));
}

namespace {

std::vector<uint8_t> probeFile(std::string_view start, uint16_t revision, std::string names) {
    std::vector<uint8_t> bytes(start.begin(), start.end());
    bytes.push_back(static_cast<uint8_t>(revision));
    bytes.push_back(static_cast<uint8_t>(revision >> 8));
    bytes.insert(bytes.end(), names.begin(), names.end());
    bytes.resize(400, 0);
    return bytes;
}

const std::string kRequired{"GenParams\0SupParams\0FxdParams\0", 30};

} // namespace

TEST(SorProbe, RecognisesBothIssuesByRevision) {
    const auto issue2 = sor::probe(probeFile(std::string_view("Map\0", 4), 200, kRequired));
    EXPECT_EQ(issue2.version, 2);
    EXPECT_EQ(issue2.blockMark, 0);
    EXPECT_EQ(sor::probe(probeFile("", 100, kRequired)).version, 1);
    EXPECT_EQ(sor::probe(probeFile("", 210, kRequired)).version, 2);
}

TEST(SorProbe, RejectsShortFilesHighRevisionsAndMissingNames) {
    auto shortFile = probeFile("", 200, kRequired);
    shortFile.resize(299);
    EXPECT_EQ(sor::probe(shortFile).version, 0);
    EXPECT_EQ(sor::probe(probeFile("", 300, kRequired)).version, 0);
    EXPECT_EQ(sor::probe(probeFile("", 200, std::string("GenParams\0SupParams\0", 20))).version, 0);
    // The names must lie within 250 bytes after the revision.
    EXPECT_EQ(sor::probe(probeFile("", 200, std::string(230, 'x') + kRequired)).version, 0);
}

TEST(SorProbe, MarksKvrAndVosseltrakBlocks) {
    EXPECT_EQ(sor::probe(probeFile("", 100, kRequired + "KVRParams")).blockMark, 1);
    EXPECT_EQ(sor::probe(probeFile("", 100, kRequired + "KVRParams Vosseltrak")).blockMark, 2);
}

TEST(SorWrite, RoundTripsEveryFieldOfBothIssues) {
    for (int issue : {1, 2}) {
        SCOPED_TRACE(issue);
        const auto written = fullSorFile(issue);
        const std::vector<uint8_t> native = {'<', 'T', '6', '>', 1, 2, 3};
        const auto bytes = writeSor(written, native);
        EXPECT_EQ(sor::probe(bytes).version, issue);
        EXPECT_EQ(sor::probe(bytes).blockMark, 2);
        sor::SorFile read;
        ASSERT_EQ(parseBytes(bytes, read), sor::ParseError::None);
        EXPECT_EQ(read.issue, issue);
        EXPECT_EQ(read.gen, written.gen);
        EXPECT_EQ(read.sup, written.sup);
        EXPECT_EQ(read.fxd, written.fxd);
        EXPECT_EQ(read.keyEvents, written.keyEvents);
        EXPECT_EQ(read.dataPts, written.dataPts);
        EXPECT_EQ(std::vector<uint8_t>(read.vosseltrak.begin(), read.vosseltrak.end()), native);
    }
}

TEST(SorWrite, MapSizesMatchTheBlocksAndCoverTheFile) {
    const auto bytes = writeSor(fullSorFile(2), {1, 2, 3, 4});
    ASSERT_EQ(mapBlockCount(bytes), 8);
    size_t end = static_cast<size_t>(getI32(bytes, 6));
    const char* names[] = {"GenParams",  "SupParams", "FxdParams", "KeyEvents",
                           "Vosseltrak", "DataPts",   "Cksum"};
    for (const char* name : names) {
        const auto block = findBlock(bytes, name);
        EXPECT_EQ(block.offset, end) << name;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[block.offset])).rfind(name, 0),
                  0u)
            << name;
        end += block.size;
    }
    EXPECT_EQ(end, bytes.size());
    EXPECT_EQ(findBlock(bytes, "Vosseltrak").size, 12u + 4u);
    EXPECT_EQ(findBlock(bytes, "Cksum").size, 8u);
}

TEST(SorWrite, ChecksumCoversEveryByteBeforeIt) {
    const auto bytes = writeSor(fullSorFile(2));
    const uint16_t stored = getU16(bytes, bytes.size() - 2);
    EXPECT_EQ(stored, sor::crc16({bytes.data(), bytes.size() - 2}));
    sor::SorFile read;
    ASSERT_EQ(parseBytes(bytes, read), sor::ParseError::None);
    EXPECT_TRUE(read.hasChecksum);
    EXPECT_EQ(read.checksum, stored);
}

TEST(SorWrite, SevenBlocksWithoutKeyEventsAndNoNativeRecord) {
    auto file = fullSorFile(2);
    file.hasKeyEvents = false;
    const auto bytes = writeSor(file);
    EXPECT_EQ(mapBlockCount(bytes), 7);
    EXPECT_EQ(findBlock(bytes, "Vosseltrak").size, 0u);
    sor::SorFile read;
    ASSERT_EQ(parseBytes(bytes, read), sor::ParseError::None);
    EXPECT_FALSE(read.hasKeyEvents);
    EXPECT_TRUE(read.vosseltrak.empty());
}

TEST(SorWrite, IssueOneLeavesOutTheIssueTwoFields) {
    const auto one = writeSor(fullSorFile(1, 100));
    const auto two = writeSor(fullSorFile(2, 100));
    EXPECT_EQ(getU16(one, 4), 100);
    EXPECT_EQ(findBlock(two, "GenParams").size - findBlock(one, "GenParams").size, 6u);
    EXPECT_EQ(findBlock(two, "FxdParams").size - findBlock(one, "FxdParams").size, 28u);
    EXPECT_EQ(findBlock(two, "KeyEvents").size - findBlock(one, "KeyEvents").size, 3u * 20u);
    EXPECT_EQ(findBlock(two, "SupParams").size, findBlock(one, "SupParams").size);
}

TEST(SorWrite, StringsArePaddedToAnEvenLength) {
    auto file = fullSorFile(2);
    file.sup = {"", "A", "AB", "ABC", "", "", ""};
    const auto bytes = writeSor(file);
    const auto block = findBlock(bytes, "SupParams");
    const std::string body(reinterpret_cast<const char*>(&bytes[block.offset]), block.size);
    EXPECT_EQ(body, std::string("SupParams\0 \0A\0AB \0ABC\0 \0 \0 \0", 28));
}

TEST(SorParse, KeepsTheFirstTenOfMorePulseWidths) {
    auto file = fullSorFile(2, 120);
    file.fxd.pulseWidths.clear();
    for (uint16_t i = 0; i < 12; ++i)
        file.fxd.pulseWidths.push_back({uint16_t(10 + i), 5000, 10});
    sor::SorFile read;
    ASSERT_EQ(parseBytes(writeSor(file), read), sor::ParseError::None);
    ASSERT_EQ(read.fxd.pulseWidths.size(), 10u);
    EXPECT_EQ(read.fxd.pulseWidths[9], file.fxd.pulseWidths[9]);
    EXPECT_EQ(read.fxd.groupIndex, file.fxd.groupIndex); // fields after the lists still line up
}

TEST(SorParse, FrontPanelOffsetIsTakenAsItsSize) {
    auto file = fullSorFile(2);
    file.fxd.frontPanelOffset = -2500;
    sor::SorFile read;
    ASSERT_EQ(parseBytes(writeSor(file), read), sor::ParseError::None);
    EXPECT_EQ(read.fxd.frontPanelOffset, 2500);
}

TEST(SorParse, FieldsThatWouldDivideByZeroOrMiscountAreRejected) {
    struct Case {
        const char* what;
        void (*change)(sor::SorFile&);
        sor::ParseError expected;
    };
    const Case cases[] = {
        {"no pulse width", [](sor::SorFile& f) { f.fxd.pulseWidths.clear(); },
         sor::ParseError::NoPulseWidth},
        {"data spacing 0", [](sor::SorFile& f) { f.fxd.pulseWidths[0].dataSpacing = 0; },
         sor::ParseError::BadDataSpacing},
        {"group index 0", [](sor::SorFile& f) { f.fxd.groupIndex = 0; },
         sor::ParseError::BadGroupIndex},
        {"total disagrees", [](sor::SorFile& f) { f.dataPts.totalPoints += 1; },
         sor::ParseError::BadPointCount},
        {"no points", [](sor::SorFile& f) { f.dataPts = {}; }, sor::ParseError::BadPointCount},
        {"negative pulse points", [](sor::SorFile& f) { f.fxd.pulseWidths[1].pointCount = -5; },
         sor::ParseError::BadPulseWidthPoints},
    };
    for (const auto& c : cases) {
        auto file = fullSorFile(2);
        c.change(file);
        const auto bytes = writeSor(file);
        EXPECT_EQ(parseBytes(bytes), c.expected) << c.what;
        const std::string block =
            c.expected == sor::ParseError::BadPointCount ? "DataPts" : "FxdParams";
        EXPECT_EQ(stopOf(bytes).block, block) << c.what;
        EXPECT_EQ(stopOf(bytes).offset, findBlock(bytes, block).offset) << c.what;
    }
}

TEST(SorParse, DamagedStructureIsRejected) {
    const auto good = writeSor(fullSorFile(2));
    ASSERT_EQ(parseBytes(good), sor::ParseError::None);

    auto bigMap = good;
    putI32(bigMap, 6, static_cast<int32_t>(good.size() + 1));
    EXPECT_EQ(parseBytes(bigMap), sor::ParseError::MapOverrun);
    EXPECT_EQ(stopOf(bigMap).block, "Map");

    auto smallMap = good;
    putI32(smallMap, 6, 20);
    EXPECT_EQ(parseBytes(smallMap), sor::ParseError::MapOverrun);

    auto negative = good;
    putI32(negative, findBlock(good, "SupParams").sizeFieldAt, -4);
    EXPECT_EQ(parseBytes(negative), sor::ParseError::BlockOutsideFile);

    auto pastEnd = good;
    putI32(pastEnd, findBlock(good, "Cksum").sizeFieldAt, 9);
    EXPECT_EQ(parseBytes(pastEnd), sor::ParseError::BlockOutsideFile);
    EXPECT_EQ(stopOf(pastEnd).block, "Cksum");
    EXPECT_EQ(stopOf(pastEnd).offset, findBlock(good, "Cksum").offset);

    auto renamed = good;
    renamed[findBlock(good, "FxdParams").sizeFieldAt - 12] = 'X'; // "FxdParams" in the map
    EXPECT_EQ(parseBytes(renamed), sor::ParseError::MissingBlock);
    EXPECT_EQ(stopOf(renamed).block, "FxdParams");

    auto morePoints = good;
    const auto data = findBlock(good, "DataPts");
    putI32(morePoints, data.offset + 8 + 4 + 2, 101); // first scale-factor block's count
    EXPECT_EQ(parseBytes(morePoints), sor::ParseError::BlockOverrun);
    EXPECT_TRUE(stoppedIn(morePoints, data, "DataPts"));

    auto manyEvents = good;
    putU16(manyEvents, findBlock(good, "KeyEvents").offset + 10, 60000);
    EXPECT_EQ(parseBytes(manyEvents), sor::ParseError::BlockOverrun);
    EXPECT_TRUE(stoppedIn(manyEvents, findBlock(good, "KeyEvents"), "KeyEvents"));

    auto unterminated = good;
    const auto gen = findBlock(good, "GenParams");
    unterminated[gen.offset + gen.size - 1] = 'x'; // the comment's terminator
    EXPECT_EQ(parseBytes(unterminated), sor::ParseError::BlockOverrun);
    EXPECT_TRUE(stoppedIn(unterminated, gen, "GenParams"));
}

TEST(SorParse, EveryTruncationFailsCleanly) {
    const auto good = writeSor(fullSorFile(2, 40), {1, 2, 3});
    for (size_t length = 0; length < good.size(); ++length) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + long(length));
        EXPECT_NE(parseBytes(cut), sor::ParseError::None) << length;
    }
}
