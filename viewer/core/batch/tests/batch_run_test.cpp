// The batch over a trace list: the steps on each trace, the report file and
// its layouts, the summary, Cancel, and traces let go as the run goes on.
#include "core/batch/batch_run.h"
#include "core/batch/batch_steps.h"
#include "core/batch/tests/batch_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvane::batch {
namespace {

using test::BatchListTest;

std::vector<std::string> fileLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

size_t fieldCount(const std::string& line) {
    return static_cast<size_t>(std::count(line.begin(), line.end(), ';')) + 1;
}

class BatchRunTest : public BatchListTest {
protected:
    BatchRun run(const TraceEntries& entries, Progress* progress = nullptr) {
        SilentProgress silent;
        return RunBatch(*list, entries, settings, nullptr, progress ? *progress : silent);
    }

    BatchSettings withReport(int32_t layout) {
        BatchSettings s;
        s.generateReport = true;
        s.reportFolder = at("");
        s.reportFileName = "report.txt";
        s.reportLayout = layout;
        return s;
    }

    // Steps on one trace outside a list.
    BatchTraceResult processAlone(CTraceDoc& doc, const std::string& name) {
        return ProcessBatchTrace(doc, name, settings, {}, nullptr);
    }

    BatchSettings settings;
};

TEST_F(BatchRunTest, PatchCordsNeedAnEventLeftAfterThemAndPutTheNextAtFourMetres) {
    settings.cordsFromStart = true;
    settings.startCords = 3;

    CTraceDoc four;
    ASSERT_TRUE(test::openInto(four, writeFibre("four.T6", {1.5, 3.0})));
    ASSERT_EQ(four.record().EVCount(), 4);
    EXPECT_EQ(processAlone(four, "four.T6").outcome, TraceOutcome::Skipped);
    ASSERT_EQ(scripted.asked().size(), 1u);
    EXPECT_EQ(scripted.asked()[0].text, "Unable to remove patch cords from\nfour.T6");
    EXPECT_EQ(scripted.asked()[0].defaultAnswer, PromptAnswer::Cancel);
    EXPECT_DOUBLE_EQ(four.record().GetHorzShiftKM(), 0.0);

    CTraceDoc five;
    ASSERT_TRUE(test::openInto(five, writeFibre("five.T6", {1.0, 2.0, 3.0})));
    ASSERT_EQ(five.record().EVCount(), 5);
    EXPECT_EQ(processAlone(five, "five.T6").outcome, TraceOutcome::Processed);
    EXPECT_NEAR(five.record().EVGetStartKM(3), 0.004, 1e-6);
    EXPECT_TRUE(five.isModified());
}

TEST_F(BatchRunTest, EventsNearerAndFartherAreRemovedAndTheNewLastIsTheEnd) {
    CTraceDoc doc;
    ASSERT_TRUE(test::openInto(doc, writeFibre("f.T6", {1.0, 2.0, 3.0})));
    settings.removeNearer = true;
    settings.nearerThan = 1.5;
    settings.removeFarther = true;
    settings.fartherThan = 2.5;
    processAlone(doc, "f.T6");
    const CT6& r = doc.record();
    ASSERT_EQ(r.EVCount(), 2); // the launch and the splice at 2 km, now the end
    EXPECT_NEAR(r.EVGetStartKM(1), 2.0, 0.01);
    EXPECT_EQ(r.EVGetType(1), T6_EVENT_END);
    EXPECT_EQ(r.EVGetLoss(1), 0.0);
    EXPECT_EQ(r.EVGetFlags(1) & kNewEndFlags, kNewEndFlags);
}

TEST_F(BatchRunTest, ReportLayoutsOfTwoTracesWithThreeEventsEach) {
    const TraceEntries entries = listed({writeFibre("a.T6", {2.0}), writeFibre("b.T6", {2.5})});
    settings = withReport(kLayoutTessan);
    EXPECT_EQ(run(entries).processed, 2);
    std::vector<std::string> lines = fileLines(at("report.txt"));
    ASSERT_EQ(lines.size(), 1u + 6u);
    EXPECT_EQ(lines[0].rfind("\"Trace Name\";\"Date\";\"Time\";\"No\";", 0), 0u);
    EXPECT_EQ(lines[1].rfind("\"a.T6\";", 0), 0u);
    EXPECT_EQ(lines[4].rfind("\"b.T6\";", 0), 0u);
    EXPECT_EQ(fieldCount(lines[1]), 14u);

    scripted.queue(PromptAnswer::Yes); // the report exists now
    settings.reportLayout = kLayoutOrvane;
    run(entries);
    lines = fileLines(at("report.txt"));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(fieldCount(lines[0]), 14u + 2u + 6u);
    EXPECT_NE(lines[0].find(";\"\";\"\";"), std::string::npos) << lines[0];
}

TEST_F(BatchRunTest, OnTheInstrumentAReportOnDriveCIsRefusedBeforeAnythingRuns) {
    application().onInstrument = true;
    settings = withReport(kLayoutTessan);
    settings.reportFolder = "C:\\Reports";
    EXPECT_EQ(CheckBatchSettings(settings), SettingsCheck::ReportFolderRefused);
    application().onInstrument = false;
    EXPECT_EQ(scripted.asked().back().text, "Access to C: was denied.");
    settings.reportFolder = at("");
    EXPECT_EQ(CheckBatchSettings(settings), SettingsCheck::Accepted);
}

TEST_F(BatchRunTest, ExistingReportAnsweredNoProcessesNothing) {
    const TraceEntries entries = listed({writeFibre("a.T6", {2.0})});
    writeAll(at("report.txt"), "old report\n");
    settings = withReport(kLayoutTessan);
    settings.analyze = true;
    scripted.queue(PromptAnswer::No);
    const BatchRun result = run(entries);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.processed, 0);
    EXPECT_EQ(readAll(at("report.txt")), "old report\n");
    EXPECT_EQ(scripted.asked().back().text, kReportExistsQuestion);
    EXPECT_EQ(openDocuments(), 0);
}

TEST_F(BatchRunTest, CancelEndsTheBatchAfterTheCurrentTrace) {
    const TraceEntries entries =
        listed({writeFibre("a.T6", {1.0}), writeFibre("b.T6", {2.0}), writeFibre("c.T6", {3.0})});
    settings.analyze = true;
    test::CancellingProgress progress(2); // pressed while "b.T6" is shown
    const BatchRun result = run(entries, &progress);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.processed, 1);
    EXPECT_EQ(progress.total, 3);
    EXPECT_EQ(progress.texts[0], "Current Trace File :\na.T6");
    EXPECT_EQ(openDocuments(), 0);
}

TEST_F(BatchRunTest, SavedTracesAreLetGoAndAFailedSaveKeepsItsFileWhileTheBatchGoesOn) {
    const std::string locked = writeFibre("locked.T6", {1.0});
    const std::string open = writeFibre("open.T6", {1.0});
    const TraceEntries entries = listed({locked, open});
    const std::string lockedBytes = readAll(locked);
    const std::string openBytes = readAll(open);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read);
    settings.saveTraces = true;
    settings.saveChoice = 10; // "SR4731"
    settings.minMaxSummary = true;
    const BatchRun result = run(entries);

    EXPECT_EQ(result.processed, 2);
    EXPECT_EQ(readAll(locked), lockedBytes);
    EXPECT_NE(readAll(open), openBytes);
    ASSERT_GE(scripted.asked().size(), 2u);
    EXPECT_EQ(scripted.asked()[0].text, "Access to " + locked + " was denied.");
    const Prompt& summary = scripted.asked().back();
    EXPECT_EQ(summary.icon, PromptIcon::Information);
    EXPECT_EQ(summary.text.rfind("Min/max events and end distances :\n", 0), 0u);
    EXPECT_EQ(openDocuments(), 0);
    EXPECT_EQ(log.codes(), (std::vector<HintCode>{HINT_HEADER, 17}));
}

TEST_F(BatchRunTest, DisplayedTraceKeepsItsChangesInMemory) {
    const TraceEntries entries = listed({writeFibre("a.T6", {1.0})});
    list->DisplayTraces(entries);
    settings.setShift = true;
    settings.horzShiftKM = -0.25;
    run(entries);
    CTraceDoc* doc = entries[0]->document;
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(doc->isModified());
    EXPECT_NEAR(doc->record().GetHorzShiftKM(), -0.25, 1e-6);
}

} // namespace
} // namespace orvane::batch
