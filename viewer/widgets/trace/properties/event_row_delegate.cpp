#include "widgets/trace/properties/event_row_delegate.h"

#include "core/trace/properties/trace_analysis_page.h"

#include <QFontDatabase>
#include <QPainter>

namespace orvane {
namespace {

// One colour per icon of the strip, in strip order: reflective, group,
// non-reflective, other, questionable end, gainer.
const QColor kIconColours[] = {Qt::red,   Qt::magenta,    Qt::blue,
                               Qt::black, Qt::darkYellow, Qt::darkGreen};

void paintIcon(QPainter& painter, const QRect& box, int offset) {
    const int icon = std::clamp(offset / kEventIconSize, 0, 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kIconColours[icon]);
    if (icon == 0 || icon == 3)
        painter.drawRect(box.adjusted(3, 1, -3, -1));
    else
        painter.drawEllipse(box.adjusted(2, 2, -2, -2));
}

} // namespace

void EventRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) painter->fillRect(option.rect, option.palette.highlight());
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    painter->setFont(fixed);
    const int line = QFontMetrics(fixed).height();
    paintIcon(*painter,
              QRect(option.rect.left() + 2, option.rect.top() + (line - kEventIconSize) / 2 + 1,
                    kEventIconSize, kEventIconSize),
              index.data(kRowIconOffsetRole).toInt());
    painter->setPen(selected ? option.palette.highlightedText().color()
                             : option.palette.text().color());
    QRect text = option.rect.adjusted(kEventTextIndent, 0, 0, 0);
    text.setHeight(line);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
    const QString second = index.data(kRowSecondLineRole).toString();
    if (!second.isEmpty())
        painter->drawText(text.translated(0, line), Qt::AlignLeft | Qt::AlignVCenter, second);
    painter->restore();
}

QSize EventRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const int lines = index.data(kRowSecondLineRole).toString().isEmpty() ? 1 : 2;
    return {kEventTextIndent + metrics.horizontalAdvance(index.data().toString()) + 4,
            std::max(lines * metrics.height(), kEventIconSize + 2)};
}

} // namespace orvane
