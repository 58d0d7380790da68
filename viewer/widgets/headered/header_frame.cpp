#include "widgets/headered/header_frame.h"

#include "core/headered/header_doc.h"
#include "core/platform/document_type.h"
#include "widgets/headered/header_view.h"

#include <QCloseEvent>

namespace orvane {

CHeaderFrame::CHeaderFrame(CHeaderDoc& document, QWidget* parent)
    : QMdiSubWindow(parent), m_document(&document), m_view(new CHeaderView(this)) {
    setWidget(m_view);
    setAttribute(Qt::WA_DeleteOnClose);
    m_view->attach(&document);
    m_view->refill();
    document.setStateListener([this] { updateTitle(); });
    updateTitle();
}

CHeaderFrame::~CHeaderFrame() {
    detach();
}

void CHeaderFrame::save(bool saveAs) {
    if (!m_document) return;
    if (saveAs)
        m_document->DoSaveAs();
    else
        m_document->DoFileSave();
}

void CHeaderFrame::updateTitle() {
    if (!m_document) return;
    setWindowTitle(QString::fromStdString(m_document->title()) + "[*]");
    setWindowModified(m_document->isModified());
}

void CHeaderFrame::closeEvent(QCloseEvent* event) {
    if (m_document && !m_document->SaveModified()) {
        event->ignore();
        return;
    }
    detach();
    QMdiSubWindow::closeEvent(event);
}

// The view leaves the document first; the document type then deletes it.
void CHeaderFrame::detach() {
    if (!m_document) return;
    CHeaderDoc* document = m_document;
    m_document = nullptr;
    document->setStateListener(nullptr);
    m_view->attach(nullptr);
    if (DocumentType* type = document->type()) type->documentClosed(document);
}

} // namespace orvane
