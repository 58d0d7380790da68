#include "widgets/batch/batch_menu.h"

#include "core/tracelist/trace_list_doc.h"
#include "widgets/batch/batch_commands.h"
#include "widgets/tracelist/trace_list_frame.h"
#include "widgets/tracelist/trace_list_view.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <utility>
#include <vector>

namespace orvane {

namespace {

bool hasSelection(CTraceListFrame& frame) {
    return frame.commands().HasSelection();
}

bool hasPrimary(CTraceListFrame& frame) {
    return frame.list()->Primary() != nullptr;
}

bool hasPrimaryAndSelection(CTraceListFrame& frame) {
    return hasPrimary(frame) && hasSelection(frame);
}

struct Entry {
    const char* text;
    void (*run)(CTraceListFrame&);
    bool (*enabled)(CTraceListFrame&);
};

const Entry kEntries[] = {
    {QT_TRANSLATE_NOOP("orvane::TraceListMenu", "&Batch Process..."), RunBatchCommand,
     hasSelection},
    {QT_TRANSLATE_NOOP("orvane::TraceListMenu", "Build  Splice &Template"),
     BuildSpliceTemplateCommand, hasPrimary},
    {QT_TRANSLATE_NOOP("orvane::TraceListMenu", "Appl&y Splice Template..."),
     ApplySpliceTemplateCommand, hasPrimaryAndSelection},
    {QT_TRANSLATE_NOOP("orvane::TraceListMenu", "Smart Spl&ice Template..."),
     SmartSpliceTemplateCommand, hasPrimaryAndSelection},
};

} // namespace

void AddBatchCommands(QMenu* menu, std::function<CTraceListFrame*()> activeFrame) {
    menu->addSeparator();
    std::vector<std::pair<QAction*, const Entry*>> actions;
    for (const Entry& entry : kEntries) {
        QAction* action =
            menu->addAction(QCoreApplication::translate("orvane::TraceListMenu", entry.text));
        QObject::connect(action, &QAction::triggered, menu, [activeFrame, run = entry.run] {
            if (CTraceListFrame* frame = activeFrame()) run(*frame);
        });
        actions.emplace_back(action, &entry);
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu, [activeFrame, actions] {
        CTraceListFrame* frame = activeFrame();
        for (const auto& [action, entry] : actions)
            action->setEnabled(frame && entry->enabled(*frame));
    });
}

} // namespace orvane
