#include "formats/sor_parse.h"
#include "support/sor_files.h"
#include "support/sor_samples.h"

#include <gtest/gtest.h>

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

INSTANTIATE_TEST_SUITE_P(Shared, SorSampleBlocks, ::testing::ValuesIn(sorSampleFacts()),
                         [](const auto& info) { return sampleTestName(info.param); });
