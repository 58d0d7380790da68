#include "core/shell/display_strings.h"

#include "core/platform/text.h"

#include <varnel/varnel.h>

#include <cstdint>

namespace orvane {

namespace {

using Setter = void (*)(const char16_t*);
using IndexedSetter = void (*)(int32_t, const char16_t*);

struct Single {
    Setter set;
    const char* text;
};

struct Indexed {
    IndexedSetter set;
    int32_t first;
    const char* const* texts;
    int32_t count;
};

constexpr Single kSingles[] = {
    {T6SetStgNM, "nm"},
    {T6SetStgUSEC, "\xc2\xb5s"},
    {T6SetStgNSEC, "ns"},
    {T6SetStgDB, "dB"},
    {T6SetStgDBKM, "dB/km"},
    {T6SetStgAM, "AM"},
    {T6SetStgPM, "PM"},
    {T6SetStgNotAvailable, "N/A"},
    {T6SetStg2Way, "2-Way Average"},
    {T6SetStgDeltaCompare, "Delta Compare"},
    {T6SetStgAttenuated, "Atten"},
    {T6SetStgAbort, "Abort"},
    {T6SetStgTemplate, "Template"},
    {T6SetStgFAS, "Analysis"},
    {T6SetStgSmooth, "Smooth"},
    {T6SetStgSinglemode, "Singlemode"},
    {T6SetStgMultimode, "Multimode"},
    {T6SetStgSM, "SM"},
    {T6SetStgMM, "MM"},
    {T6SetStgFast, "Fast"},
    {T6SetStgMedium, "Medium"},
    {T6SetStgSlow, "Slow"},
    {T6SetStgTimed, "Timed"},
    {T6SetStgAutoMode, "AutoMode"},
    {T6SetStgOutOfRange, "Out of Range"},
    {T6SetStgOutOfDist, "Out of Dist."},
    {T6SetStgTraceFlagChars, "FSTAH2D"},
};

constexpr const char* kDistanceUnits[] = {"mi", "ft", "kft", "m", "km"};
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kEventTypes[] = {"Launch Event", "Reflective", "Non-Reflective",
                                       "Group",        "End Event",  "Questionable End"};
constexpr const char* kLossModes[] = {"Splice Loss",      "2-Point Loss",   "2-Point Loss LSA",
                                      "dB/km Loss",       "dB/km Loss LSA", "ORL",
                                      "2-Point Atn. Cor."};

template <size_t N> constexpr Indexed indexed(IndexedSetter set, const char* const (&texts)[N]) {
    return {set, 0, texts, static_cast<int32_t>(N)};
}

constexpr Indexed kIndexed[] = {
    indexed(T6SetStgCurDist, kDistanceUnits),
    indexed(T6SetStgMonth, kMonths),
    indexed(T6SetStgEventType, kEventTypes),
    indexed(T6SetStgLossMode, kLossModes),
};

// The ORL reference marks are the letters between brackets.
constexpr const char* kOrlRelToA = "A";
constexpr const char* kOrlRelToOrigin = "O";

void push(Setter set, const std::string& text) {
    set(toUtf16(text).c_str());
}

} // namespace

void PushDisplayStrings(const Translate& translate) {
    for (const Single& s : kSingles)
        push(s.set, translate(s.text));
    for (const Indexed& list : kIndexed)
        for (int32_t i = 0; i < list.count; ++i)
            list.set(list.first + i, toUtf16(translate(list.texts[i])).c_str());
    push(T6SetStgORLRelToA, "[" + translate(kOrlRelToA) + "]");
    push(T6SetStgORLRelToOrigin, "[" + translate(kOrlRelToOrigin) + "]");
}

} // namespace orvane
