// SR-4731 files whose values cannot be physical: the file still opens, the
// impossible values are left out or made legal, and the record says so.
#include "support/sor_files.h"
#include "support/sor_samples.h"

#include <gtest/gtest.h>

#include <varnel/varnel.h>

#include <cstdlib>
#include <filesystem>

using namespace varnel;
using namespace varnel::test;

namespace {

void expectEventsOnTheTrace(const CT6& r) {
    for (int32_t i = 0; i < r.EVCount(); ++i) {
        EXPECT_GE(r.EVGetStartDP(i), 0) << "event " << i;
        EXPECT_LT(r.EVGetStartDP(i), r.DPOCount()) << "event " << i;
    }
}

} // namespace

TEST(SorHostileValues, TinyDataSpacingAnalysesWithinRange) {
    // Millions of points per pulse: every pulse multiple the analysis takes
    // must stay inside its integers (checked by the sanitizer build).
    sor::SorFile f = simulatedSorFile(2);
    f.fxd.pulseWidths[0] = {1000, 1, 16384};
    f.fxd.pulseWidths.resize(1);
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_EQ(r.FAS(), 0);
    expectEventsOnTheTrace(r);

    f.hasKeyEvents = false; // the attenuation then spans pulses from 0 km
    CT6 bare;
    ASSERT_EQ(openSor(bare, writeSor(f)), 0);
    EXPECT_GT(bare.CalcAtn(), 0.0);
}

TEST(SorHostileValues, EventsOffTheTraceAreLeftOutAndNoted) {
    sor::SorFile f = simulatedSorFile(2);
    f.keyEvents.events[1].propagationTime = INT32_MIN;
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_EQ(r.GetReadRepairs(), T6_READ_EVENTS_OFF_TRACE);
    EXPECT_EQ(r.EVCount(), 2); // the launch and the end
    expectEventsOnTheTrace(r);
}

TEST(SorHostileValues, MarkersOffTheTraceAreIgnored) {
    sor::SorFile f = simulatedSorFile(2);
    f.keyEvents.events[1].markers[2] = INT32_MAX;
    f.keyEvents.orlMarkers[1] = INT32_MIN;
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_EQ(r.GetReadRepairs(), T6_READ_MARKERS_OFF_TRACE);
    EXPECT_EQ(r.EVCount(), 3);
    for (int32_t side : {0, 1}) {
        int32_t startDP = 0, endDP = 0;
        uint16_t startFR = 0, endFR = 0;
        r.EVGetLSAOffDPFR(1, side, startDP, startFR, endDP, endFR);
        EXPECT_LT(std::abs(startDP) + std::abs(endDP), r.DPOCount()) << side;
    }
}

TEST(SorHostileValues, OffsetsThatPutZeroKmOffTheTraceAreIgnored) {
    for (const bool user : {true, false}) {
        sor::SorFile f = simulatedSorFile(2);
        (user ? f.gen.userOffset : f.fxd.frontPanelOffset) = 0x7fff0000;
        CT6 r;
        ASSERT_EQ(openSor(r, writeSor(f)), 0);
        EXPECT_EQ(r.GetReadRepairs(), T6_READ_OFFSET_OFF_TRACE) << user;
        EXPECT_EQ(r.EVCount(), 3) << user;
        expectEventsOnTheTrace(r);
        EXPECT_GE(r.EVGetStartKM(2), 0.0) << user;
        EXPECT_LT(r.EVGetStartKM(2), r.GetMaxKM()) << user;
    }
}

TEST(SorHostileValues, RealFilesNeedNoRepairs) {
    if (sorSampleDir().empty()) GTEST_SKIP() << "shared SR-4731 samples not found";
    for (const SorSampleFacts& facts : sorSampleFacts()) {
        CT6 r;
        ASSERT_EQ(openSor(r, readFileBytes(sorSampleDir() / facts.file)), 0) << facts.file;
        EXPECT_EQ(r.GetReadRepairs(), 0) << facts.file;
    }
}

TEST(SorHostileValues, AnEndAtTimeZeroIsTheFibresEndNotTheLaunch) {
    // A launch cable cut off by the user offset, and a fibre that ends where
    // 0 km now lies: the file's only key event is that end, at time 0.
    sor::SorFile f = simulatedSorFile(2);
    f.fxd.frontPanelOffset = 0;
    f.gen.userOffset = 250 * 20; // point 250 at a spacing of 200000
    f.keyEvents.events.resize(1);
    f.keyEvents.events[0].code = "1E9999";
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_EQ(r.GetReadRepairs(), 0);
    ASSERT_EQ(r.EVCount(), 2);
    EXPECT_EQ(r.EVGetType(0), T6_EVENT_LAUNCH);
    EXPECT_EQ(r.EVGetType(1), T6_EVENT_END);
    EXPECT_EQ(r.EVGetStartDP(1), 250);
    EXPECT_NEAR(r.EVGetStartKM(1), 0.0, 1e-9);
    EXPECT_LT(r.EVGetStartKM(0), 0.0);
}

TEST(SorHostileValues, RealEndAtZeroKmReadsAsAnEndThere) {
    const auto file = sorSampleDir() / "otdrsuite__endlaunch__HOWLAN309_1550.sor";
    if (sorSampleDir().empty() || !std::filesystem::exists(file)) GTEST_SKIP();
    CT6 r;
    ASSERT_EQ(openSor(r, readFileBytes(file)), 0);
    ASSERT_EQ(r.EVCount(), 2);
    EXPECT_EQ(r.EVGetType(1), T6_EVENT_END);
    EXPECT_NEAR(r.EVGetStartKM(1), 0.0, 0.005);
}

TEST(SorHostileValues, ValuesTheirFieldsCannotHoldReadAsNotAvailable) {
    // A reflectance of 2,147,483 dB, a backscatter coefficient of -6472.6 dB
    // (a signed -81.0 dB stored unsigned) and a range of 2000 km over a 5 km
    // trace: none is a number anyone could use.
    sor::SorFile f = simulatedSorFile(2);
    f.keyEvents.events[2].reflectance = INT32_MAX;
    f.fxd.backscatter = 64726;
    f.fxd.distanceUnits = "km";
    f.fxd.acquisitionRange = 0;
    f.fxd.acquisitionRangeDistance = 20000;
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    char16_t text[64] = {};
    EXPECT_EQ(std::u16string(r.SpanGetBackScatter(0, text, T6_WITH_UNITS)), u"N/A");
    EXPECT_EQ(std::u16string(r.GetRangeNominal(text, T6_WITH_UNITS)), u"N/A");
    EXPECT_EQ(r.EVGetRefl(2), 0.0);
    EXPECT_EQ(std::u16string(r.EVGetRefl(2, text, T6_WITH_UNITS)), u"");
    EXPECT_EQ(std::u16string(r.EVGetReflFlagged(2, text, T6_NO_UNITS)), u"N/A  ");

    // A range in distance that agrees with the trace stays.
    f.fxd.acquisitionRangeDistance = 50;
    CT6 plausible;
    ASSERT_EQ(openSor(plausible, writeSor(f)), 0);
    EXPECT_EQ(std::u16string(plausible.GetRangeNominal(text, T6_NO_UNITS)), u"5");
}
