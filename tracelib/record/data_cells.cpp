// Summaries of stretches of the trace ("cells"): first, last, lowest and
// highest level of the points each one holds. The graph reduces a long trace
// to one cell per screen column this way.
#include <varnel/varnel.h>

#include <algorithm>
#include <utility>

namespace {

// What an empty cell reports as its range, so that it draws nothing.
constexpr double kEmptyCellLowest = 9.0;
constexpr double kEmptyCellHighest = 0.0;

// The first point at or after a position, and the last point before one.
int64_t pointAtOrAfter(int32_t dp, uint16_t fr) {
    return fr != 0 ? int64_t{dp} + 1 : dp;
}
int64_t pointBefore(int32_t dp, uint16_t fr) {
    return fr == 0 ? int64_t{dp} - 1 : dp;
}

struct CellExtremes {
    int32_t lowest = 0;
    int32_t highest = 0;
};

// On ties the later point wins.
template <class Value> CellExtremes findExtremes(int32_t first, int32_t last, Value value) {
    CellExtremes found{first, first};
    for (int32_t p = first; p <= last; ++p) {
        if (value(p) <= value(found.lowest)) found.lowest = p;
        if (value(p) >= value(found.highest)) found.highest = p;
    }
    return found;
}

} // namespace

double CT6::cellStartKM(double startKM, double widthKM, bool fromEnd) const {
    if (!fromEnd) return startKM;
    return EVGetStartKM(EVCount() - 1) - (widthKM + startKM);
}

bool CT6::cellPoints(double startKM, double endKM, int32_t& first, int32_t& last) const {
    uint16_t fr = 0;
    int32_t dp = DPFRFromKM(startKM, fr);
    int64_t from = pointAtOrAfter(dp, fr);
    dp = DPFRFromKM(endKM, fr);
    int64_t to = pointBefore(dp, fr);

    int64_t firstInTrace = m_onAfterZKMDP;
    if (m_horzShiftKM < 0) {
        dp = DPFRFromKM(0.0, fr);
        firstInTrace = pointAtOrAfter(dp, fr);
    }
    int64_t lastInTrace = m_dplCount > 0 ? int64_t{m_dplCount} - 1 : m_lastDP;
    // Whatever the counts claim, only points the arrays hold are read.
    lastInTrace = std::min<int64_t>(lastInTrace, int64_t{readablePointCount()} - 1);
    from = std::max<int64_t>({from, firstInTrace, 0});
    to = std::min(to, lastInTrace);
    if (from > to) return false;
    first = static_cast<int32_t>(from);
    last = static_cast<int32_t>(to);
    return true;
}

void CT6::DataCellsInfo(int32_t cells, double startKM, double widthKM, int32_t interpolate,
                        int32_t fromEnd, double* startLevels, double* endLevels,
                        double* lowestLevels, double* highestLevels) const {
    if (!startLevels || !endLevels || !lowestLevels || !highestLevels) return;
    bool backFromEnd = fromEnd != 0 && EVCount() > 0;
    double maxKM = GetMaxKM();
    double scale = m_dpwScaleFactor;
    for (int32_t k = 0; k < cells; ++k) {
        lowestLevels[k] = kEmptyCellLowest;
        highestLevels[k] = kEmptyCellHighest;
        double s = cellStartKM(startKM + k * widthKM, widthKM, backFromEnd);
        if (s > maxKM) continue;
        double e = s + widthKM;

        int32_t first = 0;
        int32_t last = 0;
        if (cellPoints(s, e, first, last)) {
            CellExtremes x =
                m_dplCount > 0
                    ? findExtremes(first, last,
                                   [&](int32_t p) { return m_dpl[static_cast<size_t>(p)]; })
                    : findExtremes(first, last,
                                   [&](int32_t p) { return m_dpw[static_cast<size_t>(p)]; });
            startLevels[k] = DPWGetDB(first) * scale;
            endLevels[k] = DPWGetDB(last) * scale;
            lowestLevels[k] = DPWGetDB(x.lowest) * scale;
            highestLevels[k] = DPWGetDB(x.highest) * scale;
        } else if (interpolate != 0 || k == 0 || k == cells - 1) {
            double level = GetDBAtKM((s + e) / 2);
            if (level != T6_NO_VALUE) {
                startLevels[k] = endLevels[k] = level * scale;
                lowestLevels[k] = highestLevels[k] = level * scale;
            }
        }
        if (backFromEnd) std::swap(startLevels[k], endLevels[k]);
    }
}

void CT6::DataCellInfo(double startKM, double widthKM, int32_t fromEnd, int32_t& count,
                       double& startDB, double& endDB, double& lowestDB, double& highestDB) const {
    count = 0;
    lowestDB = kEmptyCellLowest;
    highestDB = kEmptyCellHighest;
    bool backFromEnd = fromEnd != 0 && EVCount() > 0;
    double s = cellStartKM(startKM, widthKM, backFromEnd);
    if (s > GetMaxKM()) return;

    int32_t first = 0;
    int32_t last = 0;
    if (cellPoints(s, s + widthKM, first, last)) {
        CellExtremes x = findExtremes(first, last, [&](int32_t p) { return DPWGetLONG(p); });
        count = last - first + 1;
        startDB = DPWGetDB(first);
        endDB = DPWGetDB(last);
        lowestDB = DPWGetDB(x.lowest);
        highestDB = DPWGetDB(x.highest);
    }
    if (backFromEnd) std::swap(startDB, endDB);
}
