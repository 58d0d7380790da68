// The window of one trace document inside the main window. Its title carries
// the document's name and "[*]" while the trace is modified.
#pragma once

#include <QMdiSubWindow>

namespace orvane {

class CTraceDoc;
class TraceInfoView;

class CTraceFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CTraceFrame(CTraceDoc& document, QWidget* parent = nullptr);
    ~CTraceFrame() override;

    CTraceDoc* document() const { return m_document; }
    TraceInfoView* infoView() const { return m_view; }
    // Closes without the save question (the program is ending on a signal).
    void closeWithoutPrompt();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void updateTitle();
    void detach();

    CTraceDoc* m_document;
    TraceInfoView* m_view;
    bool m_prompt = true;
};

} // namespace orvane
