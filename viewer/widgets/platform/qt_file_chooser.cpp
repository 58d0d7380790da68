#include "widgets/platform/qt_file_chooser.h"

#include "widgets/platform/file_dialogs.h"

#include <QFileDialog>

namespace orvane {

namespace {

QStringList toQt(const std::vector<std::string>& filters) {
    QStringList out;
    for (const std::string& filter : filters)
        out << QString::fromStdString(filter);
    return out;
}

} // namespace

std::optional<SaveFileChoice> QtFileChooser::chooseSaveFile(const SaveFileRequest& request) {
    const SaveDialogResult choice = askSaveFile(m_owner, QString::fromStdString(request.title),
                                                QString::fromStdString(request.initialName),
                                                toQt(request.filters), request.initialFilter);
    if (choice.path.isEmpty()) return std::nullopt;
    return SaveFileChoice{choice.path.toStdString(),
                          choice.filterIndex < 0 ? 0 : choice.filterIndex};
}

std::optional<std::string> QtFileChooser::chooseOpenFile(const OpenFileRequest& request) {
    const QString path =
        QFileDialog::getOpenFileName(m_owner, QString::fromStdString(request.title), QString(),
                                     toQt(request.filters).join(";;"));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

} // namespace orvane
