// A read-only view of one trace: its header values, its event table and the
// end-to-end figures. Shown in a trace window until the graph takes its place
// beside it.
#pragma once

#include "core/platform/view.h"

#include <QWidget>

class QGridLayout;
class QLabel;
class QTableWidget;

namespace orvane {

class CTraceDoc;

class TraceInfoView : public QWidget, public View {
    Q_OBJECT
public:
    explicit TraceInfoView(QWidget* parent = nullptr);

    // Fills the view from the document now (also on every hint, once per
    // batch of hints).
    void refill();

    QTableWidget* eventTable() const { return m_events; }

protected:
    void repaint() override { refill(); }

private:
    void fillHeader(const CTraceDoc& trace);
    void fillEvents(const CTraceDoc& trace);
    void fillSummary(const CTraceDoc& trace);

    QGridLayout* m_header = nullptr;
    QTableWidget* m_events = nullptr;
    QLabel* m_summary = nullptr;
};

} // namespace orvane
