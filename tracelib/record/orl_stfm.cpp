// The ORL result with its cursors and instrument values, and the STFM fibre
// module that may stand in for the start of the fibre.
#include "record/record_text.h"
#include "record/settings.h"

#include <varnel/varnel.h>

#include <string>

using varnel::settings;
using varnel::writeFormatted;

namespace {

constexpr double kMillionths = 1000000.0;
constexpr int kMaxSTFMEndSteps = 2;

} // namespace

int32_t CT6::GotSTFMInfo() const {
    return m_stfmLength != 0 && m_stfmDBKM != 0 && m_stfmIOR != 0 && m_stfmBackScatter != 0;
}

int32_t CT6::GetSTFMUseForORL() const {
    return m_stfmUseForORL;
}
double CT6::GetSTFMLengthKM() const {
    return T6KMFromScaled(m_stfmLength);
}
double CT6::GetSTFMDBKM() const {
    return T6DBFromScaled(m_stfmDBKM);
}
double CT6::GetSTFMIOR() const {
    return m_stfmIOR / kMillionths;
}
double CT6::GetSTFMBackScatter() const {
    return T6DBFromScaled(m_stfmBackScatter);
}
double CT6::GetSTFMConnReflDB() const {
    return T6DBFromScaled(m_stfmConnReflDB);
}
void CT6::SetSTFMUseForORL(int32_t flag) {
    m_stfmUseForORL = flag != 0 ? 1 : 0;
}
void CT6::SetSTFMLengthKM(double km) {
    m_stfmLength = T6ScaledFromKM(km);
}
void CT6::SetSTFMDBKM(double dbkm) {
    m_stfmDBKM = T6ScaledFromDB(dbkm);
}
void CT6::SetSTFMIOR(double ior) {
    m_stfmIOR = T6LONGRounded(ior * kMillionths);
}
void CT6::SetSTFMBackScatter(double db) {
    m_stfmBackScatter = T6ScaledFromDB(db);
}
void CT6::SetSTFMConnReflDB(double db) {
    m_stfmConnReflDB = T6ScaledFromDB(db);
}

// The module's length is given at its own index; the trace measures with the
// first span's. The end then settles onto the foot of the connector's rise.
// Without an index on the trace there is no end to find.
int32_t CT6::GetSTFMEndDP() const {
    double traceIOR = SpanGetIOR(0);
    if (!GotSTFMInfo() || traceIOR == 0) return 0;
    double km = m_horzShiftKM + GetSTFMLengthKM() * GetSTFMIOR() / traceIOR;
    uint16_t fr = 0;
    int32_t p = DPFRFromKM(km, fr);
    const auto working = static_cast<int64_t>(m_dpw.size());
    if (p >= working) return p;
    for (int step = 0; step < kMaxSTFMEndSteps && p >= 1; ++step) {
        auto at = static_cast<size_t>(p);
        if (m_dpw[at - 1] >= m_dpw[at]) break;
        --p;
    }
    return p;
}

double CT6::GetSTFMEndKM() const {
    if (!GotSTFMInfo()) return 0.0;
    double km = KMFromDPFR(GetSTFMEndDP(), 0);
    return km < 0 ? 0.0 : km;
}

double CT6::GetORL() const {
    return IsORLAvailable() ? T6DBFromScaled(m_orl) : 0.0;
}

// A saturated result wins over a less-than one; both formats are settable.
char16_t* CT6::GetORL(char16_t* out, int32_t units) const {
    if (!IsORLAvailable()) return writeFormatted(out, settings().notAvailable.view());
    const auto& s = settings();
    std::u16string_view format = u"%.2f";
    if (m_traceFlags & T6_TRACE_ORL_SATURATED)
        format = s.formatORLSaturated.view();
    else if (m_traceFlags & T6_TRACE_ORL_LESS_THAN)
        format = s.formatORLLessThan.view();
    writeFormatted(out, varnel::formatDouble(format, GetORL()));
    if (units) T6AddUnitsDB(out);
    char16_t relTo[varnel::kFormattedTextCapacity];
    varnel::appendTruncated(out, u" ", varnel::kFormattedTextCapacity - 1);
    return varnel::appendTruncated(out, GetORLRelTo(relTo), varnel::kFormattedTextCapacity - 1);
}

char16_t* CT6::GetORLRelTo(char16_t* out) const {
    if (!IsORLAvailable()) return writeFormatted(out, u"");
    const auto& s = settings();
    bool relToA = (m_traceFlags & T6_TRACE_ORL_REL_TO_A) != 0;
    return writeFormatted(out, relToA ? s.orlRelToA.view() : s.orlRelToOrigin.view());
}

char16_t* CT6::GetORLCalcAToB(char16_t* out) const {
    const auto& format = settings().formatORLDist[settings().curDistUnits].view();
    std::u16string text = u"[";
    text += varnel::formatDouble(format, T6CurDistFromKM(GetORLACursorKM()));
    text += u",";
    text += varnel::formatDouble(format, T6CurDistFromKM(GetORLBCursorKM()));
    text += u"]";
    return writeFormatted(out, text);
}

double CT6::GetORLACursorKM() const {
    return IsORLAvailable() ? KMFromDPFR(m_orlADP, m_orlAFR) : 0.0;
}
double CT6::GetORLBCursorKM() const {
    return IsORLAvailable() ? KMFromDPFR(m_orlBDP, m_orlBFR) : 0.0;
}
int32_t CT6::GetORLFctryLaserPower() const {
    return m_orlFctryLaserPower;
}
int32_t CT6::GetORLAttenLaserPower() const {
    return m_orlAttenLaserPower;
}
int32_t CT6::GetORLAttenAPD() const {
    return m_orlAttenAPD;
}
double CT6::GetORLDBKM() const {
    return T6DBFromScaled(m_orlDBKM);
}
double CT6::GetORLE0KM() const {
    return KMFromDPFR(m_orlE0DP, 0);
}
double CT6::GetORLE1KM() const {
    return KMFromDPFR(m_orlE1DP, 0);
}
double CT6::GetORLEArea() const {
    return m_orlEArea;
}
double CT6::GetORLAArea() const {
    return m_orlAArea;
}

// Only the available bit is cleared: the other ORL bits stay in the word but
// read as 0 until a new result is available.
void CT6::SetORLNotAvailable() {
    if (IsORLAvailable()) SetModFlag(T6_MOD_ORL);
    m_traceFlags &= ~T6_TRACE_ORL_AVAILABLE;
    m_orl = 0;
    m_orlADP = m_orlBDP = 0;
    m_orlAFR = m_orlBFR = 0;
    m_orlFctryLaserPower = m_orlAttenLaserPower = m_orlAttenAPD = 0;
    m_orlDBKM = 0;
    m_orlE0DP = m_orlE1DP = 0;
    m_orlEArea = m_orlAArea = 0;
}
