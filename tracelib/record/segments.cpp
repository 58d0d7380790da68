// Pulse-width, scale-factor and span arrays and the per-entry accessors.
// Every accessor checks its index against the array: getters of a missing
// entry give 0 (or "??" for its text), setters do nothing.
#include "record/record_text.h"
#include "record/segment_array.h"
#include "record/settings.h"

#include <varnel/scaled_values.h>
#include <varnel/varnel.h>

#include <cmath>

using varnel::entryAt;
namespace segments = varnel::segments;

namespace {

constexpr double kScaled = 1000000.0;
constexpr int32_t kPreampLongRange = 1;
constexpr int32_t kPreampHighResolution = 2;

// Stores value x 1e6 + 0.5 truncated, saturating instead of overflowing.
int32_t scaledIOR(double ior) {
    double v = ior * kScaled + 0.5;
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(v);
}

char16_t* unknownText(char16_t* out) {
    return varnel::writeFormatted(out, u"??");
}

char16_t* appendLabel(char16_t* out, const char16_t* label) {
    varnel::appendTruncated(out, u" ", varnel::kFormattedTextCapacity - 1);
    return varnel::appendTruncated(out, label, varnel::kFormattedTextCapacity - 1);
}

} // namespace

// Pulse widths

int32_t CT6::PWCount() const {
    return m_pulseWidthCount;
}
int32_t CT6::PWMaxCount() const {
    return static_cast<int32_t>(m_pulseWidths.size());
}
int32_t CT6::PWInitArray(int32_t n) {
    return segments::initArray(m_pulseWidths, m_pulseWidthCount, n);
}
int32_t CT6::PWInsert(int32_t index) {
    return segments::insert(m_pulseWidths, m_pulseWidthCount, index);
}
int32_t CT6::PWInsert() {
    return PWInsert(m_pulseWidthCount);
}
int32_t CT6::PWInsertDP(int32_t dp) {
    return segments::insertDP(m_pulseWidths, m_pulseWidthCount, dp);
}
void CT6::PWInit(int32_t index) {
    segments::init(m_pulseWidths, index);
}
int32_t CT6::PWIndexAtDP(int32_t dp) const {
    return segments::indexAtDP(m_pulseWidths, m_pulseWidthCount, dp);
}

int32_t CT6::PWGetStartDP(int32_t i) const {
    const auto* e = entryAt(m_pulseWidths, i);
    return e ? e->startDP : 0;
}
void CT6::PWSetStartDP(int32_t i, int32_t dp) {
    if (auto* e = entryAt(m_pulseWidths, i)) e->startDP = dp;
}
int32_t CT6::PWGetNanoSec(int32_t i) const {
    const auto* e = entryAt(m_pulseWidths, i);
    return e ? e->nanoSec : 0;
}
void CT6::PWSetNanoSec(int32_t i, int32_t ns) {
    if (auto* e = entryAt(m_pulseWidths, i)) e->nanoSec = ns;
}
int32_t CT6::PWGetPreampType(int32_t i) const {
    const auto* e = entryAt(m_pulseWidths, i);
    return e ? e->preampType : 0;
}
void CT6::PWSetPreampType(int32_t i, int32_t type) {
    if (auto* e = entryAt(m_pulseWidths, i)) e->preampType = type;
}

double CT6::PWGetStartKM(int32_t i) const {
    return KMFromDPFR(PWGetStartDP(i), 0);
}

// Without a resolution there is no point spacing to divide by; one point per
// pulse is the least there can be.
int32_t CT6::PWGetPointsPer(int32_t i) const {
    double resoM = GetResoNominalM();
    if (resoM <= 0) return 1;
    int32_t points = T6LONGRounded(PWGetNanoSec(i) / (10.0 * resoM));
    return points < 2 ? 1 : points;
}

int32_t CT6::PWGetPointsPerAtDP(int32_t dp) const {
    return PWGetPointsPer(PWIndexAtDP(dp));
}

double CT6::PWGetKM(int32_t i) const {
    return PWGetNanoSec(i) * 0.1 / 1000.0;
}

char16_t* CT6::PWGetPW(int32_t i, char16_t* out, int32_t nsOnly, int32_t units) const {
    if (!entryAt(m_pulseWidths, i)) return unknownText(out);
    const auto& s = varnel::settings();
    int32_t ns = PWGetNanoSec(i);
    bool inNanoSec = nsOnly != 0 || ns < 1000;
    if (inNanoSec)
        varnel::writeFormatted(out, varnel::formatInts("%d", ns));
    else
        varnel::writeFormatted(out, varnel::formatDouble(u"%.1f", ns / 1000.0));
    if (!units) return out;
    return appendLabel(out, inNanoSec ? s.nsec.c_str() : s.usec.c_str());
}

char16_t* CT6::PWGetPWLength(int32_t i, char16_t* out, int32_t units) const {
    if (!entryAt(m_pulseWidths, i)) return unknownText(out);
    double length = PWGetKM(i) * 1000.0 * varnel::currentUnit().shortFactor;
    varnel::writeFormatted(out, varnel::formatDouble(u"%.1f", length));
    return units ? appendLabel(out, varnel::currentShortLabel()) : out;
}

char16_t* CT6::PWGetPreampType(int32_t i, char16_t* out) const {
    const auto& s = varnel::settings();
    switch (PWGetPreampType(i)) {
    case kPreampLongRange:
        return varnel::writeFormatted(out, s.longRange.view());
    case kPreampHighResolution:
        return varnel::writeFormatted(out, s.hiRes.view());
    default:
        return unknownText(out);
    }
}

char16_t* CT6::PWGetLabel(int32_t i, char16_t* out) const {
    const auto& s = varnel::settings();
    bool longRange = PWGetPreampType(i) == kPreampLongRange;
    return varnel::writeFormatted(out, longRange ? s.longRange.view() : s.hiRes.view());
}

// Scale factors

int32_t CT6::SFCount() const {
    return m_scaleFactorCount;
}
int32_t CT6::SFMaxCount() const {
    return static_cast<int32_t>(m_scaleFactors.size());
}
int32_t CT6::SFInitArray(int32_t n) {
    return segments::initArray(m_scaleFactors, m_scaleFactorCount, n);
}
int32_t CT6::SFInsert(int32_t index) {
    return segments::insert(m_scaleFactors, m_scaleFactorCount, index);
}
int32_t CT6::SFInsert() {
    return SFInsert(m_scaleFactorCount);
}
int32_t CT6::SFInsertDP(int32_t dp) {
    return segments::insertDP(m_scaleFactors, m_scaleFactorCount, dp);
}
void CT6::SFInit(int32_t index) {
    segments::init(m_scaleFactors, index);
}

int32_t CT6::SFGetStartDP(int32_t i) const {
    const auto* e = entryAt(m_scaleFactors, i);
    return e ? e->startDP : 0;
}
void CT6::SFSetStartDP(int32_t i, int32_t dp) {
    if (auto* e = entryAt(m_scaleFactors, i)) e->startDP = dp;
}
int32_t CT6::SFGetScaleFactor(int32_t i) const {
    const auto* e = entryAt(m_scaleFactors, i);
    return e ? e->scaleFactor : 0;
}
void CT6::SFSetScaleFactor(int32_t i, int32_t sf) {
    if (auto* e = entryAt(m_scaleFactors, i)) e->scaleFactor = sf;
}
double CT6::SFGetDy(int32_t i) const {
    int32_t sf = SFGetScaleFactor(i);
    return sf != 0 ? 1.0 / sf : 0.0;
}
uint16_t CT6::SFGetMinLogValue(int32_t i) const {
    const auto* e = entryAt(m_scaleFactors, i);
    return e ? e->minLogValue : 0;
}
void CT6::SFSetMinLogValue(int32_t i, uint16_t v) {
    if (auto* e = entryAt(m_scaleFactors, i)) e->minLogValue = v;
}

// Spans

int32_t CT6::SpanCount() const {
    return m_spanCount;
}
int32_t CT6::SpanMaxCount() const {
    return static_cast<int32_t>(m_spans.size());
}
int32_t CT6::SpanInitArray(int32_t n) {
    return segments::initArray(m_spans, m_spanCount, n);
}
int32_t CT6::SpanInsert(int32_t index) {
    return segments::insert(m_spans, m_spanCount, index);
}
int32_t CT6::SpanInsert() {
    return SpanInsert(m_spanCount);
}
int32_t CT6::SpanInsertDP(int32_t dp) {
    return segments::insertDP(m_spans, m_spanCount, dp);
}
void CT6::SpanInit(int32_t index) {
    segments::init(m_spans, index);
}
int32_t CT6::SpanIndexAtDP(int32_t dp) const {
    return segments::indexAtDP(m_spans, m_spanCount, dp);
}

int32_t CT6::SpanGetStartDP(int32_t i) const {
    const auto* e = entryAt(m_spans, i);
    return e ? e->startDP : 0;
}
void CT6::SpanSetStartDP(int32_t i, int32_t dp) {
    if (auto* e = entryAt(m_spans, i)) e->startDP = dp;
}

double CT6::SpanGetIOR(int32_t i) const {
    const auto* e = entryAt(m_spans, i);
    return e ? e->ior / kScaled : 0.0;
}

char16_t* CT6::SpanGetIOR(int32_t i, char16_t* out) const {
    if (!entryAt(m_spans, i)) return unknownText(out);
    return varnel::writeFormatted(out, varnel::formatDouble(u"%.6f", SpanGetIOR(i)));
}

// A new index changes every distance: the spacing, the shift in km and the
// zero-km distance follow at once.
void CT6::SpanSetIOR(int32_t i, double ior) {
    auto* e = entryAt(m_spans, i);
    if (!e) return;
    e->ior = scaledIOR(ior);
    SetModFlag(T6_MOD_SPAN_IOR);
    SpanCalculate();
    recalcShiftAndZKMDistances();
}

double CT6::SpanGetBackScatter(int32_t i) const {
    const auto* e = entryAt(m_spans, i);
    return e ? T6DBFromScaled(e->backScatter) : 0.0;
}

char16_t* CT6::SpanGetBackScatter(int32_t i, char16_t* out, int32_t units) const {
    const auto* e = entryAt(m_spans, i);
    if (!e) return unknownText(out);
    if (T6ScaledIsSaturated(e->backScatter))
        return varnel::writeFormatted(out, varnel::settings().notAvailable.view());
    return T6GetDB2Dec(SpanGetBackScatter(i), out, units);
}

// The ORL result was taken with the old backscatter; when that was a real
// (negative) value the result moves by the difference.
void CT6::SpanSetBackScatter(int32_t i, double db) {
    auto* e = entryAt(m_spans, i);
    if (!e) return;
    int32_t oldValue = e->backScatter;
    int32_t newValue = T6ScaledFromDB(db);
    e->backScatter = newValue;
    SetModFlag(T6_MOD_SPAN_BACKSCATTER);
    if (IsORLAvailable() && oldValue < 0) {
        int64_t orl = int64_t{m_orl} + oldValue - newValue;
        m_orl = static_cast<int32_t>(orl > INT32_MAX   ? INT32_MAX
                                     : orl < INT32_MIN ? INT32_MIN
                                                       : orl);
        SetModFlag(T6_MOD_ORL);
    }
}

char16_t* CT6::SpanGetFiberType(int32_t i, char16_t* out) const {
    const auto* e = entryAt(m_spans, i);
    if (!e) return varnel::writeFormatted(out, u"");
    return varnel::getField(out, e->fiberType);
}
void CT6::SpanSetFiberType(int32_t i, const char16_t* text) {
    if (auto* e = entryAt(m_spans, i)) varnel::setField(e->fiberType, text);
}

double CT6::SpanGetStartKM(int32_t i) const {
    return KMFromDPFR(SpanGetStartDP(i), 0);
}
double CT6::SpanGetDxKM(int32_t i) const {
    const auto* e = entryAt(m_spans, i);
    return e ? e->dxKM : 0.0;
}
double CT6::SpanGetDxKMAtDP(int32_t dp) const {
    return SpanGetDxKM(SpanIndexAtDP(dp));
}
int32_t CT6::SpanGetScatterFactor(int32_t i) const {
    const auto* e = entryAt(m_spans, i);
    return e ? e->scatterFactor : 0;
}

// A span without an index of refraction has no spacing (0) rather than an
// infinite one, so that no distance ever becomes infinite.
void CT6::SpanCalculate() {
    double resoM = GetResoNominalM();
    double speedKMS = T6GetSpeedOfLight();
    int32_t count = m_spanCount < SpanMaxCount() ? m_spanCount : SpanMaxCount();
    for (int32_t i = 0; i < count; ++i) {
        SpanEntry& span = m_spans[static_cast<size_t>(i)];
        if (i == 0) {
            span.startKM = 0;
        } else {
            const SpanEntry& prev = m_spans[static_cast<size_t>(i) - 1];
            span.startKM =
                prev.startKM + (static_cast<double>(span.startDP) - prev.startDP) * prev.dxKM;
        }
        double ior = span.ior / kScaled;
        double dx = ior > 0 ? resoM * speedKMS / (ior * 2e8) : 0.0;
        span.dxKM = std::isfinite(dx) ? dx : 0.0;
        span.scatterFactor =
            T6LONGRounded(std::pow(10.0, T6DBFromScaled(span.backScatter) * 0.1) * 1e9);
    }
}
