#include "core/trace/trace_export.h"

#include "core/platform/text.h"

#include <cstdarg>
#include <cstdio>

namespace orvane {

namespace {

const char kTitleLine[] = "\"Brannic Tarvisk Plus - Version 3.0a  Trace Export\"";

std::string formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string formatted(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

std::string keyLine(const char* key, const std::string& value) {
    return formatted("%-4s = ", key) + value + "\n";
}

std::string unitLabel() {
    char16_t label[kTextRoom] = {};
    double factor = 0;
    T6GetInfoCurDist(T6GetCurDistUnits(), label, factor);
    return toUtf8(label);
}

std::string pulseWidthText(const CT6& r) {
    return textOf([&](char16_t* b) { return r.PWGetPW(0, b, 0, T6_WITH_UNITS); }) + " " +
           textOf([&](char16_t* b) { return r.PWGetLabel(0, b); });
}

std::string distanceText(double km) {
    return formatted("%e ", T6CurDistFromKM(km)) + unitLabel();
}

} // namespace

int32_t firstExportedPoint(const CT6& record) {
    uint16_t fr = 0;
    int32_t dp = record.DPFRFromKM(0.0, fr);
    if (fr != 0) ++dp;
    return dp < 0 ? 0 : dp;
}

std::string traceTextExport(const CT6& r, const std::string& name, const std::string& pathOrName) {
    const int32_t first = firstExportedPoint(r);
    const int32_t count = r.DPOCount() > first ? r.DPOCount() - first : 0;
    auto text = [](auto getter) { return textOf(getter); };
    std::string out = std::string(kTitleLine) + "\n\n";
    out += keyLine("FN", name);
    out += keyLine("PN", pathOrName);
    out += keyLine("INST", text([&](char16_t* b) { return r.GetModel(b); }));
    out += keyLine("OPTC", text([&](char16_t* b) { return r.GetOpticsModule(b); }));
    out +=
        keyLine("WL", text([&](char16_t* b) { return r.GetWavelengthNominal(b, T6_WITH_UNITS); }));
    out += keyLine("PW", pulseWidthText(r));
    out += keyLine("FBR", text([&](char16_t* b) { return r.GetFiberMode(b); }));
    out += keyLine("AVG", text([&](char16_t* b) { return r.GetAvgComplete(b); }));
    out += keyLine("IOR", text([&](char16_t* b) { return r.SpanGetIOR(0, b); }));
    out += keyLine(
        "BSC", text([&](char16_t* b) { return r.SpanGetBackScatter(0, b, T6_NO_UNITS); }) + " dB");
    out += keyLine("DATE", "\"" + text([&](char16_t* b) { return r.GetDate(b); }) + "\"");
    out += keyLine("TIME", "\"" + text([&](char16_t* b) { return r.GetTime(b); }) + "\"");
    out += keyLine("MXDB", text([&](char16_t* b) { return r.GetDynamicRange(b, T6_WITH_UNITS); }));
    out += keyLine("DX", distanceText(r.SpanGetDxKMAtDP(0)));
    out += keyLine("PT1", distanceText(r.KMFromDPFR(first, 0)));
    out += keyLine("NPTS", formatted("%d", count));
    for (int32_t i = first; i < first + count; ++i)
        out += formatted("%.3f\n", r.DPWGetDB(i));
    return out;
}

} // namespace orvane
