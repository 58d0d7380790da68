#include "trace_io.h"

#include "status_text.h"
#include "text.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <string_view>

namespace varnel::cli {

namespace {

struct TraceFormat {
    std::u16string_view typeName;
    std::u16string_view saveName; // empty: cannot be written
};

constexpr int32_t kNativeIndex = 14;

constexpr std::array<TraceFormat, 16> kTraceFormats = {{
    {u"?", u""},
    {u"T1", u""},
    {u"T2", u""},
    {u"T3", u""},
    {u"T4", u"T4"},
    {u"T5", u"T5"},
    {u"GR196", u"GR196"},
    {u"Anritsu", u""},
    {u"TEK WFM", u"TEK WFM"},
    {u"R90", u"R90"},
    {u"R90 Min", u"R90 Min"},
    {u"R90 Max", u"R90 Max"},
    {u"ZQ4100", u""},
    {u"ZQ3100", u""},
    {u"T6", u"T6"},
    {u"SR4731", u"SR4731"},
}};

constexpr double kLowestIOR = 1.3;
constexpr double kHighestIOR = 1.7;

} // namespace

int32_t traceFormatIndex(const CT6& record) {
    char16_t type[kTextRoom] = {};
    record.GetTraceType(type);
    std::u16string_view name(type);
    for (size_t i = 1; i < kTraceFormats.size(); ++i)
        if (kTraceFormats[i].typeName == name) return static_cast<int32_t>(i);
    return kNativeIndex;
}

std::u16string saveFormatName(int32_t formatIndex) {
    if (formatIndex < 0 || formatIndex >= static_cast<int32_t>(kTraceFormats.size())) return {};
    return std::u16string(kTraceFormats[static_cast<size_t>(formatIndex)].saveName);
}

bool openTrace(const std::string& path, CT6& record, Diagnostics& diagnostics) {
    int32_t status = record.DecompFile(toUtf16(path).c_str(), 0);
    if (status != T6_FILE_OK) {
        std::string message = readFailureText(status);
        if (status == T6_FILE_CANNOT_OPEN) {
            const std::string reason = openFailureReason(path);
            if (!reason.empty()) message += ": " + reason;
        }
        if (status == T6_FILE_DAMAGED) {
            const std::string where = damageWhere(path);
            if (!where.empty()) message += " " + where;
        }
        diagnostics.error(path, message);
        return false;
    }
    if (record.GetCalcAtn() == 0) record.CalcAtn();
    double ior = record.SpanGetIOR(0);
    if (ior < kLowestIOR || ior > kHighestIOR)
        diagnostics.warning(path, collapseBlanks("illegal trace Index of Refraction.\nWill set to "
                                                 "a legal value and continue."));
    return true;
}

bool isWriteDenied(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return ::access(path.c_str(), W_OK) != 0;
}

bool saveTrace(CT6& record, const std::string& path, const std::u16string& formatName,
               Diagnostics& diagnostics) {
    if (isWriteDenied(path)) {
        diagnostics.error(path, accessDeniedText(path));
        return false;
    }
    if (formatName.empty()) {
        diagnostics.error(path, writeFailureText(T6_FILE_INVALID_CONTENT));
        return false;
    }
    int32_t status = record.FileSaveAs(toUtf16(path).c_str(), formatName.c_str(), 0, 1);
    if (status != T6_FILE_OK) {
        diagnostics.error(path, writeFailureText(status));
        return false;
    }
    return true;
}

} // namespace varnel::cli
