#include "analysis/fas_run.h"

#include "analysis/line_fit.h"

namespace varnel {

namespace {

// The line fit's slope from the sums over x = 1 ... n.
double slopeFromSums(int64_t n, int64_t sumY, int64_t sumXY) {
    if (n < 2) return 0.0;
    const int64_t sumX = n * (n + 1) / 2;
    const double numerator = static_cast<double>(n * sumXY - sumX * sumY);
    const double denominator = static_cast<double>(n * n * (n * n - 1)) / 12.0;
    return numerator / denominator;
}

} // namespace

double lineSlope(const uint16_t* y, int32_t n) {
    return fitLine(n, [y](int32_t k) { return static_cast<double>(y[k]); }).slope;
}

void SlidingLineFit::reset(int32_t first, int32_t n) {
    first_ = first;
    n_ = n;
    sumY_ = 0;
    sumXY_ = 0;
    for (int32_t i = 0; i < n; ++i) {
        sumY_ += at(first + i);
        sumXY_ += static_cast<int64_t>(i + 1) * at(first + i);
    }
}

void SlidingLineFit::advance() {
    const int64_t incoming = at(first_ + n_);
    sumXY_ += static_cast<int64_t>(n_) * incoming - sumY_;
    sumY_ += incoming - at(first_);
    ++first_;
}

double SlidingLineFit::slope() const {
    return slopeFromSums(n_, sumY_, sumXY_);
}

} // namespace varnel

double CT6::FASRun::toDBKM(double valuesPerPoint, int32_t dp) const {
    return valuesPerPoint / (-sf * dxKM(dp));
}

double CT6::FASRun::slopeDBKM(int32_t from, int32_t n) const {
    if (from < 0) {
        n += from;
        from = 0;
    }
    if (from + n - 1 > last) n = last - from + 1;
    if (n < 2) return 0.0;
    return toDBKM(varnel::lineSlope(dv + from, n), from);
}

int32_t CT6::FASRun::firstMaximum(int32_t a, int32_t b) const {
    a = clampIndex(a);
    b = clampIndex(b);
    int32_t best = a;
    for (int32_t i = a + 1; i <= b; ++i) {
        if (dv[i] > dv[best]) best = i;
    }
    return best;
}
