// Saving the last ORL result into a record and copying it between records.
#include "support/narrow_text.h"

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <string>

using namespace varnel::sim;

namespace {

class ORLInfo : public ::testing::Test {
protected:
    void SetUp() override {
        FibreDescription fibre = plainFibre(20.0, 0.33, 24576);
        fibre.endReflectanceDB = -40.0;
        simulateFibre(fibre, trace);
        trace.CalcAtn();
        trace.SetFctryLaserPower(11);
        trace.SetAttenLaserPower(22);
        trace.SetAttenAPD(33);
    }
    CT6 trace;
    int32_t status = 0;
};

} // namespace

TEST_F(ORLInfo, SavingStoresTheLastResult) {
    double orl = trace.CalcORL(5.0, 12.0, 0, 0, 0, status);
    ASSERT_NE(orl, T6_NO_VALUE);
    trace.ClearAllModFlags();
    trace.CalcORLInfoSave();
    EXPECT_TRUE(trace.IsModFlagSet(T6_MOD_ORL));
    EXPECT_TRUE(trace.IsORLAvailable());
    EXPECT_TRUE(trace.IsORLRelToA());
    EXPECT_FALSE(trace.IsORLSaturated());
    EXPECT_NEAR(trace.GetORL(), orl, 1e-6);
    EXPECT_NEAR(trace.GetORLACursorKM(), 5.0, 0.001);
    EXPECT_NEAR(trace.GetORLBCursorKM(), 12.0, 0.001);
    EXPECT_EQ(trace.GetORLFctryLaserPower(), 11);
    EXPECT_EQ(trace.GetORLAttenAPD(), 33);
    EXPECT_NEAR(trace.GetORLDBKM(), 0.33, 0.01);
    EXPECT_GT(trace.GetORLAArea(), 0.0);
    EXPECT_GT(trace.GetORLE1KM(), trace.GetORLE0KM());
    char16_t buf[64];
    std::string text = narrow(trace.GetORL(buf, 1));
    EXPECT_EQ(text.substr(text.size() - 4), " [A]");
}

TEST_F(ORLInfo, SavingAFailedCalculationClearsTheORL) {
    trace.CalcORL(5.0, 12.0, 0, 0, 0, status);
    trace.CalcORLInfoSave();
    trace.CalcORL(5.0, 5.0, 0, 0, 1, status); // A = B: no value
    trace.CalcORLInfoSave();
    EXPECT_FALSE(trace.IsORLAvailable());
    EXPECT_EQ(trace.GetORL(), 0.0);
    char16_t buf[64];
    EXPECT_EQ(narrow(trace.GetORL(buf, 1)), "N/A");
}

TEST_F(ORLInfo, CopyingMarksTheCopy) {
    double orl = trace.CalcORL(1.0, 20.5, 0, 0, 1, status);
    trace.CalcORLInfoSave();
    CT6 other;
    other.CalcORLCopy(&trace);
    EXPECT_TRUE(other.IsModFlagSet(T6_MOD_ORL));
    EXPECT_TRUE(other.IsORLCopied());
    EXPECT_FALSE(other.IsORLRelToA());
    EXPECT_NEAR(other.GetORL(), orl, 1e-6);
    EXPECT_EQ(other.GetORLAttenLaserPower(), 22);
    EXPECT_DOUBLE_EQ(other.GetORLEArea(), trace.GetORLEArea());
    EXPECT_FALSE(trace.IsORLCopied());
    other.CalcORLCopy(nullptr); // nothing to copy from
    EXPECT_TRUE(other.IsORLAvailable());
}
