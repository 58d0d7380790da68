// Event analysis and smoothing over arbitrary traces: the first bytes choose
// the acquisition and thresholds, the rest are the data points.
#include <varnel/varnel.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kHeaderBytes = 12;

uint16_t readU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

bool sameLaunch(const CT6& whole, const CT6& launchOnly) {
    return launchOnly.EVCount() == 1 && whole.EVCount() >= 1 &&
           whole.EVGetStartDP(0) == launchOnly.EVGetStartDP(0) &&
           whole.EVGetEndDP(0) == launchOnly.EVGetEndDP(0) &&
           whole.EVGetFlags(0) == launchOnly.EVGetFlags(0) &&
           whole.GetLaunchIntercept() == launchOnly.GetLaunchIntercept();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kHeaderBytes + 4) return 0;
    const int32_t scaleFactor = 1 + readU16(data) % 4000;
    const int32_t pulseNS = readU16(data + 2) % 20001;
    const double resolutionM = 0.0625 * (1 + data[4] % 64);
    const int32_t preamp = 1 + data[5] % 2;
    const int32_t zeroKM = data[6];
    const double lossDB = 0.01 * data[7];
    const double breakDB = 0.1 * data[8];
    const int32_t numBreaks = data[9] % 4;
    const int32_t nthRefl = data[10] % 4;
    const double dynamicRangeDB = data[11];

    const auto count = static_cast<int32_t>((size - kHeaderBytes) / 2);
    std::vector<uint16_t> points(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        points[static_cast<size_t>(i)] = readU16(data + kHeaderBytes + 2 * i);

    CT6 record;
    record.SetResoNominalM(resolutionM);
    record.SetDynamicRange(dynamicRangeDB);
    record.SetFiberMode(data[4] & 1);
    record.SFInsert();
    record.SFSetScaleFactor(0, scaleFactor);
    record.PWInsert();
    record.PWSetNanoSec(0, pulseNS);
    record.PWSetPreampType(0, preamp);
    record.SpanInsert();
    record.SpanSetIOR(0, 1.4677);
    record.SpanSetBackScatter(0, -79.0);
    record.DPOInitArray(count);
    record.DPOSetCount(count);
    record.DPOSetDPO(0, count, points.data());
    record.DPWSetup(1);
    record.SetZKMDPFR(zeroKM < count ? zeroKM : 0, 0);

    T6SetFASParms(lossDB, -40.0, breakDB, numBreaks, nthRefl, -50.0);
    CT6 launchOnly(record);
    const int32_t launchStatus = launchOnly.FASLaunchOnly();
    const int32_t status = record.FAS();
    // The launch-only analysis must leave the whole run's launch.
    if (launchStatus != status) __builtin_trap();
    if (status == T6_FAS_DONE && !sameLaunch(record, launchOnly)) __builtin_trap();
    record.BoxCar();
    record.FAS();
    return 0;
}
