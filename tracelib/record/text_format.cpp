// Text forms of distances, levels, dates and times in the library's settings.
#include "record/settings.h"

#include <varnel/varnel.h>

namespace varnel {
namespace {

char16_t* appendUnitLabel(char16_t* out, const char16_t* label) {
    appendTruncated(out, u" ", kFormattedTextCapacity - 1);
    return appendTruncated(out, label, kFormattedTextCapacity - 1);
}

char16_t* dbText(const char16_t* format, double v, char16_t* out, int32_t units) {
    writeFormatted(out, formatDouble(format, v));
    return units ? T6AddUnitsDB(out) : out;
}

const char16_t* monthName(int32_t month) {
    if (month < 1 || month > kMonthCount) return u"??";
    return settings().month[month - 1].c_str();
}

} // namespace
} // namespace varnel

using varnel::settings;

char16_t* T6AddUnitsDist(char16_t* out) {
    return varnel::appendUnitLabel(out, varnel::currentDistLabel());
}

char16_t* T6AddUnitsDB(char16_t* out) {
    return varnel::appendUnitLabel(out, settings().db.c_str());
}

char16_t* T6CurDist(double v, char16_t* out, int32_t units) {
    const auto& format = settings().formatDist[settings().curDistUnits];
    varnel::writeFormatted(out, varnel::formatDouble(format.view(), v));
    return units ? T6AddUnitsDist(out) : out;
}

char16_t* T6CurDistFromKM(double km, char16_t* out, int32_t units) {
    return T6CurDist(T6CurDistFromKM(km), out, units);
}

char16_t* T6GetDB2Dec(double v, char16_t* out, int32_t units) {
    return varnel::dbText(u"%.2f", v, out, units);
}

char16_t* T6GetDB3Dec(double v, char16_t* out, int32_t units) {
    return varnel::dbText(u"%.3f", v, out, units);
}

char16_t* T6DateFromYMD(char16_t* out, int32_t year, int32_t month, int32_t day) {
    int yy = year % 100;
    const char16_t* name = varnel::monthName(month);
    std::u16string text;
    switch (settings().formatDate) {
    case 0:
        text = varnel::formatInts("%02d/%02d/%02d", month, day, yy);
        break;
    case 1:
        text = varnel::formatInts("%02d-", day) + name + varnel::formatInts("-%02d", yy);
        break;
    case 2:
        text = varnel::formatInts("%02d-", day) + name;
        break;
    default:
        text = name + varnel::formatInts("-%02d", yy);
        break;
    }
    return varnel::writeFormatted(out, text);
}

char16_t* T6TimeFromHMS(char16_t* out, int32_t hour, int32_t minute, int32_t second) {
    int32_t format = settings().formatTime;
    if (format == 2)
        return varnel::writeFormatted(out, varnel::formatInts("%02d:%02d", hour, minute));
    if (format != 0 && format != 1)
        return varnel::writeFormatted(out,
                                      varnel::formatInts("%02d:%02d:%02d", hour, minute, second));

    int32_t h = hour < 13 ? hour : hour - 12;
    if (h == 0) h = 12;
    std::u16string text = format == 0 ? varnel::formatInts("%02d:%02d", h, minute)
                                      : varnel::formatInts("%02d:%02d:%02d", h, minute, second);
    text += u' ';
    text += hour > 11 ? settings().pm.view() : settings().am.view();
    return varnel::writeFormatted(out, text);
}

char16_t* T6GetORLRelTo(char16_t* out) {
    const auto& mark = settings().orlCalc[2] ? settings().orlRelToOrigin : settings().orlRelToA;
    return varnel::copyTruncated(out, mark.c_str(), mark.capacity());
}
