// The trace list's splice-template commands: building on the primary trace,
// applying it with the once-per-run warnings, and the smart template.
#include "core/batch/batch_messages.h"
#include "core/batch/template_commands.h"
#include "core/batch/tests/batch_fixture.h"

#include <algorithm>

namespace orvane::batch {
namespace {

using test::BatchListTest;

class TemplateCommandsTest : public BatchListTest {
protected:
    // A displayed primary trace (the template) shifted by shiftKM.
    CTraceListEntry* primaryWithShift(double shiftKM) {
        const TraceEntries entries = listed(
            {writeFibre("template.T6", {1.5, 3.0}, [&](CT6& r) { r.SetHorzShiftKM(shiftKM); })});
        list->DisplayTraces(entries);
        return entries[0];
    }

    bool asked(const std::string& part) const {
        const auto& prompts = scripted.asked();
        return std::any_of(prompts.begin(), prompts.end(),
                           [&](const Prompt& p) { return p.text.find(part) != std::string::npos; });
    }

    void answerOk(int times) {
        for (int i = 0; i < times; ++i)
            scripted.queue(PromptAnswer::Ok);
    }
};

TEST_F(TemplateCommandsTest, BuildingTwiceIsRefusedTheSecondTime) {
    CTraceListEntry* primary = primaryWithShift(0.0);
    EXPECT_EQ(BuildSpliceTemplate(*list), BuildOutcome::Built);
    EXPECT_TRUE(primary->document->record().IsTraceTemplate());
    EXPECT_TRUE(primary->document->isModified());
    EXPECT_EQ(log.codes().back(), 19);
    EXPECT_EQ(BuildSpliceTemplate(*list), BuildOutcome::AlreadyTemplate);
    EXPECT_EQ(scripted.asked().back().text, kAlreadyTemplate);
    EXPECT_EQ(scripted.asked().back().icon, PromptIcon::Stop);
}

TEST_F(TemplateCommandsTest, TemplateShiftWarningComesBeyondTwoPercent) {
    primaryWithShift(1.000);
    ASSERT_EQ(BuildSpliceTemplate(*list), BuildOutcome::Built);
    for (double shift : {1.015, 1.025}) {
        SCOPED_TRACE(shift);
        scripted.clear();
        const TraceEntries targets =
            listed({writeFibre("target" + std::to_string(shift) + ".T6", {1.5, 3.0},
                               [&](CT6& r) { r.SetHorzShiftKM(shift); })});
        answerOk(10);
        SilentProgress progress;
        const bidir::TemplateApplyRun run =
            ApplySpliceTemplate(*list, targets, FASTemplateSettings{}, progress);
        EXPECT_FALSE(run.cancelled);
        EXPECT_EQ(asked("Horizontal Shifts are far apart."), shift > 1.02);
        EXPECT_EQ(targets[0]->document, nullptr); // let go after the run
        while (scripted.unusedAnswers() > 0)
            scripted.ask({});
    }
}

TEST_F(TemplateCommandsTest, SmartTemplateIsBuiltInThePrimaryFromTheSelectedTraces) {
    primaryWithShift(0.0);
    std::vector<std::string> paths;
    for (int i = 0; i < 4; ++i)
        paths.push_back(writeFibre("fibre" + std::to_string(i) + ".T6", {2.0}));
    const TraceEntries fibres = listed(paths);
    SmartTemplateSettings settings;
    settings.printReport = 0;
    SilentProgress progress;
    const bidir::SmartTemplateResult result =
        SmartSpliceTemplate(*list, fibres, settings, progress);
    ASSERT_TRUE(result.built);
    const CT6& tmpl = list->Primary()->document->record();
    EXPECT_TRUE(tmpl.IsTraceTemplate());
    ASSERT_EQ(tmpl.EVCount(), 3);
    EXPECT_NEAR(tmpl.EVGetStartKM(1), 2.0, 0.02);
    EXPECT_EQ(openDocuments(), 1); // only the displayed primary stays open
}

} // namespace
} // namespace orvane::batch
