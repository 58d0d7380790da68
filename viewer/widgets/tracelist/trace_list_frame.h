// CTraceListFrame: the window of a trace list. The list on the left, the
// graph of its displayed traces on the right; the Trace commands act on the
// list's selection; files dropped on it are added to the list.
#pragma once

#include "core/tracelist/trace_list_commands.h"

#include <QMdiSubWindow>

#include <functional>
#include <memory>

class QSplitter;

namespace orvane {

class CTraceListDoc;
class CTraceListView;
namespace graph {
class CTraceGraphView;
}

class CTraceListFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CTraceListFrame(CTraceListDoc& list, QWidget* parent = nullptr);
    ~CTraceListFrame() override;

    CTraceListDoc* list() const { return m_list; }
    CTraceListView* listView() const { return m_listView; }
    graph::CTraceGraphView* graphView() const { return m_graphView; }
    TraceListCommands& commands() { return *m_commands; }

    // Trace / Add...: the file dialog, then the chosen traces.
    void addWithDialog();
    // Trace / Select All: every row, and the list view gets the focus.
    void selectAll();
    // Runs a command that may change the selection or the slots, then shows
    // the result and asks the menus to refresh.
    void run(const std::function<void(TraceListCommands&)>& command);
    // Closes after the questions were answered elsewhere (a new list
    // replaces this one).
    void closeWithoutQuestions();

signals:
    // Selection, slots or the list changed: enabled commands may differ.
    void commandStateChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void updateTitle();
    void closeList();

    CTraceListDoc* m_list;
    QSplitter* m_splitter;
    CTraceListView* m_listView;
    graph::CTraceGraphView* m_graphView;
    std::unique_ptr<TraceListCommands> m_commands;
    bool m_questions = true;
};

} // namespace orvane
