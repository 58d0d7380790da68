#include "widgets/platform/file_dialogs.h"

#include <QFileDialog>

namespace orvane {

QStringList qtFilters(const QString& barFilter) {
    const QStringList parts = barFilter.split('|', Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << parts[i] + " (" + patterns + ")";
    }
    return filters;
}

QString askOpenFile(QWidget* owner, const QString& title, const QString& barFilter) {
    return QFileDialog::getOpenFileName(owner, title, QString(), qtFilters(barFilter).join(";;"));
}

QStringList askOpenFiles(QWidget* owner, const QString& title, const QString& barFilter) {
    return QFileDialog::getOpenFileNames(owner, title, QString(), qtFilters(barFilter).join(";;"));
}

SaveDialogResult askSaveFile(QWidget* owner, const QString& title, const QString& initialPath,
                             const QStringList& filters, int initialFilter) {
    QFileDialog dialog(owner, title, initialPath);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    if (initialFilter >= 0 && initialFilter < filters.size())
        dialog.selectNameFilter(filters[initialFilter]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {{}, -1};
    return {dialog.selectedFiles().front(),
            static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
}

} // namespace orvane
