#include "core/printing/trace_texts.h"

#include "core/platform/text.h"
#include "core/printing/cell_text.h"
#include "core/trace/graph/measurement.h"
#include "core/trace/trace_doc.h"

#include <varnel/varnel.h>

#include <cstdio>

namespace orvane::printing {

namespace {

constexpr std::size_t kLabelCells = 14;

std::string label(std::string_view text) {
    return R(text, kLabelCells);
}

std::string distanceUnitLabel() {
    char16_t text[kTextRoom] = {};
    return trimmed(toUtf8(T6AddUnitsDist(text)));
}

std::string unitField(const std::string& unit) {
    return L(unit, 2);
}

std::string pulseWidthText(const CTraceDoc& trace, bool withLength) {
    if (trace.record().PWCount() == 0) return std::string();
    std::string text = trace.PWGetPW(0, true);
    if (withLength) text += " / " + trace.PWGetPWLength(0, true);
    return text;
}

std::string orlText(const CTraceDoc& trace) {
    std::string aToB;
    const std::string orl = trace.GetORL(true, aToB);
    if (trace.GetORLValue() == 0) return R("ORL", 13) + ": " + orl;
    return R("ORL", 13) + ":" + R(orl, 15) + " " + aToB;
}

std::string lossModeName(int32_t mode) {
    for (const graph::LossModeChoice& choice : graph::kLossModeList)
        if (choice.recordMode == mode) return choice.label;
    return graph::kLossModeList.front().label;
}

std::string cursorLine(const char* name, double km) {
    char text[64];
    std::snprintf(text, sizeof text, "%s:%13s", name, graph::CursorDistanceText(km).c_str());
    return text;
}

std::string opticsModule(const CTraceDoc& trace) {
    return textOf([&](char16_t* out) { trace.record().GetOpticsModule(out); });
}

} // namespace

std::vector<std::string> TraceInformationLines(const CTraceDoc& trace, bool overlay) {
    const std::string unit = unitField(distanceUnitLabel());
    return {
        label(overlay ? "Overlay Trace:" : "Primary Trace:") + " " + trace.DocumentName(),
        label("Date:") + " " + L(trace.GetDate(), 12) + R("Range:", 12) + " " +
            R(trace.GetRangeNominal(false), 9) + " " + unit,
        label("Time:") + " " + L(trace.GetTime(), 12) + R("Resolution:", 12) + " " +
            R(trace.GetResoNominal(true), 12),
        label("Product Type:") + " " + L(trace.GetModel(), 10) + R("Pulse Width:", 14) + " " +
            R(pulseWidthText(trace, false), 12),
        label("Opt. Module:") + " " + L(opticsModule(trace), 16) + R("Index:", 8) + " " +
            R(trace.SpanGetIOR(), 9),
        label("Fiber Type:") + " " + L(trace.GetFiberMode(), 10) + R("WaveLength:", 14) + " " +
            R(trace.GetWavelengthNominal(true), 12),
        L("FAS Thresholds:", 25) + R("Horz. Shift:", 14) + " " + R(trace.GetHorzShift(false), 9) +
            " " + unit,
        label("Loss:") + " " + R(trace.GetThresholdLoss(true), 10) + R("Vert. Shift:", 14) + " " +
            R(trace.GetVertShift(true), 12),
        label("Reflectance:") + " " + R(trace.GetThresholdRefl(true), 10) + R("No. Averages:", 14) +
            " " + R(trace.GetAvgComplete(), 9),
        label("Fiber Break:") + " " + R(trace.GetThresholdBreak(true), 10),
        label("Backscatter:") + R(trace.SpanGetBackScatter(false), 8) + R("Trace Type:", 17) + " " +
            L(trace.GetTraceType(), 12),
        label("Trace Flags:") + " " + L(trace.GetTraceFlags(), 35),
        orlText(trace),
    };
}

CursorBoxTexts CursorBox(const CTraceDoc& trace, const CursorMeasurement& m) {
    const bool bothSet = m.cursorAKM != -1 && m.cursorBKM != -1;
    CursorBoxTexts box;
    box[0] = {cursorLine("     A", m.cursorAKM), cursorLine("     B", m.cursorBKM),
              cursorLine("A -> B", bothSet ? m.cursorBKM - m.cursorAKM : -1)};
    box[1] = {"Index: " + trace.SpanGetIOR(), lossModeName(m.lossMode) + ": " + m.measurementText,
              "Reflectance: " + m.reflectanceText};
    const std::string pulse = trace.record().PWCount()
                                  ? trace.PWGetLabel(0) + " " + pulseWidthText(trace, true)
                                  : std::string();
    box[2] = {pulse, "Avg: " + trace.GetAvgCompleteType(),
              trace.GetFiberModeAbbrev() + "/" + trace.GetWavelengthNominal(true) + "/" +
                  opticsModule(trace)};
    return box;
}

std::string FitHeaderLine(std::string_view text) {
    std::string line(text);
    if (CellCount(line) > kHeaderLineCells) {
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        // Doubled blanks become single ones while that still helps.
        for (std::size_t at = line.find("  ");
             at != std::string::npos && CellCount(line) > kHeaderLineCells;
             at = line.find("  ", at))
            line.erase(at, 1);
        // Then single blanks go, from the left, one per excess cell.
        std::size_t excess =
            CellCount(line) > kHeaderLineCells ? CellCount(line) - kHeaderLineCells : 0;
        for (std::size_t at = line.find(' '); excess > 0 && at != std::string::npos;
             at = line.find(' ', at), --excess)
            line.erase(at, 1);
    }
    return L(line, kHeaderLineCells);
}

std::string HeaderPageSeparator(int32_t pageNumber) {
    char text[80];
    std::snprintf(text, sizeof text, " -------------------- Page %3i -------------------- ",
                  pageNumber);
    return text;
}

TextBlock HeaderPages(const CTraceDoc& trace) {
    const CT6& record = trace.record();
    TextBlock block;
    for (int32_t page = 0; page < record.HDRGetNumPages(); ++page) {
        int32_t lines = 0, first = 0, last = 0;
        if (record.HDRGetPageInfo(page, lines, first, last) != 0) continue;
        block.sectionBreak();
        block.line(HeaderPageSeparator(page + 1));
        for (int32_t line = 0; line < lines; ++line) {
            char16_t text[kTextRoom] = {};
            int32_t position = 0;
            record.HDRGetPageLine(page, line, position, text);
            block.line("[" + FitHeaderLine(toUtf8(text)) + "]");
        }
        block.line(kHeaderPageClosing);
    }
    return block;
}

} // namespace orvane::printing
