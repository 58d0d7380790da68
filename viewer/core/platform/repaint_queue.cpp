#include "core/platform/repaint_queue.h"

#include "core/platform/view.h"

#include <algorithm>

namespace orvane {

RepaintQueue& RepaintQueue::instance() {
    static RepaintQueue queue;
    return queue;
}

void RepaintQueue::add(View* view) {
    const bool wasEmpty = m_pending.empty();
    m_pending.push_back(view);
    if (wasEmpty && m_scheduler) m_scheduler();
}

void RepaintQueue::remove(View* view) {
    std::erase(m_pending, view);
}

void RepaintQueue::flush() {
    // A repaint may ask for another one; that one waits for the next flush.
    std::vector<View*> batch;
    batch.swap(m_pending);
    for (View* view : batch)
        view->runRepaint();
}

} // namespace orvane
