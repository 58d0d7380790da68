// Linear samples of a fresh acquisition: their conversion to data values on
// the fly, and once and for all into stored data points.
#include "record/record_text.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>
#include <new>

using varnel::entryAt;

namespace {

// Truncated toward zero into the 16-bit data range; a level below the range
// or no level at all reads 0, one above it the top of the range.
uint16_t toDataUnits(double v) {
    if (std::isnan(v)) return 0;
    if (v <= 0) return 0;
    if (v >= 65535.0) return 0xFFFF;
    return static_cast<uint16_t>(v);
}

double log5(double a) {
    return 5.0 * std::log10(a);
}

} // namespace

int32_t CT6::DPLCount() const {
    return m_dplCount;
}
int32_t CT6::DPLMaxCount() const {
    return static_cast<int32_t>(m_dpl.size());
}

int32_t CT6::DPLInitArray(int32_t n) {
    if (n > DPLMaxCount()) {
        varnel::releaseArray(m_dpl);
        try {
            m_dpl.resize(static_cast<size_t>(n));
        } catch (const std::bad_alloc&) {
            varnel::releaseArray(m_dpl);
        }
    }
    m_dplCount = 0;
    std::fill(m_dpl.begin(), m_dpl.end(), 0.0);
    return DPLMaxCount();
}

double* CT6::DPLGetPtr(int32_t i) {
    return entryAt(m_dpl, i);
}
const double* CT6::DPLGetPtr(int32_t i) const {
    return entryAt(m_dpl, i);
}

void CT6::DPLDestruct() {
    m_dplCount = 0;
    varnel::releaseArray(m_dpl);
}

int32_t CT6::DPLSetCount(int32_t n) {
    n = std::clamp(n, 0, DPLMaxCount());
    m_dplCount = n;
    if (n > 0) m_lastDP = n - 1;
    return n;
}

void CT6::DPLSetSF(int32_t sf) {
    m_dplScaleFactor = sf;
    m_dpwScaleFactor = sf;
}

void CT6::DPLSetBaseline(double v) {
    m_dplBaseline = v;
    DPLCalcThreshold();
}

void CT6::DPLSetReference(double v) {
    m_dplReference = v;
    DPLCalcThreshold();
}

double CT6::DPLCalcThreshold() {
    m_dplThreshold = m_dplReference > 0 ? std::pow(10.0, m_dplReference / 5.0) + m_dplBaseline
                                        : m_dplBaseline + 1.0;
    return m_dplThreshold;
}

// Samples at or below the threshold read as the floor the reference sets.
uint16_t CT6::DPLCalcDV(int32_t i) const {
    if (i < 0 || i >= std::min(m_dplCount, DPLMaxCount())) return 0;
    double a = m_dpl[static_cast<size_t>(i)];
    double level = 0;
    if (a > m_dplThreshold)
        level = log5(a - m_dplBaseline) - m_dplReference;
    else
        level = m_dplReference >= 0 ? 0.0 : -m_dplReference;
    return toDataUnits(std::trunc(m_dplScaleFactor * level));
}

// Points at or below the threshold keep 5 log10 of their raw sample and are
// flagged, so that they can be told apart from referenced levels later.
void CT6::DPLToDPO() {
    double minLog = m_dplReference < 0 ? -m_dplReference * m_dplScaleFactor : 0.0;
    SFInitArray(1);
    SFInsertDP(0);
    SFSetScaleFactor(0, m_dplScaleFactor);
    SFSetMinLogValue(0, toDataUnits(std::trunc(minLog)));
    DPLCalcThreshold();

    int32_t n = std::min(m_dplCount, DPLMaxCount());
    DPOInitArray(n);
    n = DPOSetCount(n);
    for (int32_t p = 0; p < n; ++p) {
        double a = m_dpl[static_cast<size_t>(p)];
        double level = 0;
        if (a > m_dplThreshold) {
            level = log5(a - m_dplBaseline) - m_dplReference;
        } else {
            uint32_t bit = uint32_t{1} << (p % 32);
            m_nlf[static_cast<size_t>(p / 32)] |= bit;
            level = log5(a < 1 ? 1.0 : a);
        }
        m_dpo[static_cast<size_t>(p)] = toDataUnits(std::trunc(m_dplScaleFactor * level));
    }
}
