// Documents, views and document types: hints, repaint coalescing, ownership.
#include "core/platform/document_type.h"
#include "core/platform/repaint_queue.h"
#include "core/platform/view.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class CountingView : public View {
public:
    std::vector<Hint> hints;
    int repaints = 0;

    void onUpdate(View* sender, const Hint& hint) override {
        hints.push_back(hint);
        View::onUpdate(sender, hint);
    }

protected:
    void repaint() override { ++repaints; }
};

TEST(Document, HintsReachEveryViewButTheSenderAndRepaintOnce) {
    Document document;
    CountingView a, b;
    a.attach(&document);
    b.attach(&document);

    document.updateAllViews(&a, HINT_HEADER);
    int marker = 0;
    document.updateAllViews(nullptr, HINT_TRACES_ADDED, HintEntries{&marker});
    document.updateAllViews(nullptr, HINT_TRACE_CHANGED, HintDocuments{&document});

    EXPECT_EQ(a.hints.size(), 2u);
    ASSERT_EQ(b.hints.size(), 3u);
    ASSERT_NE(b.hints[1].entries(), nullptr);
    EXPECT_EQ(b.hints[1].entries()->front(), &marker);
    EXPECT_EQ(b.hints[2].documents()->front(), &document);
    EXPECT_EQ(b.hints[0].documents(), nullptr);

    RepaintQueue::instance().flush();
    EXPECT_EQ(a.repaints, 1);
    EXPECT_EQ(b.repaints, 1);
    EXPECT_TRUE(RepaintQueue::instance().empty());
}

TEST(Document, SchedulerIsCalledOncePerBatchAndDeadViewsAreNotPainted) {
    int scheduled = 0;
    RepaintQueue::instance().setScheduler([&] { ++scheduled; });
    Document document;
    auto gone = std::make_unique<CountingView>();
    CountingView kept;
    gone->attach(&document);
    kept.attach(&document);
    document.updateAllViews(nullptr, HINT_PREFERENCES);
    document.updateAllViews(nullptr, HINT_PREFERENCES);
    gone.reset();
    RepaintQueue::instance().flush();
    RepaintQueue::instance().setScheduler(nullptr);

    EXPECT_EQ(scheduled, 1);
    EXPECT_EQ(kept.repaints, 1);
    EXPECT_EQ(document.views().size(), 1u);
}

TEST(Document, PathTitleAndModifiedStateReachTheListener) {
    Document document;
    int changes = 0;
    document.setStateListener([&] { ++changes; });
    document.setPath("/data/cable 7/F001.SOR");
    EXPECT_EQ(document.title(), "F001.SOR");
    document.setModified();
    document.setModified(); // no change, no call
    document.setModified(false);
    EXPECT_EQ(changes, 3);
}

DocumentType listType() {
    return DocumentType(
        "\nTrList\nTrace List\nTrace Lists (*.trl)\n.TRL\n\n",
        [] { return std::make_unique<Document>(); },
        [](Document&, const std::string& path) { return path.find("bad") == std::string::npos; });
}

TEST(DocumentType, DocumentStringsAndExtensionMatching) {
    DocumentType type = listType();
    EXPECT_EQ(type.docString(DocString::DocName), "TrList");
    EXPECT_EQ(type.docString(DocString::FileNewName), "Trace List");
    EXPECT_EQ(type.docString(DocString::FilterName), "Trace Lists (*.trl)");
    EXPECT_EQ(type.extension(), "TRL");
    EXPECT_TRUE(type.matchesPath("cable.trl"));
    EXPECT_FALSE(type.matchesPath("cabletrl"));
    EXPECT_FALSE(type.matchesPath("cable.trc"));
    DocumentType trace("\nTrace\nTrace\nTrace (*.trc)\n\n\n", nullptr, nullptr);
    EXPECT_EQ(trace.extension(), "");
    EXPECT_FALSE(trace.matchesPath("x."));
}

TEST(DocumentType, OwnsItsDocumentsAndKeepsThoseWithoutAutomaticDeletion) {
    DocumentType type = listType();
    EXPECT_EQ(type.openDocument("bad.trl"), nullptr);
    EXPECT_TRUE(type.documents().empty());

    Document* kept = type.openDocument("/lists/a.trl", false);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->title(), "a.trl");
    EXPECT_FALSE(kept->isModified());
    kept->setAutoDelete(false);
    type.documentClosed(kept);
    EXPECT_TRUE(type.owns(kept));
    type.deleteDocument(kept);
    EXPECT_FALSE(type.owns(kept));

    Document* untitled = type.newDocument();
    EXPECT_EQ(untitled->title(), "Trace List1");
    CountingView view;
    view.attach(untitled);
    type.documentClosed(untitled); // a view is still open
    EXPECT_TRUE(type.owns(untitled));
    view.attach(nullptr);
    type.documentClosed(untitled);
    EXPECT_TRUE(type.documents().empty());
}

} // namespace
} // namespace orvane
