#include "core/platform/view.h"

#include "core/platform/repaint_queue.h"

namespace orvane {

View::~View() {
    RepaintQueue::instance().remove(this);
    if (m_document) m_document->removeView(this);
}

void View::attach(Document* document) {
    if (m_document == document) return;
    if (m_document) m_document->removeView(this);
    m_document = document;
    if (m_document) m_document->addView(this);
}

void View::onUpdate(View*, const Hint&) {
    invalidate();
}

void View::invalidate() {
    if (m_repaintPending) return;
    m_repaintPending = true;
    RepaintQueue::instance().add(this);
}

void View::runRepaint() {
    m_repaintPending = false;
    repaint();
}

} // namespace orvane
