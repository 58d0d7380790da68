#include "widgets/trace/graph/trace_graph_widget.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace orvane::graph {
namespace {

// One wheel notch (120 units) zooms by this factor.
constexpr double kWheelZoomIn = 0.8;
constexpr double kWheelNotch = 120.0;

Qt::CursorShape ShapeOf(PointerShape shape) {
    switch (shape) {
    case PointerShape::Cross:
        return Qt::CrossCursor;
    case PointerShape::SizeHorizontal:
        return Qt::SizeHorCursor;
    case PointerShape::SizeAll:
        return Qt::SizeAllCursor;
    case PointerShape::PointingHand:
        return Qt::PointingHandCursor;
    case PointerShape::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

GraphKey KeyOf(int key) {
    switch (key) {
    case Qt::Key_Left:
        return GraphKey::Left;
    case Qt::Key_Right:
        return GraphKey::Right;
    case Qt::Key_Up:
        return GraphKey::Up;
    case Qt::Key_Down:
        return GraphKey::Down;
    case Qt::Key_Escape:
        return GraphKey::Escape;
    default:
        return GraphKey::Other;
    }
}

} // namespace

TraceGraphWidget::TraceGraphWidget(TraceGraph& graph, QWidget* parent)
    : QWidget(parent), m_graph(graph), m_distanceLabel(QStringLiteral("km")) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TraceGraphWidget::SetPalette(const GraphPalette& palette) {
    m_palette = palette;
    update();
}

void TraceGraphWidget::SetDistanceLabel(const QString& label) {
    m_distanceLabel = label;
    update();
}

QRect TraceGraphWidget::PlotRect() const {
    return rect().marginsRemoved(GraphMargins(fontMetrics()));
}

GraphPaintParams TraceGraphWidget::Params() const {
    GraphPaintParams params;
    params.plot = PlotRect();
    params.colours = m_palette;
    params.dpiY = logicalDpiY();
    params.font = font();
    params.distanceLabel = m_distanceLabel;
    return params;
}

void TraceGraphWidget::PaintAll(QPainter& painter) {
    GraphPaintParams params = Params();
    painter.fillRect(rect(), palette().window());
    QSize plotSize = params.plot.size();
    if (plotSize.isEmpty()) return;
    if (m_buffer.size() != plotSize)
        m_buffer = QImage(plotSize, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter offscreen(&m_buffer);
        GraphPaintParams inBuffer = params;
        inBuffer.plot = QRect(QPoint(0, 0), plotSize);
        PaintPlot(offscreen, m_graph, inBuffer);
    }
    painter.drawImage(params.plot.topLeft(), m_buffer);
    PaintMargins(painter, m_graph, params);
    if (std::optional<PixelRect> band = m_graph.RubberBand()) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(QRect(QPoint(band->left, band->top), QPoint(band->right, band->bottom))
                             .translated(params.plot.topLeft()));
    }
}

QImage TraceGraphWidget::Render() {
    SyncPlotSize(); // a widget never shown has had no resize event
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PaintAll(painter);
    return image;
}

void TraceGraphWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintAll(painter);
}

void TraceGraphWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SyncPlotSize();
}

void TraceGraphWidget::SyncPlotSize() {
    QRect plot = PlotRect();
    m_graph.SetPlotSize({std::max(plot.width(), 0), std::max(plot.height(), 0)});
}

QPoint TraceGraphWidget::ToPlot(const QPointF& position) const {
    return position.toPoint() - PlotRect().topLeft();
}

void TraceGraphWidget::ApplyPointer() {
    setCursor(ShapeOf(m_graph.Pointer()));
}

void TraceGraphWidget::ApplyEffect(const InputEffect& effect) {
    if (effect.warpPointerToColumn) {
        QPoint at(PlotRect().left() + *effect.warpPointerToColumn,
                  mapFromGlobal(QCursor::pos()).y());
        QCursor::setPos(mapToGlobal(at));
    }
    if (effect.editEventOf) emit editEventRequested(*effect.editEventOf, effect.editEventIndex);
    ApplyPointer();
    update();
}

void TraceGraphWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    QPoint p = ToPlot(event->position());
    ApplyEffect(m_graph.MousePress(p.x(), p.y()));
}

void TraceGraphWidget::mouseMoveEvent(QMouseEvent* event) {
    QPoint p = ToPlot(event->position());
    ApplyEffect(m_graph.MouseMove(p.x(), p.y()));
}

void TraceGraphWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    QPoint p = ToPlot(event->position());
    ApplyEffect(m_graph.MouseRelease(p.x(), p.y()));
}

void TraceGraphWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    QPoint p = ToPlot(event->position());
    ApplyEffect(m_graph.DoubleClick(p.x(), p.y()));
}

void TraceGraphWidget::wheelEvent(QWheelEvent* event) {
    QPoint p = ToPlot(event->position());
    QPoint pixels = event->pixelDelta();
    QPoint angle = event->angleDelta();
    bool trackpad = !pixels.isNull() && !(event->modifiers() & Qt::ControlModifier);
    if (trackpad) {
        m_graph.ScrollByPixels(-pixels.x(), -pixels.y());
    } else if (angle.y() != 0) {
        double factor = std::pow(kWheelZoomIn, angle.y() / kWheelNotch);
        bool levels = event->modifiers() & Qt::ControlModifier;
        m_graph.ZoomAroundPixel(p.x(), p.y(), factor, levels);
    } else if (angle.x() != 0) {
        m_graph.ScrollByPixels(-angle.x() * PlotRect().width() / 10 / static_cast<int>(kWheelNotch),
                               0);
    }
    event->accept();
    update();
}

void TraceGraphWidget::keyPressEvent(QKeyEvent* event) {
    bool ctrl = event->modifiers() & Qt::ControlModifier;
    InputEffect effect = m_graph.KeyPress(KeyOf(event->key()), ctrl);
    if (!effect.handled) return QWidget::keyPressEvent(event);
    ApplyEffect(effect);
}

void TraceGraphWidget::contextMenuEvent(QContextMenuEvent* event) {
    int column = ToPlot(event->pos()).x();
    QMenu menu(this);
    menu.addAction(tr("Set A Cursor"), this,
                   [this, column] { m_graph.SetCursorAAtColumn(column); });
    menu.addAction(tr("Set B Cursor"), this,
                   [this, column] { m_graph.SetCursorBAtColumn(column); });
    menu.exec(event->globalPos());
    update();
}

} // namespace orvane::graph
