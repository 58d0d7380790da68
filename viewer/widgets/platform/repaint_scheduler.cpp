#include "widgets/platform/repaint_scheduler.h"

#include "core/platform/repaint_queue.h"

#include <QTimer>

namespace orvane {

void installRepaintScheduler() {
    RepaintQueue::instance().setScheduler(
        [] { QTimer::singleShot(0, [] { RepaintQueue::instance().flush(); }); });
}

} // namespace orvane
