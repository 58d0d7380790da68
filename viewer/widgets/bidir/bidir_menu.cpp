#include "widgets/bidir/bidir_menu.h"

#include "core/bidir/list_traces.h"
#include "core/bidir/report_export.h"
#include "core/bidir/wizard_settings.h"
#include "core/platform/prompt.h"
#include "core/shell/application_state.h"
#include "widgets/bidir/report_window.h"
#include "widgets/bidir/splice_loss_wizard_dialog.h"
#include "widgets/platform/progress_dialog.h"
#include "widgets/platform/wait_cursor.h"
#include "widgets/tracelist/trace_list_frame.h"
#include "widgets/tracelist/trace_list_view.h"

#include <QAction>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>

namespace orvane {

namespace {

QString text(const char* english) {
    return QCoreApplication::translate("orvane::BidirMenu", english);
}

TraceEntries selectedEntries(CTraceListFrame* frame) {
    if (!frame) return {};
    return frame->listView()->rows().selectedEntries();
}

// Long work refuses saving and the preferences meanwhile.
class BusyWhile {
public:
    BusyWhile() { application().busy = true; }
    ~BusyWhile() { application().busy = false; }
    BusyWhile(const BusyWhile&) = delete;
    BusyWhile& operator=(const BusyWhile&) = delete;
};

} // namespace

void AddSpliceLossWizardCommands(QMenuBar* bar, ActiveListFrame activeFrame) {
    QAction* one = bar->addAction(text("Auto &1-Dir"));
    QAction* both = bar->addAction(text("Auto &Bi-Dir"));
    QObject::connect(one, &QAction::triggered, bar, [bar, activeFrame] {
        RunSpliceLossWizardCommand(bar->window(), activeFrame(), true);
    });
    QObject::connect(both, &QAction::triggered, bar, [bar, activeFrame] {
        RunSpliceLossWizardCommand(bar->window(), activeFrame(), false);
    });
}

void AddExportReportCommand(QMenu* file, ActiveListFrame activeFrame) {
    QAction* action = file->addAction(text("Export &Report..."));
    QObject::connect(action, &QAction::triggered, file,
                     [file, activeFrame] { ExportReportCommand(file->window(), activeFrame()); });
}

void RunSpliceLossWizardCommand(QWidget* parent, CTraceListFrame* frame, bool oneDirectional) {
    const TraceEntries entries = selectedEntries(frame);
    if (entries.empty()) {
        tellFailure("", bidir::kNoTraceText);
        return;
    }
    ApplicationState& app = application();
    bidir::WizardSettings settings =
        bidir::WizardSettingsFrom(app.preferences, bidir::storedReportSettings(), oneDirectional);
    bidir::ListWizardTraces traces(*frame->list(), entries);
    {
        CAuto1BiDirDialog dialog(settings, parent);
        if (dialog.exec() != QDialog::Accepted) return;
        settings = dialog.settings();
    }
    bidir::KeepWizardSettings(settings, app.preferences, bidir::storedReportSettings());
    bidir::WizardResult result;
    {
        BusyWhile busy;
        WaitCursor wait;
        ProgressDialog progress(parent);
        result = bidir::RunSpliceLossWizard(traces, settings, &progress);
        traces.notifyChanges();
    }
    std::vector<bidir::Report> reports = bidir::WizardReports(traces, result, settings);
    if (reports.empty()) return;
    auto* window = new CReportWindow(std::move(reports), parent);
    window->show();
}

void ExportReportCommand(QWidget* parent, CTraceListFrame* frame) {
    QStringList choices;
    const std::vector<bidir::ReportKind> kinds = bidir::exportableReportKinds();
    for (bidir::ReportKind kind : kinds)
        choices << QString::fromUtf8(bidir::reportKindInfo(kind).choice);
    bool chosen = false;
    const QString choice = QInputDialog::getItem(parent, text("Export Report"), text("Report :"),
                                                 choices, 0, false, &chosen);
    const auto index = choices.indexOf(choice);
    if (!chosen || index < 0) return;
    const bidir::ReportKind kind = kinds[static_cast<std::size_t>(index)];
    const TraceEntries entries = selectedEntries(frame);
    if (entries.empty()) {
        tellFailure("", bidir::kNoTraceText);
        return;
    }
    const ApplicationState& app = application();
    const bidir::WizardSettings settings = bidir::WizardSettingsFrom(
        app.preferences, bidir::storedReportSettings(), kind == bidir::ReportKind::OneDirSummary);
    bidir::ListWizardTraces traces(*frame->list(), entries);
    BusyWhile busy;
    bidir::ExportReportToFile(kind, traces, settings);
}

} // namespace orvane
