// CHeaderFrame: the window of one header template inside the main window.
// Its title carries the template's name and "[*]" while it is modified.
#pragma once

#include <QMdiSubWindow>

namespace orvane {

class CHeaderDoc;
class CHeaderView;

class CHeaderFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CHeaderFrame(CHeaderDoc& document, QWidget* parent = nullptr);
    ~CHeaderFrame() override;

    CHeaderDoc* document() const { return m_document; }
    CHeaderView* view() const { return m_view; }
    // File / Save and File / Save As...
    void save(bool saveAs);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void updateTitle();
    void detach();

    CHeaderDoc* m_document;
    CHeaderView* m_view;
};

} // namespace orvane
