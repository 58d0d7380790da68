#include "core/batch/batch_run.h"

#include "core/batch/batch_steps.h"
#include "core/platform/file_access.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/shell/application_state.h"
#include "core/trace/graph/graph_hints.h"

#include <cstdio>
#include <memory>

namespace orvane::batch {

namespace {

class FileReportSink : public ReportSink {
public:
    explicit FileReportSink(std::FILE* file) : m_file(file) {}
    bool write(const std::string& line) override {
        return std::fwrite(line.data(), 1, line.size(), m_file) == line.size();
    }

private:
    std::FILE* m_file;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using ReportFile = std::unique_ptr<std::FILE, FileCloser>;

// The report file, created afresh with its header line; null (after telling
// why) when the batch must not start.
ReportFile openReport(const BatchSettings& settings) {
    const std::string path = settings.reportPath();
    if (fileExists(path) && !confirm("", kReportExistsQuestion, PromptButtons::YesNo,
                                     PromptAnswer::No, PromptIcon::Question))
        return nullptr;
    ReportFile file(std::fopen(path.c_str(), "w"));
    if (!file) {
        tellFailure("", kReportOpenError, PromptIcon::Stop);
        return nullptr;
    }
    const std::string header = reportHeaderLine(settings.reportLayout);
    if (!FileReportSink(file.get()).write(header)) {
        tellFailure("", kFileWriteError, PromptIcon::Stop);
        return nullptr;
    }
    return file;
}

// A close that loses buffered lines is a write failure too.
void closeReport(ReportFile file) {
    if (file && std::fclose(file.release()) != 0)
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
    ReportFile report;
    if (settings.generateReport && !(report = openReport(settings))) return run;
    run.started = true;
    BusyWhileRunning busy;
    FileReportSink sink(report.get());

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
        const BatchTraceResult result =
            ProcessBatchTrace(*trace, name, settings, context, report ? &sink : nullptr);
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

    if (settings.minMaxSummary)
        tell("", run.summary.text(), PromptIcon::Information);
    closeReport(std::move(report));
    list.Notify(HINT_HEADER, entries);
    list.Notify(graph::HINT_BATCH_RAN, entries);
    return run;
}

} // namespace orvane::batch
