// Header pages read back as lines of text.
#include "support/header_record.h"

#include <gtest/gtest.h>

using namespace varnel::test;

namespace {

const std::u16string kBlankLine(50, u' ');

struct PageLine {
    int32_t status;
    std::u16string text;
};

PageLine pageLine(const CT6& record, int32_t page, int32_t line, int32_t& position) {
    char16_t text[51 + 8];
    std::fill(std::begin(text), std::end(text), u'#');
    int32_t status = record.HDRGetPageLine(page, line, position, text);
    EXPECT_EQ(text[51], u'#') << "wrote past the line";
    return {status, text};
}

PageLine pageLine(const CT6& record, int32_t page, int32_t line) {
    int32_t position = 0;
    return pageLine(record, page, line, position);
}

} // namespace

TEST(HeaderPages, NumberOfPagesFollowsTheLastField) {
    CT6 record;
    EXPECT_EQ(record.HDRGetNumPages(), 0);
    ASSERT_EQ(loadTemplate(record, u"A\fB\fC"), 0);
    EXPECT_EQ(record.HDRGetNumPages(), 3);
}

TEST(HeaderPages, PageInfoGivesFieldRangeAndLineCount) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, u"A $$\n\nB\fC\n\n\nD @@"), 0);
    int32_t lines = -1, first = -1, last = -1;
    EXPECT_EQ(record.HDRGetPageInfo(0, lines, first, last), 0);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 2);
    EXPECT_EQ(record.HDRGetPageInfo(1, lines, first, last), 0);
    EXPECT_EQ(lines, 4);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(last, 5);
    EXPECT_EQ(record.HDRGetPageInfo(2, lines, first, last), 5);
    EXPECT_EQ(record.HDRGetPageInfo(-1, lines, first, last), 5);
}

TEST(HeaderPages, LineShowsEveryFieldAtItsColumn) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, u"Name: @@@@ <CID >Z"), 0);
    record.HDRSetFldStg(1, u"Al");
    record.HDRSetFldStg(3, u"C7");
    PageLine got = pageLine(record, 0, 0);
    EXPECT_EQ(got.status, 0);
    EXPECT_EQ(got.text, u"Name: Al   C7    Z" + std::u16string(32, u' '));
}

TEST(HeaderPages, LinesAfterTheLastGiveSevenAndGapsGiveBlanks) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, u"a\nb\nc\nd"), 0);
    EXPECT_EQ(pageLine(record, 0, 5).status, 7);
    EXPECT_EQ(pageLine(record, 0, 3).text, u"d" + std::u16string(49, u' '));

    CT6 gaps;
    ASSERT_EQ(loadTemplate(gaps, u"a\n\n\n\ne"), 0);
    PageLine blank = pageLine(gaps, 0, 2);
    EXPECT_EQ(blank.status, 0);
    EXPECT_EQ(blank.text, kBlankLine);
}

TEST(HeaderPages, PageWithoutFieldsGivesFive) {
    CT6 record;
    EXPECT_EQ(pageLine(record, 0, 0).status, 5);
    ASSERT_EQ(loadTemplate(record, u"a\fb"), 0);
    EXPECT_EQ(pageLine(record, 2, 0).status, 5);
    PageLine none = pageLine(record, -3, 0);
    EXPECT_EQ(none.status, 5);
    EXPECT_EQ(none.text, kBlankLine);
}

TEST(HeaderPages, PositionFollowsALineByLineWalk) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, u"p0\fA $$\n\nB @@\nC"), 0);
    int32_t lines = 0, first = 0, last = 0;
    ASSERT_EQ(record.HDRGetPageInfo(1, lines, first, last), 0);
    int32_t position = first;
    EXPECT_EQ(pageLine(record, 1, 0, position).status, 0);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(pageLine(record, 1, 1, position).text, kBlankLine);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(pageLine(record, 1, 2, position).text, u"B " + std::u16string(48, u' '));
    EXPECT_EQ(position, 4);
    EXPECT_EQ(pageLine(record, 1, 3, position).status, 0);
    EXPECT_EQ(position, last);
    // From the last field on, line 0 has no field and all lie on earlier lines of line 4.
    EXPECT_EQ(pageLine(record, 1, 0, position).text, kBlankLine);
    EXPECT_EQ(pageLine(record, 1, 4, position).status, 7);
    EXPECT_EQ(position, last);
    position = 99;
    EXPECT_EQ(pageLine(record, 1, 0, position).status, 5);
    position = -99;
    EXPECT_EQ(pageLine(record, 1, 0, position).text, u"A " + std::u16string(48, u' '));
}

TEST(HeaderPages, DamagedLayoutsFromFilesStayInsideTheLine) {
    CT6 record;
    record.HDRInit(4);
    record.HDRAppendFld(0, 0, 45, 50, 0, u"ABCDEFGH");
    record.HDRAppendFld(0, 0, 50, 10, 0, u"hidden");
    record.HDRAppendFld(0, 0, 255, 255, 0, u"hidden");
    PageLine got = pageLine(record, 0, 0);
    EXPECT_EQ(got.status, 0);
    EXPECT_EQ(got.text, std::u16string(45, u' ') + u"ABCDE");
}
