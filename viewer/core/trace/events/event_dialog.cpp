#include "core/trace/events/event_dialog.h"

#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/trace/events/event_texts.h"
#include "core/trace/graph/graph_text.h"

namespace orvane {
namespace {

constexpr double kLowestReflectance = -100.0;
constexpr double kHighestReflectance = 0.0;
// The sorted event is found again at or after its start less this.
constexpr double kRefindSlackKM = 0.005;
constexpr uint32_t kReflectanceMarks =
    T6_EVFLAG_REFL_SATURATED | T6_EVFLAG_REFL_CLAMPED | T6_EVFLAG_FEW_POINTS_PER_PULSE;

bool isEndType(int32_t type) {
    return type == T6_EVENT_END || type == T6_EVENT_QUESTIONABLE_END;
}

bool sameNumber(const std::string& a, const std::string& b) {
    return readNumber(a) == readNumber(b);
}

// notNumber and outOfRange: what the user is told when the field fails.
bool inRange(const std::string& text, double low, double high, const char* notNumber,
             const std::string& outOfRange) {
    const std::optional<double> v = readNumber(text);
    if (!v) {
        tell("", notNumber);
        return false;
    }
    if (*v < low || *v > high) {
        tell("", outOfRange);
        return false;
    }
    return true;
}

// What tells an event from every other one after the table is sorted.
struct EventIdentity {
    int32_t startDP, endDP, type;
    uint16_t startFR, endFR;
    uint32_t flags;
    std::string comment;
    bool operator==(const EventIdentity&) const = default;
};

EventIdentity identityOf(const CT6& record, int32_t i) {
    return {record.EVGetStartDP(i),
            record.EVGetEndDP(i),
            record.EVGetType(i),
            record.EVGetStartFR(i),
            record.EVGetEndFR(i),
            record.EVGetFlags(i),
            textOf([&](char16_t* b) { return record.EVGetComment(i, b); })};
}

// The event itself where it can be told apart; else the first event at or
// after its start, never the launch.
int32_t findAgain(const CT6& record, const EventIdentity& identity, double startKM) {
    for (int32_t i = 1; i < record.EVCount(); ++i)
        if (identityOf(record, i) == identity) return i;
    for (int32_t i = 1; i < record.EVCount(); ++i)
        if (record.EVGetStartKM(i) >= startKM - kRefindSlackKM) return i;
    return 1;
}

} // namespace

EventDialog::EventDialog(CTraceDoc& doc, int32_t index, bool insert, bool pasteAllowed)
    : m_doc(&doc), m_index(index), m_insert(insert), m_pasteAllowed(pasteAllowed) {}

EventDialog EventDialog::ForEdit(CTraceDoc& doc, int32_t i, bool pasteAllowed) {
    EventDialog dialog(doc, i, false, pasteAllowed);
    const CT6& record = doc.record();
    EventValues& v = dialog.values;
    v.type = viewerEventType(record, i);
    v.start = distanceText(record.EVGetStart(i));
    v.end = distanceText(record.EVGetEnd(i));
    // Without an end connector the end shows the break threshold it passed.
    if (record.EVGetType(i) == T6_EVENT_END && !record.IsEndConn())
        v.loss = doc.GetThresholdBreak(false);
    else
        v.loss = twoDecimals(record.EVGetLoss(i));
    v.refl = twoDecimals(record.EVGetRefl(i));
    const uint32_t flags = record.EVGetFlags(i);
    v.saturated = flags & T6_EVFLAG_REFL_SATURATED;
    v.clamped = flags & T6_EVFLAG_REFL_CLAMPED;
    v.fewPoints = flags & T6_EVFLAG_FEW_POINTS_PER_PULSE;
    v.comment = doc.EVGetComment(i);
    v.lossMode = record.EVGetLossMode(i);
    v.lsa = {record.EVGetLSAStartOffKM(i, T6_SIDE_A), record.EVGetLSAEndOffKM(i, T6_SIDE_A),
             record.EVGetLSAStartOffKM(i, T6_SIDE_B), record.EVGetLSAEndOffKM(i, T6_SIDE_B)};
    dialog.MarkOpened();
    return dialog;
}

EventDialog EventDialog::ForInsert(CTraceDoc& doc, int32_t startingType) {
    EventDialog dialog(doc, doc.record().EVCount(), true, true);
    EventValues& v = dialog.values;
    v.type = startingType;
    v.start = v.end = distanceText(0);
    v.loss = v.refl = twoDecimals(0);
    dialog.MarkOpened();
    return dialog;
}

std::string EventDialog::Title() const {
    return std::string(m_insert ? "Insert Event " : "Edit Event ") + std::to_string(m_index) +
           "     " + m_doc->DocumentName();
}

std::vector<int32_t> EventDialog::TypeChoices() const {
    if (isEndType(values.type)) return {T6_EVENT_END, T6_EVENT_QUESTIONABLE_END};
    return {T6_EVENT_NON_REFLECTIVE, T6_EVENT_REFLECTIVE, T6_EVENT_GROUP};
}

std::string EventDialog::OriginText() const {
    const uint32_t flags = m_insert ? T6_EVFLAG_INSERTED : m_doc->record().EVGetFlags(m_index);
    return eventOriginText(values.lossMode, flags);
}

void EventDialog::TakePastedDistances(double start, double end) {
    m_pasted = true;
    m_pastedStart = start;
    m_pastedEnd = end;
    values.start = m_pastedStartText = distanceText(start);
    values.end = m_pastedEndText = distanceText(end);
}

// A field that still shows a pasted distance stands for its full precision.
double EventDialog::DistanceValue(const std::string& text) const {
    if (m_pastedStart && text == m_pastedStartText) return *m_pastedStart;
    if (m_pastedEnd && text == m_pastedEndText) return *m_pastedEnd;
    return readNumber(text).value_or(0);
}

bool EventDialog::StartChanged() const {
    return !sameNumber(values.start, m_opened.start) ||
           (m_pastedStart && values.start == m_pastedStartText);
}

bool EventDialog::EndChanged() const {
    return !sameNumber(values.end, m_opened.end) || (m_pastedEnd && values.end == m_pastedEndText);
}

bool EventDialog::Ok() {
    if (!Validate()) return false;
    const double start = DistanceValue(values.start);
    const double end = DistanceValue(values.end);
    Apply(start, end, *readNumber(values.loss), *readNumber(values.refl));
    return true;
}

// Checks in order: below 0, at the launch, past the limit; the last failing
// one is told.
bool EventDialog::ValidateDistance(const std::string& text, double& value) const {
    if (!readNumber(text)) {
        tell("", kDistanceNotNumber);
        return false;
    }
    value = DistanceValue(text);
    const CT6& record = m_doc->record();
    const int32_t count = record.EVCount();
    const double limit = isEndType(values.type) || count == 0 ? T6CurDistFromKM(record.GetMaxKM())
                                                              : record.EVGetStart(count - 1);
    const char* failure = nullptr;
    if (value < 0) failure = kDistanceBelowZero;
    if (count > 0 && value <= record.EVGetStart(0)) failure = kDistanceAtLaunch;
    if (value > limit) failure = kDistancePastEnd;
    if (failure) tell("", failure);
    return failure == nullptr;
}

bool EventDialog::Overlaps(double start, double end) const {
    const CT6& record = m_doc->record();
    for (int32_t i = 1; i < record.EVCount(); ++i) {
        if (!m_insert && i == m_index) continue;
        if (record.EVGetStart(i) < end && start < record.EVGetEnd(i)) return true;
    }
    return false;
}

bool EventDialog::Validate() {
    double start = 0, end = 0;
    if (!ValidateDistance(values.start, start) || !ValidateDistance(values.end, end)) return false;
    const bool startChanged = StartChanged();
    if (startChanged && !EndChanged() && values.type != T6_EVENT_GROUP &&
        values.lossMode == T6_LOSS_SPLICE) {
        end = start + T6CurDistFromKM(m_doc->record().PWGetKM(0));
        values.end = distanceText(end);
    }
    if (end < start) {
        tell("", kEndBeforeStart);
        return false;
    }
    if ((startChanged || EndChanged()) && Overlaps(start, end)) {
        tell("", kEventsOverlap);
        return false;
    }
    if (!inRange(values.refl, kLowestReflectance, kHighestReflectance, kReflectanceNotNumber,
                 kReflectanceOutOfRange))
        return false;
    const double range = m_doc->record().GetDynamicRange();
    if (!inRange(values.loss, -range, range, kLossNotNumber,
                 graph::FormatText(kLossOutOfRange, -range, range)))
        return false;
    if (toUtf16(values.comment).size() > static_cast<size_t>(kEventCommentRoom)) {
        tell("", graph::FormatText(kCommentTooLong, kEventCommentRoom), PromptIcon::Exclamation);
        return false;
    }
    return true;
}

void EventDialog::Apply(double start, double end, double loss, double refl) {
    const bool anyChanged = values != m_opened;
    if (!m_insert && !m_pasted && !anyChanged) return;
    CTraceDoc& doc = *m_doc;
    int32_t i = m_index;
    if (m_insert) {
        i = doc.EVInsert();
        doc.EVPutFlags(i, T6_EVFLAG_INSERTED);
    }
    const bool startChanged = m_insert || StartChanged();
    const bool endChanged = m_insert || EndChanged();
    bool reflChanged = m_insert || !sameNumber(values.refl, m_opened.refl);
    doc.EVSetType(i, values.type);
    if (!m_insert && m_opened.type == T6_EVENT_REFLECTIVE &&
        values.type == T6_EVENT_NON_REFLECTIVE) {
        refl = 0;
        reflChanged = true;
    }
    if (startChanged) doc.EVSetStart(i, start);
    if (endChanged) doc.EVSetEnd(i, end);
    if (m_insert || !sameNumber(values.loss, m_opened.loss)) {
        doc.EVSetLoss(i, loss);
        doc.EVClearFlags(i, T6_EVFLAG_LOSS_UNKNOWN);
    }
    if (reflChanged) {
        doc.EVSetRefl(i, refl);
        doc.EVClearFlags(i, T6_EVFLAG_REFL_UNKNOWN);
    }
    doc.EVSetComment(i, toUtf16(values.comment));

    uint32_t flags = doc.record().EVGetFlags(i);
    if (anyChanged && !m_insert) flags |= T6_EVFLAG_EDITED;
    flags &= ~kReflectanceMarks;
    if (values.saturated) flags |= T6_EVFLAG_REFL_SATURATED;
    if (values.clamped) flags |= T6_EVFLAG_REFL_CLAMPED;
    if (values.fewPoints) flags |= T6_EVFLAG_FEW_POINTS_PER_PULSE;
    doc.EVPutFlags(i, flags);
    doc.EVSetLossMode(i, values.lossMode);
    if (startChanged || endChanged)
        doc.EVSetLSAOffKM(i, values.lsa.aStart, values.lsa.aEnd, values.lsa.bStart,
                          values.lsa.bEnd);

    const EventIdentity identity = identityOf(doc.record(), i);
    doc.EVSort();
    m_index = findAgain(doc.record(), identity, T6KMFromCurDist(start));
    m_changed = true;
}

} // namespace orvane
