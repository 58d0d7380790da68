#include "core/printing/analysis_results.h"

#include "core/platform/text.h"
#include "core/printing/cell_text.h"
#include "core/trace/trace_doc.h"

#include <varnel/varnel.h>

#include <cstdio>

namespace orvane::printing {

namespace {

std::string format(const char* pattern, const char* a, const char* b = "", const char* c = "",
                   const char* d = "", const char* e = "", const char* f = "") {
    char text[256];
    std::snprintf(text, sizeof text, pattern, a, b, c, d, e, f);
    return text;
}

std::string eventPrefix(int32_t number, char type, char question) {
    char text[32];
    if (question)
        std::snprintf(text, sizeof text, "%2d/%c%c  ", number, type, question);
    else
        std::snprintf(text, sizeof text, "%2d/%c   ", number, type);
    return text;
}

char typeLetter(int32_t type) {
    switch (type) {
    case T6_EVENT_REFLECTIVE:
        return 'R';
    case T6_EVENT_NON_REFLECTIVE:
        return 'N';
    case T6_EVENT_GROUP:
        return 'G';
    default:
        return 'E';
    }
}

// The lines of event i (a group takes two).
std::vector<std::string> eventLines(const CTraceDoc& trace, int32_t i) {
    const CT6& record = trace.record();
    const int32_t type = record.EVGetType(i);
    const bool questionable =
        type == T6_EVENT_END && (record.EVGetFlags(i) & T6_EVFLAG_QUESTIONABLE) != 0;
    std::string mark;
    const std::string loss = trace.EVGetLossFlagged(i, false, mark);
    const std::string start = trace.EVGetStart(i, false);
    const std::string span = trace.EVGetSpanLoss(i, false);
    const std::string perKM = trace.EVGetSpanLossDBKM(i, false);
    const std::string refl = trace.EVGetReflFlagged(i, false);
    const std::string prefix = eventPrefix(i, typeLetter(type), questionable ? '?' : 0);
    if (type == T6_EVENT_GROUP) {
        return {prefix + format("%9s-%6s%7s%9s%4s%8s", start.c_str(), span.c_str(), perKM.c_str(),
                                loss.c_str(), mark.c_str(), refl.c_str()),
                format("%16s", trace.EVGetEnd(i, false).c_str())};
    }
    if (type == T6_EVENT_NON_REFLECTIVE)
        return {prefix + format("%9s%7s%7s%9s%4s", start.c_str(), span.c_str(), perKM.c_str(),
                                loss.c_str(), mark.c_str())};
    return {prefix + format("%9s%7s%7s%9s%4s%8s", start.c_str(), span.c_str(), perKM.c_str(),
                            loss.c_str(), mark.c_str(), refl.c_str())};
}

std::string distanceUnitLabel() {
    char16_t text[kTextRoom] = {};
    return trimmed(toUtf8(T6AddUnitsDist(text)));
}

} // namespace

std::string EventUnitLine(std::string_view distanceLabel) {
    const std::size_t length = CellCount(distanceLabel);
    // One blank fewer after the unit for each letter beyond the first,
    // down to the three-letter form.
    const char* afterUnit = length <= 1 ? "      " : length == 2 ? "     " : "    ";
    return "#/Type     (" + std::string(distanceLabel) + ")" + afterUnit +
           "(dB)(dB/Km)    (dB)       (dB)";
}

std::vector<std::string> CommentLines(std::string_view comment) {
    if (CellCount(comment) <= kCommentLineLength) return {std::string(comment)};
    const std::size_t limit = FitCells(comment, kCommentLineLength, Align::Left).size();
    std::size_t cut = comment.substr(0, limit).rfind(' ');
    if (cut == std::string_view::npos) cut = limit;
    std::string_view rest = comment.substr(cut);
    if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    return {std::string(comment.substr(0, cut)), std::string(rest)};
}

TextBlock AnalysisResults(const CTraceDoc& trace) {
    TextBlock block;
    const int32_t count = trace.record().EVCount();
    if (count == 0) return block;
    const std::string heading = kAnalysisResultsTitle + trace.DocumentName();
    block.sectionBreak();
    block.line(heading);
    block.line(std::string(CellCount(heading), '_'));
    block.sectionBreak();
    block.line(kEventColumnTitles);
    block.line(EventUnitLine(distanceUnitLabel()));
    block.line(kEventRule);
    for (int32_t i = 1; i < count; ++i) {
        for (std::string& line : eventLines(trace, i))
            block.line(std::move(line));
        const std::string comment = trace.EVGetComment(i);
        if (!comment.empty())
            for (std::string& line : CommentLines(comment))
                block.line(std::move(line));
        if (i % kEventsPerSection == 0 && i + 1 < count) block.sectionBreak();
    }
    block.sectionBreak();
    block.line(format("%26s %s", kOverallLossLabel, trace.GetEndToEndLoss(true).c_str()));
    return block;
}

} // namespace orvane::printing
