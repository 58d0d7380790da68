// Earlier view windows for Zoom Previous: the newest comes back first and a
// push onto a full history forgets the oldest.
#pragma once

#include "core/trace/graph/graph_codes.h"
#include "core/trace/graph/view_window.h"

#include <deque>
#include <optional>

namespace orvane::graph {

class ZoomHistory {
public:
    void Push(const ViewWindow& window) {
        if (static_cast<int>(m_windows.size()) == kZoomHistoryDepth) m_windows.pop_front();
        m_windows.push_back(window);
    }
    std::optional<ViewWindow> Pop() {
        if (m_windows.empty()) return std::nullopt;
        ViewWindow newest = m_windows.back();
        m_windows.pop_back();
        return newest;
    }
    void Clear() { m_windows.clear(); }
    bool IsEmpty() const { return m_windows.empty(); }
    int Size() const { return static_cast<int>(m_windows.size()); }
    // Applies f to every remembered window (distance rescaling).
    template <class F> void ForEach(F f) {
        for (ViewWindow& w : m_windows)
            f(w);
    }

private:
    std::deque<ViewWindow> m_windows;
};

} // namespace orvane::graph
