// The recent-file list: its nine stored values, what goes on it (files
// opened, lists saved under a new name) and entries whose file has gone.
#include "core/platform/settings_store.h"
#include "core/shell/application_state.h"
#include "core/shell/document_types.h"
#include "core/shell/recent_files.h"
#include "core/trace/tests/trace_doc_fixture.h"
#include "core/tracelist/trace_list_doc.h"

namespace orvane::test {
namespace {

TEST(RecentFiles, NewestFirstNineAtMostStoredAsFileOneToNine) {
    RecentFileList recent;
    for (int i = 1; i <= 10; ++i)
        recent.Add("/t/" + std::to_string(i) + ".sor");
    recent.Add("/t/5.sor"); // moves up, no repeat
    ASSERT_EQ(recent.Files().size(), kRecentFileCount);
    EXPECT_EQ(recent.Files()[0], "/t/5.sor");
    EXPECT_EQ(recent.Files()[1], "/t/10.sor");
    EXPECT_EQ(recent.Files().back(), "/t/2.sor"); // 1 dropped off

    MemorySettingsStore store;
    store.writeText(kRecentFileSection, "File9", "stale");
    recent.Remove(0);
    recent.Save(store);
    EXPECT_EQ(store.readText(kRecentFileSection, "File1", ""), "/t/10.sor");
    EXPECT_EQ(store.readText(kRecentFileSection, "File8", ""), "/t/2.sor");
    EXPECT_EQ(store.readText(kRecentFileSection, "File9", "x"), ""); // emptied

    // Gaps and repeats in a hand-edited store are skipped.
    store.writeText(kRecentFileSection, "File2", "");
    store.writeText(kRecentFileSection, "File3", "/t/10.sor");
    RecentFileList loaded;
    loaded.Load(store);
    EXPECT_EQ(loaded.Files().size(), 6u);
    EXPECT_EQ(loaded.Files()[0], "/t/10.sor");
    EXPECT_EQ(loaded.Files()[1], "/t/7.sor");
}

class RecentFilesTest : public TraceDocTest {
protected:
    RecentFilesTest() { application().recentFiles = RecentFileList(); }
    ~RecentFilesTest() override {
        application().currentTraceList = nullptr;
        application().recentFiles = RecentFileList();
    }
    const std::vector<std::string>& recent() const { return application().recentFiles.Files(); }

    DocumentTypes types;
};

TEST_F(RecentFilesTest, OpenedTracesAndListsAndListsSavedAsGoFirst) {
    const std::string trace = writeTrace("a.sor");
    ASSERT_TRUE(types.OpenDocumentFile(trace));
    EXPECT_EQ(recent(), std::vector<std::string>{trace}); // the list's trace
    files.queueSave({at("cable.trl"), 0});
    ASSERT_TRUE(types.currentList()->DoSaveAs());
    EXPECT_EQ(recent().front(), at("cable.trl"));

    ASSERT_TRUE(OpenRecentFile(types, application().recentFiles, 1)); // the trace again
    EXPECT_EQ(recent().front(), trace);
    // Cancelling the current list's question opens nothing and keeps the entry.
    types.currentList()->setModified(true);
    scripted.queue(PromptAnswer::Cancel);
    EXPECT_FALSE(OpenRecentFile(types, application().recentFiles, 1));
    EXPECT_EQ(recent().size(), 2u);
    types.currentList()->setModified(false);
    ASSERT_TRUE(OpenRecentFile(types, application().recentFiles, 1)); // the list
    EXPECT_EQ(types.currentList()->path(), at("cable.trl"));
    EXPECT_EQ(recent().front(), at("cable.trl"));
}

TEST_F(RecentFilesTest, AGoneFileIsToldAndDroppedAndTheCurrentListStays) {
    const std::string kept = writeTrace("kept.sor");
    ASSERT_TRUE(types.OpenDocumentFile(kept));
    CTraceListDoc* list = types.currentList();
    application().recentFiles.Add(at("gone.sor"));

    EXPECT_FALSE(OpenRecentFile(types, application().recentFiles, 0));
    EXPECT_EQ(scripted.texts(), std::vector<std::string>{at("gone.sor") + "\n" + kRecentFileGone});
    EXPECT_EQ(recent(), std::vector<std::string>{kept});
    EXPECT_EQ(types.currentList(), list);

    // A file that is there but does not open is dropped after its message.
    writeAll(at("broken.sor"), "not a trace");
    application().recentFiles.Add(at("broken.sor"));
    EXPECT_FALSE(OpenRecentFile(types, application().recentFiles, 0));
    EXPECT_EQ(scripted.texts().size(), 2u);
    EXPECT_EQ(recent(), std::vector<std::string>{kept});
}

} // namespace
} // namespace orvane::test
