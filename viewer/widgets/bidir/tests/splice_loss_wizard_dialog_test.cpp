// The bi-directional wizard driven through its pages offscreen, then run on
// the bundled two-direction cable.
#include "core/bidir/trace_name.h"
#include "core/platform/scripted_prompts.h"
#include "core/platform/text.h"
#include "widgets/bidir/splice_loss_wizard_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace orvane {
namespace {

class CableFolder : public bidir::WizardTraces {
public:
    explicit CableFolder(const std::filesystem::path& folder) {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().filename().string().find("13.") == 6) files.push_back(entry.path());
        std::sort(files.begin(), files.end());
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
    bool save(std::size_t, CT6&) override { return true; }
    bool addTemplate(CT6&, const std::u16string& name) override {
        templates.push_back(name);
        return true;
    }
    std::vector<std::u16string> templates;

private:
    std::vector<std::u16string> m_paths;
    std::vector<std::unique_ptr<CT6>> m_records;
};

TEST(SpliceLossWizardDialog, RefusedConventionKeepsTheGeneralPage) {
    ScriptedPrompts prompts;
    ScopedPrompts scope(prompts);
    CAuto1BiDirDialog dialog(bidir::WizardSettings{});
    dialog.convention()->setText("AAABB.###");
    dialog.tabs()->setCurrentIndex(1);
    EXPECT_EQ(dialog.tabs()->currentIndex(), 0);
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text,
              std::string(bidir::kConventionErrorText) + bidir::kConventionCountsText);
    dialog.runButton()->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST(SpliceLossWizardDialog, PrinterLocationAndApplicationChoicesComeBackAndRestore) {
    bidir::WizardSettings given;
    given.report.headerLines = {"Acme Fibre", "", "Route 9"};
    given.report.topMarginInch = 1.25;
    given.report.leftMarginInch = 0.75;
    given.report.locCode1 = "NOR";
    given.report.loc2 = "South hut";
    given.apply.merge = false;
    given.apply.tracePriority = false;
    given.apply.snapTo = bidir::kSnapToTemplateEnd;
    CAuto1BiDirDialog dialog(given);
    const bidir::WizardSettings shown = dialog.settings();
    EXPECT_EQ(shown.report, given.report);
    EXPECT_FALSE(shown.apply.merge);
    EXPECT_FALSE(shown.apply.tracePriority);
    EXPECT_EQ(shown.apply.snapTo, bidir::kSnapToTemplateEnd);

    // "Restore Defaults" of the General and the Advanced page.
    for (int page : {0, 3}) {
        auto* restore = dialog.tabs()->widget(page)->findChild<QPushButton*>();
        ASSERT_NE(restore, nullptr);
        restore->click();
    }
    const bidir::WizardSettings defaults;
    EXPECT_EQ(dialog.settings().report, defaults.report);
    EXPECT_TRUE(dialog.settings().apply.merge);
    EXPECT_EQ(dialog.settings().apply.snapTo, bidir::kSnapToTraceEnd);
}

TEST(SpliceLossWizardDialog, RunsThroughItsPagesOnTheSampleCable) {
    if (!std::filesystem::exists(ORVANE_SAMPLE_TRACES)) GTEST_SKIP() << "no sample traces";
    ScriptedPrompts prompts;
    ScopedPrompts scope(prompts);
    prompts.queue(PromptAnswer::Yes); // "Do you want to continue?"
    for (int i = 0; i < 8; ++i)
        prompts.queue(PromptAnswer::Ok); // the once-only warnings
    bidir::WizardSettings settings;
    CAuto1BiDirDialog dialog(settings);
    dialog.convention()->setText("AAABBB__.###");
    for (int page = 1; page < dialog.tabs()->count(); ++page) {
        dialog.tabs()->setCurrentIndex(page);
        EXPECT_EQ(dialog.tabs()->currentIndex(), page);
    }
    dialog.runButton()->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    settings = dialog.settings();
    EXPECT_EQ(settings.convention, u"AAABBB__.###");

    CableFolder traces(ORVANE_SAMPLE_TRACES);
    ASSERT_EQ(traces.size(), 24u);
    const bidir::WizardResult result = bidir::RunSpliceLossWizard(traces, settings);
    ASSERT_TRUE(result.finished) << result.message;
    EXPECT_EQ(traces.templates.size(), 2u);
    EXPECT_EQ(result.positionsKM.size(), 5u);
    EXPECT_EQ(result.summary.overall.count, 55);
}

} // namespace
} // namespace orvane
