#include "core/platform/document.h"

#include "core/platform/text.h"
#include "core/platform/view.h"

#include <algorithm>

namespace orvane {

Document::~Document() {
    // Views outlive nothing they cannot see: leave them without a document.
    for (View* view : std::vector<View*>(m_views))
        view->attach(nullptr);
}

void Document::setPath(const std::string& path) {
    m_path = path;
    if (!path.empty()) m_title = fileNameOf(path);
    stateChanged();
}

std::string Document::title() const {
    return m_title;
}

void Document::setTitle(const std::string& title) {
    m_title = title;
    stateChanged();
}

void Document::setModified(bool modified) {
    if (m_modified == modified) return;
    m_modified = modified;
    stateChanged();
}

void Document::addView(View* view) {
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) m_views.push_back(view);
}

void Document::removeView(View* view) {
    std::erase(m_views, view);
}

void Document::updateAllViews(View* sender, HintCode code, HintPayload payload) {
    const Hint hint{code, std::move(payload)};
    // A view may close while it reacts: walk a copy, skip views gone meanwhile.
    for (View* view : std::vector<View*>(m_views)) {
        if (view == sender) continue;
        if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) continue;
        view->onUpdate(sender, hint);
    }
}

void Document::stateChanged() {
    if (m_stateListener) m_stateListener();
}

} // namespace orvane
