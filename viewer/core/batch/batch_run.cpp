#include "core/batch/batch_run.h"

#include "core/batch/batch_steps.h"
#include "core/platform/file_access.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/shell/application_state.h"
#include "core/trace/graph/graph_hints.h"

#include <cstdint>
#include <string>

namespace orvane::batch {

namespace {

// The report is gathered whole and written at the end in one replacement, so
// a run that fails to write it leaves the previous report as it was.
class MemoryReportSink : public ReportSink {
public:
    bool write(const std::string& line) override {
        m_text += line;
        return true;
    }
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
};

// Whether the report may be written: the question about an existing report,
// and a path that can take a file at all, checked before any trace is touched.
bool reportMayStart(const BatchSettings& settings) {
    const std::string path = settings.reportPath();
    if (fileExists(path) && !confirm("", kReportExistsQuestion, PromptButtons::YesNo,
                                     PromptAnswer::No, PromptIcon::Question))
        return false;
    if (!canReplaceFile(path)) {
        tellFailure("", kReportOpenError, PromptIcon::Stop);
        return false;
    }
    return true;
}

void writeReport(const BatchSettings& settings, const MemoryReportSink& sink) {
    const std::string& text = sink.text();
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    if (replaceFileContents(settings.reportPath(), {bytes, text.size()}) != T6_FILE_OK)
        tellFailure("", kFileWriteError, PromptIcon::Stop);
}

struct BusyWhileRunning {
    BusyWhileRunning() : was(application().busy) { application().busy = true; }
    ~BusyWhileRunning() { application().busy = was; }
    bool was;
};

} // namespace

void ReleaseAfterBatch(CTraceListDoc& list, CTraceListEntry* entry) {
    if (entry->useCount == 1 && entry->document) entry->document->setModified(false);
    list.ReleaseTrace(entry);
}

BatchRun RunBatch(CTraceListDoc& list, const TraceEntries& entries, const BatchSettings& settings,
                  const BatchView* view, Progress& progress) {
    BatchRun run;
    if (settings.generateReport && !reportMayStart(settings)) return run;
    run.started = true;
    BusyWhileRunning busy;
    MemoryReportSink sink;
    sink.write(reportHeaderLine(settings.reportLayout));

    BatchTraceContext context;
    context.view = view;
    if (CTraceListEntry* primary = list.Primary()) context.primary = primary->document;

    progress.start(kBatchTitle, static_cast<int>(entries.size()));
    int done = 0;
    for (CTraceListEntry* entry : entries) {
        CTraceDoc* trace = list.AcquireTrace(entry, true);
        if (!trace) {
            ++run.notOpened;
            progress.step(++done, "");
            continue;
        }
        const std::string name = trace->DocumentName();
        progress.step(done, std::string(kCurrentTraceFile) + "\n" + name);
        if (progress.cancelled()) {
            run.cancelled = true;
            ReleaseAfterBatch(list, entry);
            break;
        }
        const BatchTraceResult result = ProcessBatchTrace(
            *trace, name, settings, context, settings.generateReport ? &sink : nullptr);
        if (result.counted) run.summary.add(name, result.eventCount, result.endDistance);
        if (result.outcome == TraceOutcome::Processed) ++run.processed;
        if (result.outcome == TraceOutcome::Skipped) ++run.skipped;
        ReleaseAfterBatch(list, entry);
        ++done;
        if (result.outcome == TraceOutcome::EndBatch) {
            run.ended = true;
            break;
        }
    }
    progress.finish();

    if (settings.minMaxSummary) tell("", run.summary.text(), PromptIcon::Information);
    if (settings.generateReport) writeReport(settings, sink);
    list.Notify(HINT_HEADER, entries);
    list.Notify(graph::HINT_BATCH_RAN, entries);
    return run;
}

} // namespace orvane::batch
