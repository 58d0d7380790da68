#include "core/trace/trace_formats.h"

#include "core/platform/text.h"

#include <array>

namespace orvane {

namespace {

constexpr std::array<TraceFormatRow, kTraceFormatCount> kTraceFormats = {{
    {u"?", FormatWriter::None},
    {u"T1", FormatWriter::None},
    {u"T2", FormatWriter::None},
    {u"T3", FormatWriter::None},
    {u"T4", FormatWriter::Legacy},
    {u"T5", FormatWriter::Legacy},
    {u"GR196", FormatWriter::GR196},
    {u"Anritsu", FormatWriter::None},
    {u"TEK WFM", FormatWriter::Legacy},
    {u"R90", FormatWriter::Legacy},
    {u"R90 Min", FormatWriter::Legacy},
    {u"R90 Max", FormatWriter::Legacy},
    {u"ZQ4100", FormatWriter::None},
    {u"ZQ3100", FormatWriter::None},
    {u"T6", FormatWriter::Native},
    {u"SR4731", FormatWriter::SR4731},
}};

struct SaveChoiceRow {
    SaveChoice choice;
    int32_t format; // 0: the loaded format
};

constexpr std::array<SaveChoiceRow, kSaveChoiceCount> kSaveChoices = {{
    {{"Original", kChoiceOriginal}, kFormatUnknown},
    {{"T6 - Norvak 8/6", 9}, kFormatNative},
    {{"T5 - 77", 2}, kFormatT5},
    {{"R90", kChoiceR90}, kFormatR90},
    {{"R90 Min", kChoiceR90Min}, kFormatR90Min},
    {{"R90 Max", kChoiceR90Max}, kFormatR90Max},
    {{"WFM", kChoiceWfm}, kFormatTekWfm},
    {{"T4 - Lindar 10, Lindar 20", 3}, kFormatT4},
    {{"GR196", 4}, kFormatGR196},
    {{"SR4731", 10}, kFormatSR4731},
}};

// Trace-type names are compared as the library stores them, at most 17
// characters.
constexpr size_t kTypeNameLength = 17;

} // namespace

const TraceFormatRow& traceFormatRow(int32_t format) {
    if (format < 0 || format >= kTraceFormatCount) return kTraceFormats[kFormatUnknown];
    return kTraceFormats[static_cast<size_t>(format)];
}

std::string traceFormatName(int32_t format) {
    return toUtf8(traceFormatRow(format).typeName);
}

int32_t traceFormatOf(const CT6& record) {
    char16_t type[kTextRoom] = {};
    record.GetTraceType(type);
    const std::u16string_view name = std::u16string_view(type).substr(0, kTypeNameLength);
    for (int32_t i = 1; i < kTraceFormatCount; ++i)
        if (kTraceFormats[static_cast<size_t>(i)].typeName == name) return i;
    return kFormatNative;
}

bool isWritableFormat(int32_t format) {
    return traceFormatRow(format).writer != FormatWriter::None;
}

const SaveChoice& saveChoiceAt(int32_t position) {
    const bool inRange = position >= 1 && position <= kSaveChoiceCount;
    return kSaveChoices[static_cast<size_t>(inRange ? position - 1 : 0)].choice;
}

int32_t savePositionOf(int32_t code) {
    for (size_t i = 0; i < kSaveChoices.size(); ++i)
        if (kSaveChoices[i].choice.code == code) return static_cast<int32_t>(i) + 1;
    return 0;
}

int32_t saveFormatForChoice(int32_t code, int32_t loadedFormat) {
    for (const SaveChoiceRow& row : kSaveChoices)
        if (row.choice.code == code)
            return row.choice.code == kChoiceOriginal ? loadedFormat : row.format;
    return loadedFormat;
}

} // namespace orvane
