// The program's file dialogs. Filters come in the document strings' form
// "Name (*.ext)|*.ext|Other|*.*|" and are turned into Qt's.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace orvane {

// "Trace Lists (*.trl)|*.trl|All Files (*.*)|*.*|" -> Qt filter list; the
// patterns of each entry are taken from its second half.
QStringList qtFilters(const QString& barFilter);

struct SaveDialogResult {
    QString path;    // empty when cancelled
    int filterIndex; // 0-based position of the chosen file type
};

// Open dialog for an existing file; empty when cancelled.
QString askOpenFile(QWidget* owner, const QString& title, const QString& barFilter);
QStringList askOpenFiles(QWidget* owner, const QString& title, const QString& barFilter);

// Save dialog with an overwrite prompt, starting at the given file and type.
SaveDialogResult askSaveFile(QWidget* owner, const QString& title, const QString& initialPath,
                             const QStringList& filters, int initialFilter);

} // namespace orvane
