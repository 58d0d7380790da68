#include "core/shell/preferences_store.h"

#include "core/platform/text.h"

#include <varnel/varnel.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace orvane {

namespace {

constexpr std::array<const char*, 5> kDistanceUnitWords = {"Miles", "Feet", "Kilofeet", "Meters",
                                                           "Kilometers"};
constexpr std::array<const char*, 5> kDistanceUnitLabels = {"mi", "ft", "kft", "m", "km"};
constexpr std::array<const char*, 2> kOffOn = {"Off", "On"};
constexpr std::array<const char*, 4> kTimeFormats = {"12", "12s", "24", "24s"};
constexpr std::array<const char*, 4> kDateFormats = {"MMDDYY", "DDMMMYYY", "DDMMM", "MMMYY"};
constexpr int32_t kMinBatchSize = 1;
constexpr int32_t kMinDecimalPlaces = 1;
constexpr int32_t kMaxDecimalPlaces = 3;
constexpr int32_t kDefaultDecimalPlaces = 2;
constexpr double kHundredths = 100.0;
constexpr double kTenths = 10.0;
constexpr int32_t kFASNumBreaks = 1;

// A list value: the index of the word it matches (trimmed, any case), else
// the default.
int32_t readList(const SettingsStore& store, const char* section, const char* name,
                 std::span<const char* const> words, int32_t fallback) {
    const std::optional<std::string> text = store.readText(section, name);
    if (!text) return fallback;
    const std::string word = trimmed(*text);
    for (size_t i = 0; i < words.size(); ++i)
        if (equalsIgnoringCase(word, words[i])) return static_cast<int32_t>(i);
    return fallback;
}

void writeList(SettingsStore& store, const char* section, const char* name,
               std::span<const char* const> words, int32_t index) {
    const bool inRange = index >= 0 && static_cast<size_t>(index) < words.size();
    store.writeText(section, name, words[inRange ? static_cast<size_t>(index) : 0]);
}

// A real: a decimal number at the start of the text, as a double-precision
// scan reads it.
double readReal(const SettingsStore& store, const char* section, const char* name,
                double fallback) {
    const std::optional<std::string> text = store.readText(section, name);
    if (!text) return fallback;
    double value = 0;
    // "nan" and "inf" scan as numbers but are no setting.
    if (std::sscanf(text->c_str(), "%lf", &value) != 1 || !std::isfinite(value)) return fallback;
    return value;
}

void writeReal(SettingsStore& store, const char* section, const char* name, double value) {
    store.writeText(section, name, realText(value));
}

bool readSixIntegers(const SettingsStore& store, const char* name, std::array<int32_t, 6>& out) {
    const std::optional<std::string> text = store.readText(kPreferencesSection, name);
    if (!text) return false;
    std::array<int32_t, 6> values{};
    if (std::sscanf(text->c_str(), "%d %d %d %d %d %d", &values[0], &values[1], &values[2],
                    &values[3], &values[4], &values[5]) != 6)
        return false;
    out = values;
    return true;
}

void writeSixIntegers(SettingsStore& store, const char* name, const std::array<int32_t, 6>& v) {
    char text[96];
    std::snprintf(text, sizeof text, "%d %d %d %d %d %d", v[0], v[1], v[2], v[3], v[4], v[5]);
    store.writeText(kPreferencesSection, name, text);
}

int32_t readBatchSize(const SettingsStore& store) {
    const std::optional<int32_t> size =
        parseInt(store.readText(kPreferencesSection, "Batch Size", ""));
    if (!size || *size < kMinBatchSize || *size > kMaxBatchSize) return kMaxBatchSize;
    return *size;
}

void loadTemplates(const SettingsStore& store, Preferences& p) {
    FASTemplateSettings& f = p.fasTemplate;
    const char* s = kFASTemplateSection;
    f.eventDetermination = store.readInt(s, "EventDetermination", f.eventDetermination);
    f.tracePriority = store.readInt(s, "TracePriority", f.tracePriority);
    f.percentDis = store.readInt(s, "PercentDis", 200) / kHundredths;
    f.absoluteDis = store.readInt(s, "AbsoluteDis", 100) / kHundredths;
    f.saveTrace = store.readInt(s, "SaveTrace", f.saveTrace);
    f.snapTo = store.readInt(s, "SnapTo", f.snapTo);

    SmartTemplateSettings& m = p.smartTemplate;
    s = kSmartTemplateSection;
    m.numSplices = store.readInt(s, "NumSplices", m.numSplices);
    m.lossThres = readReal(store, s, "LossThres", m.lossThres);
    m.minFrequency = store.readInt(s, "MinFrequency", m.minFrequency);
    m.adjustForHelix = store.readInt(s, "AdjustForHelix", m.adjustForHelix);
    m.eventFreqDist = store.readInt(s, "EventFreqDist", m.eventFreqDist);
    m.printReport = store.readInt(s, "PrintReport", m.printReport);

    Auto1BiSettings& a = p.auto1Bi;
    s = kAuto1BiSection;
    a.exceptReport = store.readInt(s, "ExceptReport", a.exceptReport);
    a.buildSST = store.readInt(s, "BuildSST", a.buildSST);
    a.applySST = store.readInt(s, "ApplySST", a.applySST);
    a.slsReport = store.readInt(s, "SLSReport", a.slsReport);
}

void saveTemplates(SettingsStore& store, const Preferences& p) {
    const FASTemplateSettings& f = p.fasTemplate;
    const char* s = kFASTemplateSection;
    store.writeInt(s, "EventDetermination", f.eventDetermination);
    store.writeInt(s, "TracePriority", f.tracePriority);
    store.writeInt(s, "PercentDis", static_cast<int32_t>(std::lround(f.percentDis * kHundredths)));
    store.writeInt(s, "AbsoluteDis",
                   static_cast<int32_t>(std::lround(f.absoluteDis * kHundredths)));
    store.writeInt(s, "SaveTrace", f.saveTrace);
    store.writeInt(s, "SnapTo", f.snapTo);

    const SmartTemplateSettings& m = p.smartTemplate;
    s = kSmartTemplateSection;
    store.writeInt(s, "NumSplices", m.numSplices);
    writeReal(store, s, "LossThres", m.lossThres);
    store.writeInt(s, "MinFrequency", m.minFrequency);
    store.writeInt(s, "AdjustForHelix", m.adjustForHelix);
    store.writeInt(s, "EventFreqDist", m.eventFreqDist);
    store.writeInt(s, "PrintReport", m.printReport);

    const Auto1BiSettings& a = p.auto1Bi;
    s = kAuto1BiSection;
    store.writeInt(s, "ExceptReport", a.exceptReport);
    store.writeInt(s, "BuildSST", a.buildSST);
    store.writeInt(s, "ApplySST", a.applySST);
    store.writeInt(s, "SLSReport", a.slsReport);
}

} // namespace

std::string realText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}

const char* distanceUnitWord(int32_t unit) {
    return kDistanceUnitWords[static_cast<size_t>(unit >= 0 && unit < 5 ? unit : T6_UNIT_KM)];
}

const char* distanceUnitLabel(int32_t unit) {
    return kDistanceUnitLabels[static_cast<size_t>(unit >= 0 && unit < 5 ? unit : T6_UNIT_KM)];
}

const char* shortDistanceLabel(int32_t unit) {
    return unit == T6_UNIT_M || unit == T6_UNIT_KM ? "m" : "ft";
}

Preferences LoadPreferences(const SettingsStore& store) {
    Preferences p;
    const char* s = kPreferencesSection;
    p.distanceUnits = readList(store, s, "Distance Units", kDistanceUnitWords, p.distanceUnits);
    p.saveTracePrompt = readList(store, s, "Save Trace Prompt", kOffOn, 1) == 1;
    p.batchSize = readBatchSize(store);
    p.batchKeepPrimary = readList(store, s, "Batch Keep Primary", kOffOn, 0) == 1;
    p.radioDBKM = store.readInt(s, "Radio dB/km", p.radioDBKM);
    p.dbPerKM = readReal(store, s, "dB/km", p.dbPerKM);
    p.sortMaskName = store.readText(s, "SortMaskName", p.sortMaskName);
    p.sortMaskExt = store.readText(s, "SortMaskExt", p.sortMaskExt);
    p.fileNameConv = store.readText(s, "FileNameConv", p.fileNameConv);
    p.fileExtConv = store.readText(s, "FileExtConv", p.fileExtConv);
    p.stacked = store.readInt(s, "Stacked", p.stacked);
    p.lossThreshold = store.readInt(s, "LossThreshold", p.lossThreshold);
    p.reflThreshold = store.readInt(s, "ReflThreshold", p.reflThreshold);
    p.fiberBreak = store.readInt(s, "FiberBreak", p.fiberBreak);
    p.reflCalcManual = store.readInt(s, "ReflCalcManual", p.reflCalcManual);
    p.addStartConnEE = store.readInt(s, "AddStartConnEE", p.addStartConnEE);
    p.addEndConnEE = store.readInt(s, "AddEndConnEE", p.addEndConnEE);
    p.eelForced = store.readInt(s, "EELForced", p.eelForced);
    p.orlRelOrigin = store.readInt(s, "ORLRelOrigin", p.orlRelOrigin);
    p.excessiveLoss = store.readInt(s, "ExcessiveLoss", p.excessiveLoss);
    p.endNthReflOn = store.readInt(s, "EndNthReflON", p.endNthReflOn);
    p.endNthReflCnt = store.readInt(s, "EndNthReflCnt", p.endNthReflCnt);
    if (p.endNthReflCnt <= 0) p.endNthReflCnt = 1;
    p.endNthReflThres = -std::fabs(readReal(store, s, "EndNthReflThres", p.endNthReflThres));
    p.timeFormat = readList(store, s, "TimeFormat", kTimeFormats, p.timeFormat);
    p.dateFormat = readList(store, s, "DateFormat", kDateFormats, p.dateFormat);
    p.pgmLanguage = trimmed(store.readText(s, "PgmLanguage", p.pgmLanguage));
    p.hlpLanguage = trimmed(store.readText(s, "HlpLanguage", p.hlpLanguage));
    p.nv8fnEnabled = store.readInt(s, "NV8FN Enabled", p.nv8fnEnabled);
    p.nv8fnFldCount = store.readInt(s, "NV8FN Fld Count", p.nv8fnFldCount);
    readSixIntegers(store, "NV8FN Format", p.nv8fnFormat);
    readSixIntegers(store, "NV8FN Sort", p.nv8fnSort);
    p.p6DBDecimalPlaces = store.readInt(s, "P6DBDecimalPlaces", p.p6DBDecimalPlaces);
    if (p.p6DBDecimalPlaces < kMinDecimalPlaces || p.p6DBDecimalPlaces > kMaxDecimalPlaces)
        p.p6DBDecimalPlaces = kDefaultDecimalPlaces;
    p.p6ShowReferences = store.readInt(s, "P6ShowReferences", p.p6ShowReferences);
    loadTemplates(store, p);
    return p;
}

void SavePreferences(SettingsStore& store, const Preferences& p) {
    const char* s = kPreferencesSection;
    writeList(store, s, "Distance Units", kDistanceUnitWords, p.distanceUnits);
    writeList(store, s, "Save Trace Prompt", kOffOn, p.saveTracePrompt ? 1 : 0);
    store.writeInt(s, "Batch Size", p.batchSize);
    writeList(store, s, "Batch Keep Primary", kOffOn, p.batchKeepPrimary ? 1 : 0);
    store.writeInt(s, "Radio dB/km", p.radioDBKM);
    writeReal(store, s, "dB/km", p.dbPerKM);
    store.writeText(s, "SortMaskName", p.sortMaskName);
    store.writeText(s, "SortMaskExt", p.sortMaskExt);
    store.writeText(s, "FileNameConv", p.fileNameConv);
    store.writeText(s, "FileExtConv", p.fileExtConv);
    store.writeInt(s, "Stacked", p.stacked);
    store.writeInt(s, "LossThreshold", p.lossThreshold);
    store.writeInt(s, "ReflThreshold", p.reflThreshold);
    store.writeInt(s, "FiberBreak", p.fiberBreak);
    store.writeInt(s, "ReflCalcManual", p.reflCalcManual);
    store.writeInt(s, "AddStartConnEE", p.addStartConnEE);
    store.writeInt(s, "AddEndConnEE", p.addEndConnEE);
    store.writeInt(s, "EELForced", p.eelForced);
    store.writeInt(s, "ORLRelOrigin", p.orlRelOrigin);
    store.writeInt(s, "ExcessiveLoss", p.excessiveLoss);
    store.writeInt(s, "EndNthReflON", p.endNthReflOn);
    store.writeInt(s, "EndNthReflCnt", p.endNthReflCnt);
    writeReal(store, s, "EndNthReflThres", p.endNthReflThres);
    writeList(store, s, "TimeFormat", kTimeFormats, p.timeFormat);
    writeList(store, s, "DateFormat", kDateFormats, p.dateFormat);
    store.writeText(s, "PgmLanguage", p.pgmLanguage);
    store.writeText(s, "HlpLanguage", p.hlpLanguage);
    store.writeInt(s, "NV8FN Enabled", p.nv8fnEnabled);
    store.writeInt(s, "NV8FN Fld Count", p.nv8fnFldCount);
    writeSixIntegers(store, "NV8FN Format", p.nv8fnFormat);
    writeSixIntegers(store, "NV8FN Sort", p.nv8fnSort);
    store.writeInt(s, "P6DBDecimalPlaces", p.p6DBDecimalPlaces);
    store.writeInt(s, "P6ShowReferences", p.p6ShowReferences);
    saveTemplates(store, p);
}

void ApplyPreferencesToLibrary(const Preferences& p) {
    T6SetCurDistUnits(p.distanceUnits);
    T6SetFormatDate(p.dateFormat);
    T6SetFormatTime(p.timeFormat);
    T6SetEndEndLoss(p.addStartConnEE, p.addEndConnEE);
    T6SetEndEndLossForced(p.eelForced);
    T6SetUseT6DBKM(p.radioDBKM == 0 ? 1 : 0);
    T6SetDefaultDBKM(p.dbPerKM);
    T6SetFASParms(p.lossThreshold / kHundredths, -p.reflThreshold / kTenths, p.fiberBreak / kTenths,
                  kFASNumBreaks, p.endNthReflOn ? p.endNthReflCnt : 0, p.endNthReflThres);
    T6SetORLCalc(0, 0, p.orlRelOrigin);
}

} // namespace orvane
