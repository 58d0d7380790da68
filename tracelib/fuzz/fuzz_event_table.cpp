// Drives the event table with arbitrary operations, indexes and snapshot
// bytes: whatever the caller passes, nothing may read or write outside the
// table or the trace.
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
    // Small indexes most of the time, anything now and then.
    int32_t index() { return byte() < 200 ? byte() % 80 - 4 : int32(); }
    double km() { return int32() / 65536.0; }
};

void loadTrace(CT6& trace) {
    trace.SetResoNominalM(10.0);
    trace.SpanInsertDP(0);
    trace.SpanSetIOR(0, 1.5);
    trace.SFInsertDP(0);
    trace.SFSetScaleFactor(0, 1000);
    std::vector<uint16_t> values(500);
    for (size_t p = 0; p < values.size(); ++p)
        values[p] = static_cast<uint16_t>(20000 - 5 * p);
    trace.DPOSetCount(static_cast<int32_t>(values.size()));
    trace.DPOSetDPO(0, static_cast<int32_t>(values.size()), values.data());
    trace.DPWSetup(1);
    trace.SetZKMDPFR(0, 0);
    trace.SetLaunchIntercept(20000);
}

void apply(CT6& trace, Input& in) {
    char16_t buf[64];
    const int32_t i = in.index();
    switch (in.byte() % 24) {
    case 0:
        trace.EVInsert(i);
        break;
    case 1:
        trace.EVInsertDPFR(in.int32(), static_cast<uint16_t>(in.int32()));
        break;
    case 2:
        trace.EVDelete(i);
        break;
    case 3:
        trace.EVSwap(i, in.index());
        break;
    case 4:
        trace.EVSort();
        break;
    case 5:
        trace.EVDeleteFlagged();
        break;
    case 6:
        trace.EVSetStartDP(i, in.int32());
        break;
    case 7:
        trace.EVSetEndDP(i, in.int32());
        break;
    case 8:
        trace.EVSetFallStartDP(i, in.int32());
        break;
    case 9:
        trace.EVPutFlags(i, static_cast<uint32_t>(in.int32()));
        break;
    case 10:
        trace.EVSetType(i, in.byte() % 9 - 2);
        break;
    case 11:
        trace.EVSetRefl(i, in.km());
        break;
    case 12:
        trace.EVSetLoss(i, in.km());
        break;
    case 13:
        trace.EVInit(i);
        break;
    case 14:
        trace.EVSetLSAOffKM(i, in.km(), in.km(), in.km(), in.km());
        break;
    case 15:
        trace.SetHorzShiftKM(in.km());
        break;
    case 16: {
        std::vector<uint8_t> snapshot(static_cast<size_t>(trace.EVCount()) *
                                      static_cast<size_t>(trace.EVSizeElement()));
        trace.EVCopy(snapshot.data());
        for (auto& b : snapshot)
            b ^= in.byte();
        trace.EVRestore(trace.EVCount(), snapshot.data());
        break;
    }
    case 17:
        trace.EVGetSpanLoss(i, buf, 1);
        trace.EVGetSpanLossDBKM(i, buf, 1);
        break;
    case 18:
        trace.GetEndToEndLoss(buf, 1);
        trace.GetEndToEndLossForced();
        break;
    case 19:
        trace.EVGetLossFlagged(i, buf, 1);
        trace.EVGetReflFlagged(i, buf, 1);
        break;
    case 20:
        trace.EVGetFlagsText(i, buf);
        trace.EVGetTypeChar(i, buf);
        trace.EVGetType(i, buf);
        break;
    case 21: {
        int32_t out[8];
        trace.HighReflEvents(in.byte() % 10 - 1, out, in.km());
        break;
    }
    case 22:
        trace.EVStartEndError(i, in.km(), in.km());
        trace.EVFindNearKM(in.km());
        break;
    default:
        trace.EVGetCumLoss(i, buf, 1);
        trace.EVGetComment(i, buf);
        trace.EVGetLSAStartOffKM(i, in.byte());
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CT6 trace;
    loadTrace(trace);
    Input in(data, size);
    for (int op = 0; op < 200 && !in.empty(); ++op)
        apply(trace, in);
    return 0;
}
