// The document's commands: analysis, header replacement, backscatter, the
// forwarding setters, the event texts and the text export.
#include "trace_doc_fixture.h"

#include "core/platform/view.h"
#include "core/trace/trace_doc_type.h"

namespace orvane::test {
namespace {

class HintRecorder : public View {
public:
    std::vector<HintCode> codes;
    void onUpdate(View*, const Hint& hint) override { codes.push_back(hint.code); }
};

TEST_F(TraceDocTest, AnalyzeRefusesACalculatedTraceAndElseMarksTheDocument) {
    CTraceDoc document;
    ASSERT_TRUE(openInto(document, writeTrace("f.T6")));
    document.record().SetTraceDeltaCompare(1);
    EXPECT_EQ(document.Analyze(), kAnalyzeRefused);
    EXPECT_FALSE(document.isModified());
    ASSERT_EQ(scripted.asked().size(), 1u);
    EXPECT_EQ(scripted.texts()[0], "Can't analyze trace (2-Way Average, Delta Compare) : f.T6");
    EXPECT_EQ(scripted.asked()[0].icon, PromptIcon::Stop);

    document.record().SetTraceDeltaCompare(0);
    EXPECT_EQ(document.Analyze(), 0);
    EXPECT_TRUE(document.isModified());
    EXPECT_GE(document.record().EVCount(), 3);

    document.setModified(false);
    EXPECT_EQ(document.Smooth(), 0);
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.record().IsTraceUserSmoothed());
}

TEST_F(TraceDocTest, HeaderCommandsAskBeforeReplacingPagesAndTellTheViews) {
    CTraceDoc document;
    ASSERT_TRUE(openInto(document, writeTrace("f.T6")));
    HintRecorder view;
    view.attach(&document);
    document.record().HDRInit(0);

    EXPECT_FALSE(document.ConfirmHeaderChange(true)); // no pages: nothing to delete
    document.ApplyStandardHeader();                   // no pages: no question
    ASSERT_GT(document.record().HDRGetNumPages(), 0);
    EXPECT_TRUE(scripted.empty());
    EXPECT_EQ(view.codes, std::vector<HintCode>{HINT_HEADER});

    scripted.queue(PromptAnswer::Cancel);
    document.setModified(false);
    document.ApplyStandardHeader();
    EXPECT_FALSE(document.isModified());
    ASSERT_EQ(scripted.asked().size(), 1u);
    EXPECT_EQ(scripted.texts()[0], document.path() + "\nReplace current header.");
    EXPECT_EQ(scripted.asked()[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(scripted.asked()[0].icon, PromptIcon::Question);
    EXPECT_TRUE(document.ConfirmHeaderChange(true)); // default answer OK
    EXPECT_EQ(scripted.texts()[1], document.path() + "\nThe header will be deleted.");

    CTraceDoc other;
    ASSERT_TRUE(openInto(other, writeTrace("g.T6")));
    other.record().HDRInit(0);
    other.ApplyPrimaryHeader(&document);
    EXPECT_EQ(other.record().HDRGetNumPages(), document.record().HDRGetNumPages());
    other.ApplyPrimaryHeader(&other); // itself: nothing
    other.ApplyPrimaryHeader(nullptr);

    writeAll(at("bad.hdr"), "");
    files.queueOpen(at("bad.hdr"));
    view.codes.clear();
    document.ApplyCustomHeader();
    EXPECT_EQ(scripted.texts().back(), "Error reading trace header template file.");
    EXPECT_TRUE(view.codes.empty());
    EXPECT_EQ(files.openRequests().front().filters.front(), "Header Templates (*.hdr)");
}

TEST_F(TraceDocTest, BackscatterWarningIsShownOnceAndLevelsComeFromTheDynamicRange) {
    CTraceDoc document;
    ASSERT_TRUE(openInto(document, writeTrace("f.T6")));
    const double old = document.record().SpanGetBackScatter(0);
    document.SetBackscatter(old); // unchanged: no warning
    EXPECT_TRUE(scripted.empty());
    document.SetBackscatter(old - 1.0);
    document.SetBackscatter(old - 2.0);
    ASSERT_EQ(scripted.asked().size(), 1u);
    EXPECT_EQ(scripted.texts()[0].substr(0, 33), "The Trace ORL will be adjusted fo");
    EXPECT_DOUBLE_EQ(document.record().SpanGetBackScatter(0), old - 2.0);
    EXPECT_TRUE(document.isModified());

    double level = -1;
    EXPECT_TRUE(document.LevelAtKM(1.0, level));
    EXPECT_NEAR(level, document.record().GetDynamicRange() - document.record().GetDBAtKM(1.0),
                1e-9);
    EXPECT_FALSE(document.LevelAtKM(500.0, level));
    EXPECT_EQ(level, 0.0);
}

TEST_F(TraceDocTest, SettersMarkTheDocumentAndMapTheFourthViewMode) {
    CTraceDoc document;
    ASSERT_TRUE(openInto(document, writeTrace("f.T6")));
    document.SetViewMode(4);
    EXPECT_EQ(document.record().GetViewMode(), 3);
    EXPECT_EQ(document.GetViewMode(), 4);
    EXPECT_TRUE(document.isModified());
    document.SetView(4, 1.0, 2.0, 3.0, 4.0);
    EXPECT_NEAR(document.record().GetViewStartKM(3), 1.0, 1e-6);
    double x0 = 0, w = 0, y0 = 0, h = 0;
    document.GetView(4, x0, w, y0, h);
    EXPECT_NEAR(w, 2.0, 1e-6);

    document.setModified(false);
    document.SetACursorKM(1.25);
    EXPECT_TRUE(document.isModified());
    EXPECT_NEAR(document.record().GetACursorKM(), 1.25, 1e-6);
}

TEST_F(TraceDocTest, EventTextsHideUnmeasuredLossesAndMarkTwoPointLosses) {
    CTraceDoc document;
    ASSERT_TRUE(openInto(document, writeTrace("f.T6")));
    const int32_t last = document.record().EVCount() - 1;
    ASSERT_GE(last, 2);
    std::string mark;
    document.EVGetLossFlagged(1, false, mark);
    EXPECT_EQ(mark, "    ");
    document.EVSetFlags(1, T6_EVFLAG_TWO_POINT_LOSS);
    document.EVGetLossFlagged(1, false, mark);
    EXPECT_EQ(mark, "(2P)");
    document.EVSetLossMode(last, 1);
    document.EVGetLossFlagged(last, false, mark);
    EXPECT_EQ(mark, "    "); // never on the last event

    document.EVSetFlags(1, T6_EVFLAG_LOSS_UNKNOWN);
    EXPECT_EQ(document.EVGetLoss(1, false), "");
    EXPECT_EQ(document.EVGetLoss(1, true), " dB");
    EXPECT_EQ(document.EVGetLossValue(1), T6_NO_VALUE);
    EXPECT_EQ(document.EVGetLossSortValue(1), 32767.0);
    EXPECT_NE(document.EVGetLoss(2, false), "");
}

TEST_F(TraceDocTest, TextExportGoesBesideTheTraceAndStartsAtTheFirstWholePoint) {
    CTraceDoc document;
    ASSERT_TRUE(openInto(document, writeTrace("f.T6")));
    const double dx = document.record().SpanGetDxKMAtDP(0);
    document.record().SetHorzShiftKM(-2.5 * dx); // 0 km between points 2 and 3
    ASSERT_TRUE(document.ExportTraceText());
    const std::string text = readAll(at("f.T6.TXT"));
    EXPECT_EQ(text.substr(0, 53), "\"Brannic Tarvisk Plus - Version 3.0a  Trace Export\"\n\n");
    EXPECT_NE(text.find("FN   = f.T6\nPN   = " + at("f.T6") + "\n"), std::string::npos);
    const int32_t points = document.record().DPOCount();
    EXPECT_NE(text.find("NPTS = " + std::to_string(points - 3) + "\n"), std::string::npos);

    CTraceDoc nowhere;
    nowhere.setTitle("Trace1");
    nowhere.setPath(at("missing/dir/x.T6"));
    EXPECT_FALSE(nowhere.ExportTraceText());
    EXPECT_EQ(scripted.texts().back(), "File open error \n" + at("missing/dir/x.T6") + ".TXT");
}

TEST_F(TraceDocTest, DocumentTypeOpensTracesAndDropsFailedOnes) {
    auto type = makeTraceDocType(kBellTraceDocStrings);
    EXPECT_TRUE(type->matchesPath("F001.SOR"));
    Document* opened = type->openDocument(writeTrace("f.sor", u"SR4731"), false);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(static_cast<CTraceDoc*>(opened)->DocumentName(), "f.sor");
    EXPECT_EQ(type->openDocument(at("none.sor"), false), nullptr);
    EXPECT_EQ(type->documents().size(), 1u);
}

} // namespace
} // namespace orvane::test
