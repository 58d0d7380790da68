#include "record/event_element.h"
#include "support/event_fibre.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <vector>

using namespace varnel;
using namespace varnel::test;

namespace {

// Events whose start points are the given values, in table order.
void fillStarts(CT6& trace, const std::vector<int32_t>& startDPs) {
    for (int32_t dp : startDPs)
        trace.EVSetStartDP(trace.EVInsert(), dp);
}

std::vector<int32_t> starts(const CT6& trace) {
    std::vector<int32_t> out;
    for (int32_t i = 0; i < trace.EVCount(); ++i)
        out.push_back(trace.EVGetStartDP(i));
    return out;
}

} // namespace

TEST(EventTable, CapacityNeverBelow64AndGrowsByTenKeepingASpare) {
    CT6 trace;
    EXPECT_EQ(trace.EVMaxCount(), 64);
    EXPECT_EQ(trace.EVInitArray(10), 64);
    EXPECT_EQ(trace.EVInitArray(-5), 64);
    for (int32_t n = 0; n < 63; ++n)
        trace.EVInsert();
    EXPECT_EQ(trace.EVMaxCount(), 64);
    trace.EVInsert(); // the 64th event
    EXPECT_EQ(trace.EVCount(), 64);
    EXPECT_EQ(trace.EVMaxCount(), 74);
    for (int32_t n = 0; n < 10; ++n)
        trace.EVInsert();
    EXPECT_EQ(trace.EVMaxCount(), 84);
    EXPECT_EQ(trace.EVInitArray(100), 100);
    EXPECT_EQ(trace.EVCount(), 0);
}

TEST(EventTable, InsertClampsTheIndexAndShiftsLaterEventsUp) {
    CT6 trace;
    fillStarts(trace, {10, 20, 30});
    trace.EVSetComment(1, u"kept");
    EXPECT_EQ(trace.EVInsert(1), 1);
    EXPECT_EQ(starts(trace), (std::vector<int32_t>{10, 0, 20, 30}));
    char16_t comment[62];
    EXPECT_EQ(text(trace.EVGetComment(2, comment)), u"kept");
    EXPECT_EQ(text(trace.EVGetComment(1, comment)), u"");
    EXPECT_EQ(trace.EVInsert(99), 4);
    EXPECT_EQ(trace.EVInsert(-3), 0);
    EXPECT_EQ(starts(trace), (std::vector<int32_t>{0, 10, 0, 20, 30, 0}));
}

TEST(EventTable, InsertDPFRKeepsStartOrderAndReusesAnOccupiedPosition) {
    CT6 trace;
    EXPECT_EQ(trace.EVInsertDPFR(20, 0), 0);
    EXPECT_EQ(trace.EVInsertDPFR(10, 500), 0);
    EXPECT_EQ(trace.EVInsertDPFR(10, 400), 0);
    EXPECT_EQ(trace.EVInsertDPFR(30, 0), 3);
    EXPECT_EQ(trace.EVInsertDPFR(10, 500), 1); // already there
    EXPECT_EQ(trace.EVCount(), 4);
    EXPECT_EQ(starts(trace), (std::vector<int32_t>{10, 10, 20, 30}));
    EXPECT_EQ(trace.EVGetStartFR(0), 400);
    EXPECT_EQ(trace.EVGetStartFR(1), 500);
}

TEST(EventTable, InsertKMPlacesTheEventAtThatDistance) {
    SettingsGuard guard;
    CT6 trace;
    loadFibre(trace, 1000, FibreShape{});
    trace.EVInsertDPFR(0, 0);
    const int32_t i = trace.EVInsertKM(2.505);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(trace.EVGetStartDP(i), 250);
    EXPECT_EQ(trace.EVGetStartFR(i), 32768);
    EXPECT_NEAR(trace.EVGetStartKM(i), 2.505, 1e-9);
}

TEST(EventTable, DeleteFlaggedRemovesAdjacentFlaggedEvents) {
    CT6 trace;
    fillStarts(trace, {0, 10, 20, 30, 40});
    trace.EVPutFlags(1, T6_EVFLAG_MARKED_FOR_DELETION);
    trace.EVPutFlags(2, T6_EVFLAG_MARKED_FOR_DELETION | T6_EVFLAG_LOSS_UNKNOWN);
    trace.EVPutFlags(4, T6_EVFLAG_MARKED_FOR_DELETION);
    EXPECT_EQ(trace.EVDeleteFlagged(), 2);
    EXPECT_EQ(starts(trace), (std::vector<int32_t>{0, 30}));
}

TEST(EventTable, DeleteOutsideTheTableChangesNothing) {
    CT6 trace;
    fillStarts(trace, {0, 10});
    trace.ClearAllModFlags();
    EXPECT_EQ(trace.EVDelete(2), 2);
    EXPECT_EQ(trace.EVDelete(-1), 2);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_EVENTS), 0);
    EXPECT_EQ(trace.EVDelete(0), 1);
    EXPECT_EQ(starts(trace), (std::vector<int32_t>{10}));
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_EVENTS), 1);
}

TEST(EventTable, SwapNeedsBothIndexesInTheTable) {
    CT6 trace;
    fillStarts(trace, {1, 2});
    trace.EVSwap(0, 2);
    trace.EVSwap(-1, 0);
    EXPECT_EQ(starts(trace), (std::vector<int32_t>{1, 2}));
    trace.EVSwap(0, 1);
    EXPECT_EQ(starts(trace), (std::vector<int32_t>{2, 1}));
}

TEST(EventTable, SortOrdersByStartAndExchangesEqualStarts) {
    CT6 trace;
    fillStarts(trace, {30, 10, 20, 10});
    trace.EVSetComment(1, u"first");
    trace.EVSetComment(3, u"second");
    trace.EVSetStartFR(2, 7);
    trace.ClearAllModFlags();
    EXPECT_EQ(trace.EVSort(), 4);
    EXPECT_EQ(starts(trace), (std::vector<int32_t>{10, 10, 20, 30}));
    char16_t comment[62];
    EXPECT_EQ(text(trace.EVGetComment(0, comment)), u"second");
    EXPECT_EQ(text(trace.EVGetComment(1, comment)), u"first");
    EXPECT_EQ(trace.EVGetStartFR(2), 7);
    trace.EVSwap(0, 3);
    trace.EVInitArray(0);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_EVENTS), 0); // whole-table operations are not edits

    CT6 pair;
    fillStarts(pair, {5, 5});
    pair.EVSetComment(0, u"a");
    pair.EVSort();
    EXPECT_EQ(text(pair.EVGetComment(1, comment)), u"a");
}

TEST(EventTable, FindNearSkipsTheLaunchAndNegativeStarts) {
    SettingsGuard guard;
    CT6 trace;
    loadFibre(trace, 1000, FibreShape{});
    EXPECT_EQ(trace.EVFindNearKM(1.0), -1);
    fillStarts(trace, {0});
    EXPECT_EQ(trace.EVFindNearKM(0.0), -1);
    fillStarts(trace, {100, 300, 500});
    EXPECT_EQ(trace.EVFindNearKM(2.9), 2);
    EXPECT_EQ(trace.EVFindNearKM(2.0), 1); // equally far from 1 and 3 km: the first wins
    trace.SetHorzShiftKM(-2.0);            // event 1 now lies at -1 km
    EXPECT_EQ(trace.EVFindNearKM(-1.0), 2);
}

TEST(EventTable, CopyAndRestoreRoundTripWholeElements) {
    CT6 trace;
    fillStarts(trace, {3, 4, 5});
    trace.EVSetComment(2, u"splice");
    trace.EVSetLoss(1, 0.25);
    std::vector<uint8_t> snapshot(static_cast<size_t>(trace.EVCount() * trace.EVSizeElement()));
    EXPECT_EQ(trace.EVSizeElement(), 240);
    EXPECT_EQ(trace.EVCopy(snapshot.data()), 3);

    CT6 other;
    other.ClearAllModFlags();
    EXPECT_EQ(other.EVRestore(3, snapshot.data()), 3);
    EXPECT_EQ(starts(other), (std::vector<int32_t>{3, 4, 5}));
    EXPECT_DOUBLE_EQ(other.EVGetLoss(1), 0.25);
    char16_t comment[62];
    EXPECT_EQ(text(other.EVGetComment(2, comment)), u"splice");
    EXPECT_EQ(other.EVMaxCount(), 64);
    EXPECT_EQ(other.IsModFlagSet(T6_MOD_EVENTS), 0);
}

TEST(EventTable, RestoreWithoutSnapshotGivesZeroedEvents) {
    CT6 trace;
    fillStarts(trace, {3, 4});
    EXPECT_EQ(trace.EVRestore(70, nullptr), 70);
    EXPECT_EQ(trace.EVMaxCount(), 70);
    EXPECT_EQ(trace.EVGetStartDP(1), 0);
    EXPECT_EQ(trace.EVRestore(-4, nullptr), 0);
    trace.EVInsert(); // full table: grows before appending
    EXPECT_EQ(trace.EVRestore(70, nullptr), 70);
    EXPECT_EQ(trace.EVInsert(), 70);
    EXPECT_EQ(trace.EVMaxCount(), 80);
}

TEST(EventTable, InitZeroesAnElementBelowTheCapacityOnly) {
    CT6 trace;
    fillStarts(trace, {3, 4});
    trace.EVInit(1);
    EXPECT_EQ(trace.EVGetStartDP(1), 0);
    EXPECT_EQ(trace.EVInit(64), 2);
    EXPECT_EQ(trace.EVInit(-1), 2);
    EXPECT_EQ(trace.EVGetStartDP(0), 3);
}

TEST(EventTable, CopiesOfARecordOwnTheirOwnTable) {
    CT6 trace;
    fillStarts(trace, {3, 4});
    CT6 copy(trace);
    copy.EVSetStartDP(0, 9);
    EXPECT_EQ(trace.EVGetStartDP(0), 3);
    trace = copy;
    EXPECT_EQ(trace.EVGetStartDP(0), 9);
}
