// The texts of the event table: type names and characters, the flagged loss
// and reflectance columns and the flags column.
#include "record/event_element.h"
#include "record/settings.h"
#include "record/wide_text.h"

#include <varnel/scaled_values.h>

#include <string>

using namespace varnel;

namespace {

using Element = CT6::EVElement;

bool isQuestionable(const Element& e) {
    return (e.Flags & T6_EVFLAG_QUESTIONABLE) != 0;
}

bool isQuestionableEnd(const Element& e) {
    return e.Type == T6_EVENT_END && isQuestionable(e);
}

char16_t* writeEmpty(char16_t* buf) {
    return writeFormatted(buf, u"");
}

// The character of a type from the settable type-character string; a string
// set shorter than the table gives no character.
std::u16string typeChar(int32_t type) {
    if (type < T6_EVENT_JUNK || type > T6_EVENT_QUESTIONABLE_END) type = T6_EVENT_QUESTIONABLE_END;
    const std::u16string_view chars = settings().eventTypeChars.view();
    const size_t at = static_cast<size_t>(type - T6_EVENT_JUNK);
    return at < chars.size() ? std::u16string(1, chars[at]) : std::u16string();
}

char16_t* withDBUnit(char16_t* buf, int32_t units) {
    return units ? T6AddUnitsDB(buf) : buf;
}

} // namespace

char16_t* CT6::EVGetType(int32_t i, char16_t* buf) const {
    const Element* e = eventAt(i);
    if (!e) return writeEmpty(buf);
    const int32_t type = isQuestionableEnd(*e) ? T6_EVENT_QUESTIONABLE_END : e->Type;
    return T6GetStgEventType(type, buf);
}

char16_t* CT6::EVGetTypeChar(int32_t i, char16_t* buf) const {
    const Element* e = eventAt(i);
    if (!e) return writeEmpty(buf);
    std::u16string text = typeChar(e->Type);
    if (isQuestionableEnd(*e)) text += typeChar(T6_EVENT_QUESTIONABLE_END);
    return writeFormatted(buf, text);
}

char16_t* CT6::EVGetLoss2P(int32_t i, char16_t* buf) const {
    const int32_t mode = EVGetLossMode(i);
    if (eventAt(i) && (mode == 1 || mode == 6))
        return writeFormatted(buf, settings().twoPoint.view());
    return writeEmpty(buf);
}

char16_t* CT6::EVGetLossFlagged(int32_t i, char16_t* buf, int32_t units) const {
    const Element* e = eventAt(i);
    if (!e) return writeEmpty(buf);
    if (e->Type == T6_EVENT_END) {
        if (e->Flags & T6_EVFLAG_END_AT_NOISE_FLOOR)
            return writeFormatted(buf, settings().outOfRange.view());
        if (e->Flags & T6_EVFLAG_END_NO_NOISE_FLOOR)
            return writeFormatted(buf, settings().outOfDist.view());
        // Without a measurable end reflection the break threshold bounds the loss.
        if (GetEndConnLoss() != 0)
            writeFormatted(buf, formatDouble(u"%.2f", EVGetLoss(i)));
        else
            writeFormatted(buf, formatDouble(u">%.2f", GetThresholdBreak()));
        return withDBUnit(buf, units);
    }
    if (e->Flags & T6_EVFLAG_LOSS_UNKNOWN) return writeFormatted(buf, u"???.??");
    return EVGetLoss(i, buf, units);
}

char16_t* CT6::EVGetReflFlagged(int32_t i, char16_t* buf, int32_t units) const {
    const Element* e = eventAt(i);
    if (!e || e->Type == T6_EVENT_NON_REFLECTIVE) return writeEmpty(buf);
    if (e->Flags & T6_EVFLAG_REFL_UNKNOWN) return writeFormatted(buf, u"??.?? ");
    if (e->Refl != 0 && !T6ScaledIsSaturated(e->Refl)) {
        std::u16string text;
        std::u16string_view suffix = u" ";
        if (e->Flags & T6_EVFLAG_REFL_SATURATED) {
            text = u">";
            suffix = u"S";
        } else if (e->Flags & T6_EVFLAG_REFL_LOWER_BOUND) {
            text = u">";
        }
        text += formatDouble(u"%.2f", T6DBFromScaled(e->Refl));
        text += suffix;
        writeFormatted(buf, text);
        return withDBUnit(buf, units);
    }
    const bool expectsRefl =
        e->Type == T6_EVENT_REFLECTIVE || (e->Type == T6_EVENT_END && !isQuestionable(*e));
    if (!expectsRefl) return writeEmpty(buf);
    return writeFormatted(buf, std::u16string(settings().notAvailable.view()) + u"  ");
}

char16_t* CT6::EVGetFlagsText(int32_t i, char16_t* buf) const {
    const Element* e = eventAt(i);
    if (!e) return writeEmpty(buf);
    std::u16string text;
    if (e->Type == T6_EVENT_GROUP || e->Type == T6_EVENT_END) {
        if (isQuestionableEnd(*e)) text += u"?";
        if (e->Flags & T6_EVFLAG_TWO_POINT_LOSS) text += u"2";
    }
    if (e->Type == T6_EVENT_REFLECTIVE || e->Type == T6_EVENT_GROUP || e->Type == T6_EVENT_END) {
        if (e->Flags & T6_EVFLAG_REFL_SATURATED)
            text += u">S";
        else if (e->Flags & T6_EVFLAG_REFL_LOWER_BOUND)
            text += u">";
    }
    return writeFormatted(buf, text);
}
