// Optical return loss between two positions: the stretch is integrated and
// scaled against clean backscatter found on the trace itself, or against the
// instrument's reference fibre when that is known and suitable.
#include "analysis/line_fit.h"
#include "analysis/measure_common.h"
#include "analysis/orl_store.h"
#include "analysis/span_ior_scope.h"
#include "record/settings.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kHighResolutionPreamp = 2;
constexpr double kCleanSectionKM = 0.2;
constexpr int32_t kCleanSectionTries = 10; // section lengths searched after A
constexpr double kRiseDB = 0.5;

} // namespace

double CT6::CalcORL(double aKM, double bKM, int32_t fromEnd, int32_t wholeTrace,
                    int32_t relToOrigin, int32_t& status) {
    using namespace varnel;
    status = 0;
    ORLResult& result = lastORLResult();
    result = ORLResult{};
    result.fctryLaserPower = GetFctryLaserPower();
    result.attenLaserPower = GetAttenLaserPower();
    result.attenAPD = GetAttenAPD();

    int32_t first = GetOnAfterZKMDP();
    uint16_t fr = 0;
    int32_t zeroDP = std::max(DPFRFromKM(0.0, fr), first);
    bKM = std::max(aKM, bKM);
    int32_t aDP = 0, bDP = 0;
    uint16_t aFR = 0, bFR = 0;
    if (wholeTrace) {
        aDP = zeroDP;
        bDP = m_lastDP;
        aKM = KMFromDPFR(aDP, 0);
    } else {
        if (fromEnd && EVCount() > 0) {
            double endKM = EVGetStartKM(EVCount() - 1);
            double mirroredA = endKM - bKM;
            bKM = mirroredA + (bKM - aKM);
            aKM = mirroredA;
        }
        aDP = DPFRFromKM(aKM, aFR);
        bDP = DPFRFromKM(bKM, bFR);
    }
    if (aDP < first) {
        aDP = first;
        aFR = 0;
    }
    if (aDP > m_lastDP || bDP < first) return T6_NO_VALUE;
    if (bDP > m_lastDP) {
        bDP = m_lastDP;
        bFR = 0;
    }
    result.aDP = aDP;
    result.aFR = aFR;
    result.bDP = bDP;
    result.bFR = bFR;

    int32_t refDP = zeroDP;
    if (!relToOrigin) {
        refDP = aDP;
        status |= T6_TRACE_ORL_REL_TO_A;
    }

    double orl = T6_NO_VALUE;
    if (referenceFibreApplies(aKM)) {
        orl = referenceFibreORL(refDP, aDP, bDP, status);
    } else if (DPLCount() == 0) {
        int32_t e1DP = 0;
        double slopeDBKM = 0.0;
        int32_t e0DP = findCleanBackscatter(aDP, e1DP, slopeDBKM);
        if (e0DP >= 0) {
            int32_t span = SpanIndexAtDP(e0DP);
            orl = CalcORLBasic(refDP, aDP, bDP, e0DP, e1DP, slopeDBKM, SpanGetIOR(span),
                               SpanGetBackScatter(span), status);
        }
    }
    result.orlDB = orl;
    result.status = status;
    return orl;
}

// The reference fibre serves a short high-resolution pulse whose stretch
// starts on or near it, on a recalled trace or when the record asks for it.
bool CT6::referenceFibreApplies(double aKM) const {
    if (!GotSTFMInfo() || PWGetPreampType(0) != kHighResolutionPreamp) return false;
    double spanIOR = SpanGetIOR(0);
    if (!(spanIOR > 0.0)) return false;
    double pulseKM = PWGetKM(0);
    if (pulseKM > 0.6 * (GetSTFMLengthKM() * GetSTFMIOR() / spanIOR)) return false;
    if (pulseKM + GetSTFMEndKM() < aKM) return false;
    return IsTraceRecalled() || GetSTFMUseForORL();
}

double CT6::referenceFibreORL(int32_t refDP, int32_t aDP, int32_t bDP, int32_t& status) {
    int32_t e0DP = 0, e1DP = 0;
    {
        ScopedSpan0IOR reference(*this, GetSTFMIOR());
        uint16_t fr = 0;
        double lengthKM = GetSTFMLengthKM();
        e1DP = DPFRFromKM(lengthKM + GetHorzShiftKM(), fr);
        e0DP = DPFRFromKM(0.6 * lengthKM + GetHorzShiftKM(), fr);
    }
    double orl = CalcORLBasic(refDP, aDP, bDP, e0DP, e1DP, GetSTFMDBKM(), GetSTFMIOR(),
                              GetSTFMBackScatter(), status);
    status |= T6_TRACE_ORL_STFM;
    return orl;
}

// A section after A whose slope matches the fibre's attenuation and that holds
// no rise (a reflection); returns its first point (E0) or -1.
int32_t CT6::findCleanBackscatter(int32_t aDP, int32_t& e1DP, double& slopeDBKM) const {
    int32_t sf = DPWGetScaleFactor();
    double dx = SpanGetDxKMAtDP(aDP);
    if (sf <= 0 || !(dx > 0.0)) return -1;
    int64_t pp = PWGetPointsPerAtDP(aDP);
    int64_t length = std::max(pp, static_cast<int64_t>(std::min(kCleanSectionKM / dx, 1e8)));
    int64_t last = std::min(m_lastDP, static_cast<int32_t>(m_dpw.size()) - 1);
    int64_t riseFloor = GetZKMDP() + pp;
    int64_t start = std::max<int64_t>(aDP, riseFloor);
    int64_t stop = std::min(start + kCleanSectionTries * length - 1, last) - length;
    double atn = GetCalcAtn();
    double riseDV = kRiseDB * sf;

    for (int64_t i = std::max<int64_t>(start, 0); i <= stop; ++i) {
        varnel::LineFit fit = varnel::fitLine(static_cast<int32_t>(length),
                                              [&](int32_t k) { return double(m_dpw[i + k]); });
        double slope = fit.slope / (-sf * dx);
        if (std::fabs(slope - atn) > 0.5 * atn) continue;

        // Sum the climbs of consecutive rising steps; a climb of 0.5 dB that
        // turns down again is a reflection.
        double climb = 0.0;
        int64_t stoppedAt = i + length;
        bool rise = false;
        for (int64_t j = std::max<int64_t>({riseFloor, i - pp / 2 - 3, 0}); j < i + length; ++j) {
            int32_t step = m_dpw[j + 1] - m_dpw[j];
            if (step >= 0) {
                climb += step;
                continue;
            }
            if (climb >= riseDV) {
                rise = true;
                stoppedAt = j;
                break;
            }
            climb = 0.0;
        }
        if (!rise && climb < riseDV) {
            e1DP = static_cast<int32_t>(i + length);
            slopeDBKM = slope;
            return static_cast<int32_t>(i);
        }
        i = stoppedAt + pp / 2 + 3;
    }
    return -1;
}

char16_t* CT6::CalcORL(char16_t* buf, double aKM, double bKM, int32_t fromEnd, int32_t wholeTrace,
                       int32_t relToOrigin, int32_t units) {
    using namespace varnel;
    int32_t status = 0;
    double orl = CalcORL(aKM, bKM, fromEnd, wholeTrace, relToOrigin, status);
    if (!hasValue(orl)) return writeFormatted(buf, settings().notAvailable.view());
    const char16_t* format = u"%4.1f";
    if (status & T6_TRACE_ORL_SATURATED)
        format = u"<%4.1fS";
    else if (status & T6_TRACE_ORL_LESS_THAN)
        format = u"<%4.1f";
    writeFormatted(buf, formatDouble(format, orl));
    return units ? T6AddUnitsDB(buf) : buf;
}
