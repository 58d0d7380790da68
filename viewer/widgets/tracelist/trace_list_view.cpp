#include "widgets/tracelist/trace_list_view.h"

#include "core/tracelist/trace_list_doc.h"

#include <QHeaderView>
#include <QPainter>
#include <QPixmap>

namespace orvane {

namespace {

constexpr int kIconSize = 12;

QIcon squareIcon(const QColor& colour, bool filled) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(colour, 1.5));
    if (filled) painter.setBrush(colour);
    painter.drawRect(QRectF(1.5, 1.5, kIconSize - 3, kIconSize - 3));
    return QIcon(pixmap);
}

QIcon missingIcon() {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(QColor(200, 0, 0), 2));
    painter.drawLine(2, 2, kIconSize - 3, kIconSize - 3);
    painter.drawLine(2, kIconSize - 3, kIconSize - 3, 2);
    return QIcon(pixmap);
}

} // namespace

TraceListModel::TraceListModel(TraceListRows& rows, QObject* parent)
    : QAbstractTableModel(parent), m_rows(rows) {}

int TraceListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TraceListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant TraceListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<size_t>(index.row()) >= m_rows.size()) return {};
    const auto row = static_cast<size_t>(index.row());
    if (role == Qt::DisplayRole)
        return QString::fromStdString(index.column() == 0 ? m_rows.nameAt(row)
                                                          : m_rows.folderAt(row));
    if (role == Qt::DecorationRole && index.column() == 0) return iconFor(m_rows.iconAt(row));
    if (role == Qt::ToolTipRole && !m_rows.entryAt(row)->found)
        return tr("This trace file cannot be found.");
    return {};
}

QVariant TraceListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == 0 ? tr("Name") : tr("Directory");
}

void TraceListModel::setPalette(const graph::GraphPalette& palette) {
    m_palette = palette;
    refreshIcons();
}

void TraceListModel::reset() {
    beginResetModel();
    endResetModel();
}

void TraceListModel::refreshIcons() {
    if (m_rows.size() == 0) return;
    emit dataChanged(index(0, 0), index(static_cast<int>(m_rows.size()) - 1, 0),
                     {Qt::DecorationRole});
}

QIcon TraceListModel::iconFor(int code) const {
    if (code == kIconMissing) return missingIcon();
    if (code == kIconPrimary) return squareIcon(m_palette.primary, true);
    if (code >= kIconFirstSlot)
        return squareIcon(m_palette.SlotColour(code - kIconFirstSlot), true);
    return squareIcon(QColor(150, 150, 150), false);
}

CTraceListView::CTraceListView(QWidget* parent)
    : QTreeView(parent), m_model(new TraceListModel(m_rows, this)) {
    setModel(m_model);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setStretchLastSection(true);
    setColumnWidth(0, kInitialWidth - 20);
    m_rows.setListener([this](const Hint& hint) { onHint(hint); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_syncing) return;
        takeSelection();
        emit selectionChangedByUser();
    });
}

CTraceListView::~CTraceListView() {
    m_rows.setListener({});
    m_rows.attach(nullptr);
}

void CTraceListView::attach(CTraceListDoc* list) {
    m_rows.attach(list);
    m_rows.onUpdate(nullptr, Hint{HINT_NONE, {}});
}

void CTraceListView::onHint(const Hint& hint) {
    switch (hint.code) {
    case HINT_NONE:
    case HINT_LIST_RELOAD:
    case HINT_TRACES_ADDED:
    case HINT_TRACES_REMOVED:
    case HINT_LIST_RESORT:
    case HINT_TRACES_SAVED:
        m_model->reset();
        showRowsSelection();
        widenForNames(hint);
        break;
    default:
        m_model->refreshIcons();
        break;
    }
}

void CTraceListView::takeSelection() {
    m_rows.clearSelection();
    for (const QModelIndex& index : selectionModel()->selectedRows())
        m_rows.setSelected(static_cast<size_t>(index.row()), true);
}

void CTraceListView::showRowsSelection() {
    m_syncing = true;
    QItemSelection selection;
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (!m_rows.isSelected(row)) continue;
        const int r = static_cast<int>(row);
        selection.select(m_model->index(r, 0), m_model->index(r, 1));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_syncing = false;
}

void CTraceListView::widenForNames(const Hint& hint) {
    const HintEntries* added = hint.code == HINT_TRACES_ADDED ? hint.entries() : nullptr;
    if (!added) return;
    int widest = 0;
    const QFontMetrics metrics(font());
    for (const void* entry : *added) {
        const auto* e = static_cast<const CTraceListEntry*>(entry);
        widest = std::max(
            widest, metrics.horizontalAdvance(QString::fromStdString(traceFileName(e->path))));
    }
    if (widest <= columnWidth(0)) return;
    setColumnWidth(0, widest + kNameMargin);
    emit widened(widest + kNameMargin);
}

} // namespace orvane
