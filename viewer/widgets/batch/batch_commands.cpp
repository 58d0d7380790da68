#include "widgets/batch/batch_commands.h"

#include "core/batch/batch_run.h"
#include "core/batch/template_commands.h"
#include "core/bidir/smart_template_report.h"
#include "core/shell/application_state.h"
#include "core/trace/trace_doc.h"
#include "widgets/batch/batch_dialog.h"
#include "widgets/batch/batch_progress_window.h"
#include "widgets/batch/template_dialogs.h"
#include "widgets/bidir/report_window.h"
#include "widgets/trace/graph/trace_graph_view.h"
#include "widgets/tracelist/trace_list_frame.h"
#include "widgets/tracelist/trace_list_view.h"

namespace orvane {

namespace {

TraceEntries selectedEntries(CTraceListFrame& frame) {
    return frame.listView()->rows().selectedEntries();
}

} // namespace

void RunBatchCommand(CTraceListFrame& frame) {
    CBatchDialog dialog(batch::lastBatchSettings(), &frame);
    if (dialog.exec() != QDialog::Accepted) return;
    batch::lastBatchSettings() = dialog.settings();
    const batch::GraphBatchView view(frame.graphView()->Graph());
    BatchProgressWindow progress(&frame);
    batch::RunBatch(*frame.list(), selectedEntries(frame), batch::lastBatchSettings(), &view,
                    progress);
    emit frame.commandStateChanged();
}

void BuildSpliceTemplateCommand(CTraceListFrame& frame) {
    batch::BuildSpliceTemplate(*frame.list());
    emit frame.commandStateChanged();
}

void ApplySpliceTemplateCommand(CTraceListFrame& frame) {
    FASTemplateSettings& stored = application().preferences.fasTemplate;
    CApplyTemplateDialog dialog(stored, &frame);
    if (dialog.exec() != QDialog::Accepted) return;
    stored = dialog.settings();
    BatchProgressWindow progress(&frame);
    batch::ApplySpliceTemplate(*frame.list(), selectedEntries(frame), stored, progress);
    emit frame.commandStateChanged();
}

void SmartSpliceTemplateCommand(CTraceListFrame& frame) {
    SmartTemplateSettings& stored = application().preferences.smartTemplate;
    CSmartTemplateDialog dialog(stored, &frame);
    if (dialog.exec() != QDialog::Accepted) return;
    stored = dialog.settings();
    BatchProgressWindow progress(&frame);
    const bidir::SmartTemplateResult built =
        batch::SmartSpliceTemplate(*frame.list(), selectedEntries(frame), stored, progress);
    emit frame.commandStateChanged();
    // The build's report opens where it can be read, printed or exported.
    const CTraceListEntry* primary = frame.list()->Primary();
    if (!built.built || !stored.printReport || !primary || !primary->document) return;
    bidir::Report report = bidir::SmartSpliceTemplateReport(primary->document->record(), built,
                                                            primary->document->DocumentName());
    auto* window = new CReportWindow({std::move(report)}, &frame);
    window->show();
}

} // namespace orvane
