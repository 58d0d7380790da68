// Drives the record's arrays and distance addressing with arbitrary
// operations, indexes, counts and distances: whatever the caller passes,
// nothing may read or write outside an array or divide by zero.
#include "fuzz_input.h"

#include <varnel/varnel.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

class Input : public varnel::fuzz::Input {
public:
    using varnel::fuzz::Input::Input;
    // Small values most of the time, anything now and then.
    int32_t index() { return byte() < 200 ? byte() % 120 - 8 : int32(); }
    // Counts stay below a few hundred thousand so the fuzzer does not spend
    // its time allocating.
    int32_t count() { return byte() < 220 ? byte() * 8 : int32() % 300000; }
    double value() {
        int32_t raw = int32();
        switch (byte() % 8) {
        case 0:
            return raw / 65536.0;
        case 1:
            return raw;
        case 2:
            return 1e300 * (raw & 1 ? 1 : -1);
        case 3:
            return 0.0;
        default:
            return raw / 1e6;
        }
    }
};

constexpr int32_t kBufferPoints = 64;

void step(CT6& trace, Input& in) {
    uint16_t words[kBufferPoints] = {};
    uint32_t bits[kBufferPoints / 32] = {};
    char16_t text[300];
    uint16_t fr = 0;
    int32_t n = in.byte() % (kBufferPoints + 1);
    switch (in.byte() % 40) {
    case 0:
        trace.DPOInitArray(in.count());
        break;
    case 1:
        trace.DPOSetCount(in.count());
        break;
    case 2:
        trace.DPOSetDPO(in.index(), n, words);
        break;
    case 3:
        trace.DPOGetDPO(in.index(), n, words);
        break;
    case 4:
        trace.DPOSetNLF(in.index(), n, bits);
        break;
    case 5:
        trace.DPOGetNLF(in.index(), n, bits);
        break;
    case 6:
        trace.DPWSetup(in.byte() & 1);
        break;
    case 7:
        trace.DPWSetDPW(in.index(), n, words);
        break;
    case 8:
        trace.DPWGetDB(in.index());
        break;
    case 9:
        trace.DPOGetLinear(in.index());
        break;
    case 10:
        trace.DPLInitArray(in.count());
        break;
    case 11:
        trace.DPLSetCount(in.count());
        break;
    case 12:
        if (double* p = trace.DPLGetPtr(in.index())) *p = in.value();
        break;
    case 13:
        trace.DPLSetSF(in.int32());
        break;
    case 14:
        trace.DPLSetBaseline(in.value());
        break;
    case 15:
        trace.DPLSetReference(in.value());
        break;
    case 16:
        trace.DPLToDPO();
        break;
    case 17:
        trace.DPLDestruct();
        break;
    case 18:
        trace.SFInitArray(in.count());
        break;
    case 19:
        trace.SFInsertDP(in.int32());
        break;
    case 20:
        trace.SFSetScaleFactor(in.index(), in.int32());
        break;
    case 21:
        trace.SFSetStartDP(in.index(), in.int32());
        break;
    case 22:
        trace.SFSetMinLogValue(in.index(), static_cast<uint16_t>(in.int32()));
        break;
    case 23:
        trace.SpanInitArray(in.count());
        break;
    case 24:
        trace.SpanInsert(in.index());
        break;
    case 25:
        trace.SpanSetIOR(in.index(), in.value());
        break;
    case 26:
        trace.SpanSetStartDP(in.index(), in.int32());
        break;
    case 27:
        trace.SetResoNominalM(in.value());
        break;
    case 28:
        trace.SetZKMDPFR(in.index(), static_cast<uint16_t>(in.int32()));
        break;
    case 29:
        trace.SetHorzShiftKM(in.value());
        break;
    case 30:
        trace.SetVertShift(in.value());
        break;
    case 31:
        trace.DPFRFromKM(in.value(), fr);
        break;
    case 32:
        trace.GetDBAtKM(in.value());
        break;
    case 33:
        trace.GetDBAtDPFR(in.index(), static_cast<uint16_t>(in.int32()));
        break;
    case 34:
        trace.SetView(in.index(), in.value(), in.value(), in.value(), in.value());
        break;
    case 35:
        trace.GetSTFMEndKM();
        break;
    case 36: {
        std::vector<double> a(static_cast<size_t>(n)), b(a), c(a), d(a);
        trace.DataCellsInfo(n, in.value(), in.value(), in.byte() & 1, in.byte() & 1, a.data(),
                            b.data(), c.data(), d.data());
        break;
    }
    case 37: {
        int32_t count = 0;
        double s, e, lo, hi;
        trace.DataCellInfo(in.value(), in.value(), in.byte() & 1, count, s, e, lo, hi);
        break;
    }
    case 38:
        trace.PWGetPW(in.index(), text, in.byte() & 1, 1);
        trace.PWGetPointsPerAtDP(in.int32());
        break;
    default:
        trace.SetSTFMLengthKM(in.value());
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    CT6 trace;
    trace.SetSTFMDBKM(0.3);
    trace.SetSTFMIOR(1.5);
    trace.SetSTFMBackScatter(-80);
    for (int steps = 0; steps < 200 && !in.empty(); ++steps)
        step(trace, in);
    CT6 copy(trace);
    copy.GetMaxKM();
    return 0;
}
