// A trace's printed texts on pages: a header page that does not fit in what
// is left of a page moves whole to the next one, and the event table
// follows. The PDF is left in the test's folder to be looked at.
#include "core/printing/trace_texts.h"
#include "core/trace/trace_doc.h"
#include "widgets/printing/page_canvas.h"
#include "widgets/printing/print_job.h"
#include "widgets/printing/printed_blocks.h"
#include "widgets/printing/trace_pages.h"

#include <varnel/fibre_simulator.h>

#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace orvane::printing {
namespace {

TEST(TraceTextPages, AHeaderPageMovesWholeToTheNextPage) {
    CTraceDoc trace;
    varnel::sim::FibreDescription fibre = varnel::sim::plainFibre(5.0, 0.33, 8192, 1.0, 100);
    fibre.events = {{1.5, 0.3, 0.0}, {3.0, 0.5, -45.0}};
    varnel::sim::simulateFibre(fibre, trace.record());
    trace.setTitle("FIBRE.T6");
    ASSERT_EQ(trace.record().HDRFromStdT6HDR(), 0);
    trace.EVSetComment(1, u"Splice closure at the foot of the north mast, tray 4");

    QPdfWriter writer(QStringLiteral("printed_trace_texts.pdf"));
    writer.setResolution(kPageDpi);
    PreparePrintDevice(writer, QPageLayout::Portrait);
    QPainter painter(&writer);
    PageCanvas canvas(writer, painter, {}, MakePrintFonts(QString()));
    const int line = QFontMetrics(canvas.fonts().fixed).lineSpacing();

    TextBlock filler;
    while (canvas.remaining() - line * static_cast<int>(filler.lines().size()) > 6 * line)
        filler.line("filler");
    DrawTextBlock(canvas, filler);
    ASSERT_EQ(canvas.pageNumber(), 1);

    const TextBlock header = HeaderPages(trace);
    const int headerLines = static_cast<int>(header.sections.front().size());
    DrawTextBlock(canvas, header);
    EXPECT_EQ(canvas.pageNumber(), 2);
    EXPECT_EQ(canvas.y(), canvas.body().top() + headerLines * line + kBlockGap);

    DrawTraceTexts(canvas, trace, false, {true, false, true});
    EXPECT_EQ(canvas.pageNumber(), 2);
    painter.end();
}

} // namespace
} // namespace orvane::printing
