#include "widgets/headered/header_view.h"

#include "core/headered/header_constants.h"
#include "core/headered/header_doc.h"

#include <QFontDatabase>
#include <QTextCursor>
#include <QTextDocument>

namespace orvane {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kLf = QStringLiteral("\n");
const QChar kCr = u'\r';
// The editor would break the line at a lone carriage return, which the
// template does not: it shows as its symbol and goes back as itself.
const QChar kCrSymbol = u'\u240D';

QString toQString(const std::u16string& text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

std::u16string toU16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<size_t>(text.size()));
}

} // namespace

CHeaderView::CHeaderView(QWidget* parent) : QPlainTextEdit(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(QPlainTextEdit::document(), &QTextDocument::contentsChange, this,
            &CHeaderView::noteChange);
    connect(this, &QPlainTextEdit::textChanged, this, &CHeaderView::textEdited);
}

CHeaderDoc* CHeaderView::header() const {
    return static_cast<CHeaderDoc*>(View::document());
}

void CHeaderView::onUpdate(View* sender, const Hint& hint) {
    if (sender == this) return;
    if (hint.code == HINT_HEADER_TEMPLATE_TEXT || hint.code == HINT_NONE) refill();
}

void CHeaderView::refill() {
    const CHeaderDoc* doc = header();
    const QString text = doc ? toQString(doc->GetText()) : QString();
    m_crlf = text.isEmpty() || text.contains(kCrLf);
    m_filling = true;
    setPlainText(QString(text).replace(kCrLf, kLf).replace(kCr, kCrSymbol));
    m_filling = false;
}

void CHeaderView::noteChange(int position, int, int added) {
    m_changeStart = position;
    m_changeAdded = added;
}

int CHeaderView::documentLength() const {
    const QTextDocument* text = QPlainTextEdit::document();
    const int breaks = text->blockCount() - 1;
    return text->characterCount() - 1 + (m_crlf ? breaks : 0);
}

// Like an edit control with a text limit: what an insertion brings beyond
// the limit is dropped from its end.
void CHeaderView::dropExcess() {
    int excess = documentLength() - static_cast<int>(kHeaderTemplateLimit);
    if (excess <= 0 || m_changeAdded <= 0) return;
    QTextDocument* text = QPlainTextEdit::document();
    const int end = m_changeStart + m_changeAdded;
    int start = end;
    while (excess > 0 && start > m_changeStart) {
        --start;
        const bool lineBreak = text->characterAt(start) == QChar::ParagraphSeparator;
        excess -= lineBreak && m_crlf ? 2 : 1;
    }
    QTextCursor cursor(text);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_filling = true;
    cursor.removeSelectedText();
    m_filling = false;
}

void CHeaderView::textEdited() {
    if (m_filling || !header()) return;
    dropExcess();
    QString text = QPlainTextEdit::document()->toRawText();
    text.replace(QChar::ParagraphSeparator, kLf).replace(kCrSymbol, kCr);
    if (m_crlf) text.replace(kLf, kCrLf);
    header()->SetText(toU16(text), this);
}

} // namespace orvane
