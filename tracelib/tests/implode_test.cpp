#include "formats/implode.h"
#include "support/implode_encoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using varnel::Explode;
using varnel::ExplodeResult;
using varnel::ExplodeStatus;
using varnel::test::Implode;
using varnel::test::ImplodeOptions;
using varnel::test::ImplodeWriter;

namespace {

using Bytes = std::vector<uint8_t>;

constexpr size_t kBlockLimit = 10000;

Bytes readData(const std::string& name) {
    std::ifstream file(std::string(VARNEL_TEST_DATA) + "/implode/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct Expanded {
    ExplodeResult result;
    Bytes bytes;
};

Expanded explode(const Bytes& in, size_t capacity = kBlockLimit) {
    Bytes out(capacity);
    ExplodeResult r = Explode(in, out);
    out.resize(r.outLength);
    return {r, out};
}

Bytes ascii(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

} // namespace

TEST(Explode, PublishedVector) {
    Expanded e = explode({0x00, 0x04, 0x82, 0x24, 0x25, 0x8F, 0x80, 0x7F});
    EXPECT_EQ(e.result.status, ExplodeStatus::Done);
    EXPECT_EQ(e.bytes, ascii("AIAIAIAIAIAIA"));
}

class ExplodeGolden : public testing::TestWithParam<std::string> {};

TEST_P(ExplodeGolden, ExpandsToItsRawFile) {
    const std::string& name = GetParam();
    Bytes raw = readData(name + ".raw");
    ASSERT_FALSE(raw.empty()) << "missing test data for " << name;
    for (const char* dict : {"-d4", "-d5", "-d6"}) {
        Bytes stream = readData(name + dict + ".imploded");
        ASSERT_FALSE(stream.empty());
        Expanded e = explode(stream);
        EXPECT_EQ(e.result.status, ExplodeStatus::Done) << name << dict;
        EXPECT_EQ(e.bytes, raw) << name << dict;
    }
}

TEST_P(ExplodeGolden, EveryTruncationRunsOutOfInput) {
    Bytes stream = readData(GetParam() + "-d5.imploded");
    for (size_t n = 2; n < stream.size(); ++n) {
        Bytes cut(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_EQ(explode(cut).result.status, ExplodeStatus::OutOfInput) << "length " << n;
    }
}

TEST_P(ExplodeGolden, CodedLiteralsRoundTripAtEveryDictionarySize) {
    Bytes raw = readData(GetParam() + ".raw");
    for (int dict = 4; dict <= 6; ++dict) {
        for (bool coded : {false, true}) {
            Bytes stream = Implode(raw, {coded, dict, true});
            EXPECT_EQ(stream[0], coded ? 1 : 0);
            Expanded e = explode(stream);
            EXPECT_EQ(e.result.status, ExplodeStatus::Done) << "dict " << dict;
            EXPECT_EQ(e.bytes, raw) << "dict " << dict << " coded " << coded;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, ExplodeGolden,
                         testing::Values("literals-only", "repeats-short", "long-match",
                                         "far-distances", "text", "items"));

TEST(Explode, EveryByteValueAsCodedLiteral) {
    Bytes all;
    for (int i = 0; i < 256; ++i)
        all.push_back(static_cast<uint8_t>(255 - i));
    Expanded e = explode(Implode(all, {true, 4, false}));
    EXPECT_EQ(e.result.status, ExplodeStatus::Done);
    EXPECT_EQ(e.bytes, all);
}

TEST(Explode, LongestCopiesAndFarthestDistances) {
    for (int dict = 4; dict <= 6; ++dict) {
        const int farthest = 64 << dict;
        ImplodeWriter w(false, dict);
        for (int i = 0; i < farthest; ++i)
            w.literal(static_cast<uint8_t>(i * 7));
        w.copy(518, farthest); // reads bytes it writes itself
        w.copy(2, 256);        // length 2 keeps only two low distance bits
        w.end();
        Expanded e = explode(w.bytes());
        ASSERT_EQ(e.result.status, ExplodeStatus::Done) << "dict " << dict;
        ASSERT_EQ(e.bytes.size(), static_cast<size_t>(farthest + 520));
        for (int i = 0; i < 518; ++i)
            EXPECT_EQ(e.bytes[static_cast<size_t>(farthest + i)], e.bytes[static_cast<size_t>(i)]);
        size_t at = static_cast<size_t>(farthest + 518);
        EXPECT_EQ(e.bytes[at], e.bytes[at - 256]);
    }
}

TEST(Explode, MalformedHeadersHaveTheirOwnStatus) {
    EXPECT_EQ(explode({}).result.status, ExplodeStatus::ShortHeader);
    EXPECT_EQ(explode({0}).result.status, ExplodeStatus::ShortHeader);
    EXPECT_EQ(explode({2, 4, 0xFF}).result.status, ExplodeStatus::BadLiteralMode);
    EXPECT_EQ(explode({0, 3, 0xFF}).result.status, ExplodeStatus::BadDictionarySize);
    EXPECT_EQ(explode({1, 7, 0xFF}).result.status, ExplodeStatus::BadDictionarySize);
    EXPECT_EQ(explode({0, 4}).result.status, ExplodeStatus::OutOfInput);
}

TEST(Explode, CopyBeforeTheStartIsRejected) {
    ImplodeWriter first(false, 4);
    first.copy(3, 1);
    first.end();
    EXPECT_EQ(explode(first.bytes()).result.status, ExplodeStatus::DistanceTooFar);

    ImplodeWriter later(true, 6);
    later.literal('x');
    later.literal('y');
    later.copy(2, 3);
    later.end();
    Expanded e = explode(later.bytes());
    EXPECT_EQ(e.result.status, ExplodeStatus::DistanceTooFar);
    EXPECT_EQ(e.bytes, ascii("xy"));
}

TEST(Explode, StopsAtTheOutputLimitWithoutWritingPastIt) {
    Bytes raw = readData("long-match.raw");
    Bytes stream = readData("long-match-d4.imploded");
    EXPECT_EQ(explode(stream, raw.size()).result.status, ExplodeStatus::Done);

    Bytes guarded(raw.size() + 16, 0xA5);
    ExplodeResult r = Explode(stream, std::span<uint8_t>(guarded.data(), raw.size() - 1));
    EXPECT_EQ(r.status, ExplodeStatus::OutputFull);
    EXPECT_LT(r.outLength, raw.size());
    for (size_t i = raw.size() - 1; i < guarded.size(); ++i)
        EXPECT_EQ(guarded[i], 0xA5);

    Bytes literals = readData("literals-only-d6.imploded");
    EXPECT_EQ(explode(literals, 299).result.status, ExplodeStatus::OutputFull);
}

TEST(Explode, BlockLimitIsExactlyTenThousandBytes) {
    Bytes full(kBlockLimit, 'z');
    EXPECT_EQ(explode(Implode(full)).result.status, ExplodeStatus::Done);
    full.push_back('z');
    EXPECT_EQ(explode(Implode(full)).result.status, ExplodeStatus::OutputFull);
}

TEST(Explode, BitsAfterTheEndCodeAreIgnored) {
    Bytes stream = readData("text-d4.imploded");
    stream.insert(stream.end(), {0x12, 0x34});
    Expanded e = explode(stream);
    EXPECT_EQ(e.result.status, ExplodeStatus::Done);
    EXPECT_EQ(e.bytes, readData("text.raw"));
}
