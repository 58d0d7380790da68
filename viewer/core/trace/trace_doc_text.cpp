// The formatted getters of the trace document: the record's texts, trimmed,
// with the viewer's own rules for hidden losses, two-point marks and ORL.
#include "core/platform/text.h"
#include "core/trace/trace_doc.h"

#include <cstdio>

namespace orvane {

namespace {

constexpr double kHiddenLossSortValue = 32767.0;
constexpr char kNoMark[] = "    ";
constexpr char kTwoPointMark[] = "(2P)";

int32_t flag(bool units) {
    return units ? T6_WITH_UNITS : T6_NO_UNITS;
}

std::string dbLabel() {
    char16_t label[kTextRoom] = {};
    return trimmed(toUtf8(T6AddUnitsDB(label)));
}

// The label of the short lengths of the current unit: the resolution is in
// metres (feet) however long the fibre is measured.
const char* shortDistanceLabel() {
    const int32_t unit = T6GetCurDistUnits();
    return unit == T6_UNIT_M || unit == T6_UNIT_KM ? "m" : "ft";
}

} // namespace

bool eventLossHidden(const CT6& r, int32_t i) {
    return (r.EVGetFlags(i) & T6_EVFLAG_LOSS_UNKNOWN) != 0;
}

std::string eventLossText(const CT6& r, int32_t i, bool units) {
    if (eventLossHidden(r, i)) return units ? " " + dbLabel() : std::string();
    return textOf([&](char16_t* b) { return r.EVGetLoss(i, b, flag(units)); });
}

std::string eventLossMark(const CT6& r, int32_t i) {
    const bool last = i == r.EVCount() - 1;
    const bool twoPoint =
        (r.EVGetFlags(i) & T6_EVFLAG_TWO_POINT_LOSS) != 0 || r.EVGetLossMode(i) != T6_LOSS_SPLICE;
    return !last && twoPoint ? kTwoPointMark : kNoMark;
}

std::string CTraceDoc::GetResoNominal(bool units) const {
    char text[64];
    if (units)
        std::snprintf(text, sizeof text, "%.3f %-2s", m_record.GetResoNominal(),
                      shortDistanceLabel());
    else
        std::snprintf(text, sizeof text, "%.3f", m_record.GetResoNominal());
    return text;
}

std::string CTraceDoc::EVGetLoss(int32_t i, bool units) const {
    return eventLossText(m_record, i, units);
}

double CTraceDoc::EVGetLossValue(int32_t i) const {
    return eventLossHidden(m_record, i) ? T6_NO_VALUE : m_record.EVGetLoss(i);
}

double CTraceDoc::EVGetLossSortValue(int32_t i) const {
    return eventLossHidden(m_record, i) ? kHiddenLossSortValue : m_record.EVGetLoss(i);
}

std::string CTraceDoc::EVGetLossFlagged(int32_t i, bool units, std::string& mark) const {
    mark = eventLossMark(m_record, i);
    return textOf([&](char16_t* b) { return m_record.EVGetLossFlagged(i, b, flag(units)); });
}

std::string CTraceDoc::GetORL(bool units, std::string& aToB) const {
    aToB.clear();
    if (m_record.IsORLAvailable() &&
        (m_record.GetORLACursorKM() != 0 || m_record.GetORLBCursorKM() != 0))
        aToB = textOf([&](char16_t* b) { return m_record.GetORLCalcAToB(b); });
    return textOf([&](char16_t* b) { return m_record.GetORL(b, flag(units)); });
}

double CTraceDoc::GetORLValue() const {
    return m_record.IsORLAvailable() ? m_record.GetORL() : 0.0;
}

// Plain forwarders.

std::string CTraceDoc::GetWavelengthNominal(bool units) const {
    return textOf([&](char16_t* b) { return m_record.GetWavelengthNominal(b, flag(units)); });
}
std::string CTraceDoc::GetRangeNominal(bool units) const {
    return textOf([&](char16_t* b) { return m_record.GetRangeNominal(b, flag(units)); });
}
std::string CTraceDoc::GetModel() const {
    return textOf([&](char16_t* b) { return m_record.GetModel(b); });
}
std::string CTraceDoc::GetThresholdLoss(bool units) const {
    return textOf([&](char16_t* b) { return m_record.GetThresholdLoss(b, flag(units)); });
}
std::string CTraceDoc::GetThresholdRefl(bool units) const {
    return textOf([&](char16_t* b) { return m_record.GetThresholdRefl(b, flag(units)); });
}
std::string CTraceDoc::GetThresholdBreak(bool units) const {
    return textOf([&](char16_t* b) { return m_record.GetThresholdBreak(b, flag(units)); });
}
std::string CTraceDoc::GetAvgComplete() const {
    return textOf([&](char16_t* b) { return m_record.GetAvgComplete(b); });
}
std::string CTraceDoc::GetAvgCompleteType() const {
    return textOf([&](char16_t* b) { return m_record.GetAvgCompleteType(b); });
}
std::string CTraceDoc::GetAvgTime() const {
    return textOf([&](char16_t* b) { return m_record.GetAvgTime(b); });
}
std::string CTraceDoc::GetDate() const {
    return textOf([&](char16_t* b) { return m_record.GetDate(b); });
}
std::string CTraceDoc::GetTime() const {
    return textOf([&](char16_t* b) { return m_record.GetTime(b); });
}
std::string CTraceDoc::GetFiberMode() const {
    return textOf([&](char16_t* b) { return m_record.GetFiberMode(b); });
}
std::string CTraceDoc::GetFiberModeAbbrev() const {
    return textOf([&](char16_t* b) { return m_record.GetFiberModeAbbrev(b); });
}
std::string CTraceDoc::PWGetLabel(int32_t i) const {
    return textOf([&](char16_t* b) { return m_record.PWGetLabel(i, b); });
}
std::string CTraceDoc::PWGetPW(int32_t i, bool units) const {
    return textOf([&](char16_t* b) { return m_record.PWGetPW(i, b, 0, flag(units)); });
}
std::string CTraceDoc::PWGetPWLength(int32_t i, bool units) const {
    return textOf([&](char16_t* b) { return m_record.PWGetPWLength(i, b, flag(units)); });
}
std::string CTraceDoc::GetHorzShift(bool units) const {
    return textOf([&](char16_t* b) { return m_record.GetHorzShift(b, flag(units)); });
}
std::string CTraceDoc::GetVertShift(bool units) const {
    return textOf([&](char16_t* b) { return m_record.GetVertShift(b, flag(units)); });
}
std::string CTraceDoc::EVGetStart(int32_t i, bool units) const {
    return textOf([&](char16_t* b) { return m_record.EVGetStart(i, b, flag(units)); });
}
std::string CTraceDoc::EVGetEnd(int32_t i, bool units) const {
    return textOf([&](char16_t* b) { return m_record.EVGetEnd(i, b, flag(units)); });
}
std::string CTraceDoc::EVGetSpanLoss(int32_t i, bool units) const {
    return textOf([&](char16_t* b) { return m_record.EVGetSpanLoss(i, b, flag(units)); });
}
std::string CTraceDoc::EVGetSpanLossDBKM(int32_t i, bool units) const {
    return textOf([&](char16_t* b) { return m_record.EVGetSpanLossDBKM(i, b, flag(units)); });
}
std::string CTraceDoc::EVGetRefl(int32_t i, bool units) const {
    return textOf([&](char16_t* b) { return m_record.EVGetRefl(i, b, flag(units)); });
}
std::string CTraceDoc::EVGetReflFlagged(int32_t i, bool units) const {
    return textOf([&](char16_t* b) { return m_record.EVGetReflFlagged(i, b, flag(units)); });
}
std::string CTraceDoc::EVGetCumLoss(int32_t i, bool units) const {
    return textOf([&](char16_t* b) { return m_record.EVGetCumLoss(i, b, flag(units)); });
}
std::string CTraceDoc::EVGetFlagsText(int32_t i) const {
    return textOf([&](char16_t* b) { return m_record.EVGetFlagsText(i, b); });
}
std::string CTraceDoc::EVGetTypeChar(int32_t i) const {
    return textOf([&](char16_t* b) { return m_record.EVGetTypeChar(i, b); });
}
std::string CTraceDoc::EVGetComment(int32_t i) const {
    return textOf([&](char16_t* b) { return m_record.EVGetComment(i, b); });
}
std::string CTraceDoc::GetEndToEndLoss(bool units) const {
    return textOf([&](char16_t* b) { return m_record.GetEndToEndLoss(b, flag(units)); });
}
std::string CTraceDoc::GetDynamicRange(bool units) const {
    return textOf([&](char16_t* b) { return m_record.GetDynamicRange(b, flag(units)); });
}
std::string CTraceDoc::GetTraceFlags() const {
    return textOf([&](char16_t* b) { return m_record.GetTraceFlags(b); });
}
std::string CTraceDoc::GetTraceFlagChars() const {
    return textOf([&](char16_t* b) { return m_record.GetTraceFlagChars(b); });
}
std::string CTraceDoc::GetTraceType() const {
    return textOf([&](char16_t* b) { return m_record.GetTraceType(b); });
}
std::string CTraceDoc::GetTraceTypeOrig() const {
    return textOf([&](char16_t* b) { return m_record.GetTraceTypeOrig(b); });
}
std::string CTraceDoc::SpanGetIOR() const {
    return textOf([&](char16_t* b) { return m_record.SpanGetIOR(0, b); });
}
std::string CTraceDoc::SpanGetBackScatter(bool units) const {
    return textOf([&](char16_t* b) { return m_record.SpanGetBackScatter(0, b, flag(units)); });
}

} // namespace orvane
