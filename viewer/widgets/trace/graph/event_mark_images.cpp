#include "widgets/trace/graph/event_mark_images.h"

#include "core/trace/graph/trace_curve.h"

#include <varnel/codes.h>

#include <QHash>
#include <QPainter>
#include <QPolygon>

namespace orvane::graph {
namespace {

constexpr int kHeadRows = 8; // the head above the stem
constexpr int kCentre = kMarkWidth / 2;

void DrawHead(QPainter& p, int type) {
    switch (type) {
    case T6_EVENT_REFLECTIVE: // a spike
        p.drawPolygon(QPolygon(
            {QPoint(kCentre, 0), QPoint(kMarkWidth - 1, kHeadRows - 1), QPoint(0, kHeadRows - 1)}));
        break;
    case T6_EVENT_NON_REFLECTIVE: // a step down
        p.drawLine(0, 1, kCentre, 1);
        p.drawLine(kCentre, 1, kCentre, kHeadRows - 2);
        p.drawLine(kCentre, kHeadRows - 2, kMarkWidth - 1, kHeadRows - 2);
        break;
    case T6_EVENT_GROUP: // two bars
        p.drawRect(0, 0, 2, kHeadRows - 1);
        p.drawRect(kMarkWidth - 3, 0, 2, kHeadRows - 1);
        break;
    case T6_EVENT_END: // a block
        p.drawRect(0, 0, kMarkWidth - 1, kHeadRows - 1);
        break;
    case T6_EVENT_JUNK:
    default: // a cross
        p.drawLine(0, 0, kMarkWidth - 1, kHeadRows - 1);
        p.drawLine(kMarkWidth - 1, 0, 0, kHeadRows - 1);
        break;
    }
}

QImage MakeImage(int type, const QColor& colour) {
    QImage image(kMarkWidth, kMarkHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(colour);
    p.setBrush(colour);
    DrawHead(p, type);
    p.drawLine(kCentre, kHeadRows, kCentre, kMarkHeight - 1);
    return image;
}

} // namespace

const QImage& EventMarkImage(int eventType, const QColor& colour) {
    static QHash<quint64, QImage> cache;
    quint64 key = (quint64{colour.rgba()} << 8) | static_cast<quint8>(eventType + 1);
    auto found = cache.find(key);
    if (found != cache.end()) return *found;
    return *cache.insert(key, MakeImage(eventType, colour));
}

} // namespace orvane::graph
