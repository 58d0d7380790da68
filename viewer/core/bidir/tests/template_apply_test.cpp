// Applying a template to a cable: warnings once per run, refusals, results.
#include "bidir_fixtures.h"
#include "core/bidir/once_warning.h"
#include "core/bidir/smart_template.h"
#include "core/bidir/template_apply.h"
#include "core/platform/scripted_prompts.h"

#include <gtest/gtest.h>

namespace orvane::bidir {
namespace {

using test::CableDescription;

struct Cable {
    std::vector<std::unique_ptr<CT6>> fibres;
    CT6 splicesTemplate;
};

Cable templatedCable(int32_t fibres) {
    CableDescription layout;
    layout.splices = {{4.0, 0.3, 0.0}, {11.0, 0.2, 0.0}};
    Cable cable;
    for (int32_t f = 0; f < fibres; ++f)
        cable.fibres.push_back(test::tracedFibre(layout, f));
    cable.splicesTemplate = *cable.fibres[0];
    auto sequence = test::sequenceOf(cable.fibres);
    SmartTemplateSettings settings;
    settings.printReport = false;
    BuildSmartSpliceTemplate(cable.splicesTemplate, sequence, settings);
    return cable;
}

TEST(TemplateApply, EachWarningComesOnceAndEveryTraceGetsTheTemplateEvents) {
    Cable cable = templatedCable(3);
    for (auto& f : cable.fibres)
        f->SetAvgComplete(100);
    auto sequence = test::sequenceOf(cable.fibres);
    ScriptedPrompts prompter;
    ScopedPrompts scope(prompter);
    prompter.queue(PromptAnswer::Ok);
    TemplateApplySettings settings;
    settings.merge = false;
    int saved = 0;
    const TemplateApplyRun run =
        ApplySpliceTemplate(cable.splicesTemplate, sequence, settings,
                            [&saved](std::size_t, CT6&) { return ++saved > 0; });
    EXPECT_FALSE(run.cancelled);
    EXPECT_EQ(saved, 3);
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].text, std::string(kFewAveragesText) + kNotRepeated);
    for (auto& f : cable.fibres) {
        ASSERT_EQ(f->EVCount(), 4);
        EXPECT_NEAR(f->EVGetStartKM(1), 4.0, 0.02);
        EXPECT_NEAR(f->EVGetLoss(2), 0.2, 0.03);
    }
}

TEST(TemplateApply, ATemplateTraceIsRefusedAndCancelEndsTheRun) {
    Cable cable = templatedCable(3);
    for (auto& f : cable.fibres)
        f->SetAvgComplete(4096);
    cable.fibres[1]->SetTraceTemplate(1);
    auto sequence = test::sequenceOf(cable.fibres);
    ScriptedPrompts prompter;
    ScopedPrompts scope(prompter);
    prompter.queue(PromptAnswer::Ok);
    prompter.queue(PromptAnswer::Cancel);
    cable.fibres[2]->SetTraceTemplate(1);
    const TemplateApplyRun run = ApplySpliceTemplate(cable.splicesTemplate, sequence, {});
    EXPECT_TRUE(run.cancelled);
    EXPECT_EQ(run.outcomes, (std::vector<ApplyOutcome>{ApplyOutcome::Applied, ApplyOutcome::Skipped,
                                                       ApplyOutcome::Skipped}));
    ASSERT_EQ(prompter.asked().size(), 2u);
    EXPECT_EQ(prompter.asked()[0].text, kTemplateOnTemplateText);
    EXPECT_EQ(sequence.released, 3);
}

} // namespace
} // namespace orvane::bidir
