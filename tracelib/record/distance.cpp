// Distance addressing: positions (DP/FR) to kilometres and back through the
// spans, the horizontal shift and the zero-km point; levels at positions.
//
// A record whose spacing is 0 (no span calculated yet, no resolution or no
// index of refraction) maps every position to 0 km plus the shift, and every
// distance to position 0: nothing is ever divided by the spacing 0.
#include "record/record_text.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFractionScale = 65536.0;

} // namespace

double CT6::spacingOfFirstSpanKM() const {
    return m_spans.empty() ? 0.0 : m_spans[0].dxKM;
}

double CT6::spanKMFromDPFR(int32_t dp, uint16_t fr) const {
    double x = T6DoubleFromDPFR(dp, fr);
    if (m_spanCount <= 1 || m_spans.empty()) return x * spacingOfFirstSpanKM();
    const SpanEntry& span = m_spans[static_cast<size_t>(SpanIndexAtDP(dp))];
    return (x - span.startDP) * span.dxKM + span.startKM;
}

int32_t CT6::spanDPFRFromKM(double km, uint16_t& fr) const {
    fr = 0;
    if (m_spans.empty()) return 0;
    int32_t inUse = std::min(m_spanCount, SpanMaxCount());
    int32_t i = 0;
    if (inUse > 1) {
        while (i <= inUse - 2 && km >= m_spans[static_cast<size_t>(i) + 1].startKM)
            ++i;
    }
    const SpanEntry& span = m_spans[static_cast<size_t>(i)];
    if (span.dxKM == 0) return 0;
    double x = inUse > 1 ? span.startDP + (km - span.startKM) / span.dxKM : km / span.dxKM;
    if (!std::isfinite(x)) return 0;
    return T6DPFRFromDouble(x, fr);
}

double CT6::KMFromDPFR(int32_t dp, uint16_t fr) const {
    return spanKMFromDPFR(dp, fr) + m_horzShiftKM - m_zkmKM;
}

int32_t CT6::DPFRFromKM(double km, uint16_t& fr) const {
    return spanDPFRFromKM(m_zkmKM - m_horzShiftKM + km, fr);
}

double T6KMFromDPFR(const CT6* trace, int32_t dp, uint16_t fr) {
    return trace ? trace->KMFromDPFR(dp, fr) : 0.0;
}

void CT6::recalcShiftAndZKMDistances() {
    m_horzShiftKM = spanKMFromDPFR(m_horzShiftDP, m_horzShiftFR);
    m_zkmKM = spacingOfFirstSpanKM() * T6DoubleFromDPFR(m_zkmDP, m_zkmFR);
}

int32_t CT6::readablePointCount() const {
    if (m_dplCount > 0) return std::min(m_dplCount, DPLMaxCount());
    return static_cast<int32_t>(m_dpw.size());
}

// Inside the trace means from the zero-km point up to (last point, 0); the
// readable-point check keeps a record whose counts disagree with its arrays
// from being read outside them.
double CT6::GetDBAtDPFR(int32_t dp, uint16_t fr) const {
    bool outsidePoints = dp < m_onAfterZKMDP || dp >= m_lastDP;
    bool outsidePosition =
        T6CompareDPFR(dp, fr, m_zkmDP, m_zkmFR) < 0 || T6CompareDPFR(dp, fr, m_lastDP, 0) > 0;
    if (outsidePoints && outsidePosition) return T6_NO_VALUE;

    int32_t readable = readablePointCount();
    if (dp < 0 || dp >= readable || (fr != 0 && dp >= readable - 1)) return T6_NO_VALUE;
    double level = DPWGetDB(dp);
    if (fr == 0 || level == T6_NO_VALUE) return level;
    return level + (DPWGetDB(dp + 1) - level) * fr / kFractionScale;
}

double CT6::GetDBAtKM(double km) const {
    uint16_t fr = 0;
    int32_t dp = DPFRFromKM(km, fr);
    return GetDBAtDPFR(dp, fr);
}

int32_t CT6::GetZKMDP() const {
    return m_zkmDP;
}
uint16_t CT6::GetZKMFR() const {
    return m_zkmFR;
}
double CT6::GetZKMKM() const {
    return m_zkmKM;
}
int32_t CT6::GetOnAfterZKMDP() const {
    return m_onAfterZKMDP;
}

void CT6::SetZKMDPFR(int32_t dp, uint16_t fr) {
    m_zkmDP = dp;
    m_zkmFR = fr;
    m_zkmKM = spacingOfFirstSpanKM() * T6DoubleFromDPFR(dp, fr);
    CalcZKMDB();
    m_onAfterZKMDP = fr != 0 && dp < INT32_MAX ? dp + 1 : dp;
}

// The level is kept in working-scale units; a position without a level, or a
// record without a scale factor, keeps level 0.
double CT6::CalcZKMDB() {
    double level = GetDBAtDPFR(m_zkmDP, m_zkmFR);
    double dy = DPWGetDy();
    int32_t units = level == T6_NO_VALUE || dy == 0 ? 0 : T6LONGRounded(level / dy);
    m_zkmLevel = static_cast<uint16_t>(std::clamp(units, 0, 0xFFFF));
    return GetZKMDB();
}

double CT6::GetZKMDB() const {
    double units = m_zkmLevel;
    if (m_vertShift != 0)
        units += T6LONGRounded(static_cast<double>(m_vertShift) * m_dpwScaleFactor / 1000000.0);
    return units * DPWGetDy();
}
