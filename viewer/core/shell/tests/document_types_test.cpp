// Opening files through the document types: traces into a new current list,
// list files replacing the current one, power-meter files refused.
#include "core/shell/document_types.h"
#include "core/trace/tests/trace_doc_fixture.h"
#include "core/tracelist/trace_list_doc.h"

namespace orvane::test {
namespace {

class DocumentTypesTest : public TraceDocTest {
protected:
    ~DocumentTypesTest() override { application().currentTraceList = nullptr; }

    CTraceListDoc* current() const { return types.currentList(); }
    size_t listCount() const { return types.type(DocKind::TraceList).documents().size(); }

    DocumentTypes types;
};

TEST_F(DocumentTypesTest, RegistersEightTypesAndRoutesByExtension) {
    ASSERT_EQ(types.all().size(), kDocKindCount);
    EXPECT_EQ(types.all()[0]->docString(DocString::FilterName), "Trace Lists (*.trl)");
    EXPECT_EQ(types.all()[7]->extension(), "PMT");
    EXPECT_EQ(types.kindForPath("/x/a.TRL"), DocKind::TraceList);
    EXPECT_EQ(types.kindForPath("/x/a.sor"), DocKind::BellTrace);
    EXPECT_EQ(types.kindForPath("/x/a.001"), DocKind::Trace);

    EXPECT_FALSE(types.OpenDocumentFile(at("meter.p5p")));
    EXPECT_EQ(scripted.texts(),
              std::vector<std::string>{at("meter.p5p") + "\n" + kPowerMeterNotInstalled});
    EXPECT_EQ(current(), nullptr);
}

TEST_F(DocumentTypesTest, ATraceOpensAloneInANewListAfterTheModifiedListIsAsked) {
    const std::string first = writeTrace("first.sor");
    const std::string second = writeTrace("second.sor");
    ASSERT_TRUE(types.OpenDocumentFile(first));
    CTraceListDoc* old = current();
    ASSERT_NE(old, nullptr);
    EXPECT_FALSE(old->isModified());
    EXPECT_EQ(old->DisplayedCount(), 1);
    EXPECT_EQ(old->title(), "Trace List1");

    old->AddTraces({second});
    scripted.queue(PromptAnswer::No);
    ASSERT_TRUE(types.OpenDocumentFile(second));
    EXPECT_EQ(scripted.texts().back(), "Save changes to Trace List1?");
    EXPECT_EQ(listCount(), 1u);
    EXPECT_EQ(current()->EntryCount(), 1u);
    EXPECT_EQ(current()->Primary()->path, second);

    // A cancel keeps the old list open beside the new, current one.
    CTraceListDoc* kept = current();
    kept->setModified(true);
    scripted.queue(PromptAnswer::Cancel);
    ASSERT_TRUE(types.OpenDocumentFile(first));
    EXPECT_EQ(listCount(), 2u);
    EXPECT_NE(current(), kept);
}

TEST_F(DocumentTypesTest, ASecondListFileReplacesTheFirstUnlessItsQuestionIsCancelled) {
    ASSERT_TRUE(types.OpenDocumentFile(writeTrace("a.sor")));
    ASSERT_TRUE(current()->OnSaveDocument(at("one.trl")));
    ASSERT_TRUE(current()->OnSaveDocument(at("two.trl")));

    ASSERT_TRUE(types.OpenDocumentFile(at("one.trl")));
    EXPECT_EQ(current()->path(), at("one.trl"));
    EXPECT_EQ(listCount(), 1u);
    EXPECT_EQ(current()->DisplayedCount(), 0);

    current()->setModified(true);
    scripted.queue(PromptAnswer::Cancel);
    EXPECT_FALSE(types.OpenDocumentFile(at("two.trl")));
    EXPECT_EQ(current()->path(), at("one.trl"));
    EXPECT_EQ(listCount(), 1u);
}

} // namespace
} // namespace orvane::test
