// The window of one trace document inside the main window. Its title carries
// the document's name and "[*]" while the trace is modified.
#pragma once

#include <QMdiSubWindow>

#include <functional>

namespace orvane {

class CTraceDoc;
class COrvane;

class CTraceFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CTraceFrame(CTraceDoc& document, QWidget* parent = nullptr);
    ~CTraceFrame() override;

    CTraceDoc* document() const { return m_document; }
    COrvane* infoView() const { return m_view; }
    // Closes without the save question (the program is ending on a signal).
    void closeWithoutPrompt();
    // A trace list's trace window: closing lets go of the list's entry,
    // which asks to save when it was the last use; false keeps it open.
    void setRelease(std::function<bool()> release) { m_release = std::move(release); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void updateTitle();
    void detach();

    CTraceDoc* m_document;
    COrvane* m_view;
    bool m_prompt = true;
    std::function<bool()> m_release;
};

} // namespace orvane
