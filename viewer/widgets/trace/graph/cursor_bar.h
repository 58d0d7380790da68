// The cursor bar: A, B and AB readouts, the loss-mode list, the measurement
// of the primary and second traces with their comparison, the reflectance,
// the ORL button and the thumbnail.
#pragma once

#include "core/trace/graph/trace_graph.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace orvane::graph {

class GraphThumbnail;

class CursorBar : public QWidget {
    Q_OBJECT
public:
    CursorBar(TraceGraph& graph, QWidget* parent = nullptr);

    // Rewrites the distance readouts and the measurement texts.
    void RefreshReadouts();
    void RefreshMeasurement();
    GraphThumbnail* Thumbnail() const { return m_thumbnail; }

signals:
    void orlRequested();

private:
    TraceGraph& m_graph;
    QLabel* m_a = nullptr;
    QLabel* m_b = nullptr;
    QLabel* m_ab = nullptr;
    QComboBox* m_lossModes = nullptr;
    QLabel* m_primaryLoss = nullptr;
    QLabel* m_secondLoss = nullptr;
    QLabel* m_compare = nullptr;
    QLabel* m_reflectance = nullptr;
    QPushButton* m_orl = nullptr;
    GraphThumbnail* m_thumbnail = nullptr;
};

} // namespace orvane::graph
