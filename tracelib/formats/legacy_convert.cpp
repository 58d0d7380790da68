// Conversion between the record and the legacy T5 structure. The structure
// comes from the outside converter, so its counts and sizes are checked
// before anything is read from it.
#include <varnel/t5_struct.h>
#include <varnel/varnel.h>

#include "formats/ferrowin.h"
#include "formats/legacy_t5.h"
#include "record/event_element.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

namespace {

// Fixed by the legacy structure, which holds no time zone of its own.
constexpr int32_t kLegacyTimeZoneMinutes = -480;
constexpr int32_t kLegacyDST = 1;
constexpr double kRangeClassDB = 8.0;
constexpr double kRangeClassBaseDB = 24.0;

struct TextField {
    T5Text index;
    char16_t* (CT6::*get)(char16_t*) const;
    void (CT6::*set)(const char16_t*);
};

constexpr TextField kTextFields[] = {
    {T5_TEXT_MANUFACTURER, &CT6::GetManufacturer, &CT6::SetManufacturer},
    {T5_TEXT_MODEL_FAMILY, &CT6::GetModelFamily, &CT6::SetModelFamily},
    {T5_TEXT_OPTICS_MODULE, &CT6::GetOpticsModule, &CT6::SetOpticsModule},
    {T5_TEXT_OPTICS_MODULE_SN, &CT6::GetOpticsModuleSN, &CT6::SetOpticsModuleSN},
    {T5_TEXT_PART_NUM, &CT6::GetPartNum, &CT6::SetPartNum},
    {T5_TEXT_CAL_DATE, &CT6::GetCalDate, &CT6::SetCalDate},
    {T5_TEXT_SOFTWARE_VER, &CT6::GetSoftwareVer, &CT6::SetSoftwareVer},
    {T5_TEXT_HARDWARE_VER, &CT6::GetHardwareVer, &CT6::SetHardwareVer},
    {T5_TEXT_FIBER_NUMBER, &CT6::GetFiberNumber, &CT6::SetFiberNumber},
    {T5_TEXT_SITE_A, &CT6::GetSiteA, &CT6::SetSiteA},
    {T5_TEXT_SITE_B, &CT6::GetSiteB, &CT6::SetSiteB},
    {T5_TEXT_PREFIX, &CT6::GetPrefix, &CT6::SetPrefix},
    {T5_TEXT_EXTENSION, &CT6::GetExtension, &CT6::SetExtension},
    {T5_TEXT_NETWORK, &CT6::GetNetwork, &CT6::SetNetwork},
    {T5_TEXT_SEGMENT, &CT6::GetSegment, &CT6::SetSegment},
    {T5_TEXT_CABLE_ID, &CT6::GetCableID, &CT6::SetCableID},
    {T5_TEXT_PROJECT, &CT6::GetProject, &CT6::SetProject},
    {T5_TEXT_TEST, &CT6::GetTest, &CT6::SetTest},
};

// Every record text field fits the structure's texts, terminator included.
constexpr int32_t kRecordTextRoom = 64;

// A text of the structure, terminated even when the converter left none.
const char16_t* terminatedText(T5Inner& inner, T5Text index) {
    inner.texts[index][T5_TEXT_CHARS - 1] = 0;
    return inner.texts[index];
}

void storeText(T5Inner& inner, T5Text index, const char16_t* text) {
    size_t n = 0;
    for (; text && text[n] && n < size_t(T5_TEXT_CHARS - 1); ++n)
        inner.texts[index][n] = text[n];
    inner.texts[index][n] = 0;
}

bool innerIsConsistent(const T5Struct& t5) {
    if (!t5.inner || t5.innerBytes < int32_t(sizeof(T5Inner))) return false;
    size_t needed = T5InnerBytes(t5.inner->eventCount, t5.inner->pointCount);
    return needed != 0 && needed <= size_t(t5.innerBytes);
}

const char16_t* productName(const char16_t* const* names, int32_t number) {
    if (number < 0 || number >= T5_PRODUCT_NAME_COUNT) number = 0;
    return names[number] ? names[number] : u"";
}

int32_t productNumber(const char16_t* const* names, const char16_t* model) {
    std::u16string_view wanted = model;
    for (int32_t i = 0; i < T5_PRODUCT_NAME_COUNT; ++i)
        if (names[i] && wanted == names[i]) return i;
    return 0;
}

void eventToT5(const CT6::EVElement& e, T5Event& out) {
    out.type = e.Type;
    out.startDP = e.StartDP, out.startFR = e.StartFR;
    out.riseEndDP = e.RiseEndDP, out.riseEndFR = e.RiseEndFR;
    out.fallStartDP = e.FallStartDP, out.fallStartFR = e.FallStartFR;
    out.endDP = e.EndDP, out.endFR = e.EndFR;
    out.loss = e.Loss;
    out.refl = e.Refl;
    out.flags = e.Flags;
    out.lossMode = e.LossMode;
    std::copy_n(e.LSAStartOffDP, 2, out.lsaStartOffDP);
    std::copy_n(e.LSAStartOffFR, 2, out.lsaStartOffFR);
    std::copy_n(e.LSAEndOffDP, 2, out.lsaEndOffDP);
    std::copy_n(e.LSAEndOffFR, 2, out.lsaEndOffFR);
    static_assert(sizeof out.comment == sizeof e.Comment);
    std::memcpy(out.comment, e.Comment, sizeof out.comment);
}

void eventFromT5(const T5Event& in, CT6::EVElement& e) {
    e.Type = in.type;
    e.StartDP = in.startDP, e.StartFR = in.startFR;
    e.RiseEndDP = in.riseEndDP, e.RiseEndFR = in.riseEndFR;
    e.FallStartDP = in.fallStartDP, e.FallStartFR = in.fallStartFR;
    e.EndDP = in.endDP, e.EndFR = in.endFR;
    e.Loss = in.loss;
    e.Refl = in.refl;
    e.Flags = in.flags;
    e.LossMode = in.lossMode;
    std::copy_n(in.lsaStartOffDP, 2, e.LSAStartOffDP);
    std::copy_n(in.lsaStartOffFR, 2, e.LSAStartOffFR);
    std::copy_n(in.lsaEndOffDP, 2, e.LSAEndOffDP);
    std::copy_n(in.lsaEndOffFR, 2, e.LSAEndOffFR);
    std::memcpy(e.Comment, in.comment, sizeof e.Comment);
    e.Comment[std::size(e.Comment) - 1] = 0;
}

} // namespace

int32_t CT6::T5ToT6(void* structure, int32_t kind) {
    auto* t5 = static_cast<T5Struct*>(structure);
    if (!t5) return T6_FILE_DAMAGED;
    // The record owns the structure from here on; it may be the one already
    // attached, which InitAll must not release.
    if (m_t5.structure == structure) m_t5.structure = nullptr;
    InitAll();
    m_t5.structure = structure;

    const varnel::ferrowin::Exports* converter = varnel::ferrowin::exports();
    if (!converter) return T6_ERR_NO_LEGACY_CONVERTER;
    if (!innerIsConsistent(*t5)) return T6_FILE_DAMAGED;
    if (t5->resoNominal < 1 || t5->ior <= 0 || t5->scaleFactor <= 0) return T6_FILE_INVALID_CONTENT;

    fillHeaderFromT5(*t5, converter->productNames, kind);
    fillArraysFromT5(*t5);
    return T6_FILE_OK;
}

void CT6::fillHeaderFromT5(T5Struct& t5, const char16_t* const* productNames, int32_t kind) {
    T5Inner& inner = *t5.inner;
    for (const TextField& field : kTextFields)
        (this->*field.set)(terminatedText(inner, field.index));
    SetModel(productName(productNames, t5.productNumber));
    SetTraceType(varnel::legacy::traceKindName(kind));
    int32_t origKind = t5.kind >= 0 && t5.kind <= varnel::legacy::kKindT6 ? t5.kind : 0;
    SetTraceTypeOrig(varnel::legacy::traceKindName(origKind));

    SetWavelengthNominal(t5.wavelengthNominal / 1e5);
    SetWavelengthActual(t5.wavelengthActual / 1e5);
    SetRangeNominalKM(T6KMFromScaled(t5.rangeNominal));
    SetResoNominalM(t5.resoNominal / 1e6);
    SetFiberMode(t5.fiberMode);
    SetAvgType(t5.avgType);
    SetAvgComplete(t5.avgComplete);
    SetAvgSeconds(t5.avgSeconds);
    SetDynamicRange(t5.rangeClass * kRangeClassDB + kRangeClassBaseDB);
    SetTimeYMDHMS(t5.year, t5.month, t5.day, t5.hour, t5.minute, t5.second);
    SetTimeZoneMinutes(kLegacyTimeZoneMinutes);
    SetTimeDST(kLegacyDST);
    SetThresholdLoss(T6DBFromScaled(t5.thresholdLoss));
    SetThresholdRefl(T6DBFromScaled(t5.thresholdRefl));
    SetThresholdBreak(T6DBFromScaled(t5.thresholdBreak));

    m_orl = t5.orl;
    m_orlADP = t5.orlADP, m_orlAFR = t5.orlAFR;
    m_orlBDP = t5.orlBDP, m_orlBFR = t5.orlBFR;
    m_traceFlags = t5.traceFlags;
    SetViewMode(t5.viewMode);
    m_cursorADP = t5.cursorADP, m_cursorAFR = t5.cursorAFR;
    m_cursorBDP = t5.cursorBDP, m_cursorBFR = t5.cursorBFR;
    SetLossMode(t5.lossMode);
    int32_t sets = std::min<int32_t>(T5_LSA_SET_COUNT, static_cast<int32_t>(m_lsaSets.size()));
    for (int32_t i = 0; i < sets; ++i) {
        const int32_t* offsets = t5.lsaCursors[i];
        m_lsaSets[i] = {offsets[0], offsets[1], offsets[2], offsets[3]};
    }
    SetVertShift(T6DBFromScaled(t5.vertShift));
}

void CT6::fillArraysFromT5(T5Struct& t5) {
    T5Inner& inner = *t5.inner;
    PWInitArray(1);
    PWInsertDP(0);
    PWSetNanoSec(0, t5.pulseWidthNS);
    PWSetPreampType(0, t5.preampType);
    SpanInitArray(1);
    SpanInsertDP(0);
    SpanSetIOR(0, t5.ior / 1e6);
    SpanSetBackScatter(0, T6DBFromScaled(t5.backscatter));
    SpanSetFiberType(0, terminatedText(inner, T5_TEXT_FIBER_TYPE));
    SFInitArray(1);
    SFInsertDP(0);
    SFSetScaleFactor(0, t5.scaleFactor);

    DPOInitArray(inner.pointCount);
    DPOSetDPO(0, inner.pointCount, T5InnerPoints(&inner));
    DPOSetCount(inner.pointCount);

    EVRestore(inner.eventCount, nullptr);
    const T5Event* events = T5InnerEvents(&inner);
    for (int32_t i = 0; i < inner.eventCount; ++i)
        if (EVElement* e = eventAt(i)) eventFromT5(events[i], *e);

    m_horzShiftDP = t5.horzShiftDP;
    m_horzShiftFR = t5.horzShiftFR;
    SpanCalculate();
    DPWSetup(1);
    SetZKMDPFR(0, 0);
    recalcShiftAndZKMDistances();
}

int32_t CT6::T6ToT5(void* structure) {
    auto* t5 = static_cast<T5Struct*>(structure);
    if (!t5) return T6_FILE_NO_MEMORY;
    const varnel::ferrowin::Exports* converter = varnel::ferrowin::exports();
    if (!converter) return T6_ERR_NO_LEGACY_CONVERTER;

    const int32_t points = DPLCount() > 0 ? DPLCount() : DPOCount();
    const int32_t events = EVCount();
    size_t bytes = T5InnerBytes(events, points);
    if (bytes == 0 || bytes > size_t(INT32_MAX)) return T6_FILE_NO_MEMORY;
    varnel::legacy::releaseInner(t5);
    t5->inner = static_cast<T5Inner*>(converter->t5Malloc(static_cast<int32_t>(bytes)));
    if (!t5->inner) return T6_FILE_NO_MEMORY;
    std::memset(t5->inner, 0, bytes);
    t5->innerBytes = static_cast<int32_t>(bytes);
    t5->inner->eventCount = events;
    t5->inner->pointCount = points;

    fillT5Header(*t5, converter->productNames);
    fillT5Arrays(*t5);
    return T6_FILE_OK;
}

void CT6::fillT5Header(T5Struct& t5, const char16_t* const* productNames) const {
    char16_t text[kRecordTextRoom];
    for (const TextField& field : kTextFields)
        storeText(*t5.inner, field.index, (this->*field.get)(text));
    t5.productNumber = productNumber(productNames, GetModel(text));
    t5.kind = varnel::legacy::traceKindFromName(GetTraceTypeOrig(text));

    t5.wavelengthNominal = m_wavelengthNominal;
    t5.wavelengthActual = m_wavelengthActual;
    t5.rangeNominal = m_rangeNominal;
    t5.resoNominal = m_resoNominal;
    t5.fiberMode = GetFiberMode();
    t5.avgType = GetAvgType();
    t5.avgComplete = GetAvgComplete();
    t5.avgSeconds = GetAvgSeconds();
    double rangeClass = std::round((GetDynamicRange() - kRangeClassBaseDB) / kRangeClassDB);
    t5.rangeClass = rangeClass > 0 ? static_cast<int32_t>(std::min(rangeClass, 1e6)) : 0;
    GetTimeYMDHMS(t5.year, t5.month, t5.day, t5.hour, t5.minute, t5.second);
    t5.thresholdLoss = m_thresholdLoss;
    t5.thresholdRefl = m_thresholdRefl;
    t5.thresholdBreak = m_thresholdBreak;

    t5.orl = m_orl;
    t5.orlADP = m_orlADP, t5.orlAFR = m_orlAFR;
    t5.orlBDP = m_orlBDP, t5.orlBFR = m_orlBFR;
    t5.traceFlags = m_traceFlags;
    t5.viewMode = m_viewMode;
    t5.cursorADP = m_cursorADP, t5.cursorAFR = m_cursorAFR;
    t5.cursorBDP = m_cursorBDP, t5.cursorBFR = m_cursorBFR;
    t5.lossMode = m_lossMode;
    int32_t sets = std::min<int32_t>(T5_LSA_SET_COUNT, static_cast<int32_t>(m_lsaSets.size()));
    for (int32_t i = 0; i < sets; ++i) {
        const LSACursorSet& set = m_lsaSets[i];
        int32_t* offsets = t5.lsaCursors[i];
        offsets[0] = set.aStartOff, offsets[1] = set.aEndOff;
        offsets[2] = set.bStartOff, offsets[3] = set.bEndOff;
    }
    t5.horzShiftDP = m_horzShiftDP;
    t5.horzShiftFR = m_horzShiftFR;
    t5.vertShift = m_vertShift;
}

void CT6::fillT5Arrays(T5Struct& t5) const {
    T5Inner& inner = *t5.inner;
    char16_t text[kRecordTextRoom];
    t5.pulseWidthNS = PWCount() > 0 ? PWGetNanoSec(0) : 0;
    t5.preampType = PWCount() > 0 ? PWGetPreampType(0) : 0;
    t5.ior = SpanCount() > 0 ? T6LONGRounded(SpanGetIOR(0) * 1e6) : 0;
    t5.backscatter = SpanCount() > 0 ? T6ScaledFromDB(SpanGetBackScatter(0)) : 0;
    storeText(inner, T5_TEXT_FIBER_TYPE, SpanCount() > 0 ? SpanGetFiberType(0, text) : u"");
    // The working points are all on one scale, the one the structure keeps.
    t5.scaleFactor = DPWGetScaleFactor();
    uint16_t* points = T5InnerPoints(&inner);
    for (int32_t i = 0; i < inner.pointCount; ++i)
        points[i] = static_cast<uint16_t>(DPWGetLONG(i));

    T5Event* events = T5InnerEvents(&inner);
    for (int32_t i = 0; i < inner.eventCount; ++i)
        if (const EVElement* e = eventAt(i)) eventToT5(*e, events[i]);
}
