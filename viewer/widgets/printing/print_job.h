// One print: what was chosen and over which traces, prepared once (reports
// built, bi-directional pairs found) and then painted page by page into a
// printer, a preview or a PDF as often as the target asks.
#pragma once

#include "core/bidir/report_table.h"
#include "core/bidir/splice_loss_wizard.h"
#include "core/printing/print_choice.h"
#include "core/printing/print_list.h"
#include "core/printing/print_settings.h"

#include <QPageLayout>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QPagedPaintDevice;

namespace orvane::graph {
class TraceGraph;
}

namespace orvane::printing {

struct PrintRequest {
    PrintChoice choice = PrintChoice::CurrentView;
    int32_t reportCode = kReportTraceSummary; // with PrintChoice::Report
    CTraceListDoc* list = nullptr;
    TraceEntries printList; // the selected entries in display order
    TraceEntries displayed; // the graph's traces, primary first
    const graph::TraceGraph* currentView = nullptr;
    PageLayoutSettings layout;
    ReportPrintValues report;
    bidir::WizardSettings wizard; // convention, limits, criteria
    QString title;                // the list's name, at the foot of each page
};

class PrintJob {
public:
    explicit PrintJob(PrintRequest request);
    ~PrintJob();

    // Builds what the pages need; false with the message when there is
    // nothing to print (a report refused, no trace to print).
    bool prepare();
    const std::string& message() const { return m_message; }
    // The reports built (a report print).
    const std::vector<bidir::Report>& reports() const { return m_reports; }

    QPageLayout::Orientation orientation() const;
    // Paints every page into a device whose resolution is kPageDpi;
    // the number of pages.
    int paint(QPagedPaintDevice& device);

private:
    struct Pair {
        std::size_t a, b;
        int32_t fiber;
    };
    TraceEntries ofWavelength(const TraceEntries& entries) const;
    void findPairs();
    bool buildReports();

    PrintRequest m_request;
    std::unique_ptr<PrintList> m_traces;
    std::vector<Pair> m_pairs;
    std::vector<bidir::Report> m_reports;
    std::string m_message;
};

// The device set up for a print: page size of the locale, our resolution,
// no margins of its own (the canvas keeps them).
void PreparePrintDevice(QPagedPaintDevice& device, QPageLayout::Orientation orientation);

} // namespace orvane::printing
