// Paints a row of the trace properties' event table: the type icon, then
// the fixed-width first line and, for a group, the end distance below it.
#pragma once

#include <QStyledItemDelegate>

namespace orvane {

inline constexpr int kRowSecondLineRole = Qt::UserRole + 1;
inline constexpr int kRowIconOffsetRole = Qt::UserRole + 2;
inline constexpr int kRowEventIndexRole = Qt::UserRole + 3;

class EventRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace orvane
