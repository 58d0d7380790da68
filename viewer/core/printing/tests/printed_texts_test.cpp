// The texts printed with a trace: cell fitting, the event table with its
// unit lines and comments, header pages and the information block.
#include "core/printing/analysis_results.h"
#include "core/printing/cell_text.h"
#include "core/printing/trace_texts.h"
#include "core/trace/tests/trace_doc_fixture.h"

#include <gmock/gmock.h>

namespace orvane::printing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(CellText, PadsOnTheAlignedSideAndCutsFromTheOther) {
    EXPECT_EQ(FitCells("ab", 4, Align::Left), "ab  ");
    EXPECT_EQ(FitCells("ab", 4, Align::Right), "  ab");
    EXPECT_EQ(FitCells("abcdef", 4, Align::Left), "abcd");
    EXPECT_EQ(FitCells("abcdef", 4, Align::Right), "cdef");
    EXPECT_EQ(FitCells("d\xC3\xA9j\xC3\xA0", 3, Align::Left), "d\xC3\xA9j"); // cells, not bytes
}

TEST(EventTable, UnitLineKeepsTheColumnsWhateverTheUnitLabel) {
    EXPECT_EQ(EventUnitLine("m"), "#/Type     (m)      (dB)(dB/Km)    (dB)       (dB)");
    EXPECT_EQ(EventUnitLine("km"), "#/Type     (km)     (dB)(dB/Km)    (dB)       (dB)");
    EXPECT_EQ(EventUnitLine("kft"), "#/Type     (kft)    (dB)(dB/Km)    (dB)       (dB)");
}

TEST(EventTable, CommentsOfUpTo52CharactersStayOnOneLine) {
    const std::string exact(52, 'x');
    EXPECT_THAT(CommentLines(exact), ElementsAre(exact));

    // 60 characters: the break is the last blank before the 53rd character.
    const std::string sixty =
        std::string(40, 'a') + " " + std::string(10, 'b') + " " + std::string(8, 'c');
    ASSERT_EQ(sixty.size(), 60u);
    EXPECT_THAT(CommentLines(sixty), ElementsAre(std::string(40, 'a') + " " + std::string(10, 'b'),
                                                 std::string(8, 'c')));

    const std::string unbroken(60, 'z');
    EXPECT_THAT(CommentLines(unbroken), ElementsAre(std::string(52, 'z'), std::string(8, 'z')));
}

TEST(HeaderLines, AreFittedToFiftyCells) {
    EXPECT_EQ(FitHeaderLine("Cable"), "Cable" + std::string(45, ' '));
    // Trailing blanks go first.
    EXPECT_EQ(FitHeaderLine(std::string(48, 'a') + "b     "), std::string(48, 'a') + "b ");
    // Then doubled blanks become single.
    EXPECT_EQ(FitHeaderLine("A:  " + std::string(47, 'v')), "A: " + std::string(47, 'v'));
    // Then single blanks from the left, then the last characters.
    EXPECT_EQ(FitHeaderLine("a b c " + std::string(46, 'v')), "abc " + std::string(46, 'v'));
    EXPECT_EQ(FitHeaderLine(std::string(55, 'q')), std::string(50, 'q'));
}

class PrintedTrace : public test::TraceDocTest {
protected:
    void SetUp() override {
        T6SetCurDistUnits(T6_UNIT_KM);
        ASSERT_TRUE(test::openInto(document, writeTrace("FIBRE.T6")));
    }
    void TearDown() override { T6SetCurDistUnits(T6_UNIT_KM); }
    CTraceDoc document;
};

TEST_F(PrintedTrace, AnalysisResultsListEveryEventWithItsCommentAndTheOverallLoss) {
    ASSERT_GE(document.record().EVCount(), 3);
    document.EVSetComment(1, u"Splice in manhole at the corner of the old mill yard gate");
    const TextBlock block = AnalysisResults(document);
    const std::vector<std::string> lines = block.lines();
    EXPECT_EQ(lines[0], "Analysis Results -- FIBRE.T6");
    EXPECT_EQ(lines[1], std::string(lines[0].size(), '_'));
    EXPECT_EQ(lines[2], kEventColumnTitles);
    EXPECT_EQ(lines[3], EventUnitLine("km"));
    EXPECT_THAT(lines[5], HasSubstr(" 1/"));
    // The 53rd character is a blank: the break is the one before it.
    EXPECT_EQ(lines[6], "Splice in manhole at the corner of the old mill");
    EXPECT_EQ(lines[7], "yard gate");
    EXPECT_THAT(lines.back(), HasSubstr("Overall (End-to-End) Loss:"));
    EXPECT_THAT(lines.back(), HasSubstr("dB"));
    // Heading, titles, then the events in sections of three, then the loss.
    EXPECT_EQ(block.sections.front().size(), 2u);
    EXPECT_EQ(block.sections.back().size(), 1u);
}

TEST_F(PrintedTrace, UnitLineFollowsTheDistanceUnit) {
    T6SetCurDistUnits(T6_UNIT_M);
    EXPECT_THAT(AnalysisResults(document).lines(), Contains(EventUnitLine("m")));
    T6SetCurDistUnits(T6_UNIT_KFT);
    EXPECT_THAT(AnalysisResults(document).lines(), Contains(EventUnitLine("kft")));
}

TEST_F(PrintedTrace, ATraceWithoutEventsPrintsNoAnalysisResults) {
    while (document.record().EVCount() > 0)
        document.EVDelete(document.record().EVCount() - 1);
    EXPECT_TRUE(AnalysisResults(document).empty());
}

TEST_F(PrintedTrace, InformationBlockHasThirteenLabelledLines) {
    const std::vector<std::string> lines = TraceInformationLines(document, false);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "Primary Trace: FIBRE.T6");
    EXPECT_EQ(lines[1].substr(0, 15), "         Date: ");
    EXPECT_THAT(lines[1], HasSubstr("      Range:"));
    EXPECT_EQ(lines[6].substr(0, 15), "FAS Thresholds:");
    EXPECT_EQ(lines[12].substr(0, 13), "          ORL");
    EXPECT_EQ(TraceInformationLines(document, true)[0], "Overlay Trace: FIBRE.T6");
}

TEST_F(PrintedTrace, HeaderPagesAreFramedLinesOfFiftyCells) {
    ASSERT_EQ(document.record().HDRFromStdT6HDR(), 0);
    const TextBlock block = HeaderPages(document);
    ASSERT_EQ(block.sections.size(), 1u);
    const std::vector<std::string>& page = block.sections[0];
    EXPECT_EQ(page.front(), " -------------------- Page   1 -------------------- ");
    EXPECT_EQ(page.back(), kHeaderPageClosing);
    ASSERT_GT(page.size(), 2u);
    for (std::size_t i = 1; i + 1 < page.size(); ++i) {
        EXPECT_EQ(CellCount(page[i]), kHeaderLineCells + 2) << page[i];
        EXPECT_EQ(page[i].front(), '[');
        EXPECT_EQ(page[i].back(), ']');
    }
    EXPECT_EQ(page[1].substr(0, 12), "[Filename : ");
}

TEST_F(PrintedTrace, CursorBoxShowsTheCursorsAndTheMeasurement) {
    CursorMeasurement m;
    m.cursorAKM = 1.0;
    m.cursorBKM = 3.5;
    m.lossMode = T6_LOSS_2POINT;
    m.measurementText = "0.812 dB";
    m.reflectanceText = "-45.0 dB";
    const CursorBoxTexts box = CursorBox(document, m);
    EXPECT_EQ(box[0][0].substr(0, 7), "     A:");
    EXPECT_EQ(box[0][2].substr(0, 7), "A -> B:");
    EXPECT_THAT(box[0][2], HasSubstr("2.5"));
    EXPECT_EQ(box[1][1], "2-Point Loss: 0.812 dB");
    EXPECT_EQ(box[1][2], "Reflectance: -45.0 dB");
    EXPECT_THAT(box[2][0], HasSubstr(" / "));
    EXPECT_EQ(box[2][1].substr(0, 5), "Avg: ");
}

} // namespace
} // namespace orvane::printing
