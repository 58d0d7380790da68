// Real instrument files read, written back and read again: nothing that was
// not edited may change, neither in the record nor in the file's blocks.
#include "formats/sor_origin.h"
#include "formats/sor_parse.h"
#include "support/sor_files.h"
#include "support/sor_samples.h"

#include <gtest/gtest.h>

#include <varnel/varnel.h>

#include <cstdlib>
#include <string>

using namespace varnel;
using namespace varnel::test;

namespace {

std::vector<uint8_t> nativeForm(CT6& r) {
    std::vector<uint8_t> out(static_cast<size_t>(r.CompT6(nullptr, 0, 0, 0)));
    r.CompT6(out.data(), static_cast<int32_t>(out.size()), 0, 0);
    return out;
}

sor::SorFile parsed(const std::vector<uint8_t>& bytes) {
    sor::SorFile f;
    EXPECT_EQ(sor::parse(bytes, f), sor::ParseError::None);
    return f;
}

const sor::RawBlock* blockNamed(const sor::SorFile& f, std::string_view name) {
    for (const auto& b : f.blocks) {
        if (sor::trimmedBlockName(b.name) == name) return &b;
    }
    return nullptr;
}

// Absolute level of a point in 0.001 dB below the instrument's reference.
double lossUnits(const sor::DataPts& d, size_t j) {
    for (const auto& block : d.blocks) {
        if (j < block.points.size()) return block.points[j] * (block.scaleFactor / 1000.0);
        j -= block.points.size();
    }
    return -1;
}

} // namespace

class SorRoundTrip : public ::testing::TestWithParam<SorSampleFacts> {
protected:
    void SetUp() override {
        if (sorSampleDir().empty()) GTEST_SKIP() << "shared SR-4731 samples not found";
        original_ = readFileBytes(sorSampleDir() / GetParam().file);
        ASSERT_EQ(openSor(first_, original_), 0);
        written_ = saveSor(first_, GetParam().issue);
        ASSERT_EQ(openSor(second_, written_), 0);
    }

    std::vector<uint8_t> original_;
    std::vector<uint8_t> written_;
    CT6 first_;
    CT6 second_;
};

TEST_P(SorRoundTrip, ReadsBackEqualFieldByFieldAndPointByPoint) {
    ASSERT_EQ(second_.DPOCount(), first_.DPOCount());
    int32_t differing = 0;
    for (int32_t j = 0; j < first_.DPOCount(); ++j)
        differing += *second_.DPOGetPtr(j) != *first_.DPOGetPtr(j);
    EXPECT_EQ(differing, 0);
    ASSERT_EQ(second_.EVCount(), first_.EVCount());
    // The native form holds every field of the record, events and points included.
    EXPECT_TRUE(nativeForm(second_) == nativeForm(first_));
}

TEST_P(SorRoundTrip, KeepsEveryBlockButTheRegeneratedOnesByteForByte) {
    const sor::SorFile before = parsed(original_);
    const sor::SorFile after = parsed(written_);
    for (const auto& b : before.blocks) {
        if (sor::isRegeneratedBlock(b.name)) continue;
        SCOPED_TRACE(b.name);
        const sor::RawBlock* kept = blockNamed(after, sor::trimmedBlockName(b.name));
        ASSERT_NE(kept, nullptr);
        EXPECT_TRUE(
            std::equal(b.bytes.begin(), b.bytes.end(), kept->bytes.begin(), kept->bytes.end()));
    }
    EXPECT_NE(blockNamed(after, "Vosseltrak"), nullptr);
}

TEST_P(SorRoundTrip, WritesTheOriginalAbsoluteLevels) {
    const sor::SorFile before = parsed(original_);
    const sor::SorFile after = parsed(written_);
    ASSERT_EQ(after.dataPts.totalPoints, before.dataPts.totalPoints);
    int32_t beyondQuantisation = 0;
    for (size_t j = 0; j < static_cast<size_t>(before.dataPts.totalPoints); ++j) {
        beyondQuantisation +=
            std::abs(lossUnits(after.dataPts, j) - lossUnits(before.dataPts, j)) > 1.0;
    }
    EXPECT_EQ(beyondQuantisation, 0);
}

TEST_P(SorRoundTrip, WritesTheSameFileAgainFromWhatItReadBack) {
    EXPECT_TRUE(saveSor(second_, GetParam().issue) == written_);
}

INSTANTIATE_TEST_SUITE_P(Shared, SorRoundTrip, ::testing::ValuesIn(sorSampleFacts()),
                         [](const auto& info) { return sampleTestName(info.param); });
