// Renders a bundled sample offscreen and checks what must be where: pixel
// columns of the cursors, the curve's envelope rows, the grid, the event mark
// and the LSA segments. Positions come from the graph itself, so the checks
// hold whatever font the margins get.
#include "core/platform/text.h"
#include "widgets/trace/graph/trace_graph_widget.h"

#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace orvane::graph {
namespace {

constexpr const char* kSample = ORVANE_SAMPLE_TRACES "/NORSOU13.007"; // 0.92 dB at 12.83 km
constexpr double kSpliceKM = 12.83;

class GraphRender : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFileInfo::exists(kSample)) GTEST_SKIP() << "no sample " << kSample;
        ASSERT_EQ(record.DecompFile(toUtf16(kSample).c_str(), 0), 0);
        widget.resize(900, 520);
        graph.AddTrace(&record, &record);
        graph.ZoomFull();
        graph.SetCursorA(8);
        graph.SetCursorB(18);
        graph.SetLossMode(T6_LOSS_SPLICE);
        graph.SetLsa(T6_LOSS_SPLICE, {-1.5, -0.2, 0.3, 1.8});
        image = widget.Render();
        plot = widget.PlotRect();
        image.save(QStringLiteral("graph_render_NORSOU13.007.png"));
    }

    QColor At(int column, int row) const {
        return image.pixelColor(plot.left() + column, plot.top() + row);
    }
    // Share of the plot's rows in a column that show a colour.
    double ShareOf(int column, const QColor& colour) const {
        int hits = 0;
        for (int row = 0; row < plot.height(); ++row)
            hits += At(column, row) == colour;
        return static_cast<double>(hits) / plot.height();
    }

    CT6 record;
    TraceGraph graph;
    TraceGraphWidget widget{graph};
    GraphPalette colours;
    QImage image;
    QRect plot;
};

TEST_F(GraphRender, CursorASolidAndCursorBDashedAtTheirColumns) {
    int a = graph.Mapping().ColumnOfKM(8);
    int b = graph.Mapping().ColumnOfKM(18);
    EXPECT_GT(ShareOf(a, colours.cursor), 0.9);
    double dashed = ShareOf(b, colours.cursor);
    EXPECT_GT(dashed, 0.55); // two thirds on, one third off
    EXPECT_LT(dashed, 0.75);
    EXPECT_LT(ShareOf(a + 3, colours.cursor), 0.1);
}

TEST_F(GraphRender, TheCurveFillsItsEnvelopeRowsAndNothingAboveThem) {
    const TraceCurve& curve = *graph.PrimaryCurve();
    for (int column : {60, 200, 520, 700}) {
        int first = curve.FirstRow(column);
        ASSERT_GE(first, 0) << column;
        int middle = (first + curve.LastRow(column)) / 2;
        EXPECT_EQ(At(column, middle), colours.primary) << column;
        if (first >= 30) {
            QColor above = At(column, first - 30);
            EXPECT_TRUE(above == colours.background || above == colours.grid) << column;
        }
    }
}

TEST_F(GraphRender, GridLinesSitAtTheMajorTicks) {
    const TickList& x = graph.XTicks();
    ASSERT_FALSE(x.IsEmpty());
    int column = x.majorPixels.back();
    EXPECT_EQ(At(column, 2), colours.grid);
    const TickList& y = graph.YTicks();
    ASSERT_FALSE(y.IsEmpty());
    EXPECT_EQ(
        At(plot.width() - 3, y.majorPixels.front() > 0 ? y.majorPixels.front() : y.majorPixels[1]),
        colours.grid);
}

TEST_F(GraphRender, TheSpliceHasItsMarkAndTheLsaPairsAreDrawn) {
    const EventMarker* splice = nullptr;
    for (const EventMarker& m : graph.PrimaryCurve()->Markers())
        if (std::abs(m.km - kSpliceKM) < 0.1) splice = &m;
    ASSERT_TRUE(splice);
    PixelRect r = MarkerRect(*splice);
    EXPECT_EQ(At(splice->column, r.bottom - 2), colours.primary); // the stem

    ASSERT_TRUE(graph.LsaShown());
    auto h = graph.LsaHandlePixels();
    EXPECT_EQ(At(h[0].x, h[0].y - 3), colours.cursor); // a handle's tick
    int middle = (h[2].x + h[3].x) / 2;
    int row = (h[2].y + h[3].y) / 2;
    bool lsa = At(middle, row) == colours.lsa || At(middle, row - 1) == colours.lsa ||
               At(middle, row + 1) == colours.lsa;
    EXPECT_TRUE(lsa);
}

} // namespace
} // namespace orvane::graph
