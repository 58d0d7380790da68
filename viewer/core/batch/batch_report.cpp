#include "core/batch/batch_report.h"

#include "core/platform/text.h"

#include <cstdio>

namespace orvane::batch {

namespace {

const char* const kTitles[] = {"Trace Name", "Date",     "Time",       "No",        "Type",
                               "Start",      "End",      "Atten Loss", "A L dB/Km", "Splice Loss",
                               "Refl",       "Cum Loss", "Flags",      "Comments"};

const char kUnknown[] = "??";

// A number text of the library, "0" where it has no value.
std::string zeroWhenUnknown(const std::string& text) {
    return text == kUnknown ? "0" : text;
}

std::string endText(const CT6& r, int32_t i) {
    if (r.EVGetType(i) == T6_EVENT_GROUP)
        return textOf([&](char16_t* b) { return r.EVGetEnd(i, b, T6_NO_UNITS); });
    return textOf([&](char16_t* b) { return T6CurDist(0.0, b, T6_NO_UNITS); });
}

// The end event without a measured loss shows the break threshold instead.
std::string spliceLossText(const CT6& r, int32_t i) {
    if (r.EVGetType(i) == T6_EVENT_END && r.EVGetLoss(i) == 0.0) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", r.GetThresholdBreak());
        return text;
    }
    return zeroWhenUnknown(textOf([&](char16_t* b) { return r.EVGetLoss(i, b, T6_NO_UNITS); }));
}

// The event's fields, without a line end.
std::string eventFields(const CT6& r, int32_t i, const std::string& traceFields) {
    char number[16];
    std::snprintf(number, sizeof number, "%2d", i);
    std::string line = traceFields + number + ";";
    line += quoted(textOf([&](char16_t* b) { return r.EVGetTypeChar(i, b); })) + ";";
    line += textOf([&](char16_t* b) { return r.EVGetStart(i, b, T6_NO_UNITS); }) + ";";
    line += endText(r, i) + ";";
    line +=
        zeroWhenUnknown(textOf([&](char16_t* b) { return r.EVGetSpanLoss(i, b, T6_NO_UNITS); })) +
        ";";
    line += zeroWhenUnknown(
                textOf([&](char16_t* b) { return r.EVGetSpanLossDBKM(i, b, T6_NO_UNITS); })) +
            ";";
    line += spliceLossText(r, i) + ";";
    line +=
        zeroWhenUnknown(textOf([&](char16_t* b) { return r.EVGetRefl(i, b, T6_NO_UNITS); })) + ";";
    line += textOf([&](char16_t* b) { return r.EVGetCumLoss(i, b, T6_NO_UNITS); }) + ";";
    line += quoted(textOf([&](char16_t* b) { return r.EVGetFlagsText(i, b); })) + ";";
    line += quoted(textOf([&](char16_t* b) { return r.EVGetComment(i, b); }));
    return line;
}

// Layout 0's tail: two empty fields, then range, resolution, pulse width,
// wavelength, index of refraction and averages.
std::string acquisitionFields(const CTraceDoc& trace) {
    const CT6& r = trace.record();
    char range[32];
    char resolution[32];
    std::snprintf(range, sizeof range, "%.1f", r.GetRangeNominal());
    std::snprintf(resolution, sizeof resolution, "%.4f", r.GetResoNominal());
    return ";\"\";\"\";" + std::string(range) + ";" + resolution + ";" + trace.PWGetPW(0, false) +
           ";" + trace.GetWavelengthNominal(false) + ";" + trace.SpanGetIOR() + ";" +
           trace.GetAvgComplete();
}

std::string extremeLine(const char* label, const std::string& value, const std::string& trace) {
    return std::string("  ") + label + value + "  " + trace + "\n";
}

std::string distanceText(double value) {
    return textOf([&](char16_t* b) { return T6CurDist(value, b, T6_WITH_UNITS); });
}

} // namespace

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string reportHeaderLine(int32_t layout) {
    if (layout != kLayoutTessan) return "";
    std::string line;
    for (const char* title : kTitles)
        line += (line.empty() ? "" : ";") + quoted(title);
    return line + "\n";
}

std::vector<std::string> reportLines(const CTraceDoc& trace, const std::string& name,
                                     int32_t layout) {
    const CT6& r = trace.record();
    const std::string traceFields =
        quoted(name) + ";" + quoted(textOf([&](char16_t* b) { return r.GetDate(b); })) + ";" +
        quoted(textOf([&](char16_t* b) { return r.GetTime(b); })) + ";";
    const std::string tail = layout == kLayoutTessan ? "" : acquisitionFields(trace);
    std::vector<std::string> lines;
    for (int32_t i = 0; i < r.EVCount(); ++i)
        if (r.EVGetStart(i) >= 0.0) lines.push_back(eventFields(r, i, traceFields) + tail + "\n");
    return lines;
}

int32_t countedEvents(const CT6& r) {
    int32_t count = 0;
    for (int32_t i = 1; i < r.EVCount(); ++i)
        if (r.EVGetStart(i) >= 0.0) ++count;
    return count;
}

void MinMaxSummary::add(const std::string& trace, int32_t eventCount, double endDistance) {
    ++m_traces;
    if (eventCount < m_fewest.value) m_fewest = {trace, static_cast<double>(eventCount)};
    if (eventCount > m_most.value) m_most = {trace, static_cast<double>(eventCount)};
    if (endDistance < m_shortest.value) m_shortest = {trace, endDistance};
    if (endDistance > m_longest.value) m_longest = {trace, endDistance};
}

std::string MinMaxSummary::text() const {
    std::string out = std::string(kSummaryHeading) + "\n";
    if (empty()) return out + "  (no trace with events)\n";
    out += extremeLine("Fewest events : ", std::to_string(static_cast<int>(m_fewest.value)),
                       m_fewest.trace);
    out += extremeLine("Most events   : ", std::to_string(static_cast<int>(m_most.value)),
                       m_most.trace);
    out += extremeLine("Shortest end  : ", distanceText(m_shortest.value), m_shortest.trace);
    out += extremeLine("Longest end   : ", distanceText(m_longest.value), m_longest.trace);
    return out;
}

} // namespace orvane::batch
