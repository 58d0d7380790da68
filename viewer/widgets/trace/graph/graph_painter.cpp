#include "widgets/trace/graph/graph_painter.h"

#include "widgets/trace/graph/event_mark_images.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QVector>

namespace orvane::graph {
namespace {

constexpr int kXTickPixels = 3;
constexpr int kYTickPixels = 4;
constexpr int kLsaPenWidth = 2;
constexpr int kHandleHalfHeight = 3;
constexpr int kDashesPerInch = 8;
constexpr int kLeftMarginChars = 6;
constexpr int kRightMarginChars = 2;
constexpr int kMarginPadding = 10;
constexpr int kLabelGap = 2;

QPen CosmeticPen(const QColor& colour, int width = 1) {
    QPen pen(colour, width);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void PaintGrid(QPainter& p, const TraceGraph& graph, const GraphPaintParams& params) {
    const TickList& x = graph.XTicks();
    const TickList& y = graph.YTicks();
    if (graph.CurveCount() == 0 || x.IsEmpty() || y.IsEmpty()) return;
    PlotSize plot = graph.Plot();
    QVector<QLine> lines;
    for (int column : x.majorPixels)
        lines.append(QLine(column, 0, column, plot.height - 1));
    for (int row : y.majorPixels)
        lines.append(QLine(0, row, plot.width - 1, row));
    p.setPen(CosmeticPen(params.colours.grid));
    p.drawLines(lines);
}

void PaintCurve(QPainter& p, const TraceCurve& curve, const QColor& colour) {
    QVector<QLine> strokes;
    strokes.reserve(curve.ColumnCount());
    for (int c = 0; c < curve.ColumnCount(); ++c) {
        int first = curve.FirstRow(c);
        if (first < 0) continue;
        strokes.append(QLine(c, first, c, curve.LastRow(c)));
    }
    p.setPen(CosmeticPen(colour));
    p.drawLines(strokes);
}

QColor CurveColour(const TraceGraph& graph, const TraceCurve& curve, const GraphPalette& colours) {
    return curve.Entry() == graph.Primary() ? colours.primary : colours.SlotColour(curve.Slot());
}

// Non-primary curves first, so that the primary is drawn over them.
template <class F> void ForCurvesPrimaryLast(const TraceGraph& graph, F draw) {
    for (int slot = 0; slot < kMaxTraces; ++slot) {
        const TraceCurve* curve = graph.CurveInSlot(slot);
        if (curve && curve->Entry() != graph.Primary()) draw(*curve);
    }
    if (const TraceCurve* primary = graph.PrimaryCurve()) draw(*primary);
}

void PaintMarks(QPainter& p, const TraceGraph& graph, const TraceCurve& curve,
                const GraphPalette& colours) {
    QColor colour = CurveColour(graph, curve, colours);
    for (const EventMarker& mark : curve.Markers()) {
        if (!mark.onCurve) continue;
        PixelRect r = MarkerRect(mark);
        p.drawImage(r.left, r.top, EventMarkImage(mark.type, colour));
        bool selected = graph.SelectedMarkerEntry() == curve.Entry() &&
                        graph.SelectedMarker() == mark.eventIndex;
        if (!selected) continue;
        p.setPen(CosmeticPen(colours.axis));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.left - 1, r.top - 1, kMarkWidth + 1, kMarkHeight + 1);
    }
}

void PaintCursors(QPainter& p, const TraceGraph& graph, const GraphPaintParams& params) {
    int height = graph.Plot().height;
    if (std::optional<int> a = graph.CursorAColumnToDraw()) {
        p.setPen(CosmeticPen(params.colours.cursor));
        p.drawLine(*a, 0, *a, height - 1);
    }
    if (std::optional<int> b = graph.CursorBColumnToDraw()) {
        // Dashes of 2s pixels and gaps of s from the top, s an eighth of an inch.
        qreal s = std::max(1, params.dpiY / kDashesPerInch);
        QPen dashed = CosmeticPen(params.colours.cursor);
        dashed.setDashPattern({2 * s, s});
        p.setPen(dashed);
        p.drawLine(*b, 0, *b, height - 1);
    }
}

void PaintLsa(QPainter& p, const TraceGraph& graph, const GraphPaintParams& params) {
    if (!graph.LsaShown()) return;
    auto h = graph.LsaHandlePixels();
    p.setPen(CosmeticPen(params.colours.lsa, kLsaPenWidth));
    p.drawLine(h[0].x, h[0].y, h[1].x, h[1].y);
    p.drawLine(h[2].x, h[2].y, h[3].x, h[3].y);
    p.setPen(CosmeticPen(params.colours.cursor, kLsaPenWidth));
    for (const PixelPoint& point : h)
        p.drawLine(point.x, point.y - kHandleHalfHeight, point.x, point.y + kHandleHalfHeight);
}

QString TickLabel(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

} // namespace

QMargins GraphMargins(const QFontMetrics& metrics) {
    int charWidth = metrics.horizontalAdvance(QLatin1Char('0'));
    int vertical = metrics.height() + kMarginPadding;
    return QMargins(kLeftMarginChars * charWidth + kMarginPadding, vertical,
                    kRightMarginChars * charWidth, vertical);
}

void PaintPlot(QPainter& painter, const TraceGraph& graph, const GraphPaintParams& params) {
    PlotSize plot = graph.Plot();
    if (plot.width <= 0 || plot.height <= 0 || params.plot.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(params.plot);
    painter.translate(params.plot.topLeft());
    painter.scale(static_cast<qreal>(params.plot.width()) / plot.width,
                  static_cast<qreal>(params.plot.height()) / plot.height);
    painter.fillRect(QRect(0, 0, plot.width, plot.height), params.colours.background);
    PaintGrid(painter, graph, params);
    ForCurvesPrimaryLast(graph, [&](const TraceCurve& curve) {
        PaintCurve(painter, curve, CurveColour(graph, curve, params.colours));
    });
    if (graph.Marks() == EventMarks::All) {
        ForCurvesPrimaryLast(graph, [&](const TraceCurve& curve) {
            PaintMarks(painter, graph, curve, params.colours);
        });
    } else if (graph.Marks() == EventMarks::Primary && graph.PrimaryCurve()) {
        PaintMarks(painter, graph, *graph.PrimaryCurve(), params.colours);
    }
    PaintCursors(painter, graph, params);
    PaintLsa(painter, graph, params);
    painter.restore();
}

void PaintMargins(QPainter& painter, const TraceGraph& graph, const GraphPaintParams& params) {
    if (graph.CurveCount() == 0) return;
    painter.save();
    painter.setFont(params.font);
    painter.setPen(CosmeticPen(params.colours.axis));
    QFontMetrics metrics(params.font);
    const QRect& r = params.plot;
    PlotSize plot = graph.Plot();
    qreal sx = plot.width > 0 ? static_cast<qreal>(r.width()) / plot.width : 1;
    qreal sy = plot.height > 0 ? static_cast<qreal>(r.height()) / plot.height : 1;
    int textHeight = metrics.height();

    const TickList& x = graph.XTicks();
    int axisY = r.bottom() + 1;
    for (size_t i = 0; i < x.majorPixels.size(); ++i) {
        int px = r.left() + qRound(x.majorPixels[i] * sx);
        painter.drawLine(px, axisY, px, axisY + kXTickPixels - 1);
        QString label = TickLabel(x.majorValues[i], x.labelDecimals);
        int w = metrics.horizontalAdvance(label);
        painter.drawText(px - w / 2, axisY + kXTickPixels + kLabelGap + metrics.ascent(), label);
    }
    for (int minor : x.minorPixels) {
        int px = r.left() + qRound(minor * sx);
        painter.drawLine(px, axisY, px, axisY + kXTickPixels - 1);
    }
    painter.drawText(r.left() / 2 - metrics.horizontalAdvance(params.distanceLabel) / 2,
                     axisY + kXTickPixels + kLabelGap + metrics.ascent(), params.distanceLabel);

    const TickList& y = graph.YTicks();
    int axisX = r.left() - 1;
    for (size_t i = 0; i < y.majorPixels.size(); ++i) {
        int py = r.top() + qRound(y.majorPixels[i] * sy);
        painter.drawLine(axisX - kYTickPixels + 1, py, axisX, py);
        QString label = TickLabel(y.majorValues[i], y.labelDecimals);
        int w = metrics.horizontalAdvance(label);
        painter.drawText(axisX - kYTickPixels - kLabelGap - w, py + metrics.ascent() / 2, label);
    }
    for (int minor : y.minorPixels) {
        int py = r.top() + qRound(minor * sy);
        painter.drawLine(axisX - kYTickPixels + 1, py, axisX, py);
    }
    int topBaseline = r.top() - kLabelGap - metrics.descent();
    painter.drawText(axisX - metrics.horizontalAdvance(QStringLiteral("dB")), topBaseline,
                     QStringLiteral("dB"));

    QString left = QString::fromStdString(graph.CursorsLeftMark());
    QString right = QString::fromStdString(graph.CursorsRightMark());
    painter.setPen(CosmeticPen(params.colours.cursor));
    if (!left.isEmpty()) painter.drawText(r.left(), topBaseline, left);
    if (!right.isEmpty())
        painter.drawText(r.right() - metrics.horizontalAdvance(right), topBaseline, right);
    painter.setPen(CosmeticPen(params.colours.axis));
    QStringList parts;
    for (const char* part : graph.StatusParts())
        parts << QCoreApplication::translate("GraphStatus", part);
    const QString status = parts.join(QStringLiteral(" * "));
    painter.drawText(r.center().x() - metrics.horizontalAdvance(status) / 2,
                     r.top() - textHeight / 2 - kLabelGap + metrics.ascent() / 2, status);
    painter.restore();
}

} // namespace orvane::graph
