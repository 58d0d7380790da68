// CTraceListView: the list of a trace list window, one row per listed trace
// with its file name and folder, and an icon for its place in the graph:
// primary, its slot's colour, not displayed, or missing. The rows and their
// order live in the core (TraceListRows); this widget shows them and hands
// the selection back.
#pragma once

#include "core/tracelist/trace_list_rows.h"
#include "widgets/trace/graph/graph_palette.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QTreeView>

#include <array>

namespace orvane {

class TraceListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TraceListModel(TraceListRows& rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setPalette(const graph::GraphPalette& palette);
    void reset();
    void refreshIcons();

private:
    QIcon iconFor(int code) const;

    TraceListRows& m_rows;
    graph::GraphPalette m_palette;
};

class CTraceListView : public QTreeView {
    Q_OBJECT
public:
    // How much wider than its longest new name the name column is made.
    static constexpr int kNameMargin = 70;
    static constexpr int kInitialWidth = 150;

    explicit CTraceListView(QWidget* parent = nullptr);
    ~CTraceListView() override;

    TraceListRows& rows() { return m_rows; }
    void attach(CTraceListDoc* list);
    // The core's selection, after a command changed it (a batch clears it).
    void showRowsSelection();

signals:
    void selectionChangedByUser();
    // The name column grew: the window widens the list's side to this.
    void widened(int width);

private:
    void onHint(const Hint& hint);
    void takeSelection();
    void widenForNames(const Hint& hint);

    TraceListRows m_rows;
    TraceListModel* m_model;
    bool m_syncing = false;
};

} // namespace orvane
