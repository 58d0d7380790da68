// Per-event field accessors. Indexes outside the table read as zero and are
// never written.
#include "record/event_element.h"
#include "record/event_internal.h"
#include "record/settings.h"
#include "record/wide_text.h"

#include <varnel/scaled_values.h>

using namespace varnel;

namespace {

using Element = CT6::EVElement;

template <typename T> T fieldOr(const Element* e, T Element::*field) {
    return e ? e->*field : T{};
}

template <typename T> bool store(Element* e, T Element::*field, T value) {
    if (!e) return false;
    e->*field = value;
    return true;
}

bool isQuestionable(const Element& e) {
    return (e.Flags & T6_EVFLAG_QUESTIONABLE) != 0;
}

int sideIndex(int32_t side) {
    return side ? kSideA : kSideB;
}

} // namespace

CT6::EVElement* CT6::eventAt(int32_t i) {
    return i >= 0 && i < m_eventCount ? &m_events[static_cast<size_t>(i)] : nullptr;
}

const CT6::EVElement* CT6::eventAt(int32_t i) const {
    return i >= 0 && i < m_eventCount ? &m_events[static_cast<size_t>(i)] : nullptr;
}

void CT6::markEventsModified() {
    SetModFlag(T6_MOD_EVENTS);
}

int32_t CT6::EVGetStartDP(int32_t i) const {
    return fieldOr(eventAt(i), &Element::StartDP);
}
uint16_t CT6::EVGetStartFR(int32_t i) const {
    return fieldOr(eventAt(i), &Element::StartFR);
}
int32_t CT6::EVGetEndDP(int32_t i) const {
    return fieldOr(eventAt(i), &Element::EndDP);
}
uint16_t CT6::EVGetEndFR(int32_t i) const {
    return fieldOr(eventAt(i), &Element::EndFR);
}
int32_t CT6::EVGetRiseEndDP(int32_t i) const {
    return fieldOr(eventAt(i), &Element::RiseEndDP);
}
uint16_t CT6::EVGetRiseEndFR(int32_t i) const {
    return fieldOr(eventAt(i), &Element::RiseEndFR);
}
int32_t CT6::EVGetFallStartDP(int32_t i) const {
    return fieldOr(eventAt(i), &Element::FallStartDP);
}
uint16_t CT6::EVGetFallStartFR(int32_t i) const {
    return fieldOr(eventAt(i), &Element::FallStartFR);
}

void CT6::EVSetStartDP(int32_t i, int32_t dp) {
    if (store(eventAt(i), &Element::StartDP, dp)) markEventsModified();
}
void CT6::EVSetStartFR(int32_t i, uint16_t fr) {
    if (store(eventAt(i), &Element::StartFR, fr)) markEventsModified();
}
void CT6::EVSetEndDP(int32_t i, int32_t dp) {
    if (store(eventAt(i), &Element::EndDP, dp)) markEventsModified();
}
void CT6::EVSetEndFR(int32_t i, uint16_t fr) {
    if (store(eventAt(i), &Element::EndFR, fr)) markEventsModified();
}

// The edges of a reflection are analysis detail: moving them is not an edit.
void CT6::EVSetRiseEndDP(int32_t i, int32_t dp) {
    store(eventAt(i), &Element::RiseEndDP, dp);
}
void CT6::EVSetRiseEndFR(int32_t i, uint16_t fr) {
    store(eventAt(i), &Element::RiseEndFR, fr);
}
void CT6::EVSetFallStartDP(int32_t i, int32_t dp) {
    store(eventAt(i), &Element::FallStartDP, dp);
}
void CT6::EVSetFallStartFR(int32_t i, uint16_t fr) {
    store(eventAt(i), &Element::FallStartFR, fr);
}

double CT6::EVGetStartKM(int32_t i) const {
    const Element* e = eventAt(i);
    return e ? KMFromDPFR(e->StartDP, e->StartFR) : 0.0;
}

double CT6::EVGetEndKM(int32_t i) const {
    const Element* e = eventAt(i);
    return e ? KMFromDPFR(e->EndDP, e->EndFR) : 0.0;
}

void CT6::EVSetStartKM(int32_t i, double km) {
    Element* e = eventAt(i);
    if (!e) return;
    e->StartDP = DPFRFromKM(km, e->StartFR);
    markEventsModified();
}

void CT6::EVSetEndKM(int32_t i, double km) {
    Element* e = eventAt(i);
    if (!e) return;
    e->EndDP = DPFRFromKM(km, e->EndFR);
    markEventsModified();
}

double CT6::EVGetStart(int32_t i) const {
    return T6CurDistFromKM(EVGetStartKM(i));
}
double CT6::EVGetEnd(int32_t i) const {
    return T6CurDistFromKM(EVGetEndKM(i));
}
void CT6::EVSetStart(int32_t i, double v) {
    EVSetStartKM(i, T6KMFromCurDist(v));
}
void CT6::EVSetEnd(int32_t i, double v) {
    EVSetEndKM(i, T6KMFromCurDist(v));
}

char16_t* CT6::EVGetStart(int32_t i, char16_t* buf, int32_t units) const {
    return T6CurDistFromKM(EVGetStartKM(i), buf, units);
}

char16_t* CT6::EVGetEnd(int32_t i, char16_t* buf, int32_t units) const {
    return T6CurDistFromKM(EVGetEndKM(i), buf, units);
}

// The launch carries no loss of its own, and an unmeasurable loss counts as 0.
double CT6::EVGetLoss(int32_t i) const {
    const Element* e = eventAt(i);
    if (!e || i == 0 || (e->Flags & T6_EVFLAG_LOSS_UNKNOWN)) return 0.0;
    return T6DBFromScaled(e->Loss);
}

double CT6::EVGetStoredLoss(int32_t i) const {
    const Element* e = eventAt(i);
    if (!e || (e->Flags & T6_EVFLAG_LOSS_UNKNOWN)) return T6_NO_VALUE;
    return T6DBFromScaled(e->Loss);
}

char16_t* CT6::EVGetLoss(int32_t i, char16_t* buf, int32_t units) const {
    return T6GetDB2Dec(EVGetLoss(i), buf, units);
}

void CT6::EVSetLoss(int32_t i, double db) {
    if (store(eventAt(i), &Element::Loss, T6ScaledFromDB(db))) markEventsModified();
}

// A reflectance the field could not hold is none: 0, as for no reflection.
double CT6::EVGetRefl(int32_t i) const {
    const int32_t stored = fieldOr(eventAt(i), &Element::Refl);
    return T6ScaledIsSaturated(stored) ? 0.0 : T6DBFromScaled(stored);
}

char16_t* CT6::EVGetRefl(int32_t i, char16_t* buf, int32_t units) const {
    if (EVGetRefl(i) == 0) return copyTruncated(buf, u"", 0);
    return T6GetDB2Dec(EVGetRefl(i), buf, units);
}

void CT6::EVSetRefl(int32_t i, double db) {
    if (store(eventAt(i), &Element::Refl, T6ScaledFromDB(db))) markEventsModified();
}

int32_t CT6::EVGetLossMode(int32_t i) const {
    return fieldOr(eventAt(i), &Element::LossMode);
}

void CT6::EVSetLossMode(int32_t i, int32_t mode) {
    if (store(eventAt(i), &Element::LossMode, mode)) markEventsModified();
}

int32_t CT6::EVGetType(int32_t i) const {
    return fieldOr(eventAt(i), &Element::Type);
}

void CT6::EVSetType(int32_t i, int32_t type) {
    Element* e = eventAt(i);
    if (!e) return;
    if (type == T6_EVENT_END) e->Flags &= ~T6_EVFLAG_QUESTIONABLE;
    if (type == T6_EVENT_QUESTIONABLE_END) {
        e->Flags |= T6_EVFLAG_END_AT_NOISE_FLOOR;
        type = T6_EVENT_END;
    }
    e->Type = type;
    markEventsModified();
}

int32_t CT6::EVQtEnd(int32_t i) const {
    const Element* e = eventAt(i);
    return e && e->Type == T6_EVENT_END && isQuestionable(*e) ? 1 : 0;
}

int32_t CT6::EVIsQuestionable(int32_t i) const {
    const Element* e = eventAt(i);
    return e && isQuestionable(*e) ? 1 : 0;
}

uint32_t CT6::EVGetFlags(int32_t i) const {
    return fieldOr(eventAt(i), &Element::Flags);
}

// Analysis and file readers restore flags wholesale; that is not a user edit.
void CT6::EVPutFlags(int32_t i, uint32_t flags) {
    store(eventAt(i), &Element::Flags, flags);
}

uint32_t CT6::EVSetFlags(int32_t i, uint32_t flags) {
    Element* e = eventAt(i);
    if (!e) return 0;
    markEventsModified();
    return e->Flags |= flags;
}

uint32_t CT6::EVClearFlags(int32_t i, uint32_t flags) {
    Element* e = eventAt(i);
    if (!e) return 0;
    markEventsModified();
    return e->Flags &= ~flags;
}

char16_t* CT6::EVGetComment(int32_t i, char16_t* buf) const {
    const Element* e = eventAt(i);
    return copyTruncated(buf, e ? e->Comment : u"", kEventCommentCapacity);
}

void CT6::EVSetComment(int32_t i, const char16_t* text) {
    Element* e = eventAt(i);
    if (!e) return;
    copyTruncated(e->Comment, text, kEventCommentCapacity);
    markEventsModified();
}

// Offsets are DP/FR differences from the start so that they move with the
// event; their km value is measured along the fibre from the start.
double CT6::EVGetLSAStartOffKM(int32_t i, int32_t side) const {
    const Element* e = eventAt(i);
    if (!e) return 0.0;
    const int s = sideIndex(side);
    int32_t dp = 0;
    uint16_t fr = 0;
    T6AddDPFR(dp, fr, e->StartDP, e->StartFR, e->LSAStartOffDP[s], e->LSAStartOffFR[s]);
    return KMFromDPFR(dp, fr) - KMFromDPFR(e->StartDP, e->StartFR);
}

double CT6::EVGetLSAEndOffKM(int32_t i, int32_t side) const {
    const Element* e = eventAt(i);
    if (!e) return 0.0;
    const int s = sideIndex(side);
    int32_t dp = 0;
    uint16_t fr = 0;
    T6AddDPFR(dp, fr, e->StartDP, e->StartFR, e->LSAEndOffDP[s], e->LSAEndOffFR[s]);
    return KMFromDPFR(dp, fr) - KMFromDPFR(e->StartDP, e->StartFR);
}

void CT6::EVSetLSAOffKM(int32_t i, double aStartKM, double aEndKM, double bStartKM, double bEndKM) {
    Element* e = eventAt(i);
    if (!e) return;
    const double startKM = KMFromDPFR(e->StartDP, e->StartFR);
    const auto storeOffset = [&](double offsetKM, int32_t& offDP, uint16_t& offFR) {
        uint16_t fr = 0;
        const int32_t dp = DPFRFromKM(startKM + offsetKM, fr);
        T6SubDPFR(offDP, offFR, dp, fr, e->StartDP, e->StartFR);
    };
    storeOffset(aStartKM, e->LSAStartOffDP[kSideA], e->LSAStartOffFR[kSideA]);
    storeOffset(aEndKM, e->LSAEndOffDP[kSideA], e->LSAEndOffFR[kSideA]);
    storeOffset(bStartKM, e->LSAStartOffDP[kSideB], e->LSAStartOffFR[kSideB]);
    storeOffset(bEndKM, e->LSAEndOffDP[kSideB], e->LSAEndOffFR[kSideB]);
    markEventsModified();
}

void CT6::EVGetLSAOffDPFR(int32_t i, int32_t side, int32_t& startDP, uint16_t& startFR,
                          int32_t& endDP, uint16_t& endFR) const {
    const Element* e = eventAt(i);
    const int s = sideIndex(side);
    startDP = e ? e->LSAStartOffDP[s] : 0;
    startFR = e ? e->LSAStartOffFR[s] : 0;
    endDP = e ? e->LSAEndOffDP[s] : 0;
    endFR = e ? e->LSAEndOffFR[s] : 0;
}

void CT6::EVSetLSAOffDPFR(int32_t i, int32_t side, int32_t startDP, uint16_t startFR, int32_t endDP,
                          uint16_t endFR) {
    Element* e = eventAt(i);
    if (!e) return;
    const int s = sideIndex(side);
    e->LSAStartOffDP[s] = startDP;
    e->LSAStartOffFR[s] = startFR;
    e->LSAEndOffDP[s] = endDP;
    e->LSAEndOffFR[s] = endFR;
    markEventsModified();
}
