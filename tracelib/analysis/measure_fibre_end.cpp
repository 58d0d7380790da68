// Measurements about the fibre end and the reference fibre: time of flight,
// moving the end onto its reflection, and the noise on the reference fibre.
#include "analysis/line_fit.h"
#include "analysis/measure_common.h"
#include "analysis/span_ior_scope.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSecondsPerMetreOfResolution = 5e-9;
constexpr double kEndStepKM = 0.00001;
constexpr int32_t kEndSteps = 200000;

} // namespace

double CT6::CalcTimeOfFlightSEC() const {
    int32_t events = EVCount();
    if (events == 0) return 0.0;
    double endDP = T6DoubleFromDPFR(EVGetStartDP(events - 1), EVGetStartFR(events - 1));
    uint16_t fr = 0;
    int32_t zeroDP = DPFRFromKM(0.0, fr);
    return (endDP - T6DoubleFromDPFR(zeroDP, fr)) * GetResoNominalM() *
           kSecondsPerMetreOfResolution;
}

void CT6::UpEndReflDB(double deltaDB) {
    int32_t events = EVCount();
    if (events < 2) return;
    int32_t last = events - 1;
    double startKM = EVGetStartKM(last);
    double startLevel = GetDBAtKM(startKM);
    if (!varnel::hasValue(startLevel)) return;

    double bestKM = startKM, bestLevel = startLevel;
    double maxKM = GetMaxKM();
    for (int32_t i = 0; i < kEndSteps; ++i) {
        double km = startKM + i * kEndStepKM;
        if (km > maxKM) break; // nothing beyond the trace has a level
        double level = GetDBAtKM(km);
        if (level >= startLevel + deltaDB) {
            EVSetStartKM(last, km);
            return;
        }
        if (level > bestLevel) {
            bestKM = km;
            bestLevel = level;
        }
    }
    EVSetStartKM(last, bestKM);
}

// The reference fibre's last 40 % should be clean backscatter: what scatters
// around its least-squares line there is the trace's noise.
double CT6::CalcSTFMStdDevDB() {
    int32_t sf = DPWGetScaleFactor();
    if (!GotSTFMInfo() || sf <= 0) return 0.0;
    int32_t fromDP = 0, toDP = 0;
    {
        ScopedSpan0IOR reference(*this, GetSTFMIOR());
        uint16_t fr = 0;
        double lengthKM = GetSTFMLengthKM();
        fromDP = DPFRFromKM(0.6 * lengthKM + GetHorzShiftKM(), fr);
        toDP = DPFRFromKM(lengthKM + GetHorzShiftKM(), fr);
    }
    fromDP = std::max(fromDP, 0);
    toDP = std::min(toDP, m_lastDP);
    int32_t n = toDP - fromDP + 1;
    if (n <= 2) return 0.0;

    auto valueAt = [&](int32_t k) { return static_cast<double>(DPWGetLONG(fromDP + k)); };
    varnel::LineFit fit = varnel::fitLine(n, valueAt);
    double squares = 0.0;
    for (int32_t k = 0; k < n; ++k) {
        double residual = valueAt(k) - fit.at(k + 1.0);
        squares += residual * residual;
    }
    return std::sqrt(squares / (n - 2)) / sf;
}
