#include "widgets/printing/page_canvas.h"

#include <QDate>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace orvane::printing {

namespace {

constexpr double kMinMarginInch = 0.3;
constexpr double kPointsPerInch = 72.0;
constexpr int kFixedPointSize = 8;
constexpr int kVariablePointSize = 9;
constexpr int kSmallPointSize = 7;
constexpr int kRuleGap = 6;
constexpr QColor kRuleColour{150, 150, 150};

int inches(double value) {
    return static_cast<int>(value * kPageDpi);
}

} // namespace

QFont PageFont(QFont font, double points) {
    font.setPixelSize(std::max(1, static_cast<int>(points * kPageDpi / kPointsPerInch + 0.5)));
    return font;
}

QFont ScaledFont(QFont font, double factor) {
    font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * factor)));
    return font;
}

bool FixedFontUsable(const QString& description) {
    QFont font;
    return description.isEmpty() || font.fromString(description);
}

PrintFonts MakePrintFonts(const QString& fixedFontDescription) {
    PrintFonts fonts;
    fonts.fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (FixedFontUsable(fixedFontDescription) && !fixedFontDescription.isEmpty())
        fonts.fixed.fromString(fixedFontDescription);
    fonts.fixed.setStyleHint(QFont::TypeWriter);
    fonts.fixed.setFixedPitch(true);
    fonts.fixed = PageFont(fonts.fixed, kFixedPointSize);
    fonts.variable = QFont(QStringLiteral("Sans Serif"));
    fonts.variable.setStyleHint(QFont::SansSerif);
    fonts.variable = PageFont(fonts.variable, kVariablePointSize);
    fonts.bold = fonts.variable;
    fonts.bold.setBold(true);
    fonts.small = fonts.variable;
    fonts.small = PageFont(fonts.small, kSmallPointSize);
    return fonts;
}

PageCanvas::PageCanvas(QPagedPaintDevice& device, QPainter& painter, PageDecoration decoration,
                       PrintFonts fonts)
    : m_device(device), m_painter(painter), m_decoration(std::move(decoration)),
      m_fonts(std::move(fonts)) {
    decorate();
}

void PageCanvas::ensureRoom(int height) {
    if (height > remaining() && !atPageTop()) newPage();
}

void PageCanvas::newPage() {
    m_device.newPage();
    ++m_page;
    decorate();
}

// Header lines and a rule at the top, a rule and the page number at the
// foot; the body is what lies between.
void PageCanvas::decorate() {
    const QRect page(QPoint(0, 0), QSize(m_device.width(), m_device.height()));
    const int left = inches(std::max(m_decoration.leftMarginInch, kMinMarginInch));
    const int top = inches(std::max(m_decoration.topMarginInch, kMinMarginInch));
    const int right = std::max(left, inches(kMinMarginInch * 2));
    const int bottom = std::max(top, inches(kMinMarginInch * 2));
    QRect area = page.adjusted(left, top, -right, -bottom);

    m_painter.save();
    m_painter.setPen(Qt::black);
    const QFontMetrics headerMetrics(m_fonts.bold);
    int y = area.top();
    m_painter.setFont(m_fonts.bold);
    for (const QString& line : m_decoration.headerLines) {
        if (line.trimmed().isEmpty()) continue;
        m_painter.drawText(QRect(area.left(), y, area.width(), headerMetrics.height()),
                           Qt::AlignLeft | Qt::AlignVCenter, line);
        y += headerMetrics.height();
    }
    if (y > area.top()) {
        y += kRuleGap;
        m_painter.setPen(kRuleColour);
        m_painter.drawLine(area.left(), y, area.right(), y);
        y += kRuleGap * 2;
    }

    const QFontMetrics footMetrics(m_fonts.small);
    const int footTop = area.bottom() - footMetrics.height();
    m_painter.setPen(kRuleColour);
    m_painter.drawLine(area.left(), footTop - kRuleGap, area.right(), footTop - kRuleGap);
    m_painter.setPen(Qt::black);
    m_painter.setFont(m_fonts.small);
    const QRect foot(area.left(), footTop, area.width(), footMetrics.height());
    m_painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, m_decoration.title);
    m_painter.drawText(foot, Qt::AlignHCenter | Qt::AlignVCenter,
                       QDate::currentDate().toString(Qt::ISODate));
    m_painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter,
                       QStringLiteral("Page %1").arg(m_page));
    m_painter.restore();

    m_body = QRect(QPoint(area.left(), y), QPoint(area.right(), footTop - kRuleGap * 3));
    m_y = m_body.top();
}

} // namespace orvane::printing
