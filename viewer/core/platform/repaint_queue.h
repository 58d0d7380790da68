// Views that asked for a repaint, painted once each when the queue is
// flushed. The event loop flushes it when it is idle, so that the hints that
// one command sends end in one repaint.
#pragma once

#include <functional>
#include <vector>

namespace orvane {

class View;

class RepaintQueue {
public:
    // The one queue of the user-interface thread.
    static RepaintQueue& instance();

    // Called once when the queue turns non-empty: the GUI posts a flush to
    // its event loop. Without a scheduler the owner flushes by hand (tests,
    // headless runs).
    void setScheduler(std::function<void()> scheduler) { m_scheduler = std::move(scheduler); }

    void add(View* view);
    void remove(View* view);
    bool empty() const { return m_pending.empty(); }

    // Repaints every pending view once, in the order they asked.
    void flush();

private:
    std::vector<View*> m_pending;
    std::function<void()> m_scheduler;
};

} // namespace orvane
