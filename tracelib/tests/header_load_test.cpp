// Header fields from templates: in memory, from files and built in.
#include "record/header_builtin.h"
#include "record/header_template.h"
#include "support/header_record.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace varnel::test;

namespace {

std::u16string rep(char16_t c, size_t n) {
    return std::u16string(n, c);
}

std::u16string pageLine(const CT6& record, int32_t page, int32_t line) {
    char16_t text[51];
    int32_t position = 0;
    record.HDRGetPageLine(page, line, position, text);
    return text;
}

std::vector<std::u16string> templateLines(const std::vector<uint8_t>& bytes) {
    std::u16string text = varnel::decodeTemplateText(bytes.data(), bytes.size());
    std::vector<std::u16string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find(u"\r\n", start)) != std::u16string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

class TempFile {
public:
    explicit TempFile(const std::vector<uint8_t>& bytes) {
        path_ = std::filesystem::temp_directory_path() /
                ("varnel_hdr_" + std::to_string(getpid()) + "_" + std::to_string(counter_++));
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    ~TempFile() { std::filesystem::remove(path_); }
    std::u16string path() const { return path_.u16string(); }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

} // namespace

TEST(HeaderLoad, TemplateReplacesTheFields) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, u"Name: @@@@@@@@@@"), 0);
    record.ClearAllModFlags();
    EXPECT_EQ(loadTemplate(record, u"<WAV>"), 0);
    EXPECT_EQ(record.HDRGetFldCount(), 1);
    EXPECT_EQ(fieldInfo(record, 0).text, u"     ");
    EXPECT_EQ(record.IsModFlagSet(T6_MOD_HEADER_PAGES), 1);
}

TEST(HeaderLoad, CutTemplateIsStillUsed) {
    CT6 record;
    EXPECT_EQ(loadTemplate(record, rep(u'@', 60)), T6_HDR_FIELD_CUT);
    ASSERT_EQ(record.HDRGetFldCount(), 1);
    EXPECT_EQ(fieldInfo(record, 0).length, 50);
}

TEST(HeaderLoad, EmptyTemplateLeavesTheRecordAsItWas) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, u"Name: @@@@@@@@@@"), 0);
    record.HDRSetFldStg(1, u"kept");
    record.ClearAllModFlags();
    EXPECT_EQ(loadTemplate(record, u"\r\n\f\n"), T6_HDR_EMPTY_TEMPLATE);
    const uint8_t mark[] = {0xFE, 0xFF};
    EXPECT_EQ(record.HDRFromTemplate(mark, 2), T6_HDR_EMPTY_TEMPLATE);
    EXPECT_EQ(record.HDRFromTemplate(mark, 0), T6_HDR_EMPTY_TEMPLATE);
    EXPECT_EQ(record.HDRFromTemplate(mark, -4), T6_HDR_EMPTY_TEMPLATE);
    EXPECT_EQ(record.HDRFromTemplate(nullptr, 100), T6_HDR_EMPTY_TEMPLATE);
    EXPECT_EQ(record.HDRGetFldCount(), 2);
    EXPECT_EQ(fieldInfo(record, 1, 1).text, u"kept");
    EXPECT_EQ(record.IsModFlagSet(T6_MOD_HEADER_PAGES), 0);
}

TEST(HeaderLoad, StoppedTemplatesKeepWhatWasMade) {
    CT6 record;
    std::u16string pages;
    for (int i = 0; i < 22; ++i)
        pages += u"x\f";
    EXPECT_EQ(loadTemplate(record, pages), T6_HDR_TOO_MANY_PAGES);
    EXPECT_EQ(record.HDRGetNumPages(), 20);

    std::u16string fields;
    for (int i = 0; i < 300; ++i)
        fields += u"$\n";
    EXPECT_EQ(loadTemplate(record, fields), T6_HDR_TOO_MANY_FIELDS);
    EXPECT_EQ(record.HDRGetFldCount(), 288);
}

TEST(HeaderLoad, FileIsReadWhole) {
    TempFile file(templateUTF16LE(u"Operator : @@@@\r\n"));
    CT6 record;
    EXPECT_EQ(record.HDRFromFile(file.path().c_str()), 0);
    EXPECT_EQ(record.HDRGetFldCount(), 2);
    EXPECT_EQ(fieldInfo(record, 1).column, 11);
}

TEST(HeaderLoad, FileNameMayUseBackslashes) {
    TempFile file(templateUTF16LE(u"$$"));
    std::u16string path = file.path();
    std::replace(path.begin(), path.end(), u'/', u'\\');
    CT6 record;
    EXPECT_EQ(record.HDRFromFile(path.c_str()), 0);
}

TEST(HeaderLoad, FileStatuses) {
    CT6 record;
    ASSERT_EQ(loadTemplate(record, u"kept"), 0);
    EXPECT_EQ(record.HDRFromFile(u"/nonexistent/dir/x.hdr"), 9);
    EXPECT_EQ(record.HDRFromFile(u""), 9);
    EXPECT_EQ(record.HDRFromFile(nullptr), 9);
    std::u16string dir = std::filesystem::temp_directory_path().u16string();
    EXPECT_EQ(record.HDRFromFile(dir.c_str()), 9);
    TempFile empty({});
    EXPECT_EQ(record.HDRFromFile(empty.path().c_str()), T6_HDR_EMPTY_TEMPLATE);
    EXPECT_EQ(record.HDRGetFldCount(), 1);
}

TEST(HeaderBuiltin, StandardTemplateCharacterForCharacter) {
    const std::vector<std::u16string> expected = {
        u"Filename : <FLE" + rep(u' ', 34) + u">",
        u"Cable ID : <CID" + rep(u' ', 34) + u">",
        u"Fiber No.: <FNO" + rep(u' ', 7) + u">  Fiber Type: <FTP" + rep(u' ', 8) + u">",
        u"Wavelngth: <WAV" + rep(u' ', 7) + u">",
        u"Length   : " + rep(u'@', 39),
        u"Test Site: " + rep(u'@', 39),
        u"Far  Site: " + rep(u'@', 39),
        u"Date&Time: <MDY" + rep(u' ', 34) + u">",
        u"Operator : " + rep(u'@', 39),
        u"Network  : <NTW" + rep(u' ', 34) + u">",
        u"Segment  : <SGT" + rep(u' ', 34) + u">",
        u"Project  : <PRJ" + rep(u' ', 34) + u">",
        u"Test     : <TST" + rep(u' ', 34) + u">",
        u"Notes:  " + rep(u'@', 42),
        rep(u' ', 8) + rep(u'@', 42),
        rep(u' ', 8) + rep(u'@', 42),
    };
    const std::vector<uint8_t>& bytes = varnel::standardHeaderTemplate();
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_EQ(templateLines(bytes), expected);
}

TEST(HeaderBuiltin, SR4731TemplateCharacterForCharacter) {
    const std::vector<std::u16string> expected = {
        u"   Language: @@",
        u"   Cable ID: <CID" + rep(u' ', 31) + u">",
        u"   Fiber ID: <FNO" + rep(u' ', 31) + u">",
        u" Wavelength: <WAV>",
        u"   Org. Loc: <TSI" + rep(u' ', 31) + u">",
        u"  Term. Loc: <FSI" + rep(u' ', 31) + u">",
        u" Cable Code: " + rep(u'@', 36),
        u"  Condition: @@",
        u"   Operator: " + rep(u'@', 36),
        u"    Comment: " + rep(u'@', 36),
        u"   Supplier: <MNF" + rep(u' ', 31) + u">",
        u" OTDR Model: <MDL" + rep(u' ', 31) + u">",
        rep(u' ', 8) + u"S/N: " + rep(u'@', 36),
        u" Optics Mod: <OPM" + rep(u' ', 31) + u">",
        rep(u' ', 8) + u"S/N: <OSN" + rep(u' ', 31) + u">",
        u"   S/W Rev.: <SWV" + rep(u' ', 31) + u">",
        rep(u' ', 6) + u"Other: " + rep(u'@', 36),
    };
    const std::vector<uint8_t>& bytes = varnel::bellHeaderTemplate();
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_EQ(templateLines(bytes), expected);
}

TEST(HeaderBuiltin, StandardHeaderPage) {
    CT6 record;
    ASSERT_EQ(record.HDRFromStdT6HDR(), 0);
    EXPECT_EQ(record.HDRGetFldCount(), 34);
    EXPECT_EQ(record.HDRGetNumPages(), 1);
    int32_t lines = 0, first = 0, last = 0;
    ASSERT_EQ(record.HDRGetPageInfo(0, lines, first, last), 0);
    EXPECT_EQ(lines, 16);
    EXPECT_EQ(pageLine(record, 0, 2),
              u"Fiber No.: " + rep(u' ', 12) + u"  Fiber Type: " + rep(u' ', 13));
    EXPECT_EQ(record.HDRFindFixedStg(u"Far  Site"), 14);
    FieldInfo notes = fieldInfo(record, 33);
    EXPECT_EQ(notes.line, 15);
    EXPECT_EQ(notes.column, 8);
    EXPECT_EQ(notes.length, 42);
    EXPECT_EQ(notes.kind, 2);
}

TEST(HeaderBuiltin, SR4731ValueFieldsAreTheOddOnes) {
    CT6 record;
    ASSERT_EQ(record.HDRFromBellHDR(), 0);
    ASSERT_EQ(record.HDRGetFldCount(), 34);
    for (int32_t i = 0; i < 34; ++i) {
        FieldInfo f = fieldInfo(record, i);
        EXPECT_EQ(f.line, i / 2) << i;
        EXPECT_EQ(f.kind != 0, i % 2 == 1) << i;
    }
    EXPECT_EQ(fieldInfo(record, 7).length, 5); // "<WAV>"
    EXPECT_EQ(record.HDRFindFixedStg(u"Language") + 1, 1);
    EXPECT_EQ(record.HDRFindFixedStg(u"Other") + 1, 33);
}
