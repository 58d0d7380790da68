// Reflectance of a peak from its height over the backscatter before it, and
// the receiver levels that make a reflectance a lower bound.
#include "analysis/measure_common.h"
#include "record/settings.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>

namespace varnel {
namespace {

struct PeakAndBase {
    double peak = 0.0;
    double base = 0.0;
    int32_t peakDP = 0;
    int32_t baseDP = 0;
};

// Points before the event start that the backscatter base is taken from.
constexpr int32_t kBaseWindow = 5;

int32_t firstMaximum(const CT6& trace, int32_t from, int32_t to) {
    int32_t best = from;
    for (int32_t i = from + 1; i <= to; ++i)
        if (trace.DPWGetLONG(i) > trace.DPWGetLONG(best)) best = i;
    return best;
}

int32_t firstMinimum(const CT6& trace, int32_t from, int32_t to) {
    int32_t best = from;
    for (int32_t i = from + 1; i <= to; ++i)
        if (trace.DPWGetLONG(i) < trace.DPWGetLONG(best)) best = i;
    return best;
}

// The peak given by the caller over the plain mean of the four points ending
// at the start.
PeakAndBase explicitPeakAndBase(const CT6& trace, int32_t startDP, int32_t peakDP) {
    int32_t from = std::max({startDP - 3, trace.GetOnAfterZKMDP(), 0});
    PeakAndBase pb;
    double sum = 0.0;
    for (int32_t i = from; i <= startDP; ++i)
        sum += trace.DPWGetLONG(i);
    pb.base = from <= startDP ? sum / (startDP - from + 1) : trace.DPWGetLONG(startDP);
    pb.baseDP = startDP;
    pb.peakDP = peakDP;
    pb.peak = trace.DPWGetLONG(peakDP);
    return pb;
}

// The first maximum within the guard length over the trimmed mean of the
// points before the lowest point leading up to it.
PeakAndBase searchedPeakAndBase(const CT6& trace, int32_t startDP, int32_t guard, int32_t lastDP) {
    PeakAndBase pb;
    pb.peakDP = firstMaximum(trace, startDP,
                             clampToInt32(std::min<int64_t>(int64_t{startDP} + guard, lastDP)));
    pb.peak = trace.DPWGetLONG(pb.peakDP);
    int32_t from = std::max({trace.GetOnAfterZKMDP(), startDP - kBaseWindow, 0});
    pb.baseDP = firstMinimum(trace, std::min(from, pb.peakDP), pb.peakDP);
    // Near the start of the array the base window is cut rather than read
    // before point 0.
    int32_t first = std::max(pb.baseDP - kBaseWindow, 0);
    int32_t n = pb.baseDP - first;
    pb.base = n > 0 ? trimmedMean(n, [&](int32_t k) { return double(trace.DPWGetLONG(first + k)); })
                    : pb.peak;
    return pb;
}

// Long enough to hold the rise of a reflection: two pulses, at least 8 points
// and 5 m.
int32_t guardLength(const CT6& trace, int32_t dp) {
    int64_t guard = std::max<int64_t>(2 * int64_t{trace.PWGetPointsPerAtDP(dp)}, 8);
    double dx = trace.SpanGetDxKMAtDP(dp);
    if (dx > 0.0) guard = std::max(guard, static_cast<int64_t>(std::min(0.005 / dx, 1e9)));
    return clampToInt32(guard);
}

} // namespace
} // namespace varnel

double CT6::CalcRefl(double heightDV, double pulseNS, double backscatterDB) const {
    int32_t sf = DPWGetScaleFactor();
    if (!(heightDV > 0.0) || sf <= 0 || !(pulseNS > 0.0)) return 0.0;
    return backscatterDB +
           10.0 * std::log10(pulseNS * (std::pow(10.0, heightDV / (5.0 * sf)) - 1.0));
}

double CT6::CalcMinAmpDV(double reflDB, double pulseNS, double backscatterDB) const {
    int32_t sf = DPWGetScaleFactor();
    if (sf <= 0 || !(pulseNS > 0.0)) return 0.0;
    return 5.0 * sf * std::log10(std::pow(10.0, (reflDB - backscatterDB) / 10.0) / pulseNS + 1.0);
}

void CT6::CalcClampedSatDV(int32_t dp, double& clampDV, double& satDV) const {
    double sf = DPWGetScaleFactor();
    double range = GetDynamicRange() * sf;
    int32_t segment = PWIndexAtDP(dp);
    if (PWGetPreampType(segment) == 1) {
        clampDV = range - 0.5 * sf;
        satDV = range;
        return;
    }
    clampDV = range - 3.0 * sf;
    satDV = PWGetNanoSec(segment) >= 50 ? range - 0.5 * sf : range - 2.0 * sf;
}

double CT6::CalcRefl(int32_t startDP, int32_t endDP, int32_t explicitPeak, int32_t& status) const {
    using namespace varnel;
    status = 0;
    if (startDP < 0 || startDP > m_lastDP) return 0.0;
    int32_t guard = guardLength(*this, startDP);
    if (startDP <= int64_t{GetZKMDP()} + guard) return 0.0;

    PeakAndBase pb;
    if (explicitPeak) {
        if (endDP < 0 || endDP > m_lastDP) return 0.0;
        pb = explicitPeakAndBase(*this, startDP, endDP);
    } else {
        pb = searchedPeakAndBase(*this, startDP, guard, m_lastDP);
    }

    double refl = 0.0;
    double height = pb.peak - pb.base;
    if (height > 0.0) {
        double pulseNS = PWGetNanoSec(PWIndexAtDP(pb.peakDP));
        double backscatterDB = SpanGetBackScatter(SpanIndexAtDP(pb.baseDP));
        if (height > CalcMinAmpDV(kLowestReflDB, pulseNS, backscatterDB))
            refl = CalcRefl(height, pulseNS, backscatterDB);
    }
    if (refl < kLowestReflDB || refl > kHighestReflDB) return 0.0;
    if (refl == 0.0) return 0.0;

    if (PWGetPointsPerAtDP(startDP) < 8) status |= T6_EVFLAG_FEW_POINTS_PER_PULSE;
    double clampDV = 0.0, satDV = 0.0;
    CalcClampedSatDV(startDP, clampDV, satDV);
    if (pb.peak >= satDV)
        status |= T6_EVFLAG_REFL_SATURATED;
    else if (pb.peak >= clampDV)
        status |= T6_EVFLAG_REFL_CLAMPED;
    return refl;
}

// A fractional start moves to the next point when the trace still falls
// there; a fractional peak when it still rises.
double CT6::CalcRefl(double startKM, double endKM, int32_t explicitPeak, int32_t& status) const {
    int32_t first = GetOnAfterZKMDP();
    auto inRange = [&](int32_t dp) { return dp >= first && dp < m_lastDP; };
    uint16_t fr = 0;
    int32_t a = DPFRFromKM(startKM, fr);
    if (fr && inRange(a) && DPWGetLONG(a + 1) < DPWGetLONG(a)) ++a;
    int32_t b = DPFRFromKM(endKM, fr);
    if (fr && inRange(b) && DPWGetLONG(b + 1) > DPWGetLONG(b)) ++b;
    return CalcRefl(a, b, explicitPeak, status);
}

char16_t* CT6::CalcRefl(char16_t* buf, double startKM, double endKM, int32_t explicitPeak,
                        int32_t units) const {
    using namespace varnel;
    int32_t status = 0;
    double refl = CalcRefl(startKM, endKM, explicitPeak, status);
    if (refl == 0.0) return writeFormatted(buf, settings().notAvailable.view());
    std::u16string text;
    if (status & T6_EVFLAG_REFL_SATURATED) {
        text = formatDouble(settings().formatReflSaturated.view(), refl);
    } else {
        text = formatDouble(settings().formatReflNotSaturated.view(), refl);
        if ((status & (T6_EVFLAG_REFL_CLAMPED | T6_EVFLAG_FEW_POINTS_PER_PULSE)) && !text.empty())
            text[0] = u'>';
    }
    writeFormatted(buf, text);
    return units ? T6AddUnitsDB(buf) : buf;
}
