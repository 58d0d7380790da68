// Trace records (type 4) of print-information files: the record travels in
// its native file form, growing the buffers when it is large.
#include "support/pif_bytes.h"
#include "support/scratch_file.h"

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

using namespace varnel::test;

namespace {

class PifTrace : public ::testing::Test {
protected:
    void TearDown() override {
        T6PIFInFinal();
        T6PIFPutFinal();
    }

    void writeTrace(CT6& trace) {
        ASSERT_EQ(T6PIFPutInit(file.widePath().c_str(), u"print", 0, 0), 0);
        ASSERT_EQ(T6PIFPutT6Object(&trace, 3, -4), 0);
        ASSERT_EQ(T6PIFPutFinal(), 0);
    }

    // Loads the first record after record 1 and checks it is a trace record.
    void loadTraceRecord() {
        ASSERT_EQ(T6PIFInInit(file.path().c_str()), 0);
        int32_t type = 0;
        ASSERT_EQ(T6PIFRecLoad(type), 0);
        ASSERT_EQ(T6PIFRecLoad(type), 0);
        ASSERT_EQ(type, 4);
    }

    static void expectSameTrace(const CT6& a, const CT6& b) {
        ASSERT_EQ(a.DPOCount(), b.DPOCount());
        for (int32_t i = 0; i < a.DPOCount(); i += 101)
            ASSERT_EQ(a.DPWGetLONG(i), b.DPWGetLONG(i)) << i;
        ASSERT_EQ(a.EVCount(), b.EVCount());
        for (int32_t i = 0; i < a.EVCount(); ++i) {
            EXPECT_EQ(a.EVGetStartDP(i), b.EVGetStartDP(i));
            EXPECT_EQ(a.EVGetLoss(i), b.EVGetLoss(i));
        }
    }

    ScratchFile file{"trace.pif"};
};

TEST_F(PifTrace, TraceRoundTrips) {
    varnel::sim::FibreDescription fibre = varnel::sim::plainFibre(6, 0.35);
    fibre.events = {{2.5, 0.2, -50.0}};
    CT6 trace;
    varnel::sim::simulateFibre(fibre, trace);
    writeTrace(trace);

    loadTraceRecord();
    int32_t n = 0;
    ASSERT_EQ(T6PIFRecGet(n), 0);
    EXPECT_EQ(n, 3);
    ASSERT_EQ(T6PIFRecGet(n), 0);
    EXPECT_EQ(n, -4);
    CT6 back;
    ASSERT_EQ(T6PIFRecGet(static_cast<void*>(&back)), 0);
    expectSameTrace(trace, back);
}

TEST_F(PifTrace, TracesLargerThanTheBufferGrowItOnBothSides) {
    varnel::sim::FibreDescription fibre = varnel::sim::plainFibre(200, 0.2, 320000);
    CT6 trace;
    varnel::sim::simulateFibre(fibre, trace);
    writeTrace(trace);
    EXPECT_GT(file.read().size(), 600000u) << "the record outgrew the first buffer";

    loadTraceRecord();
    int32_t n = 0;
    T6PIFRecGet(n);
    T6PIFRecGet(n);
    CT6 back;
    ASSERT_EQ(T6PIFRecGet(static_cast<void*>(&back)), 0);
    expectSameTrace(trace, back);
}

TEST_F(PifTrace, NoTraceOrNoFile) {
    EXPECT_EQ(T6PIFPutT6Object(nullptr, 0, 0), 9) << "no file open";
    ASSERT_EQ(T6PIFPutInit(file.widePath().c_str(), u"", 0, 0), 0);
    EXPECT_EQ(T6PIFPutT6Object(nullptr, 0, 0), 7);
    EXPECT_EQ(T6PIFRecGet(static_cast<void*>(nullptr)), 1);
}

TEST_F(PifTrace, DamagedTraceImageGivesTheReadersStatus) {
    RawPif raw;
    raw.record(4, concat({int32Bytes(1), int32Bytes(2), {'<', 'T', '6', '>', 9}}));
    raw.record(4, concat({int32Bytes(1)}));
    file.write(raw.bytes);
    ASSERT_EQ(T6PIFInInit(file.path().c_str()), 0);
    int32_t type = 0, n = 0;
    CT6 back;
    ASSERT_EQ(T6PIFRecLoad(type), 0);
    T6PIFRecGet(n);
    T6PIFRecGet(n);
    EXPECT_EQ(T6PIFRecGet(static_cast<void*>(&back)), 8);
    ASSERT_EQ(T6PIFRecLoad(type), 0);
    T6PIFRecGet(n);
    T6PIFRecGet(n);
    EXPECT_EQ(T6PIFRecGet(static_cast<void*>(&back)), 8) << "nothing left of the record";
}

} // namespace
