// Next and Previous Batch step the graph through the list view's rows.
#include "trace_list_fixture.h"

namespace orvane::test {
namespace {

using Rows = std::vector<size_t>;

class BatchTest : public TraceListTest {
protected:
    BatchTest() {
        application().preferences.batchSize = 3;
        addTraces(8);
    }
};

TEST_F(BatchTest, NextBatchWalksOnAndWrapsAround) {
    list->NextBatch(rows);
    EXPECT_EQ(displayedRows(), (Rows{0, 1, 2}));
    EXPECT_EQ(list->Primary(), row(0));
    list->NextBatch(rows);
    EXPECT_EQ(displayedRows(), (Rows{3, 4, 5}));
    EXPECT_EQ(list->Primary(), row(3));
    list->NextBatch(rows);
    EXPECT_EQ(displayedRows(), (Rows{6, 7, 0}));
    // Only displayed traces hold a document.
    for (size_t r : {1, 2, 3, 4, 5})
        EXPECT_EQ(row(r)->document, nullptr);
    EXPECT_EQ(traceType->documents().size(), 3u);
}

TEST_F(BatchTest, PreviousBatchFromTheFirstGoesBackwardsFromTheEnd) {
    list->NextBatch(rows);
    list->PreviousBatch(rows);
    EXPECT_EQ(displayedRows(), (Rows{7, 6, 5}));
    EXPECT_EQ(list->Primary(), row(7));
}

TEST_F(BatchTest, ASelectedRowStartsTheBatchAndIsDeselected) {
    rows.setSelected(4, true);
    list->NextBatch(rows);
    EXPECT_EQ(displayedRows(), (Rows{4, 5, 6}));
    EXPECT_EQ(rows.selectedCount(), 0u);
}

TEST_F(BatchTest, KeepPrimaryStepsTheOthersAroundIt) {
    application().preferences.batchKeepPrimary = true;
    list->NextBatch(rows);
    EXPECT_EQ(displayedRows(), (Rows{0, 1, 2}));
    list->NextBatch(rows);
    EXPECT_EQ(displayedRows(), (Rows{0, 3, 4}));
    list->NextBatch(rows);
    EXPECT_EQ(displayedRows(), (Rows{0, 5, 6}));
    list->NextBatch(rows);
    EXPECT_EQ(displayedRows(), (Rows{0, 7, 1}));
    EXPECT_EQ(list->Primary(), row(0));
}

TEST_F(TraceListTest, KeepPrimaryWithOnlyThePrimaryListedShowsNothingMore) {
    application().preferences.batchKeepPrimary = true;
    addTraces(1);
    list->NextBatch(rows);
    ASSERT_EQ(list->DisplayedCount(), 1);
    log.hints.clear();
    list->NextBatch(rows);
    EXPECT_EQ(list->DisplayedCount(), 1);
    EXPECT_EQ(list->Primary(), row(0));
}

TEST_F(BatchTest, AMissingTraceIsLeftOutOfTheBatchAndStaysListed) {
    std::filesystem::remove(row(1)->path);
    list->NextBatch(rows);
    EXPECT_EQ(displayedRows(), (Rows{0, 2}));
    EXPECT_EQ(list->EntryCount(), 8u);
    EXPECT_EQ(scripted.asked().size(), 1u); // the trace document's own message
}

} // namespace
} // namespace orvane::test
