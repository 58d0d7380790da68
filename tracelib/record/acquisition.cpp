// Acquisition and analysis values of the record and their text forms.
#include "record/record_text.h"
#include "record/settings.h"

#include <varnel/scaled_values.h>
#include <varnel/varnel.h>

#include <cmath>
#include <string>

using varnel::formatDouble;
using varnel::formatInts;
using varnel::settings;
using varnel::writeFormatted;

namespace {

constexpr double kWavelengthScale = 100000.0; // nm x 1e5
constexpr double kMillionths = 1000000.0;     // resolution and index x 1e6
constexpr int32_t kAvgTypeTimed = 3;
constexpr int32_t kAvgTypeNoLabel = 4;
constexpr int32_t kFiberMultimode = 0;
constexpr int32_t kFiberSinglemode = 1;

char16_t* appendBlankAndLabel(char16_t* out, std::u16string_view label) {
    varnel::appendTruncated(out, u" ", varnel::kFormattedTextCapacity - 1);
    return varnel::appendTruncated(out, label, varnel::kFormattedTextCapacity - 1);
}

// Whole nanometres print as integers, others with two decimals.
char16_t* wavelengthText(int32_t stored, char16_t* out, int32_t units) {
    if (stored % static_cast<int32_t>(kWavelengthScale) == 0)
        writeFormatted(out, formatInts("%d", stored / static_cast<int32_t>(kWavelengthScale)));
    else
        writeFormatted(out, formatDouble(u"%.2f", stored / kWavelengthScale));
    return units ? appendBlankAndLabel(out, settings().nm.view()) : out;
}

const varnel::Label9* avgTypeLabel(int32_t type) {
    const auto& s = settings();
    const varnel::Label9* labels[] = {&s.fast, &s.medium, &s.slow, &s.timed};
    return type >= 0 && type < kAvgTypeNoLabel ? labels[type] : nullptr;
}

std::u16string avgTypeText(int32_t type) {
    if (const auto* label = avgTypeLabel(type)) return std::u16string(label->view());
    return type == kAvgTypeNoLabel ? u"" : u"??";
}

std::u16string avgTimeText(int32_t seconds) {
    if (seconds == 0) return std::u16string(settings().notAvailable.view());
    return formatInts("%d:%02d", seconds / 60, seconds % 60);
}

} // namespace

double CT6::GetWavelengthNominal() const {
    return m_wavelengthNominal / kWavelengthScale;
}
double CT6::GetWavelengthActual() const {
    return m_wavelengthActual / kWavelengthScale;
}
char16_t* CT6::GetWavelengthNominal(char16_t* out, int32_t units) const {
    return wavelengthText(m_wavelengthNominal, out, units);
}
char16_t* CT6::GetWavelengthActual(char16_t* out, int32_t units) const {
    return wavelengthText(m_wavelengthActual, out, units);
}
void CT6::SetWavelengthNominal(double nm) {
    m_wavelengthNominal = T6LONGRounded(nm * kWavelengthScale);
}
void CT6::SetWavelengthActual(double nm) {
    m_wavelengthActual = T6LONGRounded(nm * kWavelengthScale);
}

int32_t CT6::GetLaserCool() const {
    return m_laserCool;
}
void CT6::SetLaserCool(int32_t v) {
    m_laserCool = v;
}

double CT6::GetRangeNominal() const {
    return T6CurDistFromKM(T6KMFromScaled(m_rangeNominal));
}

char16_t* CT6::GetRangeNominal(char16_t* out, int32_t units) const {
    if (T6ScaledIsSaturated(m_rangeNominal))
        return writeFormatted(out, settings().notAvailable.view());
    double range = GetRangeNominal();
    writeFormatted(out, formatDouble(range < 2 ? u"%.1f" : u"%.0f", range));
    return units ? T6AddUnitsDist(out) : out;
}

void CT6::SetRangeNominalKM(double km) {
    m_rangeNominal = T6ScaledFromKM(km);
}

double CT6::GetResoNominalM() const {
    return m_resoNominal / kMillionths;
}
double CT6::GetResoNominal() const {
    return GetResoNominalM() * varnel::currentUnit().shortFactor;
}
char16_t* CT6::GetResoNominal(char16_t* out, int32_t units) const {
    writeFormatted(out, formatDouble(u"%.3f", GetResoNominal()));
    return units ? appendBlankAndLabel(out, varnel::currentShortLabel()) : out;
}
void CT6::SetResoNominalM(double m) {
    m_resoNominal = T6LONGRounded(m * kMillionths);
}

int32_t CT6::GetFiberMode() const {
    return m_fiberMode;
}
void CT6::SetFiberMode(int32_t v) {
    m_fiberMode = v;
}

char16_t* CT6::GetFiberMode(char16_t* out) const {
    const auto& s = settings();
    if (m_fiberMode == kFiberSinglemode) return writeFormatted(out, s.singlemode.view());
    if (m_fiberMode == kFiberMultimode) return writeFormatted(out, s.multimode.view());
    return writeFormatted(out, u"??");
}

char16_t* CT6::GetFiberModeAbbrev(char16_t* out) const {
    const auto& s = settings();
    if (m_fiberMode == kFiberSinglemode) return writeFormatted(out, s.sm.view());
    if (m_fiberMode == kFiberMultimode) return writeFormatted(out, s.mm.view());
    return writeFormatted(out, u"??");
}

int32_t CT6::GetAvgType() const {
    return m_avgType;
}
int32_t CT6::GetAvgComplete() const {
    return m_avgComplete;
}
int32_t CT6::GetAvgSeconds() const {
    return m_avgSeconds;
}
void CT6::SetAvgType(int32_t v) {
    m_avgType = v;
}
void CT6::SetAvgComplete(int32_t v) {
    m_avgComplete = v;
}
void CT6::SetAvgSeconds(int32_t v) {
    m_avgSeconds = v;
}

char16_t* CT6::GetAvgType(char16_t* out) const {
    return writeFormatted(out, avgTypeText(m_avgType));
}
char16_t* CT6::GetAvgComplete(char16_t* out) const {
    return writeFormatted(out, formatInts("%d", m_avgComplete));
}
char16_t* CT6::GetAvgSeconds(char16_t* out) const {
    if (m_avgSeconds == 0) return writeFormatted(out, settings().notAvailable.view());
    return writeFormatted(out, formatInts("%d", m_avgSeconds));
}
char16_t* CT6::GetAvgTime(char16_t* out) const {
    return writeFormatted(out, avgTimeText(m_avgSeconds));
}

char16_t* CT6::GetAvgCompleteType(char16_t* out) const {
    std::u16string count = formatInts("%d", m_avgComplete);
    if (m_avgType < 0 || m_avgType > kAvgTypeNoLabel) return writeFormatted(out, count);
    if (m_avgType == kAvgTypeTimed)
        return writeFormatted(out, count + u" / " + avgTimeText(m_avgSeconds));
    return writeFormatted(out, avgTypeText(m_avgType) + u"  " + count);
}

double CT6::GetDynamicRange() const {
    return T6DBFromScaled(m_dynamicRange);
}
char16_t* CT6::GetDynamicRange(char16_t* out, int32_t units) const {
    writeFormatted(out, formatInts("%d", static_cast<int>(GetDynamicRange())));
    return units ? T6AddUnitsDB(out) : out;
}
void CT6::SetDynamicRange(double db) {
    m_dynamicRange = T6ScaledFromDB(db);
}

void CT6::GetTimeYMDHMS(int32_t& year, int32_t& month, int32_t& day, int32_t& hour, int32_t& minute,
                        int32_t& second) const {
    year = m_timeYMDHMS[0];
    month = m_timeYMDHMS[1];
    day = m_timeYMDHMS[2];
    hour = m_timeYMDHMS[3];
    minute = m_timeYMDHMS[4];
    second = m_timeYMDHMS[5];
}
void CT6::SetTimeYMDHMS(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                        int32_t second) {
    m_timeYMDHMS[0] = year;
    m_timeYMDHMS[1] = month;
    m_timeYMDHMS[2] = day;
    m_timeYMDHMS[3] = hour;
    m_timeYMDHMS[4] = minute;
    m_timeYMDHMS[5] = second;
}
int32_t CT6::GetTimeUTC() const {
    return m_timeUTC;
}
void CT6::SetTimeUTC(int32_t v) {
    m_timeUTC = v;
}
int32_t CT6::GetTimeZoneMinutes() const {
    return m_timeZoneMinutes;
}
void CT6::SetTimeZoneMinutes(int32_t minutes) {
    m_timeZoneMinutes = minutes;
}
int32_t CT6::GetTimeDST() const {
    return m_timeDST;
}
void CT6::SetTimeDST(int32_t flag) {
    m_timeDST = flag != 0 ? 1 : 0;
}
char16_t* CT6::GetDate(char16_t* out) const {
    return T6DateFromYMD(out, m_timeYMDHMS[0], m_timeYMDHMS[1], m_timeYMDHMS[2]);
}
char16_t* CT6::GetTime(char16_t* out) const {
    return T6TimeFromHMS(out, m_timeYMDHMS[3], m_timeYMDHMS[4], m_timeYMDHMS[5]);
}

double CT6::GetThresholdLoss() const {
    return T6DBFromScaled(m_thresholdLoss);
}
double CT6::GetThresholdRefl() const {
    return T6DBFromScaled(m_thresholdRefl);
}
double CT6::GetThresholdBreak() const {
    return T6DBFromScaled(m_thresholdBreak);
}
double CT6::GetFASNthReflThresh() const {
    return T6DBFromScaled(m_fasNthReflThresh);
}
char16_t* CT6::GetThresholdLoss(char16_t* out, int32_t units) const {
    return T6GetDB2Dec(GetThresholdLoss(), out, units);
}
char16_t* CT6::GetThresholdRefl(char16_t* out, int32_t units) const {
    return T6GetDB2Dec(GetThresholdRefl(), out, units);
}
char16_t* CT6::GetThresholdBreak(char16_t* out, int32_t units) const {
    return T6GetDB2Dec(GetThresholdBreak(), out, units);
}
char16_t* CT6::GetFASNthReflThresh(char16_t* out, int32_t units) const {
    return T6GetDB2Dec(GetFASNthReflThresh(), out, units);
}
void CT6::SetThresholdLoss(double db) {
    m_thresholdLoss = T6ScaledFromDB(db);
}
void CT6::SetThresholdRefl(double db) {
    m_thresholdRefl = T6ScaledFromDB(db);
}
void CT6::SetThresholdBreak(double db) {
    m_thresholdBreak = T6ScaledFromDB(db);
}
void CT6::SetFASNthReflThresh(double db) {
    m_fasNthReflThresh = T6ScaledFromDB(db);
}

int32_t CT6::GetFASNumBreaks() const {
    return m_fasNumBreaks;
}
int32_t CT6::GetFASEndAtNthRefl() const {
    return m_fasEndAtNthRefl;
}
char16_t* CT6::GetFASNumBreaks(char16_t* out) const {
    return writeFormatted(out, formatInts("%d", m_fasNumBreaks));
}
char16_t* CT6::GetFASEndAtNthRefl(char16_t* out) const {
    return writeFormatted(out, formatInts("%d", m_fasEndAtNthRefl));
}
void CT6::SetFASNumBreaks(int32_t v) {
    m_fasNumBreaks = v;
}
void CT6::SetFASEndAtNthRefl(int32_t v) {
    m_fasEndAtNthRefl = v;
}

int32_t CT6::GetFctryLaserPower() const {
    return m_fctryLaserPower;
}
int32_t CT6::GetAttenLaserPower() const {
    return m_attenLaserPower;
}
int32_t CT6::GetAttenAPD() const {
    return m_attenAPD;
}
void CT6::SetFctryLaserPower(int32_t v) {
    m_fctryLaserPower = v;
}
void CT6::SetAttenLaserPower(int32_t v) {
    m_attenLaserPower = v;
}
void CT6::SetAttenAPD(int32_t v) {
    m_attenAPD = v;
}

// Extension from fibre mode and the nominal wavelength to the nearest nm.
char16_t* CT6::VeltroDefaultExt(char16_t* out) const {
    struct Choice {
        int32_t fiberMode;
        int32_t nm;
        const char16_t* ext;
    };
    static constexpr Choice kChoices[] = {
        {kFiberMultimode, 850, u"M85"},
        {kFiberMultimode, 1300, u"M13"},
        {kFiberSinglemode, 1550, u"S15"},
    };
    int32_t nm = T6LONGRounded(GetWavelengthNominal());
    for (const Choice& c : kChoices)
        if (c.fiberMode == m_fiberMode && c.nm == nm) return writeFormatted(out, c.ext);
    return writeFormatted(out, u"S13");
}
