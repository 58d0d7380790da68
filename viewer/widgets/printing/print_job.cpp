#include "widgets/printing/print_job.h"

#include "core/bidir/bidir_report.h"
#include "core/bidir/cable_set.h"
#include "core/bidir/report_builders.h"
#include "core/bidir/report_export.h"
#include "core/bidir/splice_summary_report.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/trace/trace_doc.h"
#include "widgets/printing/page_canvas.h"
#include "widgets/printing/page_composers.h"
#include "widgets/printing/printed_blocks.h"
#include "widgets/printing/trace_pages.h"

#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>
#include <map>

namespace orvane::printing {

namespace {

QPageSize localPageSize() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

// Two traces of the print list as a sequence, for the bi-directional report.
class PairSequence : public bidir::TraceSequence {
public:
    PairSequence(PrintList& list, std::size_t a, std::size_t b) : m_list(list), m_index{a, b} {}
    std::size_t size() const override { return 2; }
    CT6* acquire(std::size_t i) override { return m_list.acquire(m_index[i]); }
    void release(std::size_t i) override { m_list.release(m_index[i]); }
    std::string name(std::size_t i) const override { return m_list.name(m_index[i]); }

private:
    PrintList& m_list;
    std::size_t m_index[2];
};

} // namespace

void PreparePrintDevice(QPagedPaintDevice& device, QPageLayout::Orientation orientation) {
    device.setPageLayout(QPageLayout(localPageSize(), orientation, QMarginsF(0, 0, 0, 0)));
}

PrintJob::PrintJob(PrintRequest request) : m_request(std::move(request)) {}

PrintJob::~PrintJob() = default;

QPageLayout::Orientation PrintJob::orientation() const {
    const PageLayoutSettings& l = m_request.layout;
    bool landscape = false;
    switch (m_request.choice) {
    case PrintChoice::CurrentView:
        landscape = l.view.landscape;
        break;
    case PrintChoice::Batch:
        landscape = l.batch.landscape;
        break;
    case PrintChoice::Frame:
        landscape = l.frame.landscape;
        break;
    case PrintChoice::BiDirectional:
        landscape = l.bidir.landscape;
        break;
    case PrintChoice::Report:
        landscape = true; // the report tables are wide
        break;
    }
    return landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool PrintJob::prepare() {
    if (!m_request.list) {
        m_message = bidir::kNoTraceText;
        return false;
    }
    const bool specified =
        m_request.choice == PrintChoice::Report || m_request.choice == PrintChoice::BiDirectional;
    const TraceEntries entries = m_request.choice == PrintChoice::CurrentView ? m_request.displayed
                                 : specified ? ofWavelength(m_request.printList)
                                             : m_request.printList;
    if (entries.empty()) {
        m_message = bidir::kNoTraceText;
        return false;
    }
    // A stored font that cannot be made is told of; the pages use the
    // system's fixed font instead.
    if (!FixedFontUsable(QString::fromStdString(m_request.layout.frame.fixedFont)))
        tell("", kFontSelectionFailureText);
    m_traces = std::make_unique<PrintList>(*m_request.list, entries);
    if (m_request.choice == PrintChoice::BiDirectional ||
        (m_request.choice == PrintChoice::Report && m_request.reportCode == kReportBiDirSpliceLoss))
        findPairs();
    if (m_request.choice == PrintChoice::Report) return buildReports();
    return true;
}

// The entries measured at the wavelength to process ("Wavelength" of the
// report setup; 0: all).
TraceEntries PrintJob::ofWavelength(const TraceEntries& entries) const {
    const int32_t wavelength = m_request.report.wavelengthNM;
    if (wavelength == 0) return entries;
    TraceEntries kept;
    PrintList all(*m_request.list, entries);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const CT6* record = all.acquire(i);
        if (record && std::lround(record->GetWavelengthNominal()) == wavelength)
            kept.push_back(entries[i]);
        all.release(i);
    }
    return kept;
}

// Pairs by the file-name convention: the names of each wavelength that
// decode into one cable's two directions give a pair per fibre. Names that
// do not decode pair up two by two in their order.
void PrintJob::findPairs() {
    const bidir::WizardSettings& w = m_request.wizard;
    std::map<std::u16string, std::vector<bidir::DecodedTraceName>> byWavelength;
    std::map<std::u16string, std::vector<std::size_t>> indices;
    const bool usable = w.instrumentNames || !bidir::ValidateFileNameConvention(w.convention);
    for (std::size_t i = 0; usable && i < m_traces->size(); ++i) {
        const std::u16string path = m_traces->path(i);
        std::optional<bidir::DecodedTraceName> name =
            w.instrumentNames ? bidir::DecodeInstrumentTraceName(path, w.instrumentFormat)
                              : bidir::DecodeTraceName(path, w.convention);
        if (!name) continue;
        byWavelength[name->wavelength].push_back(*name);
        indices[name->wavelength].push_back(i);
    }
    for (const auto& [wavelength, names] : byWavelength) {
        const bidir::CableSetResult set = bidir::BuildCableSet(names, false);
        if (!set.set || set.set->directions.size() != 2) continue;
        const std::vector<std::size_t>& index = indices[wavelength];
        const auto& back = set.set->directions[1].traceOfFiber;
        for (const auto& [fiber, a] : set.set->directions[0].traceOfFiber)
            if (auto b = back.find(fiber); b != back.end()) {
                // The reference location's trace is the pair's primary.
                const bool secondIsReference = m_request.report.referenceTrace == 1;
                const std::size_t first = index[a], second = index[b->second];
                m_pairs.push_back(secondIsReference ? Pair{second, first, fiber}
                                                    : Pair{first, second, fiber});
            }
    }
    if (!m_pairs.empty()) return;
    for (std::size_t i = 0; i + 1 < m_traces->size(); i += 2)
        m_pairs.push_back({i, i + 1, static_cast<int32_t>(i / 2 + 1)});
}

// The report of the chosen kind, built as File / Export Report... builds it;
// the bi-directional report once per fibre pair.
bool PrintJob::buildReports() {
    const std::optional<bidir::ReportKind> kind = ReportKindOfCode(m_request.reportCode);
    if (!kind) {
        m_message = bidir::kNoTraceText;
        return false;
    }
    bidir::WizardSettings settings = m_request.wizard;
    settings.report = m_request.report.common;
    bidir::ReportOutcome outcome;
    if (*kind != bidir::ReportKind::BiDirectional || m_pairs.empty()) {
        outcome = bidir::BuildReportOfKind(*kind, *m_traces, settings);
        if (outcome.report) m_reports.push_back(*outcome.report);
    }
    for (const Pair& pair :
         *kind == bidir::ReportKind::BiDirectional ? m_pairs : std::vector<Pair>{}) {
        PairSequence two(*m_traces, pair.a, pair.b);
        outcome = bidir::BiDirectionalReport(two, bidir::BiDirSettingsOf(m_request.report.common));
        if (!outcome.report) break;
        outcome.report->title += " - " + m_traces->name(pair.a) + " / " + m_traces->name(pair.b);
        m_reports.push_back(*outcome.report);
    }
    if (!outcome.report) m_reports.clear();
    if (m_reports.empty()) {
        m_message = outcome.refusal.empty() ? bidir::kNoTraceText : outcome.refusal;
        return false;
    }
    return true;
}

int PrintJob::paint(QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) {
        m_message = kPrintErrorText;
        return 0;
    }
    PageDecoration decoration;
    for (const std::string& line : m_request.report.common.headerLines)
        decoration.headerLines << QString::fromStdString(line);
    decoration.title = m_request.title;
    decoration.topMarginInch = m_request.report.common.topMarginInch;
    decoration.leftMarginInch = m_request.report.common.leftMarginInch;
    PageCanvas canvas(device, painter, decoration,
                      MakePrintFonts(QString::fromStdString(m_request.layout.frame.fixedFont)));
    const Composition composition{canvas, m_request, *m_traces};
    switch (m_request.choice) {
    case PrintChoice::CurrentView:
        ComposeCurrentView(composition);
        break;
    case PrintChoice::Batch:
        ComposeBatch(composition);
        break;
    case PrintChoice::Frame:
        ComposeFrame(composition);
        break;
    case PrintChoice::BiDirectional: {
        std::vector<TracePair> pairs;
        for (const Pair& pair : m_pairs)
            pairs.push_back({pair.a, pair.b, pair.fiber});
        ComposeBiDirectional(composition, pairs);
        break;
    }
    case PrintChoice::Report:
        // The reports of several fibres follow one another; one end.
        for (std::size_t i = 0; i < m_reports.size(); ++i)
            DrawReport(canvas, m_reports[i], i + 1 == m_reports.size());
        break;
    }
    painter.end();
    return canvas.pageNumber();
}

} // namespace orvane::printing
