// The trace-flag word: one bit per condition, read and set by name, and the
// condition texts built from them.
#include "record/settings.h"

#include <varnel/varnel.h>

#include <string>

namespace {

uint32_t withBits(uint32_t word, uint32_t bits, int32_t set) {
    return set ? word | bits : word & ~bits;
}

} // namespace

int32_t CT6::IsTrace2WayAvg() const {
    return (m_traceFlags & T6_TRACE_2WAY_AVG) != 0;
}
int32_t CT6::IsABLocked() const {
    return (m_traceFlags & T6_TRACE_AB_LOCKED) != 0;
}
int32_t CT6::IsTraceAborted() const {
    return (m_traceFlags & T6_TRACE_ABORTED) != 0;
}
int32_t CT6::IsTraceAttenuated() const {
    return (m_traceFlags & T6_TRACE_ATTENUATED) != 0;
}
int32_t CT6::IsTraceAutoMode() const {
    return (m_traceFlags & T6_TRACE_AUTO_MODE) != 0;
}
int32_t CT6::IsTraceClamped() const {
    return (m_traceFlags & T6_TRACE_CLAMPED) != 0;
}
int32_t CT6::IsTraceDeltaCompare() const {
    return (m_traceFlags & T6_TRACE_DELTA_COMPARE) != 0;
}
int32_t CT6::IsTraceRecalled() const {
    return (m_traceFlags & T6_TRACE_RECALLED) != 0;
}
int32_t CT6::IsTraceUserSmoothed() const {
    return (m_traceFlags & T6_TRACE_USER_SMOOTHED) != 0;
}
int32_t CT6::IsTraceTemplate() const {
    return (m_traceFlags & T6_TRACE_TEMPLATE) != 0;
}
int32_t CT6::IsTraceEverSmoothed() const {
    return (m_traceFlags & T6_TRACE_EVER_SMOOTHED) != 0;
}
int32_t CT6::IsTraceFiberFill() const {
    return (m_traceFlags & T6_TRACE_FIBER_FILL) != 0;
}
int32_t CT6::IsTraceAnalyzed() const {
    return EVCount() > 0;
}
int32_t CT6::OKToAnalyze() const {
    return !IsTrace2WayAvg() && !IsTraceDeltaCompare();
}

// The ORL detail bits mean something only while an ORL result is available.
int32_t CT6::IsORLAvailable() const {
    return (m_traceFlags & T6_TRACE_ORL_AVAILABLE) != 0;
}
int32_t CT6::IsORLLessThan() const {
    return IsORLAvailable() && (m_traceFlags & T6_TRACE_ORL_LESS_THAN) != 0;
}
int32_t CT6::IsORLRelToA() const {
    return IsORLAvailable() && (m_traceFlags & T6_TRACE_ORL_REL_TO_A) != 0;
}
int32_t CT6::IsORLSaturated() const {
    return IsORLAvailable() && (m_traceFlags & T6_TRACE_ORL_SATURATED) != 0;
}
int32_t CT6::IsORLSTFM() const {
    return IsORLAvailable() && (m_traceFlags & T6_TRACE_ORL_STFM) != 0;
}
int32_t CT6::IsORLCopied() const {
    return IsORLAvailable() && (m_traceFlags & T6_TRACE_ORL_COPIED) != 0;
}

void CT6::SetTrace2WayAvg(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, T6_TRACE_2WAY_AVG, flag);
}
void CT6::SetABLocked(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, T6_TRACE_AB_LOCKED, flag);
    SetModFlag(T6_MOD_CURSORS);
}
void CT6::SetTraceAborted(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, T6_TRACE_ABORTED, flag);
}
void CT6::SetTraceAttenuated(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, T6_TRACE_ATTENUATED, flag);
}
void CT6::SetTraceAutoMode(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, T6_TRACE_AUTO_MODE, flag);
}
void CT6::SetTraceClamped(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, T6_TRACE_CLAMPED, flag);
}
void CT6::SetTraceDeltaCompare(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, T6_TRACE_DELTA_COMPARE, flag);
}
void CT6::SetTraceRecalled(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, T6_TRACE_RECALLED, flag);
}
void CT6::SetTraceTemplate(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, T6_TRACE_TEMPLATE, flag);
}
void CT6::SetTraceFiberFill(int32_t flag) {
    m_traceFlags = withBits(m_traceFlags, T6_TRACE_FIBER_FILL, flag);
}

// Smoothed by the user implies smoothed at some time; never smoothed implies
// not smoothed by the user.
void CT6::SetTraceUserSmoothed(int32_t flag) {
    uint32_t bits = flag ? T6_TRACE_USER_SMOOTHED | T6_TRACE_EVER_SMOOTHED : T6_TRACE_USER_SMOOTHED;
    m_traceFlags = withBits(m_traceFlags, bits, flag);
}
void CT6::SetTraceEverSmoothed(int32_t flag) {
    uint32_t bits = flag ? T6_TRACE_EVER_SMOOTHED : T6_TRACE_EVER_SMOOTHED | T6_TRACE_USER_SMOOTHED;
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
