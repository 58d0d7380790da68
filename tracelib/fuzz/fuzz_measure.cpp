// Measures arbitrary traces at arbitrary positions: whatever the record holds
// and whatever the caller asks, a measurement returns a value or "none" and
// never reads outside the trace.
#include "fuzz_input.h"

#include <varnel/varnel.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

class Input : public varnel::fuzz::Input {
public:
    using varnel::fuzz::Input::Input;
    // Plausible values most of the time, anything now and then.
    int32_t point(int32_t count) { return byte() < 230 ? uint16() % (count + 40) - 20 : int32(); }
    double km() { return byte() < 230 ? (uint16() - 2000) / 2000.0 : int32() / 1000.0; }
    double offsetKM() { return (static_cast<int16_t>(uint16())) / 20000.0; }
};

int32_t loadTrace(CT6& trace, Input& in) {
    int32_t count = 16 + in.uint16() % 1000;
    trace.SetResoNominalM(in.byte() < 240 ? 0.25 + in.byte() / 64.0 : in.int32() / 1e6);
    trace.SetDynamicRange(in.byte() / 4.0);
    trace.SetFiberMode(in.byte() % 2);
    trace.SetWavelengthNominal(in.byte() < 128 ? 1310.0 : 1550.0);
    trace.SpanInsertDP(0);
    trace.SpanSetIOR(0, in.byte() < 240 ? 1.4 + in.byte() / 1000.0 : 0.0);
    trace.SpanSetBackScatter(0, -70.0 - in.byte() / 10.0);
    trace.PWInsertDP(0);
    trace.PWSetNanoSec(0, in.byte() < 240 ? in.uint16() % 20000 : in.int32());
    trace.PWSetPreampType(0, in.byte() % 4);
    trace.SFInsertDP(0);
    trace.SFSetScaleFactor(0, in.byte() < 240 ? 1000 : in.uint16());

    // A falling trace with steps and spikes the input chooses.
    std::vector<uint16_t> values(count);
    int32_t level = 25000;
    for (int32_t p = 0; p < count; ++p) {
        uint8_t b = in.byte();
        if (b > 250) level = in.uint16();
        level = level - 1 + (b % 7 == 0 ? 3 : 0);
        values[p] = static_cast<uint16_t>(b == 200 ? level + 8000 : level < 0 ? 0 : level);
    }
    trace.DPOInitArray(count);
    trace.DPOSetCount(count);
    trace.DPOSetDPO(0, count, values.data());
    trace.DPWSetup(1);
    trace.SetZKMDPFR(in.byte() < 240 ? in.byte() % 50 : in.int32(), in.uint16());
    if (in.byte() < 20) {
        trace.DPLInitArray(count);
        trace.DPLSetCount(count);
        trace.DPLSetSF(1000);
        for (int32_t p = 0; p < count; ++p)
            *trace.DPLGetPtr(p) = in.uint16() / 10.0;
    }
    for (int n = in.byte() % 5; n > 0; --n)
        trace.EVInsertKM(in.km());
    if (in.byte() < 64) {
        trace.SetSTFMLengthKM(in.km());
        trace.SetSTFMDBKM(0.33);
        trace.SetSTFMIOR(1.47);
        trace.SetSTFMBackScatter(-79.0);
        trace.SetSTFMUseForORL(1);
    }
    return count;
}

void measure(CT6& trace, Input& in, int32_t count) {
    char16_t buf[64];
    double a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
    int32_t status = 0;
    switch (in.byte() % 16) {
    case 0:
        trace.CalcLoss(in.byte() < 200 ? in.byte() % 8 : in.byte() % 2 + 100, in.byte() % 2,
                       in.km(), in.offsetKM(), in.offsetKM(), in.km(), in.offsetKM(), in.offsetKM(),
                       a, b, c, d, e, f);
        break;
    case 1:
        trace.SetLossMode(in.byte() % 9);
        trace.SetACursorKM(in.km());
        trace.SetBCursorKM(in.km());
        trace.CalcLoss(buf, 1);
        break;
    case 2:
        trace.CalcRefl(in.point(count), in.point(count), in.byte() % 2, status);
        break;
    case 3:
        trace.CalcRefl(buf, in.km(), in.km(), in.byte() % 2, 1);
        break;
    case 4:
        trace.CalcNoiseFloorDP(in.byte() % 2);
        break;
    case 5:
        trace.CalcNFPctDV(in.point(count), in.point(count), in.byte());
        break;
    case 6:
        trace.EstAttenDBKM(in.point(count), in.point(count), in.int32(), in.byte() % 4,
                           in.offsetKM(), in.offsetKM() * 10, in.offsetKM() / 100, in.byte());
        break;
    case 7:
        trace.CalcAtn();
        break;
    case 8:
        trace.CalcORL(buf, in.km(), in.km(), in.byte() % 2, in.byte() % 2, in.byte() % 2, 1);
        trace.CalcORLInfoSave();
        break;
    case 9:
        trace.CalcORLBasic(in.point(count), in.point(count), in.point(count), in.point(count),
                           in.point(count), in.offsetKM() * 10, 1.47, -79.0, status);
        break;
    case 10: // walks up to 200,000 steps: now and then only
        if (in.byte() < 16) trace.UpEndReflDB(in.offsetKM() * 100);
        break;
    case 11:
        trace.CalcSTFMStdDevDB();
        trace.CalcTimeOfFlightSEC();
        break;
    case 12:
        trace.SetLSACursorStartOffKM(in.byte() % 9 - 1, in.byte() % 2, in.offsetKM());
        trace.SetLSACursorsToDefault(in.byte() % 2);
        break;
    case 13:
        trace.InitAfterCollect();
        break;
    case 14:
        trace.CalcLSAIntercept(in.km(), in.offsetKM(), in.offsetKM(), a, b);
        break;
    default: {
        static CT6 other;
        other.CalcORLCopy(&trace);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    CT6 trace;
    int32_t count = loadTrace(trace, in);
    while (!in.empty())
        measure(trace, in, count);
    return 0;
}
