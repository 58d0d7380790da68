// Fixed-point encodings of the record and DP/FR position arithmetic.
#include <varnel/scaled_values.h>
#include <varnel/varnel.h>

#include <cmath>
#include <cstdint>

// Converting an out-of-range double to an integer is undefined; values from
// files can be anything, so they saturate and NaN becomes 0.
static int32_t truncateSaturated(double x) {
    if (std::isnan(x)) return 0;
    if (x >= 2147483647.0) return INT32_MAX;
    if (x <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(x);
}

int32_t T6LONGRounded(double x) {
    return truncateSaturated(x >= 0 ? x + 0.5 : x - 0.5);
}

bool T6ScaledIsSaturated(int32_t v) {
    return v == INT32_MAX || v == INT32_MIN;
}

double T6KMFromScaled(int32_t v) {
    return v / 1000000.0;
}
double T6DBFromScaled(int32_t v) {
    return v / 1000000.0;
}
int32_t T6ScaledFromKM(double km) {
    return T6LONGRounded(km * 1000000.0);
}
int32_t T6ScaledFromDB(double db) {
    return T6LONGRounded(db * 1000000.0);
}

double T6DoubleFromDPFR(int32_t dp, uint16_t fr) {
    return dp + fr / 65536.0;
}

// The point is the floor of x and the fraction its rounded remainder, carried
// into the point when the remainder rounds up to a whole point.
int32_t T6DPFRFromDouble(double x, uint16_t& fr) {
    int32_t whole = truncateSaturated(x);
    int32_t r = x < 0 && whole > INT32_MIN ? whole - 1 : whole;
    int32_t c = T6LONGRounded((x - r) * 65536.0);
    if (c >= 65536) {
        fr = 0;
        return x >= 0 && whole < INT32_MAX ? whole + 1 : whole;
    }
    fr = static_cast<uint16_t>(c < 0 ? 0 : c);
    return r;
}

int32_t T6DPFRFrom1616(int32_t v, uint16_t& fr) {
    fr = static_cast<uint16_t>(v & 0xFFFF);
    return v >> 16;
}

int32_t T6CompareDPFR(int32_t dp1, uint16_t fr1, int32_t dp2, uint16_t fr2) {
    if (dp1 != dp2) return dp1 < dp2 ? -1 : 1;
    if (fr1 != fr2) return fr1 < fr2 ? -1 : 1;
    return 0;
}

void T6AddDPFR(int32_t& dp, uint16_t& fr, int32_t dp1, uint16_t fr1, int32_t dp2, uint16_t fr2) {
    uint32_t sum = uint32_t{fr1} + fr2;
    fr = static_cast<uint16_t>(sum & 0xFFFF);
    dp = dp1 + dp2 + (sum > 0xFFFF ? 1 : 0);
}

void T6SubDPFR(int32_t& dp, uint16_t& fr, int32_t dp1, uint16_t fr1, int32_t dp2, uint16_t fr2) {
    fr = static_cast<uint16_t>(fr1 - fr2);
    dp = dp1 - dp2 - (fr1 < fr2 ? 1 : 0);
}
