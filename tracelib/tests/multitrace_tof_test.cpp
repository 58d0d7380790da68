// Far-end time of flight on hand-drawn traces: levels in data values at 1000
// per dB, 1 m resolution, so a point is 5 ns of one-way flight.

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint16_t kNoise = 3000;
constexpr int32_t kPoints = 16000;
constexpr double kSecondsPerPoint = 1.0 * 5e-9; // resolution in m x 5e-9

// A record carrying exactly these working values.
void drawTrace(CT6& record, const std::vector<uint16_t>& values, bool fibreFill = true) {
    varnel::sim::FibreDescription fibre =
        varnel::sim::plainFibre(5.0, 0.35, static_cast<int32_t>(values.size()));
    fibre.eventTable = false;
    varnel::sim::simulateFibre(fibre, record);
    record.DPOSetDPO(0, static_cast<int32_t>(values.size()), values.data());
    record.DPWSetup(1);
    record.SetTraceFiberFill(fibreFill ? 1 : 0);
}

// Gently falling backscatter from 14 dB to 12 dB up to point `endDP`, then the
// given reflection top (values at endDP ...), a steep fall and a flat floor.
std::vector<uint16_t> fibreWithEnd(int32_t endDP, const std::vector<uint16_t>& top) {
    std::vector<uint16_t> v(kPoints, kNoise);
    for (int32_t i = 0; i < endDP - 35; ++i)
        v[i] = static_cast<uint16_t>(14000 - 2000.0 * i / (endDP - 35));
    int32_t riseFrom = endDP - 35, riseTo = endDP; // up to the first top value
    for (int32_t i = riseFrom; i < riseTo; ++i)
        v[i] = static_cast<uint16_t>(12000 + (top.front() - 12000.0) * (i - riseFrom) /
                                                 (riseTo - riseFrom));
    int32_t i = endDP;
    for (uint16_t level : top)
        v[i++] = level;
    for (int32_t level = top.back() - 400; level > kNoise; level -= 400)
        v[i++] = static_cast<uint16_t>(level);
    return v;
}

struct Result {
    double tof = -1;
    int32_t status = -1;
};

Result measure(CT6& record) {
    CT6* traces[] = {&record};
    Result r;
    EXPECT_EQ(T6CalcCDTOFs(1, traces, &r.tof, &r.status), 0);
    return r;
}

TEST(FarEndTimeOfFlight, SymmetricPeakIsFoundExactlyAtItsTop) {
    // A parabola 20000 - 40 k^2 around point 5100, sampled from k = -5.
    CT6 record;
    drawTrace(record, fibreWithEnd(5095, {19000, 19360, 19640, 19840, 19960, 20000, 19960, 19840,
                                          19640, 19360, 19000}));
    Result r = measure(record);
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(record.EVCount(), 2);
    EXPECT_EQ(record.EVGetType(0), T6_EVENT_LAUNCH);
    EXPECT_EQ(record.EVGetType(1), T6_EVENT_END);
    EXPECT_EQ(record.EVGetStartDP(1), 5100);
    EXPECT_EQ(record.EVGetStartFR(1), 0);
    EXPECT_EQ(record.EVGetEndDP(1), 5101);
    EXPECT_EQ(record.EVGetFlags(1) & T6_EVFLAG_END_AT_NOISE_FLOOR, 0u);
    EXPECT_EQ(record.EVGetFlags(1) & T6_EVFLAG_CLOSING, T6_EVFLAG_CLOSING);
    EXPECT_NEAR(r.tof, 5100 * kSecondsPerPoint, 1e-15);
    EXPECT_EQ(r.tof, record.CalcTimeOfFlightSEC());
}

TEST(FarEndTimeOfFlight, OffCentreVertexGivesAFraction) {
    // 20000 - 80 (x - 2.25)^2 at x = 0 ... 4 around point 5100 (x = 2).
    CT6 record;
    drawTrace(record,
              fibreWithEnd(5096, {19000, 19300, 19595, 19875, 19995, 19955, 19755, 19400, 19000}));
    measure(record);
    EXPECT_EQ(record.EVGetStartDP(1), 5100);
    EXPECT_EQ(record.EVGetStartFR(1), 16384) << "a quarter of a point later";
}

TEST(FarEndTimeOfFlight, NotAFibreFillTraceGetsStatusOneAndAPlainTable) {
    CT6 record;
    drawTrace(record, fibreWithEnd(5095, {19000, 20000, 19000}), false);
    Result r = measure(record);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.tof, 0);
    ASSERT_EQ(record.EVCount(), 2);
    EXPECT_EQ(record.EVGetType(1), T6_EVENT_END);
    EXPECT_NE(record.EVGetFlags(1) & T6_EVFLAG_END_AT_NOISE_FLOOR, 0u) << "left at the noise floor";
    EXPECT_EQ(record.EVGetStartDP(1), record.EVGetEndDP(1));
}

TEST(FarEndTimeOfFlight, ShortDropKeepsTheEndAtTheNoiseFloor) {
    // Levels above the drop are crossed again and again, and the drop into the
    // floor spans only 0.85 dB: no run of one dB.
    std::vector<uint16_t> v(kPoints, kNoise);
    for (int32_t i = 0; i < 5000; ++i)
        v[i] = i < 4000 || i % 2 ? 6000 : 3850;
    for (int32_t i = 5000; i < 5004; ++i)
        v[i] = static_cast<uint16_t>(3800 - 200 * (i - 5000));
    CT6 record;
    drawTrace(record, v);
    Result r = measure(record);
    int32_t noiseFloorDP = record.GetNoiseFloorDP();
    ASSERT_GT(noiseFloorDP, 0);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(record.EVGetStartDP(1), noiseFloorDP);
    EXPECT_NE(record.EVGetFlags(1) & T6_EVFLAG_END_AT_NOISE_FLOOR, 0u);
    EXPECT_NEAR(r.tof, noiseFloorDP * kSecondsPerPoint, 1e-15);
}

TEST(FarEndTimeOfFlight, SeveralTracesShareOneCall) {
    CT6 a, b;
    drawTrace(a, fibreWithEnd(5095, {19000, 20000, 19000}));
    drawTrace(b, fibreWithEnd(7095, {19000, 20000, 19000}), false);
    CT6* traces[] = {&a, nullptr, &b};
    double tof[3] = {-1, -1, -1};
    int32_t status[3] = {-1, -1, -1};
    EXPECT_EQ(T6CalcCDTOFs(3, traces, tof, status), 0);
    EXPECT_EQ(status[0], 0);
    EXPECT_GT(tof[0], 0);
    EXPECT_EQ(status[1], 2) << "no trace";
    EXPECT_EQ(status[2], 1);
    EXPECT_EQ(tof[1], 0);
    EXPECT_EQ(tof[2], 0);
    EXPECT_EQ(T6CalcCDTOFs(1, nullptr, tof, status), 1);
    EXPECT_EQ(T6CalcCDTOFs(0, nullptr, nullptr, nullptr), 0);
}

} // namespace
