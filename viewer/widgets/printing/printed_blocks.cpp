#include "widgets/printing/printed_blocks.h"

#include "core/platform/text.h"
#include "widgets/trace/graph/graph_painter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace orvane::printing {

namespace {

constexpr int kCursorBoxRows = 3;
constexpr int kCellPadding = 8;
constexpr int kColumnGap = 12;
constexpr double kMinFontScale = 0.55;
constexpr double kTitleScale = 1.4;
constexpr int kRowsKeptWithTitle = 6;
constexpr QColor kShade{238, 238, 238};
constexpr int kHeadingBlockGap = 6;

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

int lineHeight(const QFont& font) {
    return QFontMetrics(font).lineSpacing();
}

void drawLine(QPainter& painter, int x, int y, const QFont& font, const std::string& line) {
    painter.drawText(x, y + QFontMetrics(font).ascent(), text(line));
}

// Column i's fields of the rows, for widths.
std::vector<std::vector<bidir::ReportField>> tableOf(const std::vector<std::string>& lines,
                                                     std::size_t& columns) {
    columns = 0;
    for (const std::string& line : lines)
        if (!line.empty())
            columns = std::max(columns, static_cast<std::size_t>(std::count(
                                            line.begin() + 1, line.end(), line.front())) +
                                            1);
    std::vector<std::vector<bidir::ReportField>> rows;
    for (const std::string& line : lines)
        rows.push_back(bidir::splitRow(line, columns));
    return rows;
}

} // namespace

void DrawTextBlock(PageCanvas& canvas, const TextBlock& block) {
    QPainter& painter = canvas.painter();
    const QFont& font = canvas.fonts().fixed;
    const int height = lineHeight(font);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const std::vector<std::string>& section : block.sections) {
        const int sectionHeight = height * static_cast<int>(section.size());
        if (sectionHeight <= canvas.body().height()) canvas.ensureRoom(sectionHeight);
        for (const std::string& line : section) {
            canvas.ensureRoom(height);
            painter.setFont(font); // a new page's decoration changed it
            drawLine(painter, canvas.body().left(), canvas.y(), font, line);
            canvas.advance(height);
        }
    }
    painter.restore();
    canvas.advance(kBlockGap);
}

void DrawLinesSideBySide(PageCanvas& canvas, const std::vector<std::string>& left,
                         const std::vector<std::string>& right) {
    const QFont& font = canvas.fonts().fixed;
    const int height = lineHeight(font) * static_cast<int>(std::max(left.size(), right.size()));
    canvas.ensureRoom(height);
    const QRect body = canvas.body();
    const int half = body.width() / 2;
    DrawLinesIn(canvas.painter(), QRect(body.left(), canvas.y(), half - kColumnGap, height), left,
                font);
    DrawLinesIn(canvas.painter(), QRect(body.left() + half, canvas.y(), half, height), right, font);
    canvas.advance(height + kBlockGap);
}

void DrawLinesIn(QPainter& painter, const QRect& rect, const std::vector<std::string>& lines,
                 QFont font) {
    int widest = 0;
    QFontMetrics metrics(font);
    for (const std::string& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(text(line)));
    // Shrunk to fit the rectangle's width and height, down to a readable size.
    const int tallest = metrics.lineSpacing() * static_cast<int>(lines.size());
    double scale = 1.0;
    if (widest > rect.width()) scale = static_cast<double>(rect.width()) / widest;
    if (tallest > rect.height() && tallest > 0)
        scale = std::min(scale, static_cast<double>(rect.height()) / tallest);
    if (scale < 1.0) font = ScaledFont(font, std::max(kMinFontScale, scale));
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(font);
    painter.setPen(Qt::black);
    int y = rect.top();
    for (const std::string& line : lines) {
        if (y + lineHeight(font) > rect.bottom() + 1) break;
        drawLine(painter, rect.left(), y, font, line);
        y += lineHeight(font);
    }
    painter.restore();
}

void DrawCursorBox(PageCanvas& canvas, const CursorBoxTexts& texts) {
    const QFont& font = canvas.fonts().fixed;
    const int rowHeight = lineHeight(font);
    // The text takes two sevenths of the box: three rows and the space around them.
    const int height = static_cast<int>(rowHeight * kCursorBoxRows / (kCursorBoxTextShare * 3.0));
    canvas.ensureRoom(height);
    QPainter& painter = canvas.painter();
    const QRect box(canvas.body().left(), canvas.y(), canvas.body().width(), height);
    const int splits[] = {
        box.left(), box.left() + static_cast<int>(box.width() * kCursorBoxFirstSplit),
        box.left() + static_cast<int>(box.width() * kCursorBoxSecondSplit), box.right()};
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(box);
    painter.drawLine(splits[1], box.top(), splits[1], box.bottom());
    painter.drawLine(splits[2], box.top(), splits[2], box.bottom());
    const int top = box.top() + (height - rowHeight * kCursorBoxRows) / 2;
    for (std::size_t column = 0; column < texts.size(); ++column) {
        const QRect cell(splits[column] + kCellPadding, top,
                         splits[column + 1] - splits[column] - 2 * kCellPadding,
                         rowHeight * kCursorBoxRows);
        DrawLinesIn(painter, cell, {texts[column].begin(), texts[column].end()}, font);
    }
    painter.restore();
    canvas.advance(height + kBlockGap);
}

graph::GraphPalette PrintPalette(bool colour) {
    graph::GraphPalette palette;
    if (colour) return palette;
    palette.cursor = Qt::black;
    palette.lsa = QColor(150, 150, 150);
    palette.slotColours.fill(Qt::black);
    return palette;
}

void DrawPlot(QPainter& painter, const graph::TraceGraph& graph, const QRect& outer,
              const QFont& font, bool colour, const QString& caption) {
    graph::GraphPaintParams params;
    params.font = font;
    params.colours = PrintPalette(colour);
    params.dpiY = kPageDpi;
    char16_t label[kTextRoom] = {};
    params.distanceLabel = QString::fromStdString(trimmed(toUtf8(T6AddUnitsDist(label))));
    QRect area = outer;
    if (!caption.isEmpty()) {
        QFont bold = font;
        bold.setBold(true);
        painter.save();
        painter.setFont(bold);
        painter.setPen(Qt::black);
        const int h = QFontMetrics(bold).height();
        painter.drawText(QRect(area.left(), area.top(), area.width(), h),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetrics(bold).elidedText(caption, Qt::ElideRight, area.width()));
        painter.restore();
        area.setTop(area.top() + h + kCaptionGap);
    }
    // The margins are laid out from the area's own origin.
    painter.save();
    painter.translate(area.topLeft());
    params.plot =
        QRect(QPoint(0, 0), area.size()).marginsRemoved(graph::GraphMargins(QFontMetrics(font)));
    // The plot is rendered as on screen, one image pixel per page unit, so
    // that its one-pixel strokes join up; the labels around it stay text.
    QImage image(params.plot.size(), QImage::Format_RGB32);
    image.fill(params.colours.background);
    {
        QPainter plotPainter(&image);
        graph::GraphPaintParams imageParams = params;
        imageParams.plot = QRect(QPoint(0, 0), params.plot.size());
        graph::PaintPlot(plotPainter, graph, imageParams);
    }
    painter.drawImage(params.plot.topLeft(), image);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(params.plot.adjusted(-1, -1, 0, 0));
    graph::PaintMargins(painter, graph, params);
    painter.restore();
}

void DrawReport(PageCanvas& canvas, const bidir::Report& report, bool withEnd) {
    QPainter& painter = canvas.painter();
    const PrintFonts& fonts = canvas.fonts();
    QFont title = fonts.bold;
    title = ScaledFont(title, kTitleScale);
    // A report that fits on a page is not split; a longer one keeps its
    // title with the headings and the first rows.
    const int rowsHeight = lineHeight(fonts.bold) * static_cast<int>(report.lines.size() + 2);
    const int whole = lineHeight(title) + kBlockGap + rowsHeight;
    canvas.ensureRoom(whole <= canvas.body().height()
                          ? whole
                          : lineHeight(title) + lineHeight(fonts.bold) * kRowsKeptWithTitle);
    painter.save();
    painter.setFont(title);
    painter.setPen(Qt::black);
    drawLine(painter, canvas.body().left(), canvas.y(), title, report.title);
    canvas.advance(lineHeight(title) + kBlockGap);
    painter.restore();

    const std::vector<std::string>& headings = bidir::reportHeadings(report.kind);
    const std::size_t headingCount =
        std::min(headings.size(), report.lines.size()) > 0 &&
                std::equal(headings.begin(), headings.end(), report.lines.begin(),
                           report.lines.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                      headings.size(), report.lines.size())))
            ? headings.size()
            : 0;
    std::size_t columns = 0;
    auto rows = tableOf(report.lines, columns);
    // A row of one field (a note, a message) spans the table and does not
    // widen its first column.
    std::vector<bool> spansRow;
    for (const std::string& line : report.lines)
        spansRow.push_back(columns > 1 && !line.empty() &&
                           line.find(line.front(), 1) == std::string::npos);
    // A heading's "?" stands for the distance unit.
    char16_t unit[kTextRoom] = {};
    const std::string unitHeading = "(" + trimmed(toUtf8(T6AddUnitsDist(unit))) + ")";
    for (std::size_t i = 0; i < headingCount; ++i)
        for (bidir::ReportField& field : rows[i])
            if (field.text == "?") field.text = unitHeading;

    // Column widths from their widest field; a table wider than the page
    // is drawn in a smaller font.
    QFont body = fonts.variable;
    QFont emphasis = fonts.bold;
    std::vector<int> widths(columns, 0);
    auto measure = [&] {
        std::fill(widths.begin(), widths.end(), 0);
        const QFontMetrics metrics(emphasis);
        // A heading with an empty neighbour on its right (a group title
        // over several columns) may run into it: it widens nothing.
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < columns && !spansRow[r]; ++c) {
                const bool overflows =
                    r < headingCount && c + 1 < columns && rows[r][c + 1].text.empty();
                if (!overflows)
                    widths[c] =
                        std::max(widths[c], metrics.horizontalAdvance(text(rows[r][c].text)));
            }
        int total = 0;
        for (int w : widths)
            total += w + kColumnGap;
        return total;
    };
    int total = measure();
    if (total > canvas.body().width()) {
        const double scale = std::max(kMinFontScale, double(canvas.body().width()) / total);
        body = ScaledFont(body, scale);
        emphasis = ScaledFont(emphasis, scale);
        total = measure();
    }
    const int rowHeight = lineHeight(emphasis);
    auto drawRow = [&](const std::vector<bidir::ReportField>& row, bool heading, bool spans) {
        int x = canvas.body().left();
        if (spans) {
            painter.setFont(row[0].emphasis ? emphasis : body);
            painter.setPen(Qt::black);
            painter.drawText(QRect(x, canvas.y(), canvas.body().width(), rowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, text(row[0].text));
            canvas.advance(rowHeight);
            return;
        }
        for (std::size_t c = 0; c < columns; ++c) {
            const bool strong = heading || row[c].emphasis;
            painter.setFont(strong ? emphasis : body);
            painter.setPen(row[c].emphasis && !heading ? QColor(170, 0, 0) : QColor(Qt::black));
            painter.drawText(QRect(x, canvas.y(), canvas.body().right() - x, rowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, text(row[c].text));
            x += widths[c] + kColumnGap;
        }
        canvas.advance(rowHeight);
    };
    // A trace summary gives each trace two rows, under two blocks of
    // headings: every other trace is shaded so that its rows read together,
    // and its rows are not split.
    const std::size_t rowsPerRecord = report.kind == bidir::ReportKind::TraceSummary ? 2 : 1;
    auto drawHeadings = [&] {
        if (headingCount == 0) return;
        for (std::size_t i = 0; i < headingCount; ++i) {
            if (i > 0 && i % (headingCount / rowsPerRecord) == 0) canvas.advance(kHeadingBlockGap);
            drawRow(rows[i], true, spansRow[i]);
        }
        painter.setPen(Qt::black);
        painter.drawLine(canvas.body().left(), canvas.y() + 2, canvas.body().left() + total,
                         canvas.y() + 2);
        canvas.advance(6);
    };
    painter.save();
    drawHeadings();
    for (std::size_t i = headingCount; i < rows.size(); ++i) {
        const std::size_t record = (i - headingCount) / rowsPerRecord;
        const bool firstOfRecord = (i - headingCount) % rowsPerRecord == 0;
        if (rowHeight * (firstOfRecord ? static_cast<int>(rowsPerRecord) : 1) >
            canvas.remaining()) {
            canvas.newPage();
            drawHeadings();
        }
        if (rowsPerRecord > 1 && record % 2 == 1)
            painter.fillRect(QRect(canvas.body().left(), canvas.y(), total, rowHeight), kShade);
        drawRow(rows[i], false, spansRow[i]);
    }
    if (!withEnd) {
        painter.restore();
        canvas.advance(kBlockGap);
        return;
    }
    canvas.ensureRoom(rowHeight * 2);
    canvas.advance(rowHeight);
    painter.setFont(fonts.bold);
    painter.setPen(Qt::black);
    drawLine(painter, canvas.body().left(), canvas.y(), fonts.bold, bidir::kTheEndText);
    canvas.advance(rowHeight + kBlockGap);
    painter.restore();
}

} // namespace orvane::printing
