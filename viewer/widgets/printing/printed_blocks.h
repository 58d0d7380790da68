// The blocks a printed page is made of, each placed at the canvas's running
// position: text blocks whose sections stay together where they can, the
// framed cursor box, a trace plot drawn by the screen's graph painter, and
// report tables whose heading rows repeat on every page.
#pragma once

#include "core/bidir/report_table.h"
#include "core/printing/text_block.h"
#include "core/printing/trace_texts.h"
#include "widgets/printing/page_canvas.h"
#include "widgets/trace/graph/graph_palette.h"

namespace orvane::graph {
class TraceGraph;
}

namespace orvane::printing {

inline constexpr int kBlockGap = 14;
// Between a plot's caption and the plot's own top margin.
inline constexpr int kCaptionGap = 8;

// Lines in the fixed font; a section that fits on a page is not split.
void DrawTextBlock(PageCanvas& canvas, const TextBlock& block);
// Two blocks of lines in the fixed font side by side, each in half the
// body, kept together on one page.
void DrawLinesSideBySide(PageCanvas& canvas, const std::vector<std::string>& left,
                         const std::vector<std::string>& right);
// Lines in the fixed font inside a rectangle, shrunk to fit it.
void DrawLinesIn(QPainter& painter, const QRect& rect, const std::vector<std::string>& lines,
                 QFont font);

void DrawCursorBox(PageCanvas& canvas, const CursorBoxTexts& texts);

// The plot with its axis labels inside outer; the caption above it.
void DrawPlot(QPainter& painter, const graph::TraceGraph& graph, const QRect& outer,
              const QFont& font, bool colour, const QString& caption);

// A palette for paper: the screen's colours, or black curves.
graph::GraphPalette PrintPalette(bool colour);

// The report's title, its table and, unless a table within a page, "THE END".
void DrawReport(PageCanvas& canvas, const bidir::Report& report, bool withEnd = true);

} // namespace orvane::printing
