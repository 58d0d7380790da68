// The printed page as the composers see it: a body between the margins, the
// report header lines at the top and the page number at the foot of every
// page, a running position that moves down as blocks are placed, and a new
// page whenever a block does not fit.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;

namespace orvane::printing {

// Page coordinates are in units of 1/kPageDpi inch: fine enough for print,
// coarse enough that the screen graph's one-unit lines and marks keep their
// weight on paper.
inline constexpr int kPageDpi = 144;

struct PageDecoration {
    QStringList headerLines; // the three "Header Lines", empty ones skipped
    QString title;           // printed at the foot, left
    double topMarginInch = 0.5;
    double leftMarginInch = 0.5;
};

// A font of the given size in points, set in page units: its metrics are
// the page's whatever device measures them.
QFont PageFont(QFont font, double points);
// The font scaled by a factor (at least one page unit high).
QFont ScaledFont(QFont font, double factor);

// Fonts of the printed pages.
struct PrintFonts {
    QFont fixed;    // trace texts
    QFont variable; // headers, captions, reports
    QFont bold;     // report headings, emphasis
    QFont small;    // plot labels in crowded layouts
};
// The fixed font from its stored description (QFont::toString form); the
// system's fixed font when the description is empty or unusable.
PrintFonts MakePrintFonts(const QString& fixedFontDescription);
bool FixedFontUsable(const QString& description);

class PageCanvas {
public:
    PageCanvas(QPagedPaintDevice& device, QPainter& painter, PageDecoration decoration,
               PrintFonts fonts);

    QPainter& painter() { return m_painter; }
    const PrintFonts& fonts() const { return m_fonts; }
    // The part of the page that blocks may use.
    QRect body() const { return m_body; }
    int y() const { return m_y; }
    int remaining() const { return m_body.bottom() + 1 - m_y; }
    bool atPageTop() const { return m_y == m_body.top(); }
    int pageNumber() const { return m_page; }

    void advance(int height) { m_y += height; }
    // Starts a new page when fewer than height units are left and something
    // is already on this page.
    void ensureRoom(int height);
    void newPage();

private:
    void decorate();

    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    PageDecoration m_decoration;
    PrintFonts m_fonts;
    QRect m_body;
    int m_y = 0;
    int m_page = 1;
};

} // namespace orvane::printing
