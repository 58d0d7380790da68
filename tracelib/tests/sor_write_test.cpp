#include "formats/sor_crc.h"
#include "formats/sor_parse.h"
#include "support/sor_files.h"

#include <gtest/gtest.h>

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <string>

using namespace varnel;
using namespace varnel::test;

namespace {

// A 10 km fibre with a splice, a connector and a reflective end, levels
// below 32 dB so that reading back chooses the same dynamic range.
sim::FibreDescription routeFibre() {
    sim::FibreDescription f = sim::plainFibre(10.0, 0.33, 16384, 1.0, 100);
    f.dynamicRangeDB = 32.0;
    f.events = {{3.0, 0.2, 0.0}, {6.0, 0.5, -45.0}};
    f.zeroKMPoint = 40;
    return f;
}

void fillFields(CT6& r) {
    r.SetCableID(u"C-99");
    r.SetSiteA(u"Alpha");
    r.SetSiteB(u"Beta");
    r.SetSiteAToB(1);
    r.SetManufacturer(u"Maker");
    r.SetModel(u"M1");
    r.SetHardwareVer(u"HW7");
    r.SetOpticsModule(u"OM");
    r.SetOpticsModuleSN(u"OM-SN");
    r.SetSoftwareVer(u"9.9");
    r.SetFiberNumber(u"12");
    r.SetNetwork(u"Net");
    r.SetWavelengthActual(1311.5);
    r.SetTimeYMDHMS(2021, 6, 21, 14, 5, 9);
    r.SetAvgComplete(512);
    r.SetAvgSeconds(20);
    r.SetRangeNominalKM(20);
    r.SetThresholdLoss(0.05);
    r.SetThresholdRefl(-45);
    r.SetThresholdBreak(4);
    r.SetACursorKM(1.0);
    r.SetBCursorKM(7.5);
    r.SetTraceTypeOrig(u"T6");
    r.SetTraceType(u"SR4731");
    r.HDRFromStdT6HDR();
    r.HDRInitStgs(0, 1);
    r.EVSetComment(1, u"splice 1");
    r.EVSetLossMode(1, 0);
    r.EVSetLSAOffKM(1, -0.4, -0.1, 0.1, 0.4);
}

CT6 routeRecord() {
    CT6 r;
    sim::simulateFibre(routeFibre(), r);
    fillFields(r);
    r.ClearAllModFlags();
    return r;
}

std::vector<uint8_t> nativeOf(CT6& r) {
    std::vector<uint8_t> out(static_cast<size_t>(r.CompT6(nullptr, 0, 0, 0)));
    r.CompT6(out.data(), static_cast<int32_t>(out.size()), 0, 0);
    return out;
}

sor::SorFile parsed(const std::vector<uint8_t>& bytes) {
    sor::SorFile f;
    EXPECT_EQ(sor::parse(bytes, f), sor::ParseError::None);
    return f;
}

} // namespace

TEST(SorWriteRecord, ReadsBackToTheSameRecord) {
    for (int32_t version : {1, 2}) {
        SCOPED_TRACE(version);
        CT6 written = routeRecord();
        // Native traces lose what precedes zero km; that has a test of its own.
        written.SetTraceTypeOrig(u"GR196");
        CT6 read;
        ASSERT_EQ(openSor(read, saveSor(written, version)), 0);
        read.ClearAllModFlags();
        read.SetTraceType(u"SR4731");
        EXPECT_EQ(nativeOf(read), nativeOf(written));
    }
}

TEST(SorWriteRecord, StandardBlocksCarryTheRecordsFields) {
    CT6 r = routeRecord();
    const auto f = parsed(saveSor(r, 2));
    EXPECT_EQ(f.gen.languageCode, "EN");
    EXPECT_EQ(f.gen.cableID, "C-99");
    EXPECT_EQ(f.gen.fiberID, "12"); // the "Fiber No." field of the standard header
    EXPECT_EQ(f.gen.fiberType, 652);
    EXPECT_EQ(f.gen.nominalWavelengthNM, 1310);
    EXPECT_EQ(f.gen.originatingLocation, "Alpha");
    EXPECT_EQ(f.gen.terminatingLocation, "Beta");
    EXPECT_EQ(f.gen.currentDataFlag, "");
    EXPECT_EQ(f.gen.userOffset, 0);
    EXPECT_EQ(f.sup.supplier, "Maker");
    EXPECT_EQ(f.sup.mainframeID, "M1");
    EXPECT_EQ(f.sup.mainframeSN, "HW7");
    EXPECT_EQ(f.sup.moduleID, "OM");
    EXPECT_EQ(f.sup.moduleSN, "OM-SN");
    EXPECT_EQ(f.sup.softwareRevision, "9.9");
    EXPECT_EQ(f.fxd.distanceUnits, "mt");
    EXPECT_EQ(f.fxd.actualWavelength, 13115);
    EXPECT_EQ(f.fxd.groupIndex, 146770);
    EXPECT_EQ(f.fxd.backscatter, 790);
    EXPECT_EQ(f.fxd.averages, 512);
    EXPECT_EQ(f.fxd.averagingTimeSec, 20);
    EXPECT_EQ(f.fxd.acquisitionRange, 20 * 50 * 1000);
    EXPECT_EQ(f.fxd.frontPanelOffset, 500000 * 40 / 10000);
    EXPECT_EQ(f.fxd.noiseFloorLevel, (32 - 8) * 1000 - 1);
    EXPECT_EQ(f.fxd.lossThreshold, 50);
    EXPECT_EQ(f.fxd.reflThreshold, 45000);
    EXPECT_EQ(f.fxd.endOfFiberThreshold, 4000);
    EXPECT_EQ(f.fxd.traceType, "ST");
    // The only pulse width, from the zero-km point to the last point.
    ASSERT_EQ(f.fxd.pulseWidths.size(), 1u);
    EXPECT_EQ(f.fxd.pulseWidths[0].dataSpacing, 500000);
    EXPECT_EQ(f.fxd.pulseWidths[0].pointCount, 16384 - 40);
}

TEST(SorWriteRecord, DateIsTheRecordsLocalTime) {
    CT6 r = routeRecord();
    const auto f = parsed(saveSor(r, 2));
    std::tm local{};
    local.tm_year = 121, local.tm_mon = 5, local.tm_mday = 21;
    local.tm_hour = 14, local.tm_min = 5, local.tm_sec = 9, local.tm_isdst = -1;
    EXPECT_EQ(f.fxd.dateTime, static_cast<uint32_t>(std::mktime(&local)));
}

TEST(SorWriteRecord, KeyEventsCodesTechniquesAndMarkers) {
    CT6 r = routeRecord();
    ASSERT_EQ(r.EVCount(), 4);
    r.EVSetFlags(2, T6_EVFLAG_REFL_SATURATED); // saturated reflection
    r.EVSetLossMode(2, 6);
    r.EVSetLossMode(3, 6);
    const auto f = parsed(saveSor(r, 2));
    ASSERT_TRUE(f.hasKeyEvents);
    const auto& ev = f.keyEvents.events;
    ASSERT_EQ(ev.size(), 4u);
    EXPECT_EQ(ev[0].code, "1F9999");
    EXPECT_EQ(ev[0].propagationTime, 0);
    EXPECT_EQ(ev[1].code, "0F9999");
    EXPECT_EQ(ev[1].technique, "LS");
    EXPECT_EQ(ev[1].comment, "splice 1");
    EXPECT_EQ(ev[1].loss, 200);
    EXPECT_EQ(ev[2].code, "2F9999");
    EXPECT_EQ(ev[2].technique, "2P");
    EXPECT_EQ(ev[2].reflectance, -45000);
    EXPECT_EQ(ev[3].code.substr(0, 2), "1E");
    // Time of 3 km from the zero-km point: points x 50 x resolution in metres.
    uint16_t fr = 0;
    const int32_t dp = r.DPFRFromKM(r.EVGetStartKM(1), fr);
    EXPECT_EQ(ev[1].propagationTime, T6LONGRounded((dp + fr / 65536.0 - 40) * 50));
    EXPECT_EQ(ev[1].markers[4], ev[1].propagationTime);
    // Side A of the splice's least-squares fit starts 0.4 km before it.
    const double perKM = 50 / r.SpanGetDxKM(0);
    EXPECT_NEAR(ev[1].markers[0], ev[1].propagationTime - 0.4 * perKM, 2);
    EXPECT_NEAR(ev[1].markers[3], ev[1].propagationTime + 0.4 * perKM, 2);
}

TEST(SorWriteRecord, EndEventsCarryBreakThresholdAndTheirCode) {
    CT6 r = routeRecord();
    const int32_t end = r.EVCount() - 1;
    r.EVSetLoss(end, 0);
    r.EVSetRefl(end, 0);
    r.EVSetFlags(end, T6_EVFLAG_EDITED);
    EXPECT_EQ(parsed(saveSor(r, 2)).keyEvents.events[size_t(end)].code, "0D9999");
    EXPECT_EQ(parsed(saveSor(r, 1)).keyEvents.events[size_t(end)].code, "0E9999");
    EXPECT_EQ(parsed(saveSor(r, 2)).keyEvents.events[size_t(end)].loss, 4000);
    r.EVSetType(end, T6_EVENT_QUESTIONABLE_END);
    EXPECT_EQ(parsed(saveSor(r, 2)).keyEvents.events[size_t(end)].code, "0O9999");
}

TEST(SorWriteRecord, SevenBlocksWithoutEventsOrORL) {
    CT6 r = routeRecord();
    r.EVInitArray(0);
    const auto bytes = saveSor(r, 2);
    EXPECT_EQ(mapBlockCount(bytes), 7);
    const auto f = parsed(bytes);
    EXPECT_FALSE(f.hasKeyEvents);
    EXPECT_EQ(f.fxd.lossThreshold, 0); // thresholds only with events
    EXPECT_FALSE(f.vosseltrak.empty());
}

TEST(SorWriteRecord, NativeOriginPointsBeforeZeroKmAreTheDynamicRange) {
    CT6 r = routeRecord();
    const auto f = parsed(saveSor(r, 2));
    const auto& points = f.dataPts.blocks.at(0).points;
    ASSERT_EQ(points.size(), 16384u);
    EXPECT_EQ(f.dataPts.blocks[0].scaleFactor, 1000);
    for (size_t j = 0; j < 40; ++j)
        EXPECT_EQ(points[j], 32000) << j;
    EXPECT_EQ(points[40], 32000 - r.DPWGetLONG(40));

    r.SetTraceTypeOrig(u"SR4731");
    const auto other = parsed(saveSor(r, 2));
    EXPECT_EQ(other.dataPts.blocks[0].points[0], 32000 - r.DPWGetLONG(0));
}

TEST(SorWriteRecord, PulseWidthsStartAtTheZeroKmPoint) {
    CT6 r = routeRecord();
    r.PWInitArray(2);
    r.PWInsert(0);
    r.PWSetNanoSec(0, 10);
    // A second segment can only be had from a file; read one that has it.
    auto f = fullSorFile(2, 200);
    f.hasKeyEvents = false;
    f.fxd.frontPanelOffset = 200000 * 80 / 10000; // zero km at point 80
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    ASSERT_EQ(r.PWCount(), 2);
    const auto written = parsed(saveSor(r, 2));
    ASSERT_EQ(written.fxd.pulseWidths.size(), 1u); // the first ends at point 59
    EXPECT_EQ(written.fxd.pulseWidths[0].nanoSec, 1000);
    EXPECT_EQ(written.fxd.pulseWidths[0].pointCount, 200 - 80);

    f.fxd.frontPanelOffset = 200000 * 40 / 10000;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    const auto both = parsed(saveSor(r, 2));
    ASSERT_EQ(both.fxd.pulseWidths.size(), 2u);
    EXPECT_EQ(both.fxd.pulseWidths[0].pointCount, 60 - 40);
    EXPECT_EQ(both.fxd.pulseWidths[1].pointCount, 140);
}

TEST(SorWriteRecord, NegativeShiftIsWrittenAsUserOffset) {
    CT6 r = routeRecord();
    r.SetHorzShiftKM(-1.0);
    const auto f = parsed(saveSor(r, 2));
    uint16_t fr = 0;
    const int32_t dp = r.DPFRFromKM(0.0, fr);
    EXPECT_EQ(f.gen.userOffset, T6LONGRounded((dp + fr / 65536.0 - 40) * 50));
    EXPECT_GT(f.gen.userOffset, 0);
    // Event times are measured from the user's 0 km.
    const auto& launch = f.keyEvents.events[1];
    uint16_t efr = 0;
    const int32_t edp = r.DPFRFromKM(r.EVGetStartKM(1), efr);
    EXPECT_EQ(launch.propagationTime,
              T6LONGRounded((edp + efr / 65536.0 - 40) * 50) - f.gen.userOffset);
}

TEST(SorWriteRecord, ChecksumAndShortBuffers) {
    CT6 r = routeRecord();
    const auto bytes = saveSor(r, 2);
    EXPECT_EQ(getU16(bytes, bytes.size() - 2), sor::crc16({bytes.data(), bytes.size() - 2}));
    std::vector<uint8_t> small(1000, 0xA5);
    EXPECT_EQ(r.CompSR4731(2, small.data(), 900), static_cast<int32_t>(bytes.size()));
    EXPECT_TRUE(std::equal(small.begin(), small.begin() + 900, bytes.begin()));
    EXPECT_EQ(small[900], 0xA5);
}

TEST(SorWriteRecord, IssueOneReadsBackAsGR196) {
    CT6 r = routeRecord();
    const auto bytes = saveSor(r, 1);
    EXPECT_EQ(getU16(bytes, 4), 100);
    CT6 back;
    ASSERT_EQ(openSor(back, bytes), 0);
    char16_t type[32] = {};
    EXPECT_EQ(std::u16string(back.GetTraceType(type)), u"GR196");
}

TEST(SorWriteRecord, PulseWidthsBeyondTheLastPointAreLeftOut) {
    auto f = fullSorFile(2, 200);
    f.hasKeyEvents = false;
    f.fxd.pulseWidths = {{100, 200000, 300}, {1000, 200000, 40}}; // a damaged count
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    const auto written = saveSor(r, 2);
    const auto back = parsed(written);
    ASSERT_EQ(back.fxd.pulseWidths.size(), 1u);
    EXPECT_EQ(back.fxd.pulseWidths[0].pointCount, 200 - 60);
    CT6 again;
    EXPECT_EQ(openSor(again, written), 0);
}
