// A view shows one document. It reacts to hints at once and asks for a
// repaint, which waits until the hints that arrived together are all in.
#pragma once

#include "core/platform/document.h"

namespace orvane {

class View {
public:
    View() = default;
    virtual ~View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    Document* document() const { return m_document; }
    // Attaches to a document (detaching from the one before); null detaches.
    void attach(Document* document);

    // A hint from the document; sender is the view that caused it, if any.
    // The default asks for a repaint.
    virtual void onUpdate(View* sender, const Hint& hint);

    // Asks for one repaint at the next flush of the repaint queue, however
    // often it is called before.
    void invalidate();
    bool repaintPending() const { return m_repaintPending; }

protected:
    // Brings the pixels up to date (the widget calls its own update()).
    virtual void repaint() {}

private:
    friend class RepaintQueue;
    friend class Document;
    void runRepaint();

    Document* m_document = nullptr;
    bool m_repaintPending = false;
};

} // namespace orvane
