// Saving the last ORL result into a record and copying one record's ORL into
// another.
#include "analysis/orl_store.h"
#include "analysis/measure_common.h"

#include <varnel/varnel.h>

namespace varnel {

ORLResult& lastORLResult() {
    static ORLResult result;
    return result;
}

} // namespace varnel

void CT6::CalcORLInfoSave() {
    using namespace varnel;
    const ORLResult& result = lastORLResult();
    m_traceFlags &= ~kORLFlagBits;
    m_orl = 0;
    if (hasValue(result.orlDB)) {
        m_orl = T6ScaledFromDB(result.orlDB);
        m_traceFlags |=
            T6_TRACE_ORL_AVAILABLE | (static_cast<uint32_t>(result.status) & kORLStatusBits);
    }
    m_orlADP = result.aDP;
    m_orlAFR = result.aFR;
    m_orlBDP = result.bDP;
    m_orlBFR = result.bFR;
    m_orlFctryLaserPower = result.fctryLaserPower;
    m_orlAttenLaserPower = result.attenLaserPower;
    m_orlAttenAPD = result.attenAPD;
    m_orlDBKM = T6ScaledFromDB(result.dbkm);
    m_orlE0DP = result.e0DP;
    m_orlE1DP = result.e1DP;
    m_orlEArea = result.eArea;
    m_orlAArea = result.aArea;
    SetModFlag(T6_MOD_ORL);
}

void CT6::CalcORLCopy(const CT6* other) {
    using namespace varnel;
    if (!other) return;
    m_orl = other->m_orl;
    m_traceFlags =
        (m_traceFlags & ~kORLFlagBits) | (other->m_traceFlags & kORLFlagBits) | T6_TRACE_ORL_COPIED;
    m_orlADP = other->m_orlADP;
    m_orlAFR = other->m_orlAFR;
    m_orlBDP = other->m_orlBDP;
    m_orlBFR = other->m_orlBFR;
    m_orlFctryLaserPower = other->m_orlFctryLaserPower;
    m_orlAttenLaserPower = other->m_orlAttenLaserPower;
    m_orlAttenAPD = other->m_orlAttenAPD;
    m_orlDBKM = other->m_orlDBKM;
    m_orlE0DP = other->m_orlE0DP;
    m_orlE1DP = other->m_orlE1DP;
    m_orlEArea = other->m_orlEArea;
    m_orlAArea = other->m_orlAArea;
    SetModFlag(T6_MOD_ORL);
}
