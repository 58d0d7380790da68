// Setters of the library-wide settings and display strings.
#include "record/settings.h"

#include <varnel/varnel.h>

namespace varnel {

Settings& settings() {
    static Settings instance;
    return instance;
}

namespace {

bool inRange(int32_t index, int32_t first, int32_t count) {
    return index >= first && index < first + count;
}

// A number format is handed to the C formatter, so only one float conversion
// is accepted; anything else keeps the format in use.
void setFormat(NumberFormat& target, const char16_t* format) {
    NumberFormat candidate(format);
    if (format && isSingleFloatFormat(candidate.view())) target = candidate;
}

} // namespace
} // namespace varnel

using varnel::settings;

void T6SetCurDistUnits(int32_t index) {
    if (varnel::inRange(index, 0, T6_UNIT_COUNT)) settings().curDistUnits = index;
}
int32_t T6GetCurDistUnits() {
    return settings().curDistUnits;
}
void T6SetSpeedOfLight(double kmPerSec) {
    settings().speedOfLight = kmPerSec;
}
double T6GetSpeedOfLight() {
    return settings().speedOfLight;
}
void T6SetEndian(int32_t flag) {
    settings().endian = flag;
}

void T6SetEndEndLoss(int32_t startConnIncluded, int32_t endConnIncluded) {
    settings().endEndLossStartConn = startConnIncluded;
    settings().endEndLossEndConn = endConnIncluded;
}

void T6SetEndEndLossForced(int32_t forced) {
    settings().endEndLossForced = forced;
}

void T6SetStartConnDef(double km, double percent) {
    settings().startConnDefKM = km;
    settings().startConnDefPercent = percent;
}

void T6SetORLCalc(int32_t a, int32_t b, int32_t relToOrigin) {
    settings().orlCalc[0] = a;
    settings().orlCalc[1] = b;
    settings().orlCalc[2] = relToOrigin;
}

void T6SetDefaultDBKM(double dbkm) {
    settings().defaultDBKM = dbkm;
}
void T6SetUseT6DBKM(int32_t flag) {
    settings().useT6DBKM = flag;
}
void T6SetFormatDate(int32_t format) {
    settings().formatDate = format;
}
void T6SetFormatTime(int32_t format) {
    settings().formatTime = format;
}

void T6SetStgNM(const char16_t* text) {
    settings().nm.set(text);
}
void T6SetStgUSEC(const char16_t* text) {
    settings().usec.set(text);
}
void T6SetStgNSEC(const char16_t* text) {
    settings().nsec.set(text);
}
void T6SetStgDB(const char16_t* text) {
    settings().db.set(text);
}
void T6SetStgDBM(const char16_t* text) {
    settings().dbm.set(text);
}
void T6SetStgAM(const char16_t* text) {
    settings().am.set(text);
}
void T6SetStgPM(const char16_t* text) {
    settings().pm.set(text);
}
void T6SetStgDBKM(const char16_t* text) {
    settings().dbkm.set(text);
}
void T6SetStgNotAvailable(const char16_t* text) {
    settings().notAvailable.set(text);
}
void T6SetStg2Way(const char16_t* text) {
    settings().twoWay.set(text);
}
void T6SetStgDeltaCompare(const char16_t* text) {
    settings().deltaCompare.set(text);
}
void T6SetStgAttenuated(const char16_t* text) {
    settings().attenuated.set(text);
}
void T6SetStgAbort(const char16_t* text) {
    settings().abort.set(text);
}
void T6SetStgTemplate(const char16_t* text) {
    settings().templateTrace.set(text);
}
void T6SetStgFAS(const char16_t* text) {
    settings().fas.set(text);
}
void T6SetStgSmooth(const char16_t* text) {
    settings().smooth.set(text);
}
void T6SetStgUnknownLoss(const char16_t* text) {
    settings().unknownLoss.set(text);
}
void T6SetStg2Point(const char16_t* text) {
    settings().twoPoint.set(text);
}
void T6SetStgLongRange(const char16_t* text) {
    settings().longRange.set(text);
}
void T6SetStgHiRes(const char16_t* text) {
    settings().hiRes.set(text);
}
void T6SetStgSinglemode(const char16_t* text) {
    settings().singlemode.set(text);
}
void T6SetStgMultimode(const char16_t* text) {
    settings().multimode.set(text);
}
void T6SetStgSM(const char16_t* text) {
    settings().sm.set(text);
}
void T6SetStgMM(const char16_t* text) {
    settings().mm.set(text);
}
void T6SetStgFast(const char16_t* text) {
    settings().fast.set(text);
}
void T6SetStgMedium(const char16_t* text) {
    settings().medium.set(text);
}
void T6SetStgSlow(const char16_t* text) {
    settings().slow.set(text);
}
void T6SetStgTimed(const char16_t* text) {
    settings().timed.set(text);
}
void T6SetStgAutoMode(const char16_t* text) {
    settings().autoMode.set(text);
}
void T6SetStgOutOfRange(const char16_t* text) {
    settings().outOfRange.set(text);
}
void T6SetStgOutOfDist(const char16_t* text) {
    settings().outOfDist.set(text);
}
void T6SetStgTraceFlagChars(const char16_t* text) {
    settings().traceFlagChars.set(text);
}
void T6SetStgEventTypeChars(const char16_t* text) {
    settings().eventTypeChars.set(text);
}
void T6SetStgORLRelToA(const char16_t* text) {
    settings().orlRelToA.set(text);
}
void T6SetStgORLRelToOrigin(const char16_t* text) {
    settings().orlRelToOrigin.set(text);
}

void T6SetStgCurDist(int32_t index, const char16_t* text) {
    if (varnel::inRange(index, 0, T6_UNIT_COUNT)) settings().curDist[index].set(text);
}

void T6SetStgMonth(int32_t index, const char16_t* text) {
    if (varnel::inRange(index, 0, varnel::kMonthCount)) settings().month[index].set(text);
}

void T6SetStgEventType(int32_t type, const char16_t* text) {
    if (varnel::inRange(type, varnel::kEventTypeFirst, varnel::kEventTypeCount))
        settings().eventType[type - varnel::kEventTypeFirst].set(text);
}

void T6SetStgDisplayFrom(int32_t index, const char16_t* text) {
    if (varnel::inRange(index, 0, varnel::kDisplayFromCount))
        settings().displayFrom[index].set(text);
}

void T6SetStgLossMode(int32_t index, const char16_t* text) {
    if (varnel::inRange(index, 0, T6_LOSS_MODE_COUNT)) settings().lossMode[index].set(text);
}

void T6SetFormatDist(int32_t unit, const char16_t* format) {
    if (varnel::inRange(unit, 0, T6_UNIT_COUNT))
        varnel::setFormat(settings().formatDist[unit], format);
}

void T6SetFormatORLDist(int32_t unit, const char16_t* format) {
    if (varnel::inRange(unit, 0, T6_UNIT_COUNT))
        varnel::setFormat(settings().formatORLDist[unit], format);
}

void T6SetFormatReflSaturated(const char16_t* format) {
    varnel::setFormat(settings().formatReflSaturated, format);
}
void T6SetFormatReflNotSaturated(const char16_t* format) {
    varnel::setFormat(settings().formatReflNotSaturated, format);
}
void T6SetFormatORLSaturated(const char16_t* format) {
    varnel::setFormat(settings().formatORLSaturated, format);
}
void T6SetFormatORLLessThan(const char16_t* format) {
    varnel::setFormat(settings().formatORLLessThan, format);
}
void T6SetFormatPulsewidthDist(const char16_t* format) {
    varnel::setFormat(settings().formatPulsewidthDist, format);
}
