// COrvane: the trace window's property sheet, a tab control with the
// "Parameters" page (acquisition header, index of refraction and
// backscatter with Apply and Restore) and the "Analysis" page (thresholds,
// summary, the owner-drawn event table and the selected event's comment).
#pragma once

#include "core/platform/view.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QFormLayout;

namespace orvane {

class CTraceDoc;

class COrvane : public QWidget, public View {
    Q_OBJECT
public:
    explicit COrvane(QWidget* parent = nullptr);

    // Where the page's hints go: the trace list for a listed trace (each
    // view of the trace hears them back). Without one, the document's views.
    void SetNotifier(std::function<void(HintCode)> notify) { m_notify = std::move(notify); }
    // The Analyze button: the trace list analyses this trace.
    void SetAnalyzer(std::function<void()> analyze) { m_analyze = std::move(analyze); }

    void onUpdate(View* sender, const Hint& hint) override;
    // Fills both pages from the document now.
    void refill();

    QTabWidget* tabs() const { return m_tabs; }
    QListWidget* eventTable() const { return m_events; }
    QLineEdit* iorField() const { return m_ior; }
    QLineEdit* backscatterField() const { return m_backscatter; }
    QPushButton* applyButton() const { return m_apply; }
    QLabel* commentText() const { return m_comment; }
    QLabel* endFaultText() const { return m_endFault; }
    const std::array<QLabel*, 4>& headerLabels() const { return m_header; }
    // Double-click on a row: the event dialog for that event.
    void editRow(int row);

private:
    QWidget* makeParametersPage();
    QWidget* makeAnalysisPage();
    CTraceDoc* trace() const;
    void fillParameters();
    void fillSummary();
    void fillHeader();
    void fillEvents();
    void rowSelected();
    void apply();
    void send(HintCode code);

    QTabWidget* m_tabs;
    QFormLayout* m_fields = nullptr;
    QLineEdit* m_ior = nullptr;
    QLineEdit* m_backscatter = nullptr;
    QLabel* m_flags = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_restore = nullptr;
    QLabel* m_lossThreshold = nullptr;
    QLabel* m_reflThreshold = nullptr;
    QLabel* m_breakThreshold = nullptr;
    QLabel* m_endFault = nullptr;
    QLabel* m_endToEnd = nullptr;
    QLabel* m_orl = nullptr;
    QLabel* m_position = nullptr;
    // The column headers: the location's, then the others on their stops.
    std::array<QLabel*, 4> m_header{};
    QListWidget* m_events = nullptr;
    QLabel* m_comment = nullptr;
    std::function<void(HintCode)> m_notify;
    std::function<void()> m_analyze;
};

} // namespace orvane
