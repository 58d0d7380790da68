// CHeaderView: a header template as plain text in a fixed-pitch editor that
// holds at most 40960 characters. Every change goes into the document whole.
#pragma once

#include "core/platform/view.h"

#include <QPlainTextEdit>

namespace orvane {

class CHeaderDoc;

class CHeaderView : public QPlainTextEdit, public View {
    Q_OBJECT
public:
    explicit CHeaderView(QWidget* parent = nullptr);

    void onUpdate(View* sender, const Hint& hint) override;
    // Shows the document's text now.
    void refill();

private:
    CHeaderDoc* header() const;
    void noteChange(int position, int removed, int added);
    void textEdited();
    // The text's length as the document counts it (a line break may be two).
    int documentLength() const;
    void dropExcess();

    bool m_filling = false;
    // Line breaks are written back as CR LF, as the template had them.
    bool m_crlf = true;
    int m_changeStart = 0;
    int m_changeAdded = 0;
};

} // namespace orvane
