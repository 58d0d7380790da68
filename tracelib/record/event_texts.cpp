// The texts of the event table: type names and characters, the flagged loss
// and reflectance columns and the flags column.
#include "record/event_element.h"
#include "record/settings.h"
#include "record/wide_text.h"

#include <string>

using namespace varnel;

namespace {

using Element = CT6::EVElement;

bool isQuestionable(const Element& e) {
    return (e.Flags & EventFlag::Questionable) != 0;
}

bool isQuestionableEnd(const Element& e) {
    return e.Type == EventType::End && isQuestionable(e);
}

char16_t* writeEmpty(char16_t* buf) {
    return writeFormatted(buf, u"");
}

// The character of a type from the settable type-character string; a string
// set shorter than the table gives no character.
std::u16string typeChar(int32_t type) {
    if (type < EventType::Junk || type > EventType::QuestionableEnd)
        type = EventType::QuestionableEnd;
    const std::u16string_view chars = settings().eventTypeChars.view();
    const size_t at = static_cast<size_t>(type - EventType::Junk);
    return at < chars.size() ? std::u16string(1, chars[at]) : std::u16string();
}

char16_t* withDBUnit(char16_t* buf, int32_t units) {
    return units ? T6AddUnitsDB(buf) : buf;
}

} // namespace

char16_t* CT6::EVGetType(int32_t i, char16_t* buf) const {
    const Element* e = eventAt(i);
    if (!e) return writeEmpty(buf);
    const int32_t type = isQuestionableEnd(*e) ? EventType::QuestionableEnd : e->Type;
    return T6GetStgEventType(type, buf);
}

char16_t* CT6::EVGetTypeChar(int32_t i, char16_t* buf) const {
    const Element* e = eventAt(i);
    if (!e) return writeEmpty(buf);
    std::u16string text = typeChar(e->Type);
    if (isQuestionableEnd(*e)) text += typeChar(EventType::QuestionableEnd);
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
    if (e->Type == EventType::End) {
        if (e->Flags & EventFlag::EndAtNoiseFloor)
            return writeFormatted(buf, settings().outOfRange.view());
        if (e->Flags & EventFlag::EndNoNoiseFloor)
            return writeFormatted(buf, settings().outOfDist.view());
        // Without a measurable end reflection the break threshold bounds the loss.
        if (GetEndConnLoss() != 0)
            writeFormatted(buf, formatDouble(u"%.2f", EVGetLoss(i)));
        else
            writeFormatted(buf, formatDouble(u">%.2f", GetThresholdBreak()));
        return withDBUnit(buf, units);
    }
    if (e->Flags & EventFlag::LossUnknown) return writeFormatted(buf, u"???.??");
    return EVGetLoss(i, buf, units);
}

char16_t* CT6::EVGetReflFlagged(int32_t i, char16_t* buf, int32_t units) const {
    const Element* e = eventAt(i);
    if (!e || e->Type == EventType::NonReflective) return writeEmpty(buf);
    if (e->Flags & EventFlag::ReflUnknown) return writeFormatted(buf, u"??.?? ");
    if (e->Refl != 0) {
        std::u16string text;
        std::u16string_view suffix = u" ";
        if (e->Flags & EventFlag::ReflSaturated) {
            text = u">";
            suffix = u"S";
        } else if (e->Flags & EventFlag::ReflLowerBound) {
            text = u">";
        }
        text += formatDouble(u"%.2f", T6DBFromScaled(e->Refl));
        text += suffix;
        writeFormatted(buf, text);
        return withDBUnit(buf, units);
    }
    const bool expectsRefl =
        e->Type == EventType::Reflective || (e->Type == EventType::End && !isQuestionable(*e));
    if (!expectsRefl) return writeEmpty(buf);
    return writeFormatted(buf, std::u16string(settings().notAvailable.view()) + u"  ");
}

char16_t* CT6::EVGetFlagsText(int32_t i, char16_t* buf) const {
    const Element* e = eventAt(i);
    if (!e) return writeEmpty(buf);
    std::u16string text;
    if (e->Type == EventType::Group || e->Type == EventType::End) {
        if (isQuestionableEnd(*e)) text += u"?";
        if (e->Flags & EventFlag::TwoPointLoss) text += u"2";
    }
    if (e->Type == EventType::Reflective || e->Type == EventType::Group ||
        e->Type == EventType::End) {
        if (e->Flags & EventFlag::ReflSaturated)
            text += u">S";
        else if (e->Flags & EventFlag::ReflLowerBound)
            text += u">";
    }
    return writeFormatted(buf, text);
}
