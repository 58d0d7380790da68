#include "widgets/headered/header_menu.h"

#include "core/headered/header_doc.h"
#include "core/platform/document_type.h"
#include "widgets/headered/header_frame.h"
#include "widgets/shell/main_frame.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMenu>

namespace orvane {

void InstallHeaderTemplateEditor(DocumentType& type, CMainFrame& mainFrame) {
    type.setWindowFactory([&mainFrame](Document& document) {
        auto* frame = new CHeaderFrame(static_cast<CHeaderDoc&>(document));
        mainFrame.mdiArea()->addSubWindow(frame);
        frame->showMaximized();
    });
    QMenu* file = mainFrame.fileMenu();
    auto* create = new QAction(
        QCoreApplication::translate("orvane::CMainFrame", "&New Header Template"), file);
    create->setShortcut(QKeySequence::New);
    QObject::connect(create, &QAction::triggered, file, [&type] { type.newDocument(); });
    file->insertAction(file->actions().value(0), create);
}

bool SaveHeaderTemplate(QMdiSubWindow* window, bool saveAs) {
    auto* frame = qobject_cast<CHeaderFrame*>(window);
    if (!frame) return false;
    frame->save(saveAs);
    return true;
}

} // namespace orvane
