// The record's header field array: initialising, field text, copies and slots.
#include "support/header_record.h"

#include <gtest/gtest.h>

using namespace varnel::test;

namespace {

constexpr uint32_t kHeaderModFlag = 8192;

// Label "Name: " (0), '@' x 10 (1), label "ID " (2), '$' x 4 (3) on line 1.
const char16_t* const kSmallTemplate = u"Name: @@@@@@@@@@\nID $$$$";

} // namespace

TEST(HeaderFields, InitClearsAndOnlyEverGrowsTheCapacity) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, kSmallTemplate), 0);
    record.ClearAllModFlags();
    record.HDRInit(2);
    EXPECT_EQ(record.HDRGetFldCount(), 0);
    EXPECT_EQ(record.HDRGetFldMaxCount(), 4);
    EXPECT_EQ(record.HDRGetNumPages(), 0);
    EXPECT_EQ(record.IsModFlagSet(kHeaderModFlag), 1);
    record.HDRInit(10);
    EXPECT_EQ(record.HDRGetFldMaxCount(), 10);
}

TEST(HeaderFields, InitIsBoundedByTheFieldLimit) {
    CT6 record;
    record.HDRInit(-5);
    EXPECT_EQ(record.HDRGetFldMaxCount(), 0);
    // A count from a damaged file must not allocate without bound.
    record.HDRInit(INT32_MAX);
    EXPECT_EQ(record.HDRGetFldMaxCount(), 288);
}

TEST(HeaderFields, FieldInfoWithAndWithoutTrim) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, kSmallTemplate), 0);
    record.HDRSetFldStg(1, u"Jo");
    FieldInfo f = fieldInfo(record, 1);
    EXPECT_EQ(f.status, 0);
    EXPECT_EQ(f.page, 0);
    EXPECT_EQ(f.line, 0);
    EXPECT_EQ(f.column, 6);
    EXPECT_EQ(f.length, 10);
    EXPECT_EQ(f.kind, 2);
    EXPECT_EQ(f.text, u"Jo        ");
    EXPECT_EQ(fieldInfo(record, 1, 1).text, u"Jo");
    EXPECT_EQ(fieldInfo(record, 2, 1).text, u"ID");
    EXPECT_EQ(fieldInfo(record, 3, 1).text, u"");
}

TEST(HeaderFields, IndexesOutsideTheFieldsAreRefused) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, kSmallTemplate), 0);
    record.HDRInit(8); // capacity beyond the count: still no field there
    ASSERT_EQ(loadTemplate(record, kSmallTemplate), 0);
    record.ClearAllModFlags();
    for (int32_t index : {-1, 4, 7, 8, 288, INT32_MAX, INT32_MIN}) {
        FieldInfo f = fieldInfo(record, index);
        EXPECT_EQ(f.status, 6) << index;
        EXPECT_EQ(f.text, u"") << index;
        record.HDRSetFldStg(index, u"x");
    }
    EXPECT_EQ(record.IsModFlagSet(kHeaderModFlag), 0);
    uint8_t b = 0;
    EXPECT_EQ(record.HDRGetFldInfo(0, 0, b, b, b, b, b, nullptr), 0);
}

TEST(HeaderFields, SetTextCutsOrPadsToTheFieldLength) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, kSmallTemplate), 0);
    record.ClearAllModFlags();
    record.HDRSetFldStg(3, u"ABCDEFG");
    EXPECT_EQ(fieldText(record, 3), u"ABCD");
    EXPECT_EQ(record.IsModFlagSet(kHeaderModFlag), 1);
    record.HDRSetFldStg(3, u"A");
    EXPECT_EQ(fieldText(record, 3), u"A   ");
    record.HDRSetFldStg(3, nullptr);
    EXPECT_EQ(fieldText(record, 3), u"    ");
}

TEST(HeaderFields, SetAutoTextReachesEveryFieldOfTheKind) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, u"<FLE  >x<CID>\n<FLE     >"), 0);
    record.HDRSetAutoStg(13, u"a.sor");
    EXPECT_EQ(fieldText(record, 0), u"a.sor  ");
    EXPECT_EQ(fieldText(record, 2), u"     ");
    EXPECT_EQ(fieldText(record, 3), u"a.sor     ");
}

TEST(HeaderFields, FindFixedTextLooksOnlyAtLabels) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, u"   Fiber ID: @@@@\n Other: $$$$"), 0);
    record.HDRSetFldStg(1, u"Other");
    EXPECT_EQ(record.HDRFindFixedStg(u"Fiber ID"), 0);
    EXPECT_EQ(record.HDRFindFixedStg(u"Other"), 2);
    EXPECT_EQ(record.HDRFindFixedStg(u"Language"), -1);
    EXPECT_EQ(record.HDRFindFixedStg(nullptr), -1);
}

TEST(HeaderFields, CopyFromAnotherRecord) {
    CT6 source, target;
    ASSERT_EQ(loadTemplate(source, kSmallTemplate), 0);
    source.HDRSetFldStg(1, u"Kim");
    target.ClearAllModFlags();
    target.HDRFromT6(&source);
    EXPECT_EQ(target.HDRGetFldCount(), 4);
    EXPECT_EQ(fieldText(target, 1), u"Kim       ");
    EXPECT_EQ(fieldInfo(target, 3).line, 1);
    EXPECT_EQ(target.IsModFlagSet(kHeaderModFlag), 1);

    target.HDRFromT6(&target);
    target.HDRFromT6(nullptr);
    EXPECT_EQ(target.HDRGetFldCount(), 4);
}

TEST(HeaderFields, SaveSlotsAreSharedAndBounded) {
    CT6 first, second;
    ASSERT_EQ(loadTemplate(first, kSmallTemplate), 0);
    first.HDRSetFldStg(3, u"S9");
    first.HDRSave(9);
    first.HDRSave(10);
    first.HDRSave(-1);
    second.HDRRestore(9);
    EXPECT_EQ(second.HDRGetFldCount(), 4);
    EXPECT_EQ(fieldText(second, 3), u"S9  ");

    // Later edits do not reach the saved copy.
    first.HDRSetFldStg(3, u"new");
    second.HDRRestore(9);
    EXPECT_EQ(fieldText(second, 3), u"S9  ");

    second.HDRRestore(10);
    second.HDRRestore(-1);
    EXPECT_EQ(second.HDRGetFldCount(), 4);

    CT6 empty;
    empty.HDRSave(0);
    second.HDRRestore(0);
    EXPECT_EQ(second.HDRGetFldCount(), 0);
}

TEST(HeaderFields, AppendStopsAtTheCapacity) {
    CT6 record;
    record.HDRInit(2);
    EXPECT_EQ(record.HDRAppendFld(0, 0, 0, 5, 0, u"AB"), 0);
    EXPECT_EQ(record.HDRAppendFld(0, 1, 3, 4, 2, u"CDEFGH"), 0);
    EXPECT_EQ(record.HDRAppendFld(0, 2, 0, 4, 2, u"x"), 6);
    EXPECT_EQ(record.HDRGetFldCount(), 2);
    EXPECT_EQ(fieldText(record, 0), u"AB   ");
    EXPECT_EQ(fieldText(record, 1), u"CDEF");
}

TEST(HeaderFields, AppendKeepsDamagedLayoutsInsideTheLine) {
    CT6 record;
    record.HDRInit(3);
    EXPECT_EQ(record.HDRAppendFld(0, 0, 40, 200, 1, u"0123456789ABCDEF"), 0);
    EXPECT_EQ(record.HDRAppendFld(0, 0, 255, 255, 2, u"x"), 0);
    FieldInfo cut = fieldInfo(record, 0);
    EXPECT_EQ(cut.column, 40);
    EXPECT_EQ(cut.length, 10);
    EXPECT_EQ(cut.text, u"0123456789");
    // Kept, so later indexes stay where the file put them, but it shows nothing.
    EXPECT_EQ(fieldInfo(record, 1).length, 0);
}

TEST(HeaderFields, ResetReleasesAndCopiesAreIndependent) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, kSmallTemplate), 0);
    CT6 copy = record;
    record.HDRSetFldStg(3, u"mine");
    EXPECT_EQ(fieldText(copy, 3), u"    ");

    record.InitAll();
    EXPECT_EQ(record.HDRGetFldCount(), 0);
    EXPECT_EQ(record.HDRGetFldMaxCount(), 0);
    record.HDRSetFldStg(0, u"x");
    EXPECT_EQ(copy.HDRGetFldCount(), 4);
}
