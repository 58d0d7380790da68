// The bi-directional wizard on the bundled two-direction sample cable: the
// averages against the splice losses the cable was simulated with.
#include "core/bidir/splice_loss_wizard.h"
#include "core/platform/headless_prompts.h"
#include "core/platform/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace orvane::bidir {
namespace {

class SampleFiles : public WizardTraces {
public:
    explicit SampleFiles(const std::vector<std::filesystem::path>& files) {
        for (const auto& file : files) {
            auto record = std::make_unique<CT6>();
            if (record->DecompFile(file.u16string().c_str(), 1) != 0) continue;
            m_paths.push_back(file.u16string());
            m_records.push_back(std::move(record));
        }
    }
    std::size_t size() const override { return m_records.size(); }
    CT6* acquire(std::size_t i) override { return m_records[i].get(); }
    void release(std::size_t) override {}
    std::string name(std::size_t i) const override { return fileNameOf(toUtf8(m_paths[i])); }
    std::u16string path(std::size_t i) const override { return m_paths[i]; }
    bool save(std::size_t, CT6&) override {
        ++saved;
        return true;
    }
    bool addTemplate(CT6& t, const std::u16string& fileName) override {
        templates.push_back(fileName);
        EXPECT_TRUE(t.IsTraceTemplate());
        return true;
    }
    int saved = 0;
    std::vector<std::u16string> templates;

private:
    std::vector<std::u16string> m_paths;
    std::vector<std::unique_ptr<CT6>> m_records;
};

std::vector<std::filesystem::path> sampleFiles(const std::string& prefix) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(ORVANE_SAMPLE_TRACES))
        if (entry.path().filename().string().rfind(prefix, 0) == 0) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(SpliceLossWizard, BiDirectionalAveragesMatchTheSimulatedSplices) {
    if (!std::filesystem::exists(ORVANE_SAMPLE_TRACES)) GTEST_SKIP() << "no sample traces";
    std::vector<std::filesystem::path> files = sampleFiles("NORSOU13");
    const std::vector<std::filesystem::path> back = sampleFiles("SOUNOR13");
    files.insert(files.end(), back.begin(), back.end());
    SampleFiles traces(files);
    ASSERT_EQ(traces.size(), 24u);
    HeadlessPrompts answers("test", HeadlessPolicy::Affirmative);
    ScopedPrompts scope(answers);
    WizardSettings settings;
    settings.convention = u"AAABBB__.###";
    settings.report.ignoreConn = false;
    const WizardResult result = RunSpliceLossWizard(traces, settings);
    ASSERT_TRUE(result.finished) << result.message;
    EXPECT_EQ(traces.templates, (std::vector<std::u16string>{u"NORSOU13.SST", u"SOUNOR13.SST"}));
    EXPECT_EQ(traces.saved, 24);
    // Fibre 001 from NOR (4.21, 8.47, 12.83, 17.14, 21.36 km) and from SOU
    // (the same splices 3.26 ... 20.41 km from the other end).
    const std::vector<double> expected = {(0.125 + 0.061) / 2, (0.11 + 0.088) / 2,
                                          (0.011 + 0.091) / 2, (0.029 + 0.077) / 2,
                                          (0.139 + 0.089) / 2};
    ASSERT_EQ(result.positionsKM.size(), expected.size());
    const FiberSplices& first = result.fibers.front();
    for (std::size_t p = 0; p < expected.size(); ++p) {
        ASSERT_TRUE(first.splices[p].average) << p;
        EXPECT_NEAR(*first.splices[p].average, expected[p], 0.02) << p;
    }
    // Fibre 011 is broken: its two traces are no pair, nothing is averaged.
    for (const FiberSplice& splice : result.fibers[10].splices)
        EXPECT_FALSE(splice.average);
    EXPECT_EQ(result.summary.overall.count, 55);
}

} // namespace
} // namespace orvane::bidir
