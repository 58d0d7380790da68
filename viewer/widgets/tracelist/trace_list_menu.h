// The Trace menu and the trace list toolbar: one action per list command,
// acting on the active trace list window and enabled by its rules.
#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QToolBar;

namespace orvane {

class CTraceListFrame;

class TraceListMenu : public QObject {
    Q_OBJECT
public:
    // activeFrame: the active trace list window, or null.
    TraceListMenu(QMenu* menu, QToolBar* toolBar, std::function<CTraceListFrame*()> activeFrame);

    // Enables each action by its command's rule for the active window.
    void refresh();

private:
    struct Command {
        QAction* action;
        std::function<bool(CTraceListFrame&)> enabled;
    };
    QAction* add(QMenu* menu, const QString& text, std::function<void(CTraceListFrame&)> run,
                 std::function<bool(CTraceListFrame&)> enabled);

    std::function<CTraceListFrame*()> m_activeFrame;
    std::vector<Command> m_commands;
};

} // namespace orvane
