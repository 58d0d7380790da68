// The level-crossing histogram and the symmetric 3x3 inverse behind the
// far-end time-of-flight search.
#include <varnel/varnel.h>

#include <algorithm>
#include <cstring>

namespace {

// firstPos starts with every byte 0x63: larger than any data-point index.
constexpr uint8_t kFirstPosFill = 0x63;

} // namespace

int32_t CT6::DVFreqDist(const uint16_t* values, int32_t from, int32_t to, int32_t minLevel,
                        int32_t maxLevel, int32_t* count, int32_t* firstPos, int32_t* lastPos) {
    if (!values || !count || !firstPos || !lastPos || maxLevel < 0) return 1;
    const size_t entries = static_cast<size_t>(maxLevel) + 1;
    std::fill_n(count, entries, 0);
    std::fill_n(lastPos, entries, 0);
    std::memset(firstPos, kFirstPosFill, entries * sizeof *firstPos);

    for (int32_t a = from; a < to; ++a) {
        int32_t lo = std::min(values[a], values[a + 1]);
        int32_t hi = std::max(values[a], values[a + 1]);
        // Each level the step passes through is crossed once; a flat step
        // still touches its own level.
        int32_t top = hi > lo ? hi - 1 : lo;
        for (int32_t i = std::max(lo, minLevel); i <= std::min(top, maxLevel); ++i) {
            ++count[i];
            firstPos[i] = std::min(firstPos[i], a);
            lastPos[i] = std::max(lastPos[i], a);
        }
    }
    return 0;
}

int32_t T6SymMatrix3X3Inv(double m[3][3]) {
    if (m[0][1] != m[1][0] || m[0][2] != m[2][0] || m[1][2] != m[2][1]) return 0;
    const double d = m[0][0], e = m[1][1], f = m[2][2];
    const double a = m[0][1], b = m[0][2], c = m[1][2];
    const double det = d * e * f + 2 * a * b * c - d * c * c - f * a * a - e * b * b;
    if (det == 0) return 0;

    const double inv00 = (e * f - c * c) / det;
    const double inv01 = -(a * f - b * c) / det;
    const double inv02 = (a * c - b * e) / det;
    const double inv11 = (d * f - b * b) / det;
    const double inv12 = -(c * d - a * b) / det;
    const double inv22 = (d * e - a * a) / det;
    m[0][0] = inv00;
    m[0][1] = m[1][0] = inv01;
    m[0][2] = m[2][0] = inv02;
    m[1][1] = inv11;
    m[1][2] = m[2][1] = inv12;
    m[2][2] = inv22;
    return 1;
}
