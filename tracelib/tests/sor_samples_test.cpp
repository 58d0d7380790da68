#include "formats/sor_parse.h"
#include "support/sor_files.h"
#include "support/sor_samples.h"

#include <gtest/gtest.h>

#include <varnel/varnel.h>

#include <cmath>
#include <string>

using namespace varnel;
using namespace varnel::test;

class SorSampleBlocks : public ::testing::TestWithParam<SorSampleFacts> {
protected:
    void SetUp() override {
        if (sorSampleDir().empty()) GTEST_SKIP() << "shared SR-4731 samples not found";
        bytes_ = readFileBytes(sorSampleDir() / GetParam().file);
        ASSERT_FALSE(bytes_.empty()) << GetParam().file;
    }
    std::vector<uint8_t> bytes_;
};

TEST_P(SorSampleBlocks, ProbesAndParsesWithTheListedFacts) {
    const auto& facts = GetParam();
    const auto probed = sor::probe(bytes_);
    EXPECT_EQ(probed.version, facts.issue);
    EXPECT_EQ(probed.blockMark, 0);

    sor::SorFile f;
    ASSERT_EQ(sor::parse(bytes_, f), sor::ParseError::None);
    EXPECT_EQ(f.issue, facts.issue);
    EXPECT_EQ(f.mapRevision, facts.mapRevision);
    EXPECT_EQ(f.gen.nominalWavelengthNM, facts.nominalNM);
    EXPECT_EQ(f.fxd.actualWavelength, facts.actualTenthsNM);
    EXPECT_EQ(f.fxd.pulseWidths.at(0).nanoSec, facts.pulseNS);
    EXPECT_EQ(f.sup.supplier, facts.supplier);
    EXPECT_EQ(f.dataPts.totalPoints, facts.points);
    ASSERT_EQ(f.dataPts.blocks.size(), 1u);
    EXPECT_EQ(f.dataPts.blocks[0].scaleFactor, facts.scaleFactor);
    EXPECT_EQ(f.hasKeyEvents, facts.keyEvents >= 0);
    if (facts.keyEvents >= 0) {
        EXPECT_EQ(f.keyEvents.events.size(), static_cast<size_t>(facts.keyEvents));
    }
    EXPECT_TRUE(f.vosseltrak.empty());
}

namespace {

std::u16string traceType(const CT6& r) {
    char16_t buffer[32] = {};
    return r.GetTraceType(buffer);
}

std::u16string comment(const CT6& r, int32_t i) {
    char16_t buffer[64] = {};
    return r.EVGetComment(i, buffer);
}

} // namespace

TEST_P(SorSampleBlocks, OpensIntoARecordWithPlausibleValues) {
    const auto& facts = GetParam();
    CT6 r;
    ASSERT_EQ(openSor(r, bytes_), 0);
    EXPECT_EQ(traceType(r), facts.issue == 2 ? u"SR4731" : u"GR196");
    EXPECT_EQ(r.DPOCount(), facts.points);
    EXPECT_DOUBLE_EQ(r.GetWavelengthNominal(), facts.nominalNM);
    EXPECT_NEAR(r.GetWavelengthActual(), facts.actualTenthsNM / 10.0, 1e-9);
    EXPECT_EQ(r.PWGetNanoSec(0), facts.pulseNS);
    EXPECT_GT(r.GetResoNominalM(), 0.0);
    EXPECT_LT(r.GetResoNominalM(), 50.0);
    EXPECT_GT(r.GetMaxKM(), 1.0);
    EXPECT_LT(r.GetMaxKM(), 200.0);
    EXPECT_GE(r.GetDynamicRange(), 24.0);
    if (facts.keyEvents < 0) {
        EXPECT_EQ(r.EVCount(), 0);
        return;
    }
    // The analysed launch, unless the file lists one at time 0, and the key events.
    EXPECT_GE(r.EVCount(), facts.keyEvents);
    EXPECT_LE(r.EVCount(), facts.keyEvents + 1);
    EXPECT_EQ(r.EVGetType(r.EVCount() - 1), 4);
    for (int32_t i = 1; i < r.EVCount(); ++i) {
        EXPECT_GE(r.EVGetStartKM(i), r.EVGetStartKM(i - 1) - 0.01) << i;
        EXPECT_LE(r.EVGetStartKM(i), r.GetMaxKM()) << i;
    }
}

TEST_P(SorSampleBlocks, SurvivesAWriteReadCycleThroughOurWriter) {
    CT6 first;
    ASSERT_EQ(openSor(first, bytes_), 0);
    for (int32_t version : {2, 1}) {
        SCOPED_TRACE(version);
        CT6 back;
        ASSERT_EQ(openSor(back, saveSor(first, version)), 0);
        ASSERT_EQ(back.DPOCount(), first.DPOCount());
        int32_t differing = 0;
        for (int32_t j = 0; j < first.DPOCount(); ++j) {
            if (std::abs(back.DPWGetDB(j) - first.DPWGetDB(j)) > 0.0005) ++differing;
        }
        EXPECT_EQ(differing, 0);
        EXPECT_DOUBLE_EQ(back.GetHorzShiftKM(), first.GetHorzShiftKM());
        ASSERT_EQ(back.EVCount(), first.EVCount());
        for (int32_t i = 0; i < first.EVCount(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(back.EVGetStartDP(i), first.EVGetStartDP(i));
            EXPECT_EQ(back.EVGetStartFR(i), first.EVGetStartFR(i));
            EXPECT_EQ(back.EVGetType(i), first.EVGetType(i));
            EXPECT_EQ(back.EVGetFlags(i), first.EVGetFlags(i));
            EXPECT_DOUBLE_EQ(back.EVGetLoss(i), first.EVGetLoss(i));
            EXPECT_DOUBLE_EQ(back.EVGetRefl(i), first.EVGetRefl(i));
            EXPECT_EQ(comment(back, i), comment(first, i));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shared, SorSampleBlocks, ::testing::ValuesIn(sorSampleFacts()),
                         [](const auto& info) { return sampleTestName(info.param); });

namespace {

bool openSample(CT6& r, const char* file) {
    return openSor(r, readFileBytes(sorSampleDir() / file)) == 0;
}

} // namespace

// Distances other parsers report for these files.
TEST(SorSampleDistances, AgreeWithOtherReaders) {
    if (sorSampleDir().empty()) GTEST_SKIP() << "shared SR-4731 samples not found";
    CT6 r;
    ASSERT_TRUE(openSample(r, "gotdr__2.sor"));
    EXPECT_NEAR(r.EVGetStartKM(r.EVCount() - 1), 59.319, 0.002);
    ASSERT_TRUE(openSample(r, "otdrparser__example.sor"));
    EXPECT_NEAR(r.GetHorzShiftKM(), -1.002304, 0.001); // its "fiber_start_position"
    EXPECT_NEAR(r.EVGetStartKM(1), 0.619807, 0.002);   // its "fiber_length"
}

// The same fibres measured from both ends: an event at d from one end lies
// near length - d from the other. The instruments did not find every splice
// in both directions (fibre 4 lists 8 of its 12 from the far end), so half of
// them must mirror.
TEST(SorSampleDistances, BothDirectionsMirrorEachOther) {
    if (sorSampleDir().empty()) GTEST_SKIP() << "shared SR-4731 samples not found";
    for (int fibre = 1; fibre <= 4; ++fibre) {
        SCOPED_TRACE(fibre);
        const std::string n = "000" + std::to_string(fibre) + "_1550.sor";
        CT6 a;
        CT6 b;
        ASSERT_TRUE(openSample(a, ("otdrsuite__splice_A__ELMMIL" + n).c_str()));
        ASSERT_TRUE(openSample(b, ("otdrsuite__splice_B__MILELM" + n).c_str()));
        const double lengthA = a.EVGetStartKM(a.EVCount() - 1);
        const double lengthB = b.EVGetStartKM(b.EVCount() - 1);
        EXPECT_NEAR(lengthA, lengthB, 0.05);
        int mirrored = 0;
        const int inner = a.EVCount() - 3; // without launch, front connector and end
        for (int32_t i = 2; i < a.EVCount() - 1; ++i) {
            const double expected = lengthA - a.EVGetStartKM(i);
            for (int32_t j = 1; j < b.EVCount() - 1; ++j) {
                if (std::abs(b.EVGetStartKM(j) - expected) < 0.1) {
                    ++mirrored;
                    break;
                }
            }
        }
        EXPECT_GE(mirrored * 2, inner) << mirrored << " of " << inner;
    }
}
