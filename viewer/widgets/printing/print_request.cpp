#include "widgets/printing/print_request.h"

#include "core/bidir/stored_report_settings.h"
#include "core/bidir/wizard_settings.h"
#include "core/platform/prompt.h"
#include "core/printing/print_state.h"
#include "core/shell/application_state.h"
#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trace_list_rows.h"
#include "widgets/printing/page_canvas.h"
#include "widgets/shell/main_frame.h"
#include "widgets/trace/graph/trace_graph_view.h"
#include "widgets/tracelist/trace_list_frame.h"
#include "widgets/tracelist/trace_list_view.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPdfWriter>
#include <QVariant>

#include <cstdio>

namespace orvane::printing {

namespace {

constexpr char kPrintModeProperty[] = "orvanePrintMode";
constexpr int32_t kNoPrintMode = -1;

TraceEntries displayedPrimaryFirst(const CTraceListDoc& list) {
    TraceEntries entries = list.DisplayedEntries();
    if (CTraceListEntry* primary = list.Primary()) {
        std::erase(entries, primary);
        entries.insert(entries.begin(), primary);
    }
    return entries;
}

} // namespace

PrintRequest MakePrintRequest(CTraceListFrame& frame, PrintChoice choice, int32_t reportCode) {
    PrintRequest request;
    request.choice = choice;
    request.reportCode = reportCode;
    request.list = frame.list();
    request.printList = frame.listView()->rows().selectedEntries();
    request.displayed = displayedPrimaryFirst(*frame.list());
    const graph::TraceGraph& view = frame.graphView()->Graph();
    request.currentView = view.CurveCount() > 0 ? &view : nullptr;
    request.layout = pageLayout();
    request.report = CurrentReportPrintValues();
    request.wizard =
        bidir::WizardSettingsFrom(application().preferences, bidir::storedReportSettings(), false);
    request.title = QString::fromStdString(frame.list()->title());
    return request;
}

int32_t PrintMode(const CTraceListFrame& frame) {
    const QVariant mode = frame.property(kPrintModeProperty);
    return mode.isValid() ? mode.toInt() : kNoPrintMode;
}

void SetPrintMode(CTraceListFrame& frame, int32_t mode) {
    frame.setProperty(kPrintModeProperty, mode);
}

bool ParsePrintKind(const QString& text, PrintChoice& choice, int32_t& reportCode) {
    const QString kind = text.trimmed().toLower();
    static const std::pair<const char*, PrintChoice> kKinds[] = {
        {"view", PrintChoice::CurrentView},
        {"batch", PrintChoice::Batch},
        {"frame", PrintChoice::Frame},
        {"bidir", PrintChoice::BiDirectional},
    };
    for (const auto& [name, value] : kKinds) {
        if (kind == QLatin1String(name)) {
            choice = value;
            return true;
        }
    }
    if (!kind.startsWith(QLatin1String("report:"))) return false;
    const std::optional<bidir::ReportKind> report =
        bidir::reportKindFromChoice(text.trimmed().mid(7).toStdString());
    if (!report) return false;
    const std::optional<int32_t> code = ReportCodeOfKind(*report);
    if (!code) return false;
    choice = PrintChoice::Report;
    reportCode = *code;
    return true;
}

int PrintToPdf(CTraceListFrame& frame, PrintChoice choice, int32_t reportCode, const QString& path,
               int* pages) {
    PrintJob job(MakePrintRequest(frame, choice, reportCode));
    if (!job.prepare()) {
        tellFailure(std::string(), job.message(), PromptIcon::Stop);
        return 1;
    }
    // Written beside the target and renamed over it: a failed print leaves
    // an older PDF as it was.
    const QString partial = path + QStringLiteral(".part");
    int count = 0;
    {
        QPdfWriter writer(partial);
        writer.setResolution(kPageDpi);
        writer.setCreator(QStringLiteral("Orvane"));
        writer.setTitle(QString::fromStdString(frame.list()->title()));
        PreparePrintDevice(writer, job.orientation());
        count = job.paint(writer);
    }
    if (count == 0 || (QFile::exists(path) && !QFile::remove(path)) ||
        !QFile::rename(partial, path)) {
        QFile::remove(partial);
        tellFailure(path.toStdString(), kPrintErrorText, PromptIcon::Stop);
        return 1;
    }
    if (pages) *pages = count;
    return 0;
}

int PrintPdfCommand(CMainFrame& mainFrame, const QString& path, const QString& kind) {
    PrintChoice choice = PrintChoice::CurrentView;
    int32_t reportCode = kReportTraceSummary;
    if (!ParsePrintKind(kind, choice, reportCode)) {
        std::fprintf(stderr,
                     "orvane: --kind takes view, batch, frame, bidir or report:KIND, not %s\n",
                     qPrintable(kind));
        return 2;
    }
    CTraceListFrame* frame = mainFrame.activeListFrame();
    for (QMdiSubWindow* window : mainFrame.mdiArea()->subWindowList())
        if (!frame) frame = qobject_cast<CTraceListFrame*>(window);
    if (!frame) {
        std::fprintf(stderr, "orvane: %s\n", bidir::kNoTraceText);
        return 1;
    }
    // A list file opens with nothing chosen: the whole list is printed, and
    // its first traces are displayed for the view.
    if (frame->listView()->rows().selectedCount() == 0) frame->selectAll();
    if (frame->list()->DisplayedCount() == 0)
        frame->run([](TraceListCommands& commands) { commands.Display(); });
    int pages = 0;
    if (PrintToPdf(*frame, choice, reportCode, path, &pages) != 0) return 1;
    std::printf("%s (%d page%s)\n", qPrintable(path), pages, pages == 1 ? "" : "s");
    return 0;
}

} // namespace orvane::printing
