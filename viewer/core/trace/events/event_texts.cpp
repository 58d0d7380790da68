#include "core/trace/events/event_texts.h"

#include "core/platform/text.h"
#include "core/trace/graph/graph_text.h"

#include <array>
#include <cstdlib>

namespace orvane {
namespace {

constexpr std::array<const char*, 6> kTypeNames = {
    "Launch Event", "Reflective", "Non-Reflective", "Group", "End Event", "Questionable End"};

constexpr std::array<const char*, T6_LOSS_MODE_COUNT> kLossModeNames = {
    "Splice Loss",    "2-Point Loss", "2-Point Loss LSA", "dB/km Loss",
    "dB/km Loss LSA", "ORL",          "2-Point Atn. Cor."};

constexpr char kUserCreated[] = "User Created";
constexpr char kUserEdited[] = "User Edited";

} // namespace

int32_t viewerEventType(const CT6& record, int32_t i) {
    const int32_t type = record.EVGetType(i);
    if (type == T6_EVENT_END && record.EVIsQuestionable(i)) return T6_EVENT_QUESTIONABLE_END;
    return type;
}

const char* eventTypeName(int32_t viewerType) {
    if (viewerType < T6_EVENT_LAUNCH || viewerType > T6_EVENT_QUESTIONABLE_END) return "??";
    return kTypeNames[static_cast<size_t>(viewerType)];
}

const char* lossModeName(int32_t lossMode) {
    if (lossMode < 0 || lossMode >= T6_LOSS_MODE_COUNT) return "";
    return kLossModeNames[static_cast<size_t>(lossMode)];
}

std::string twoDecimals(double value) {
    return graph::FormatText("%.2f", value);
}

std::string distanceText(double valueInCurrentUnit) {
    return textOf([&](char16_t* b) { return T6CurDist(valueInCurrentUnit, b, T6_NO_UNITS); });
}

std::optional<double> readNumber(const std::string& text) {
    const std::string t = trimmed(text);
    if (t.empty()) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || value != value) return std::nullopt;
    return value;
}

EventWindowText eventWindowText(const CTraceDoc* doc, int32_t i) {
    EventWindowText text;
    if (!doc || i < 0 || i >= doc->record().EVCount()) {
        text.number = kNoEventSelected;
        return text;
    }
    const CT6& record = doc->record();
    text.selected = true;
    const std::string start = doc->EVGetStart(i, true);
    if (record.EVGetType(i) == T6_EVENT_GROUP)
        text.number = graph::FormatText("%2i: %s -\n     %s", i, start.c_str(),
                                        doc->EVGetEnd(i, true).c_str());
    else
        text.number = graph::FormatText("%2i: %s", i, start.c_str());
    text.type = eventTypeName(viewerEventType(record, i));
    std::string mark;
    text.loss = doc->EVGetLossFlagged(i, true, mark);
    if (!trimmed(mark).empty()) text.loss += " " + mark;
    text.refl = doc->EVGetReflFlagged(i, true);
    text.comment = doc->EVGetComment(i);
    return text;
}

std::string eventOriginText(int32_t lossMode, uint32_t flags) {
    std::string text = lossModeName(lossMode);
    if (flags & T6_EVFLAG_INSERTED)
        text += std::string(", ") + kUserCreated;
    else if (flags & T6_EVFLAG_EDITED)
        text += std::string(", ") + kUserEdited;
    return text;
}

} // namespace orvane
