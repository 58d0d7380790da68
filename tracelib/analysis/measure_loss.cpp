// Loss between two positions in the seven loss modes and the two one-sided
// fits that only CalcLoss's callers ask for.
#include "analysis/measure_common.h"
#include "record/settings.h"

#include <varnel/varnel.h>

#include <cmath>

namespace varnel {
namespace {

bool mirrorsFromEnd(int32_t mode) {
    return mode != T6_LOSS_ORL && mode != T6_LOSS_A_SIDE_AT_B && mode != T6_LOSS_B_SIDE_AT_B;
}

// Positions measured back from the fibre end E.
void mirrorFromEnd(int32_t mode, double endKM, double& aKM, double& bKM) {
    double a = aKM, b = bKM;
    if (mode == T6_LOSS_SPLICE) {
        aKM = endKM - a;
    } else if (mode == T6_LOSS_2POINT_ATN_COR) {
        aKM = endKM - a;
        bKM = aKM + (b - a);
    } else {
        aKM = endKM - b;
        bKM = endKM - a;
    }
}

// Mean level of the five whole points ending at the point of km.
double levelBeforeKM(const CT6& trace, double km) {
    uint16_t fr = 0;
    int32_t dp = trace.DPFRFromKM(km, fr);
    if (dp < INT32_MIN + 4) return T6_NO_VALUE;
    double sum = 0.0;
    for (int32_t k = 0; k < 5; ++k) {
        double level = trace.GetDBAtDPFR(dp - k, 0);
        if (!hasValue(level)) return T6_NO_VALUE;
        sum += level;
    }
    return sum / 5.0;
}

char16_t* lossText(char16_t* buf, int32_t mode, double loss, int32_t units) {
    if (!hasValue(loss)) return writeFormatted(buf, settings().notAvailable.view());
    writeFormatted(buf, formatDouble(u"%.3f", loss));
    if (!units) return buf;
    // dB/km modes carry their own unit.
    if (mode == T6_LOSS_DBKM || mode == T6_LOSS_DBKM_LSA) {
        appendTruncated(buf, u" ", kFormattedTextCapacity - 1);
        return appendTruncated(buf, settings().dbkm.view(), kFormattedTextCapacity - 1);
    }
    return T6AddUnitsDB(buf);
}

} // namespace
} // namespace varnel

using varnel::hasValue;

double CT6::CalcLoss(int32_t mode, int32_t fromEnd, double aKM, double aStartOff, double aEndOff,
                     double bKM, double bStartOff, double bEndOff, double& aFit, double& aSegStart,
                     double& aSegEnd, double& bFit, double& bSegStart, double& bSegEnd) {
    if (mode != T6_LOSS_B_SIDE_AT_B) aFit = aSegStart = aSegEnd = 0.0;
    bFit = bSegStart = bSegEnd = 0.0;
    if (mode == T6_LOSS_2POINT_ATN_COR && DPLCount() > 0) return T6_NO_VALUE;
    if (fromEnd && varnel::mirrorsFromEnd(mode) && EVCount() > 0)
        varnel::mirrorFromEnd(mode, EVGetStartKM(EVCount() - 1), aKM, bKM);
    if (mode == T6_LOSS_ORL) {
        int32_t status = 0;
        return CalcORL(aKM, bKM, fromEnd, 0, varnel::settings().orlCalc[2], status);
    }
    double loss = lossInMode(mode, aKM, aStartOff, aEndOff, bKM, bStartOff, bEndOff, aFit,
                             aSegStart, aSegEnd, bFit, bSegStart, bSegEnd);
    // A loss beyond what the instrument can see is a fit gone astray.
    if (hasValue(loss) && std::fabs(loss) > GetDynamicRange()) return T6_NO_VALUE;
    return loss;
}

double CT6::lossInMode(int32_t mode, double aKM, double aStartOff, double aEndOff, double bKM,
                       double bStartOff, double bEndOff, double& aFit, double& aSegStart,
                       double& aSegEnd, double& bFit, double& bSegStart, double& bSegEnd) const {
    using namespace varnel;
    switch (mode) {
    case T6_LOSS_SPLICE:
    case T6_LOSS_2POINT_LSA:
    case T6_LOSS_DBKM_LSA: {
        if (mode == T6_LOSS_SPLICE) bKM = aKM;
        aFit = CalcLSAIntercept(aKM, aStartOff, aEndOff, aSegStart, aSegEnd);
        bFit = CalcLSAIntercept(bKM, bStartOff, bEndOff, bSegStart, bSegEnd);
        if (!hasValue(aFit) || !hasValue(bFit)) return T6_NO_VALUE;
        if (!hasValue(GetDBAtKM(aKM)) || !hasValue(GetDBAtKM(bKM))) return T6_NO_VALUE;
        if (mode != T6_LOSS_DBKM_LSA) return aFit - bFit;
        return bKM != aKM ? (aFit - bFit) / (bKM - aKM) : T6_NO_VALUE;
    }
    case T6_LOSS_2POINT:
    case T6_LOSS_DBKM:
    case T6_LOSS_2POINT_ATN_COR: {
        aFit = GetDBAtKM(aKM);
        bFit = GetDBAtKM(bKM);
        if (!hasValue(aFit) || !hasValue(bFit)) return T6_NO_VALUE;
        if (mode == T6_LOSS_2POINT) return aFit - bFit;
        if (mode == T6_LOSS_DBKM) return aKM < bKM ? (aFit - bFit) / (bKM - aKM) : T6_NO_VALUE;
        return aFit - bFit - (bKM - aKM) * GetAtn();
    }
    case T6_LOSS_A_SIDE_AT_B: {
        double shift = bKM - aKM;
        bFit = CalcLSAIntercept(bKM, aStartOff - shift, aEndOff - shift, bSegStart, bSegEnd);
        double before = levelBeforeKM(*this, bKM);
        double loss = T6_NO_VALUE;
        if (hasValue(bFit) && hasValue(GetDBAtKM(bKM)) && hasValue(before)) loss = bFit - before;
        aFit = CalcLSAIntercept(aKM, aStartOff, aEndOff, aSegStart, aSegEnd);
        return loss;
    }
    case T6_LOSS_B_SIDE_AT_B: {
        double shift = bKM - aKM;
        bFit = CalcLSAIntercept(bKM, bStartOff - shift, bEndOff - shift, bSegStart, bSegEnd);
        double before = levelBeforeKM(*this, bKM);
        if (!hasValue(bFit) || !hasValue(GetDBAtKM(bKM)) || !hasValue(before)) return T6_NO_VALUE;
        return before - bFit;
    }
    default:
        return T6_NO_VALUE;
    }
}

double CT6::CalcLoss() {
    int32_t mode = GetLossMode();
    double aFit, aSegStart, aSegEnd, bFit, bSegStart, bSegEnd;
    return CalcLoss(mode, 0, GetACursorKM(), GetLSACursorStartOffKM(mode, T6_SIDE_A),
                    GetLSACursorEndOffKM(mode, T6_SIDE_A), GetBCursorKM(),
                    GetLSACursorStartOffKM(mode, T6_SIDE_B), GetLSACursorEndOffKM(mode, T6_SIDE_B),
                    aFit, aSegStart, aSegEnd, bFit, bSegStart, bSegEnd);
}

char16_t* CT6::CalcLoss(char16_t* buf, int32_t units) {
    int32_t mode = GetLossMode();
    if (mode == T6_LOSS_ORL)
        return CalcORL(buf, GetACursorKM(), GetBCursorKM(), 0, 0, varnel::settings().orlCalc[2],
                       units);
    return varnel::lossText(buf, mode, CalcLoss(), units);
}

char16_t* CT6::CalcLoss(char16_t* buf, int32_t mode, int32_t fromEnd, double aKM, double aStartOff,
                        double aEndOff, double bKM, double bStartOff, double bEndOff, double& aFit,
                        double& aSegStart, double& aSegEnd, double& bFit, double& bSegStart,
                        double& bSegEnd, int32_t units) {
    if (mode == T6_LOSS_ORL) {
        aFit = aSegStart = aSegEnd = bFit = bSegStart = bSegEnd = 0.0;
        return CalcORL(buf, aKM, bKM, fromEnd, 0, varnel::settings().orlCalc[2], units);
    }
    double loss = CalcLoss(mode, fromEnd, aKM, aStartOff, aEndOff, bKM, bStartOff, bEndOff, aFit,
                           aSegStart, aSegEnd, bFit, bSegStart, bSegEnd);
    return varnel::lossText(buf, mode, loss, units);
}

double CT6::CalcLSAIntercept(double posKM, double startOff, double endOff, double& segStart,
                             double& segEnd) const {
    segStart = segEnd = T6_NO_VALUE;
    if (!std::isfinite(posKM) || !(startOff < endOff)) return T6_NO_VALUE;
    if (!hasValue(GetDBAtKM(posKM + startOff)) || !hasValue(GetDBAtKM(posKM + endOff)))
        return T6_NO_VALUE;

    constexpr int32_t n = 64;
    double step = (endOff - startOff) / (n - 1);
    double sum = 0.0, weighted = 0.0;
    for (int32_t i = 0; i < n; ++i) {
        double level = GetDBAtKM(posKM + startOff + i * step);
        if (!hasValue(level)) return T6_NO_VALUE;
        sum += level;
        weighted += i * level;
    }
    // The least-squares line through (i, level_i), written out for n samples.
    auto line = [&](double k) {
        return sum / (n + 1) * (4.0 - 2.0 / n - 6.0 * k / n) -
               weighted / ((n + 1) * (n - 1)) * (6.0 - 6.0 / n - 12.0 * k / n);
    };
    segStart = line(0.0);
    segEnd = line(n - 1.0);
    return line(-startOff / step);
}
