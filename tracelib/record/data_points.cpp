// Stored data points with their per-point flag bits, and the working copy on
// one common scale that every level read goes through.
#include "record/record_text.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>
#include <new>

using varnel::entryAt;

namespace {

constexpr int32_t kMinDataPointCapacity = 16384;
constexpr int32_t kBitsPerWord = 32;

// Caller's bit arrays hold as many words as their point count needs.
bool bitOf(const uint32_t* words, int64_t p) {
    return (words[p / kBitsPerWord] >> (p % kBitsPerWord) & 1u) != 0;
}

bool flagBit(const std::vector<uint32_t>& words, int64_t p) {
    size_t word = static_cast<size_t>(p / kBitsPerWord);
    return word < words.size() && (words[word] >> (p % kBitsPerWord) & 1u) != 0;
}

void putFlagBit(uint32_t* words, int64_t p, bool set) {
    uint32_t mask = 1u << (p % kBitsPerWord);
    uint32_t& word = words[p / kBitsPerWord];
    word = set ? word | mask : word & ~mask;
}

// The number of points from `first` on that lie inside a capacity, at most n.
int32_t pointsInside(int32_t first, int32_t n, int32_t capacity) {
    if (first < 0 || n <= 0 || first >= capacity) return 0;
    return std::min(n, capacity - first);
}

} // namespace

int32_t CT6::DPOCount() const {
    return m_dpoCount;
}
int32_t CT6::DPOMaxCount() const {
    return static_cast<int32_t>(m_dpo.size());
}

int32_t CT6::DPOInitArray(int32_t n) {
    if (n > DPOMaxCount()) {
        varnel::releaseArray(m_dpo);
        varnel::releaseArray(m_nlf);
        int32_t capacity = std::max(n, kMinDataPointCapacity);
        try {
            m_dpo.resize(static_cast<size_t>(capacity));
            m_nlf.resize(static_cast<size_t>(capacity / kBitsPerWord) + 1);
        } catch (const std::bad_alloc&) {
            // A count from a damaged file may ask for more than there is; the
            // caller sees capacity 0.
            varnel::releaseArray(m_dpo);
            varnel::releaseArray(m_nlf);
        }
    }
    m_dpoCount = 0;
    std::fill(m_dpo.begin(), m_dpo.end(), 0);
    std::fill(m_nlf.begin(), m_nlf.end(), 0u);
    return DPOMaxCount();
}

int32_t CT6::DPOSetCount(int32_t n) {
    SetModFlag(T6_MOD_DATA_POINTS);
    n = std::clamp(n, 0, DPOMaxCount());
    m_dpoCount = n;
    m_lastDP = n - 1;
    return n;
}

uint16_t* CT6::DPOGetPtr(int32_t i) {
    return entryAt(m_dpo, i);
}
const uint16_t* CT6::DPOGetPtr(int32_t i) const {
    return entryAt(m_dpo, i);
}

int32_t CT6::DPOGetDPO(int32_t i, int32_t n, uint16_t* out) const {
    return varnel::copyOutOf(m_dpo, i, n, out);
}

int32_t CT6::DPOSetDPO(int32_t i, int32_t n, const uint16_t* in) {
    SetModFlag(T6_MOD_DATA_POINTS);
    return varnel::copyInto(m_dpo, i, n, in);
}

int32_t CT6::DPOGetNLF(int32_t first, int32_t n, uint32_t* bits) const {
    if (!bits) return 0;
    int32_t count = pointsInside(first, n, DPOMaxCount());
    for (int32_t k = 0; k < count; ++k)
        putFlagBit(bits, k, flagBit(m_nlf, int64_t{first} + k));
    return count;
}

int32_t CT6::DPOSetNLF(int32_t first, int32_t n, const uint32_t* bits) {
    SetModFlag(T6_MOD_DATA_POINTS);
    if (!bits) return 0;
    int32_t count = pointsInside(first, n, DPOMaxCount());
    for (int32_t k = 0; k < count; ++k)
        putFlagBit(m_nlf.data(), int64_t{first} + k, bitOf(bits, k));
    return count;
}

// Flagged points were stored as 5 log10 of the raw sample; the others carry
// the reference and baseline of the acquisition.
double CT6::DPOGetLinear(int32_t i) const {
    return linearOfStored(i, SFGetScaleFactor(0));
}

double CT6::linearOfStored(int32_t i, int32_t sf) const {
    const uint16_t* stored = DPOGetPtr(i);
    if (!stored || sf == 0) return 0.0;
    double v = static_cast<double>(*stored) / sf;
    if (flagBit(m_nlf, i)) return std::pow(10.0, v / 5.0);
    return std::pow(10.0, (v + m_dplReference) / 5.0) + m_dplBaseline;
}

void CT6::DPWSetup(int32_t fromSegments) {
    if (static_cast<int64_t>(m_dpw.size()) < m_dpoCount) {
        varnel::releaseArray(m_dpw);
        try {
            m_dpw.resize(static_cast<size_t>(m_dpoCount));
        } catch (const std::bad_alloc&) {
            varnel::releaseArray(m_dpw);
            return;
        }
    }
    int32_t segmentCount = std::min(m_scaleFactorCount, SFMaxCount());
    if (fromSegments && segmentCount > 0) {
        auto last = m_scaleFactors.begin() + segmentCount;
        m_dpwScaleFactor =
            std::min_element(m_scaleFactors.begin(), last,
                             [](const ScaleFactorEntry& a, const ScaleFactorEntry& b) {
                                 return a.scaleFactor < b.scaleFactor;
                             })
                ->scaleFactor;
    }

    int32_t points = std::min(m_dpoCount, DPOMaxCount());
    // Most traces have one segment on the working scale and no flagged
    // points: then the working copy is the stored points as they stand.
    const ScaleFactorEntry* only = segmentCount <= 1 ? entryAt(m_scaleFactors, 0) : nullptr;
    const bool flagged = std::any_of(m_nlf.begin(), m_nlf.end(), [](uint32_t w) { return w != 0; });
    if (segmentCount <= 1 && !flagged &&
        (!only || only->scaleFactor <= 0 || only->scaleFactor == m_dpwScaleFactor)) {
        std::copy_n(m_dpo.begin(), std::max(points, 0), m_dpw.begin());
        return;
    }

    // Points only move forward, so the segment search can continue where the
    // previous point left it.
    int32_t j = 0;
    for (int32_t p = 0; p < points; ++p) {
        while (j <= segmentCount - 2 && p >= m_scaleFactors[static_cast<size_t>(j) + 1].startDP)
            ++j;
        const ScaleFactorEntry* segment = entryAt(m_scaleFactors, j);
        bool flagged = flagBit(m_nlf, p);
        int64_t raw = flagged && segment ? segment->minLogValue : m_dpo[static_cast<size_t>(p)];
        // A segment without a scale factor cannot be rescaled; its points
        // keep their stored values. Values beyond 16 bits saturate.
        // Usually the segment's scale is the working one: no division then.
        const bool rescale =
            segment && segment->scaleFactor > 0 && segment->scaleFactor != m_dpwScaleFactor;
        int64_t working = rescale ? raw * m_dpwScaleFactor / segment->scaleFactor : raw;
        m_dpw[static_cast<size_t>(p)] =
            static_cast<uint16_t>(std::clamp<int64_t>(working, 0, 0xFFFF));
    }
}

uint16_t* CT6::DPWGetPtr(int32_t i) {
    return entryAt(m_dpw, i);
}
const uint16_t* CT6::DPWGetPtr(int32_t i) const {
    return entryAt(m_dpw, i);
}

int32_t CT6::DPWGetLONG(int32_t i) const {
    if (m_dplCount > 0) return DPLCalcDV(i);
    const uint16_t* v = entryAt(m_dpw, i);
    return v ? *v : 0;
}

// No scale factor, or a point outside the readable points, gives no level.
double CT6::DPWGetDB(int32_t i) const {
    if (m_dpwScaleFactor == 0 || i < 0 || i >= readablePointCount()) return T6_NO_VALUE;
    return T6DBFromScaled(m_vertShift) + static_cast<double>(DPWGetLONG(i)) / m_dpwScaleFactor;
}

int32_t CT6::DPWGetScaleFactor() const {
    return m_dpwScaleFactor;
}
double CT6::DPWGetDy() const {
    return m_dpwScaleFactor != 0 ? 1.0 / m_dpwScaleFactor : 0.0;
}

int32_t CT6::DPWGetDPW(int32_t i, int32_t n, uint16_t* out) const {
    return varnel::copyOutOf(m_dpw, i, n, out);
}

int32_t CT6::DPWSetDPW(int32_t i, int32_t n, const uint16_t* in) {
    return varnel::copyInto(m_dpw, i, n, in);
}
