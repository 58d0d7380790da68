#include "widgets/shell/recent_files_menu.h"

#include "core/shell/recent_files.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace orvane {

namespace {

constexpr char kRecentFileProperty[] = "orvaneRecentFile";

QString entryText(size_t index, const std::string& path) {
    // '&' in a file name would make a mnemonic.
    const QString shown = QDir::toNativeSeparators(QString::fromStdString(path)).replace("&", "&&");
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace

void AddRecentFileCommands(QMenu* file, QAction* before, const RecentFileList& recent,
                           std::function<void(size_t)> open) {
    QObject::connect(file, &QMenu::aboutToShow, file, [file, before, &recent, open] {
        for (QAction* action : file->actions())
            if (action->property(kRecentFileProperty).isValid()) {
                file->removeAction(action);
                action->deleteLater();
            }
        const std::vector<std::string>& files = recent.Files();
        for (size_t i = 0; i < files.size(); ++i) {
            auto* action = new QAction(entryText(i, files[i]), file);
            action->setProperty(kRecentFileProperty, static_cast<qulonglong>(i));
            QObject::connect(action, &QAction::triggered, file, [open, i] { open(i); });
            file->insertAction(before, action);
        }
        if (files.empty()) return;
        QAction* separator = new QAction(file);
        separator->setSeparator(true);
        separator->setProperty(kRecentFileProperty, qulonglong(0));
        file->insertAction(before, separator);
    });
}

} // namespace orvane
