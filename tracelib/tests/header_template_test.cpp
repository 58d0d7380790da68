// Template decoding and tokenising, without a record.
#include "record/header_template.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace varnel;

namespace {

std::vector<uint8_t> bytes(std::string_view s) {
    return {s.begin(), s.end()};
}

std::vector<uint8_t> uTF16Bytes(std::u16string_view s, bool bigEndian) {
    std::vector<uint8_t> bytes =
        bigEndian ? std::vector<uint8_t>{0xFE, 0xFF} : std::vector<uint8_t>{0xFF, 0xFE};
    for (char16_t c : s) {
        uint8_t hi = static_cast<uint8_t>(c >> 8), lo = static_cast<uint8_t>(c & 0xFF);
        bytes.push_back(bigEndian ? hi : lo);
        bytes.push_back(bigEndian ? lo : hi);
    }
    return bytes;
}

TemplateParse parse(std::u16string_view text) {
    return tokenizeTemplate(text);
}

struct Layout {
    int page, line, column, length, kind;
};

void expectLayout(const TemplateField& f, Layout want) {
    EXPECT_EQ(f.page, want.page);
    EXPECT_EQ(f.line, want.line);
    EXPECT_EQ(f.column, want.column);
    EXPECT_EQ(f.length, want.length);
    EXPECT_EQ(f.kind, want.kind);
}

} // namespace

TEST(HeaderTemplateDecode, ByteOrderMarksChooseUTF16) {
    EXPECT_EQ(decodeTemplateText(uTF16Bytes(u"A\u00e9\u20ac", false).data(), 8), u"A\u00e9\u20ac");
    EXPECT_EQ(decodeTemplateText(uTF16Bytes(u"A\u00e9\u20ac", true).data(), 8), u"A\u00e9\u20ac");
}

TEST(HeaderTemplateDecode, OddByteAndBareMarkAreHarmless) {
    std::vector<uint8_t> odd = uTF16Bytes(u"AB", false);
    odd.push_back(0x43);
    EXPECT_EQ(decodeTemplateText(odd.data(), odd.size()), u"AB");
    EXPECT_EQ(decodeTemplateText(odd.data(), 2), u"");
    EXPECT_EQ(decodeTemplateText(odd.data(), 1), u"\u00ff");
    EXPECT_EQ(decodeTemplateText(nullptr, 10), u"");
}

TEST(HeaderTemplateDecode, EightBitIsUTF8WhenValidElseWindows1252) {
    auto utf8 = bytes("Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80");
    EXPECT_EQ(decodeTemplateText(utf8.data(), utf8.size()), u"Caf\u00e9 \u20ac \U0001F600");
    auto cp1252 = bytes("Caf\xe9 \x80\x81");
    EXPECT_EQ(decodeTemplateText(cp1252.data(), cp1252.size()), u"Caf\u00e9 \u20ac\u0081");
    // Overlong, surrogate and truncated sequences are not UTF-8.
    for (std::string_view bad : {"\xc0\xaf", "\xed\xa0\x80", "ab\xe2\x82"}) {
        auto b = bytes(bad);
        EXPECT_EQ(decodeTemplateText(b.data(), b.size()).size(), bad.size()) << bad;
    }
    auto signed8 = bytes("\xef\xbb\xbfX");
    EXPECT_EQ(decodeTemplateText(signed8.data(), signed8.size()), u"X");
}

TEST(HeaderTemplateDecode, TextEndsAtNul) {
    auto b = bytes(std::string("AB\0CD", 5));
    EXPECT_EQ(decodeTemplateText(b.data(), b.size()), u"AB");
}

TEST(HeaderTemplateTokens, LabelThenUserField) {
    TemplateParse p = parse(u"Name: @@@@@@@@@@");
    EXPECT_EQ(p.status, kHdrOK);
    ASSERT_EQ(p.fields.size(), 2u);
    expectLayout(p.fields[0], {0, 0, 0, 6, kHdrKindLabel});
    EXPECT_EQ(p.fields[0].label, u"Name: ");
    expectLayout(p.fields[1], {0, 0, 6, 10, kHdrKindAt});
    EXPECT_TRUE(p.fields[1].label.empty());
}

TEST(HeaderTemplateTokens, RunsOfDollarAndAtAreSeparateFields) {
    TemplateParse p = parse(u"$$$@@x");
    ASSERT_EQ(p.fields.size(), 3u);
    expectLayout(p.fields[0], {0, 0, 0, 3, kHdrKindDollar});
    expectLayout(p.fields[1], {0, 0, 3, 2, kHdrKindAt});
    expectLayout(p.fields[2], {0, 0, 5, 1, kHdrKindLabel});
}

TEST(HeaderTemplateTokens, EveryAutomaticCodeWithAndWithoutClosingMark) {
    for (int kind = kHdrKindFirstAuto; kind <= kHdrKindLastAuto; ++kind) {
        std::u16string code = autoFieldCode(kind);
        TemplateParse closed = parse(u"<" + code + u"  \t>X");
        ASSERT_EQ(closed.fields.size(), 2u) << kind;
        expectLayout(closed.fields[0], {0, 0, 0, 8, kind});
        expectLayout(closed.fields[1], {0, 0, 8, 1, kHdrKindLabel});

        TemplateParse open = parse(u"<" + code + u"   X>");
        ASSERT_EQ(open.fields.size(), 2u) << kind;
        expectLayout(open.fields[0], {0, 0, 0, 7, kind});
        EXPECT_EQ(open.fields[1].label, u"X>");
    }
    EXPECT_EQ(autoFieldCode(2), nullptr);
    EXPECT_EQ(autoFieldCode(20), nullptr);
}

TEST(HeaderTemplateTokens, UnknownOrShortMarkersAreLabels) {
    for (std::u16string_view text : {u"<cid>", u"<XYZ>", u"<CI", u"<"}) {
        TemplateParse p = parse(text);
        ASSERT_EQ(p.fields.size(), 1u);
        EXPECT_EQ(p.fields[0].kind, kHdrKindLabel);
        EXPECT_EQ(p.fields[0].label, text);
    }
}

TEST(HeaderTemplateTokens, MarkerEndsALabelMidLine) {
    TemplateParse p = parse(u"ab<WAV>cd");
    ASSERT_EQ(p.fields.size(), 3u);
    expectLayout(p.fields[0], {0, 0, 0, 2, kHdrKindLabel});
    expectLayout(p.fields[1], {0, 0, 2, 5, 14});
    expectLayout(p.fields[2], {0, 0, 7, 2, kHdrKindLabel});
}

TEST(HeaderTemplateTokens, TabsAreBlanksAndCarriageReturnsVanish) {
    TemplateParse p = parse(u"a\tb\r\n<CID\r >\r\n");
    ASSERT_EQ(p.fields.size(), 2u);
    EXPECT_EQ(p.fields[0].label, u"a b");
    expectLayout(p.fields[0], {0, 0, 0, 3, kHdrKindLabel});
    expectLayout(p.fields[1], {0, 1, 0, 6, 3});
}

TEST(HeaderTemplateTokens, LineFeedsAndPageBreaks) {
    TemplateParse p = parse(u"A\n\nB\fC\n.PD.PE");
    ASSERT_EQ(p.fields.size(), 5u);
    expectLayout(p.fields[0], {0, 0, 0, 1, 0});
    expectLayout(p.fields[1], {0, 2, 0, 1, 0});
    expectLayout(p.fields[2], {1, 0, 0, 1, 0});
    // ".P" at the start of line 1 is not the start of the page.
    expectLayout(p.fields[3], {2, 0, 0, 1, 0});
    expectLayout(p.fields[4], {3, 0, 0, 1, 0});
}

TEST(HeaderTemplateTokens, PageBreakAtTheVeryStartOfAPageIsIgnored) {
    TemplateParse p = parse(u"\fA\f\f.PB");
    ASSERT_EQ(p.fields.size(), 2u);
    EXPECT_EQ(p.fields[0].page, 0);
    EXPECT_EQ(p.fields[1].page, 1);
}

TEST(HeaderTemplateTokens, NineteenthLineFeedStartsANewPage) {
    std::u16string text;
    for (int i = 0; i < 19; ++i)
        text += u"L\n";
    text += u"\fN";
    TemplateParse p = parse(text);
    ASSERT_EQ(p.fields.size(), 20u);
    expectLayout(p.fields[18], {0, 18, 0, 1, 0});
    // The form feed right after the automatic break is at the start of page 1.
    expectLayout(p.fields[19], {1, 0, 0, 1, 0});
}

TEST(HeaderTemplateTokens, FieldsAreCutAtColumnFifty) {
    TemplateParse p = parse(std::u16string(60, u'@'));
    EXPECT_EQ(p.status, T6_HDR_FIELD_CUT);
    ASSERT_EQ(p.fields.size(), 1u);
    expectLayout(p.fields[0], {0, 0, 0, 50, kHdrKindAt});

    std::u16string longLabel(45, u'x');
    TemplateParse q = parse(longLabel + u"<CID    >$$\nok");
    EXPECT_EQ(q.status, T6_HDR_FIELD_CUT);
    ASSERT_EQ(q.fields.size(), 3u);
    expectLayout(q.fields[1], {0, 0, 45, 5, 3});
    // The '$' run starts at column 50 and is dropped.
    expectLayout(q.fields[2], {0, 1, 0, 2, kHdrKindLabel});
}

TEST(HeaderTemplateTokens, LabelKeepsOnlyWhatFitsTheLine) {
    TemplateParse p = parse(u"ab" + std::u16string(200, u'z'));
    EXPECT_EQ(p.status, T6_HDR_FIELD_CUT);
    ASSERT_EQ(p.fields.size(), 1u);
    EXPECT_EQ(p.fields[0].length, 50);
    EXPECT_EQ(p.fields[0].label, u"ab" + std::u16string(48, u'z'));
}

TEST(HeaderTemplateTokens, TwentyFirstPageStopsParsing) {
    std::u16string text;
    for (int i = 0; i < 21; ++i)
        text += u"P\f";
    TemplateParse p = parse(text);
    EXPECT_EQ(p.status, T6_HDR_TOO_MANY_PAGES);
    ASSERT_EQ(p.fields.size(), 20u);
    EXPECT_EQ(p.fields.back().page, 19);

    // A trailing break after the twentieth page makes no field and no fault.
    text.resize(40);
    EXPECT_EQ(parse(text).status, kHdrOK);
}

TEST(HeaderTemplateTokens, FieldsBeyond288StopParsing) {
    std::u16string text;
    for (int i = 0; i < 150; ++i)
        text += u"a$\n";
    TemplateParse p = parse(text);
    EXPECT_EQ(p.status, T6_HDR_TOO_MANY_FIELDS);
    EXPECT_EQ(p.fields.size(), 288u);
}

TEST(HeaderTemplateTokens, LaterStopOutranksAnEarlierCut) {
    std::u16string text = std::u16string(51, u'$') + u"\n";
    for (int i = 0; i < 300; ++i)
        text += u"$\n";
    EXPECT_EQ(parse(text).status, T6_HDR_TOO_MANY_FIELDS);
}

TEST(HeaderTemplateTokens, NothingToShowIsAnEmptyTemplate) {
    for (std::u16string_view text : {u"", u"\r\n\f\n.P\n"}) {
        TemplateParse p = parse(text);
        EXPECT_EQ(p.status, T6_HDR_EMPTY_TEMPLATE);
        EXPECT_TRUE(p.fields.empty());
    }
    // Fields only past the last page: stopped, and still nothing was made.
    std::u16string pagesOnly;
    for (int i = 0; i < 25; ++i)
        pagesOnly += u"\n\f";
    pagesOnly += u"X";
    EXPECT_EQ(parse(pagesOnly).status, T6_HDR_EMPTY_TEMPLATE);
    // A lone tab is a one-column label.
    EXPECT_EQ(parse(u"\f.P\t").fields.size(), 1u);
}

TEST(HeaderTemplateParse, SameFieldsFromEveryEncoding) {
    std::u16string text = u"Op\u00e9rateur: $$$\r\n<MDY >";
    std::string utf8 = "Op\xc3\xa9rateur: $$$\r\n<MDY >";
    std::string cp1252 = "Op\xe9rateur: $$$\r\n<MDY >";
    std::vector<std::vector<uint8_t>> encodings = {uTF16Bytes(text, false), uTF16Bytes(text, true),
                                                   bytes(utf8), bytes(cp1252)};
    for (const auto& bytes : encodings) {
        TemplateParse p = parseHeaderTemplate(bytes.data(), bytes.size());
        ASSERT_EQ(p.fields.size(), 3u);
        EXPECT_EQ(p.fields[0].label, u"Op\u00e9rateur: ");
        expectLayout(p.fields[1], {0, 0, 11, 3, kHdrKindDollar});
        expectLayout(p.fields[2], {0, 1, 0, 6, 8});
    }
}

TEST(HeaderTemplateParse, MegabytesOfAtSignsGiveOneCutField) {
    std::vector<uint8_t> bytes(4 << 20, '@');
    TemplateParse p = parseHeaderTemplate(bytes.data(), bytes.size());
    EXPECT_EQ(p.status, T6_HDR_FIELD_CUT);
    ASSERT_EQ(p.fields.size(), 1u);
    EXPECT_EQ(p.fields[0].length, 50);
}
