#include "core/trace/properties/trace_parameters.h"

#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/trace/events/event_texts.h"
#include "core/trace/graph/graph_text.h"

namespace orvane {
namespace {

int decimalsOf(const std::string& text) {
    const std::string t = trimmed(text);
    const size_t point = t.find('.');
    if (point == std::string::npos) return 0;
    size_t digits = 0;
    while (point + 1 + digits < t.size() && t[point + 1 + digits] >= '0' &&
           t[point + 1 + digits] <= '9')
        ++digits;
    return static_cast<int>(digits);
}

} // namespace

std::optional<double> readIOR(const std::string& text) {
    const std::optional<double> ior = readNumber(text);
    if (!ior) {
        tell("", kIORNotNumber);
        return std::nullopt;
    }
    if (*ior < kLowestIOR || *ior > kHighestIOR) {
        tell("", kIOROutOfRange);
        return std::nullopt;
    }
    if (decimalsOf(text) > kIORDecimals) {
        tell("", kLimitDecimals, PromptIcon::Exclamation);
        return std::nullopt;
    }
    return ior;
}

std::optional<double> readBackscatter(const std::string& text) {
    const std::optional<double> bs = readNumber(text);
    if (!bs || *bs < kLowestBackscatter || *bs > kHighestBackscatter) {
        tell("", graph::FormatText(kBackscatterRange, kHighestBackscatter, kLowestBackscatter),
             PromptIcon::Exclamation);
        return std::nullopt;
    }
    return bs;
}

std::vector<std::pair<std::string, std::string>> parameterFields(const CTraceDoc& doc) {
    const CT6& r = doc.record();
    return {
        {"Instrument", doc.GetModel()},
        {"Optics Module", textOf([&](char16_t* b) { return r.GetOpticsModule(b); })},
        {"Fiber Type", doc.GetFiberMode()},
        {"Date", doc.GetDate()},
        {"Time", doc.GetTime()},
        {"Trace Type", doc.GetTraceType()},
        {"Range", doc.GetRangeNominal(true)},
        {"Resolution", doc.GetResoNominal(true)},
        {"Display Range", doc.GetDynamicRange(true)},
        {"Pulse Width", doc.PWGetPW(0, true)},
        {"Wavelength", doc.GetWavelengthNominal(true)},
        {"Averages", doc.GetAvgComplete()},
        {"Scan Time", doc.GetAvgTime()},
        {"Horz. Shift", doc.GetHorzShift(true)},
        {"Vert. Shift", doc.GetVertShift(true)},
    };
}

std::string iorText(const CTraceDoc& doc) {
    return doc.SpanGetIOR();
}

std::string backscatterText(const CTraceDoc& doc) {
    return doc.SpanGetBackScatter(false);
}

bool applyParameters(CTraceDoc& doc, const std::string& ior, const std::string& backscatter,
                     const std::function<void(HintCode)>& notify) {
    const std::optional<double> newIOR = readIOR(ior);
    if (!newIOR) return false;
    const std::optional<double> newBackscatter = readBackscatter(backscatter);
    if (!newBackscatter) return false;
    doc.RememberIOR();
    doc.SpanSetIOR(0, *newIOR);
    doc.record().SpanCalculate();
    doc.SetBackscatter(*newBackscatter);
    if (*newIOR != doc.SavedIOR()) {
        doc.record().CalcAtn();
        if (notify) notify(HINT_IOR_CHANGED);
    }
    if (notify) notify(HINT_TRACE_CHANGED);
    return true;
}

} // namespace orvane
