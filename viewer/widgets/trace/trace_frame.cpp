#include "widgets/trace/trace_frame.h"

#include "core/platform/document_type.h"
#include "core/trace/trace_doc.h"
#include "widgets/trace/trace_info_view.h"

#include <QCloseEvent>

namespace orvane {

CTraceFrame::CTraceFrame(CTraceDoc& document, QWidget* parent)
    : QMdiSubWindow(parent), m_document(&document), m_view(new TraceInfoView(this)) {
    setWidget(m_view);
    setAttribute(Qt::WA_DeleteOnClose);
    m_view->attach(&document);
    m_view->refill();
    document.setStateListener([this] { updateTitle(); });
    updateTitle();
}

CTraceFrame::~CTraceFrame() {
    detach();
}

void CTraceFrame::updateTitle() {
    if (!m_document) return;
    setWindowTitle(QString::fromStdString(m_document->title()) + "[*]");
    setWindowModified(m_document->isModified());
}

void CTraceFrame::closeWithoutPrompt() {
    m_prompt = false;
    close();
}

void CTraceFrame::closeEvent(QCloseEvent* event) {
    if (m_prompt && m_document && !m_document->SaveModified()) {
        event->ignore();
        return;
    }
    detach();
    QMdiSubWindow::closeEvent(event);
}

// The view leaves the document before the document type decides whether the
// document goes too (a trace list keeps its documents).
void CTraceFrame::detach() {
    if (!m_document) return;
    CTraceDoc* document = m_document;
    m_document = nullptr;
    document->setStateListener(nullptr);
    m_view->attach(nullptr);
    if (DocumentType* type = document->type()) type->documentClosed(document);
}

} // namespace orvane
