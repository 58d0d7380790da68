#include "widgets/tracelist/trace_list_menu.h"

#include "widgets/batch/batch_menu.h"
#include "widgets/tracelist/trace_list_frame.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

namespace orvane {

namespace {

bool always(CTraceListFrame&) {
    return true;
}

auto rule(bool (TraceListCommands::*check)() const) {
    return [check](CTraceListFrame& f) { return (f.commands().*check)(); };
}

auto command(void (TraceListCommands::*run)()) {
    return [run](CTraceListFrame& f) { f.run([run](TraceListCommands& c) { (c.*run)(); }); };
}

} // namespace

TraceListMenu::TraceListMenu(QMenu* menu, QToolBar* toolBar,
                             std::function<CTraceListFrame*()> activeFrame)
    : QObject(menu), m_activeFrame(std::move(activeFrame)) {
    using C = TraceListCommands;
    QAction* addTraces = add(
        menu, tr("&Add..."), [](CTraceListFrame& f) { f.addWithDialog(); }, always);
    addTraces->setShortcut(Qt::Key_Insert);
    QAction* remove = add(
        menu, tr("&Remove"), [](CTraceListFrame& f) { f.run([](C& c) { c.Remove(); }); },
        rule(&C::CanRemove));
    remove->setShortcut(Qt::Key_Delete);
    menu->addSeparator();
    QAction* display = add(menu, tr("&Display"), command(&C::Display), rule(&C::CanDisplay));
    QAction* hide = add(menu, tr("&Hide"), command(&C::Hide), rule(&C::CanHide));
    QAction* primary = add(menu, tr("&Primary"), command(&C::SetPrimary), rule(&C::CanSetPrimary));
    QAction* next = add(menu, tr("&Next Batch"), command(&C::NextBatch), rule(&C::CanStepBatch));
    QAction* previous =
        add(menu, tr("Pre&vious Batch"), command(&C::PreviousBatch), rule(&C::CanStepBatch));
    add(
        menu, tr("Select A&ll"), [](CTraceListFrame& f) { f.selectAll(); }, always);
    menu->addSeparator();
    add(menu, tr("A&nalyze"), command(&C::Analyze), rule(&C::HasSelection));
    add(menu, tr("S&mooth"), command(&C::Smooth), rule(&C::HasSelection));
    add(menu, tr("&Save"), command(&C::Save), rule(&C::HasSelection));
    add(menu, tr("Save &As..."), command(&C::SaveAs), rule(&C::HasSelection));
    QAction* properties =
        add(menu, tr("Pr&operties"), command(&C::Properties), rule(&C::HasSelection));
    properties->setShortcuts({Qt::Key_Return, Qt::Key_Enter});
    AddBatchCommands(menu, m_activeFrame);
    for (QAction* action : {addTraces, remove, display, hide, primary, previous, next})
        toolBar->addAction(action);
    refresh();
}

QAction* TraceListMenu::add(QMenu* menu, const QString& text,
                            std::function<void(CTraceListFrame&)> run,
                            std::function<bool(CTraceListFrame&)> enabled) {
    QAction* action = menu->addAction(text);
    connect(action, &QAction::triggered, this, [this, run] {
        if (CTraceListFrame* frame = m_activeFrame()) run(*frame);
        refresh();
    });
    m_commands.push_back({action, std::move(enabled)});
    return action;
}

void TraceListMenu::refresh() {
    CTraceListFrame* frame = m_activeFrame();
    for (const Command& c : m_commands)
        c.action->setEnabled(frame && c.enabled(*frame));
}

} // namespace orvane
