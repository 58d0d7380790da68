// The trace-flag word: one bit per condition, read and set by name, and the
// condition texts built from them.
#include "record/record_flags.h"
#include "record/settings.h"

#include <varnel/varnel.h>

#include <string>

namespace TraceFlag = varnel::TraceFlag;

namespace {

uint32_t withBits(uint32_t word, uint32_t bits, int32_t set) {
    return set ? word | bits : word & ~bits;
}

} // namespace

int32_t CT6::IsTrace2WayAvg() const {
    return (m_traceFlags & TraceFlag::TwoWayAvg) != 0;
}
int32_t CT6::IsABLocked() const {
    return (m_traceFlags & TraceFlag::ABLocked) != 0;
}
int32_t CT6::IsTraceAborted() const {
    return (m_traceFlags & TraceFlag::Aborted) != 0;
}
int32_t CT6::IsTraceAttenuated() const {
    return (m_traceFlags & TraceFlag::Attenuated) != 0;
}
int32_t CT6::IsTraceAutoMode() const {
    return (m_traceFlags & TraceFlag::AutoMode) != 0;
}
int32_t CT6::IsTraceClamped() const {
    return (m_traceFlags & TraceFlag::Clamped) != 0;
}
int32_t CT6::IsTraceDeltaCompare() const {
    return (m_traceFlags & TraceFlag::DeltaCompare) != 0;
}
int32_t CT6::IsTraceRecalled() const {
    return (m_traceFlags & TraceFlag::Recalled) != 0;
}
int32_t CT6::IsTraceUserSmoothed() const {
    return (m_traceFlags & TraceFlag::UserSmoothed) != 0;
}
int32_t CT6::IsTraceTemplate() const {
    return (m_traceFlags & TraceFlag::Template) != 0;
}
int32_t CT6::IsTraceEverSmoothed() const {
    return (m_traceFlags & TraceFlag::EverSmoothed) != 0;
}
int32_t CT6::IsTraceFiberFill() const {
    return (m_traceFlags & TraceFlag::FiberFill) != 0;
}
int32_t CT6::IsTraceAnalyzed() const {
    return EVCount() > 0;
}
int32_t CT6::OKToAnalyze() const {
    return !IsTrace2WayAvg() && !IsTraceDeltaCompare();
}

// The ORL detail bits mean something only while an ORL result is available.
int32_t CT6::IsORLAvailable() const {
    return (m_traceFlags & TraceFlag::ORLAvailable) != 0;
}
int32_t CT6::IsORLLessThan() const {
    return IsORLAvailable() && (m_traceFlags & TraceFlag::ORLLessThan) != 0;
}
int32_t CT6::IsORLRelToA() const {
    return IsORLAvailable() && (m_traceFlags & TraceFlag::ORLRelToA) != 0;
}
int32_t CT6::IsORLSaturated() const {
    return IsORLAvailable() && (m_traceFlags & TraceFlag::ORLSaturated) != 0;
}
int32_t CT6::IsORLSTFM() const {
    return IsORLAvailable() && (m_traceFlags & TraceFlag::ORLSTFM) != 0;
}
int32_t CT6::IsORLCopied() const {
    return IsORLAvailable() && (m_traceFlags & TraceFlag::ORLCopied) != 0;
}

void CT6::SetTrace2WayAvg(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, TraceFlag::TwoWayAvg, flag);
}
void CT6::SetABLocked(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, TraceFlag::ABLocked, flag);
    SetModFlag(varnel::ModFlag::Cursors);
}
void CT6::SetTraceAborted(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, TraceFlag::Aborted, flag);
}
void CT6::SetTraceAttenuated(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, TraceFlag::Attenuated, flag);
}
void CT6::SetTraceAutoMode(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, TraceFlag::AutoMode, flag);
}
void CT6::SetTraceClamped(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, TraceFlag::Clamped, flag);
}
void CT6::SetTraceDeltaCompare(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, TraceFlag::DeltaCompare, flag);
}
void CT6::SetTraceRecalled(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, TraceFlag::Recalled, flag);
}
void CT6::SetTraceTemplate(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, TraceFlag::Template, flag);
}
void CT6::SetTraceFiberFill(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, TraceFlag::FiberFill, flag);
}

// Smoothed by the user implies smoothed at some time; never smoothed implies
// not smoothed by the user.
void CT6::SetTraceUserSmoothed(int32_t flag) {
    uint32_t bits =
        flag ? TraceFlag::UserSmoothed | TraceFlag::EverSmoothed : TraceFlag::UserSmoothed;
    m_traceFlags = withBits(m_traceFlags, bits, flag);
}
void CT6::SetTraceEverSmoothed(int32_t flag) {
    uint32_t bits =
        flag ? TraceFlag::EverSmoothed : TraceFlag::EverSmoothed | TraceFlag::UserSmoothed;
    m_traceFlags = withBits(m_traceFlags, bits, flag);
}

namespace {

// The conditions the flag texts show, in the order of the flag-character
// string: analysed, user smoothed, template, attenuated, aborted, two-way
// averaged, delta compare.
struct TraceCondition {
    int32_t (CT6::*isSet)() const;
    const char16_t* (*label)();
};

constexpr TraceCondition kConditions[] = {
    {&CT6::IsTraceAnalyzed, [] { return varnel::settings().fas.c_str(); }},
    {&CT6::IsTraceUserSmoothed, [] { return varnel::settings().smooth.c_str(); }},
    {&CT6::IsTraceTemplate, [] { return varnel::settings().templateTrace.c_str(); }},
    {&CT6::IsTraceAttenuated, [] { return varnel::settings().attenuated.c_str(); }},
    {&CT6::IsTraceAborted, [] { return varnel::settings().abort.c_str(); }},
    {&CT6::IsTrace2WayAvg, [] { return varnel::settings().twoWay.c_str(); }},
    {&CT6::IsTraceDeltaCompare, [] { return varnel::settings().deltaCompare.c_str(); }},
};

} // namespace

char16_t* CT6::GetTraceFlagChars(char16_t* out) const {
    std::u16string_view chars = varnel::settings().traceFlagChars.view();
    std::u16string text;
    for (size_t k = 0; k < std::size(kConditions); ++k)
        if ((this->*kConditions[k].isSet)() && k < chars.size()) text += chars[k];
    return varnel::writeFormatted(out, text);
}

// Cut to the 63 characters a caller's buffer is promised to hold.
char16_t* CT6::GetTraceFlags(char16_t* out) const {
    std::u16string text;
    for (const TraceCondition& c : kConditions) {
        if (!(this->*c.isSet)()) continue;
        if (!text.empty()) text += u", ";
        text += c.label();
    }
    return varnel::writeFormatted(out, text);
}
