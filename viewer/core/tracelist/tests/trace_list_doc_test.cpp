// The list's entries, display slots, primary, use counts and notifications.
#include "trace_list_fixture.h"

#include "core/tracelist/trace_list_commands.h"

namespace orvane::test {
namespace {

std::vector<const void*> entriesOf(const Hint& hint) {
    return hint.entries() ? *hint.entries() : std::vector<const void*>{};
}

TEST_F(TraceListTest, AddingRefusesAPathAlreadyListedInAnyLetterCase) {
    const std::vector<std::string> paths = addTraces(2);
    std::string shouted = paths[0];
    shouted.replace(shouted.size() - 5, 5, "F0.t6");
    list->setModified(false);
    const TraceEntries added = list->AddTraces({shouted, at("new.T6")});
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0]->path, at("new.T6"));
    EXPECT_EQ(scripted.texts(),
              std::vector<std::string>{"The file: " + shouted + " is already in the trace list"});
    EXPECT_TRUE(list->isModified());
    EXPECT_EQ(log.codes(), std::vector<HintCode>{HINT_TRACES_ADDED});
    EXPECT_EQ(list->FindTrace(shouted), list->Entries()[0].get());
}

TEST_F(TraceListTest, DisplayFillsEightSlotsAndHidingThePrimaryPromotesTheLowestSlot) {
    addTraces(9);
    list->DisplayTraces(rows.entries());
    EXPECT_EQ(list->DisplayedCount(), 8);
    EXPECT_FALSE(row(8)->displayed);
    EXPECT_EQ(row(8)->document, nullptr);
    EXPECT_EQ(list->Primary(), row(0));
    // Primary changed (new, old), then the eight displayed.
    ASSERT_EQ(log.codes(), (std::vector<HintCode>{HINT_PRIMARY_CHANGED, HINT_TRACES_DISPLAYED}));
    EXPECT_EQ(entriesOf(log.hints[0]), (std::vector<const void*>{row(0), nullptr}));
    EXPECT_EQ(entriesOf(log.hints[1]).size(), 8u);

    list->HideTraces({row(1), row(0)});
    EXPECT_EQ(list->Primary(), row(2));
    EXPECT_EQ(list->SlotOf(row(2)), 2);
    EXPECT_EQ(rows.iconAt(2), kIconPrimary);
    EXPECT_EQ(rows.iconAt(3), kIconFirstSlot + 3);
    EXPECT_EQ(rows.iconAt(0), kIconNotDisplayed);

    // A new trace takes the lowest empty slot.
    list->DisplayTraces({row(8)});
    EXPECT_EQ(list->SlotOf(row(8)), 0);
}

TEST_F(TraceListTest, ACancelledSavePromptStopsTheHideThere) {
    addTraces(3);
    list->DisplayTraces(rows.entries());
    row(1)->document->setModified(true);
    scripted.queue(PromptAnswer::Cancel);
    const TraceEntries hidden = list->HideTraces(rows.entries());
    EXPECT_EQ(hidden, TraceEntries{row(0)});
    EXPECT_TRUE(row(1)->displayed);
    EXPECT_TRUE(row(2)->displayed);
    EXPECT_EQ(row(1)->useCount, 1);
    EXPECT_EQ(list->Primary(), row(1));
    ASSERT_EQ(scripted.asked().size(), 1u);
    EXPECT_EQ(scripted.asked()[0].buttons, PromptButtons::YesNoCancel);

    // Removing asks the same; a trace that stays displayed stays listed.
    TraceListCommands commands(*list, rows);
    rows.selectAll();
    scripted.queue(PromptAnswer::Yes);    // remove?
    scripted.queue(PromptAnswer::Cancel); // save changes?
    EXPECT_TRUE(commands.Remove());
    EXPECT_EQ(list->EntryCount(), 2u);
    EXPECT_EQ(rows.size(), 2u);
}

TEST_F(TraceListTest, UseCountsOpenATraceOnceAndCloseItWithTheLastRelease) {
    addTraces(1);
    CTraceListEntry* entry = row(0);
    EXPECT_EQ(list->AcquireTrace(entry, false), nullptr);
    CTraceDoc* document = list->AcquireTrace(entry, true);
    ASSERT_NE(document, nullptr);
    EXPECT_FALSE(document->autoDelete());
    EXPECT_EQ(list->AcquireTrace(entry, true), document);
    EXPECT_EQ(entry->useCount, 2);
    EXPECT_TRUE(list->ReleaseTrace(entry));
    EXPECT_EQ(entry->document, document);
    EXPECT_TRUE(list->ReleaseTrace(entry));
    EXPECT_EQ(entry->document, nullptr);
    EXPECT_TRUE(traceType->documents().empty());
}

TEST_F(TraceListTest, AnalysingAHiddenTraceLeavesNoDocumentBehind) {
    application().preferences.saveTracePrompt = false;
    addTraces(2);
    list->DisplayTraces({row(0)});
    log.hints.clear();
    list->AnalyzeTraces(rows.entries());
    EXPECT_NE(row(0)->document, nullptr);
    EXPECT_TRUE(row(0)->document->isModified());
    EXPECT_EQ(row(1)->document, nullptr);
    EXPECT_EQ(log.codes(), std::vector<HintCode>{HINT_TRACES_ANALYZED});

    list->SaveTraces(rows.entries());
    EXPECT_FALSE(row(0)->document->isModified());
    EXPECT_EQ(log.codes().back(), HINT_TRACES_SAVED);
    EXPECT_EQ(entriesOf(log.hints.back()), std::vector<const void*>{row(0)});
}

TEST_F(TraceListTest, ClosingAsksEveryTraceAndThenTheListAndDropsTheCurrentList) {
    addTraces(2);
    list->DisplayTraces({row(0)});
    row(0)->document->setModified(true);
    scripted.queue(PromptAnswer::Cancel);
    EXPECT_FALSE(list->CanCloseFrame());
    scripted.queue(PromptAnswer::No); // the trace
    scripted.queue(PromptAnswer::No); // the list, modified by the additions
    EXPECT_TRUE(list->CanCloseFrame());
    EXPECT_EQ(scripted.asked().size(), 3u);
    EXPECT_EQ(scripted.texts()[2], "Save changes to " + list->title() + "?");

    application().currentTraceList = list.get();
    list->OnCloseDocument();
    EXPECT_EQ(application().currentTraceList, nullptr);
    EXPECT_TRUE(traceType->documents().empty());
}

TEST_F(TraceListTest, AComputedTraceLeavesTheListWhenTheHideCommandHidesIt) {
    addTraces(1);
    CTraceListEntry* file = list->Entries()[0].get();
    // A computed trace: a bare name and a record made in memory, added
    // without the duplicate check.
    CTraceListEntry* computed = list->AddTrace("Average 1");
    EXPECT_EQ(list->AddTrace("average 1")->path, "average 1");
    EXPECT_EQ(list->CountTrace("AVERAGE 1"), 2u);
    auto* document = static_cast<CTraceDoc*>(traceType->newDocument());
    varnel::sim::simulateFibre(varnel::sim::plainFibre(2.0, 0.33, 1024, 1.0, 100),
                               document->record());
    computed->document = document;
    list->DisplayTraces({computed, file});
    ASSERT_EQ(list->DisplayedCount(), 2);

    TraceListCommands commands(*list, rows);
    rows.selectAll();
    commands.Hide();
    EXPECT_EQ(list->DisplayedCount(), 0);
    EXPECT_EQ(list->EntryCount(), 2u); // the trace file and the undisplayed copy
    EXPECT_EQ(list->FindTrace("Average 1")->path, "average 1");
    EXPECT_EQ(rows.size(), 2u);
}

} // namespace
} // namespace orvane::test
