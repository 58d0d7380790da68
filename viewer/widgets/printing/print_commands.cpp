#include "widgets/printing/print_commands.h"

#include "core/bidir/stored_report_settings.h"
#include "core/platform/prompt.h"
#include "core/printing/print_state.h"
#include "core/shell/application_state.h"
#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trace_list_rows.h"
#include "widgets/bidir/exception_criteria_page.h"
#include "widgets/printing/page_canvas.h"
#include "widgets/printing/page_layout_dialog.h"
#include "widgets/printing/print_dialogs.h"
#include "widgets/printing/print_request.h"
#include "widgets/shell/main_frame.h"
#include "widgets/trace/graph/trace_graph_view.h"
#include "widgets/tracelist/trace_list_frame.h"
#include "widgets/tracelist/trace_list_view.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

namespace orvane::printing {

namespace {

bool primaryLoaded(const CTraceListDoc& list) {
    return list.Primary() && list.Primary()->document;
}

bool askCriteria(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QObject::tr("Exception"));
    auto* page = new CExceptionCriteriaPage(&dialog);
    page->setCriteria(bidir::storedReportSettings().criteria);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(page);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    bidir::storedReportSettings().criteria = page->criteria();
    return true;
}

// The report code, or nothing when the print ends here.
std::optional<int32_t> specifyReport(CTraceListFrame& frame) {
    auto reportDialog = [&]() -> std::optional<int32_t> {
        ReportPrintValues values = CurrentReportPrintValues();
        CReportSetupDialog dialog(values, application().preferences, primaryLoaded(*frame.list()),
                                  &frame);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        dialog.store(values, application().preferences);
        KeepReportPrintValues(values);
        return dialog.reportCode();
    };
    return SpecifyReport(reportDialog, [&] { return askCriteria(&frame); });
}

bool specifyBiDirectionalPrint(CTraceListFrame& frame) {
    ReportPrintValues values = CurrentReportPrintValues();
    CBiDirPrintSetupDialog dialog(values, application().preferences, &frame);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.store(values, application().preferences);
    KeepReportPrintValues(values);
    return true;
}

void runPrint(CTraceListFrame& frame, PrintJob& job, bool preview) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(kPageDpi);
    PreparePrintDevice(printer, job.orientation());
    printer.setDocName(QString::fromStdString(frame.list()->title()));
    if (preview) {
        QPrintPreviewDialog dialog(&printer, &frame);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&job](QPrinter* target) { job.paint(*target); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, &frame);
    if (dialog.exec() != QDialog::Accepted) return;
    if (job.paint(printer) == 0) tell("", job.message(), PromptIcon::Stop);
}

} // namespace

void PrintFromTraceList(CTraceListFrame& frame, bool preview) {
    const bool displayed = frame.graphView()->Graph().CurveCount() > 0;
    const bool selected = frame.listView()->rows().selectedCount() > 0;
    ReportPrintValues values = CurrentReportPrintValues();
    CSelectPrintTypeDialog select(SelectPrintTypeState(PrintMode(frame), displayed, selected),
                                  values, &frame);
    if (select.exec() != QDialog::Accepted) return;
    select.store(values);
    KeepReportPrintValues(values);
    const PrintChoice choice = select.choice();
    if (!displayed && NeedsDisplayedTrace(choice, pageLayout())) {
        tell("", kDisplayTraceToPrintText, PromptIcon::None);
        return;
    }

    int32_t mode = static_cast<int32_t>(choice);
    if (choice == PrintChoice::Report) {
        const std::optional<int32_t> code = specifyReport(frame);
        if (!code) return;
        mode = *code;
    } else if (choice == PrintChoice::BiDirectional && !specifyBiDirectionalPrint(frame)) {
        return;
    }
    SetPrintMode(frame, mode);

    PrintJob job(MakePrintRequest(frame, choice, mode));
    if (!job.prepare()) {
        tell("", job.message(), PromptIcon::Stop);
        return;
    }
    runPrint(frame, job, preview);
}

void AddPrintCommands(QMenu* file, CMainFrame* frame) {
    file->addSeparator();
    QAction* print = file->addAction(QObject::tr("&Print..."), frame, [frame] {
        if (CTraceListFrame* list = frame->activeListFrame()) PrintFromTraceList(*list, false);
    });
    print->setShortcut(QKeySequence::Print);
    file->addAction(QObject::tr("Print Pre&view"), frame, [frame] {
        if (CTraceListFrame* list = frame->activeListFrame()) PrintFromTraceList(*list, true);
    });
    file->addAction(QObject::tr("Page La&yout..."), frame, [frame] { EditPageLayout(frame); });
}

} // namespace orvane::printing
