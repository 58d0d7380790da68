// The record's loss mode and its table of least-squares segment offsets, one
// entry per loss mode, with their defaults.

#include <varnel/varnel.h>

#include <cmath>

namespace {

constexpr double kDefaultLSACursorLengthKM = 0.4;

// Out-of-table answers: a segment one km either side of its cursor.
constexpr double kOutOfTableStartKM = -1.0;
constexpr double kOutOfTableEndKM = 1.0;

} // namespace

int32_t CT6::GetLossMode() const {
    return m_lossMode >= T6_LOSS_MODE_COUNT ? T6_LOSS_SPLICE : m_lossMode;
}

void CT6::SetLossMode(int32_t mode) {
    m_lossMode = mode;
    SetModFlag(T6_MOD_LOSS_MODE);
}

const CT6::LSACursorSet* CT6::lsaCursorSet(int32_t mode) const {
    if (mode < 0 || mode >= m_lsaSetCount || mode >= static_cast<int32_t>(m_lsaSets.size()))
        return nullptr;
    return &m_lsaSets[mode];
}

// A non-zero side selects the A segment, zero the B segment.
double CT6::GetLSACursorStartOffKM(int32_t mode, int32_t side) const {
    const LSACursorSet* set = lsaCursorSet(mode);
    if (!set) return kOutOfTableStartKM;
    return T6KMFromScaled(side ? set->aStartOff : set->bStartOff);
}

double CT6::GetLSACursorEndOffKM(int32_t mode, int32_t side) const {
    const LSACursorSet* set = lsaCursorSet(mode);
    if (!set) return kOutOfTableEndKM;
    return T6KMFromScaled(side ? set->aEndOff : set->bEndOff);
}

void CT6::SetLSACursorStartOffKM(int32_t mode, int32_t side, double km) {
    if (!lsaCursorSet(mode)) return;
    LSACursorSet& set = m_lsaSets[mode];
    (side ? set.aStartOff : set.bStartOff) = T6ScaledFromKM(km);
    SetModFlag(T6_MOD_LSA_CURSORS);
}

void CT6::SetLSACursorEndOffKM(int32_t mode, int32_t side, double km) {
    if (!lsaCursorSet(mode)) return;
    LSACursorSet& set = m_lsaSets[mode];
    (side ? set.aEndOff : set.bEndOff) = T6ScaledFromKM(km);
    SetModFlag(T6_MOD_LSA_CURSORS);
}

// Splice loss fits the fibre before A and, past the event's pulse, after it;
// the two-point least-squares modes fit inward from both cursors.
void CT6::SetLSACursorsToDefault(int32_t force) {
    double length = GetDefaultLSACursorLengthKM();
    double interval = GetDefaultSpliceLossIntervalKM();
    for (int32_t mode : {T6_LOSS_SPLICE, T6_LOSS_2POINT_LSA, T6_LOSS_DBKM_LSA}) {
        if (!lsaCursorSet(mode)) continue;
        LSACursorSet& set = m_lsaSets[mode];
        bool empty = set.aStartOff == set.aEndOff && set.bStartOff == set.bEndOff;
        if (!force && !empty) continue;
        if (mode == T6_LOSS_SPLICE)
            set = {T6ScaledFromKM(-length), 0, T6ScaledFromKM(interval),
                   T6ScaledFromKM(interval + length)};
        else
            set = {0, T6ScaledFromKM(length), T6ScaledFromKM(-length), 0};
    }
    SetModFlag(T6_MOD_LSA_CURSORS);
}

double CT6::GetDefaultLSACursorLengthKM() const {
    return kDefaultLSACursorLengthKM;
}

// The gap the splice-loss B segment leaves after the event: a power of two of
// pulse widths past the preamplifier's recovery limit.
double CT6::GetDefaultSpliceLossIntervalKM() const {
    if (PWCount() < 1 || PWGetNanoSec(0) <= 0) return 0.0;
    double resolutionM = GetResoNominalM();
    if (resolutionM <= 0.0) return 0.0;
    uint32_t width = static_cast<uint32_t>(PWGetNanoSec(0));
    uint32_t limit = PWGetPreampType(0) == 2 ? 500u : 10000u;
    int32_t n = 1;
    while (static_cast<uint64_t>(width) << n <= limit)
        ++n;
    int32_t base = static_cast<int32_t>(width / 10);
    if (base < 2) base = 1;
    double points = std::trunc(base * static_cast<double>(1u << n) / resolutionM);
    return points * SpanGetDxKM(0);
}
