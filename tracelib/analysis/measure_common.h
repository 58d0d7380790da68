// Constants and small helpers shared by the measurements.
#pragma once

#include <varnel/varnel.h>

#include <algorithm>
#include <cstdint>

namespace varnel {

// Reflectances outside this window are not believed.
inline constexpr double kLowestReflDB = -70.0;
inline constexpr double kHighestReflDB = -10.0;

inline bool hasValue(double v) {
    return v != T6_NO_VALUE;
}

// Positions are summed in 64 bits (with absurd settings a pulse spans more
// points than 32 bits hold) and brought back into the 32-bit range.
inline int32_t clampToInt32(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// Mean of the values with one highest and one lowest dropped (when there are
// at least three); valueAt(k) for k = 0 … n - 1.
template <class ValueAt> double trimmedMean(int32_t n, ValueAt valueAt) {
    if (n <= 0) return 0.0;
    double sum = 0.0;
    double lowest = valueAt(0), highest = valueAt(0);
    for (int32_t k = 0; k < n; ++k) {
        double v = valueAt(k);
        sum += v;
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    if (n < 3) return sum / n;
    return (sum - lowest - highest) / (n - 2);
}

} // namespace varnel
