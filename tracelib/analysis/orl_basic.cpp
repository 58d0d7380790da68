// The ORL formula: the returned power of a stretch of trace against a section
// of clean backscatter whose level the backscatter coefficient gives.
#include "analysis/measure_common.h"
#include "analysis/orl_store.h"
#include "record/settings.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDBPerNeper = 4.343;
constexpr double kHighestORLDB = 99.9;
constexpr int32_t kMinPointsPerPulse = 8;

struct AreaSum {
    double area = 0.0;
    int32_t saturated = 0;
    int32_t clamped = 0;
};

} // namespace

double CT6::CalcAreaLinDV(double value, double factor) const {
    if (value > m_dplThreshold) return (value - m_dplBaseline) * factor;
    return m_dplReference >= 0.0 ? 1.0 : factor;
}

double CT6::CalcORLBasic(int32_t refDP, int32_t aDP, int32_t bDP, int32_t e0DP, int32_t e1DP,
                         double dBkm, double ior, double backscatterDB, int32_t& status) {
    using namespace varnel;
    ORLResult& result = lastORLResult();
    result.dbkm = dBkm;
    result.e0DP = e0DP;
    result.e1DP = e1DP;
    result.eArea = result.aArea = 0.0;
    result.orlDB = T6_NO_VALUE;

    int32_t sf = DPWGetScaleFactor();
    bool linear = DPLCount() > 0;
    int32_t last =
        linear ? DPLCount() - 1 : std::min(m_lastDP, static_cast<int32_t>(m_dpw.size()) - 1);
    auto inTrace = [&](int32_t dp) { return dp >= 0 && dp <= last; };
    if (sf <= 0 || !inTrace(aDP) || !inTrace(e0DP) || !inTrace(e1DP) || e1DP < e0DP)
        return T6_NO_VALUE;
    bDP = std::min(bDP, last);

    double clampDV = 0.0, satDV = 0.0;
    CalcClampedSatDV(aDP, clampDV, satDV);
    double perDecade = 5.0 * sf;
    double linearFactor = std::pow(10.0, -m_dplReference / 5.0);
    double clampPower = std::pow(10.0, clampDV / perDecade);
    double satPower = std::pow(10.0, satDV / perDecade);
    // Linear power of one point, and whether it reached the clamping and
    // saturation levels.
    auto sumOver = [&](int32_t from, int32_t to) {
        AreaSum sum;
        for (int32_t i = from; i <= to; ++i) {
            double power = 0.0;
            if (linear) {
                power = CalcAreaLinDV(m_dpl[i], linearFactor);
                sum.saturated += power >= satPower;
                sum.clamped += power >= clampPower;
            } else {
                power = std::pow(10.0, m_dpw[i] / perDecade);
                sum.saturated += m_dpw[i] >= satDV;
                sum.clamped += m_dpw[i] >= clampDV;
            }
            sum.area += power;
        }
        return sum;
    };

    AreaSum stretch = aDP < bDP ? sumOver(aDP, bDP) : AreaSum{};
    if (stretch.saturated > 0)
        status |= T6_TRACE_ORL_SATURATED;
    else if (PWGetPointsPerAtDP(aDP) < kMinPointsPerPulse || stretch.clamped > 0)
        status |= T6_TRACE_ORL_LESS_THAN;
    AreaSum reference = sumOver(e0DP, e1DP);
    result.aArea = stretch.area;
    result.eArea = reference.area;

    // The reference section's backscatter, extrapolated back to the reference
    // point, stands for the launched power.
    double alpha = dBkm / kDBPerNeper;
    double z0 = KMFromDPFR(e0DP, 0) - KMFromDPFR(refDP, 0);
    double z1 = KMFromDPFR(e1DP, 0) - KMFromDPFR(refDP, 0);
    double t =
        (std::exp(-2.0 * alpha * z0) - std::exp(-2.0 * alpha * z1)) * stretch.area * ior * 10000.0;
    double u = (settings().speedOfLight / 100000.0) * alpha * reference.area;
    if (!(t > 0.0) || !(u > 0.0)) return T6_NO_VALUE;
    double orl = std::min(-backscatterDB - 10.0 * std::log10(t / u), kHighestORLDB);
    if (!std::isfinite(orl)) return T6_NO_VALUE;
    result.orlDB = orl;
    return orl;
}
