// Smart splice templates built from simulated cables, checked against the
// simulator's truth, and the build's warnings and abandonment.
#include "bidir_fixtures.h"
#include "core/bidir/once_warning.h"
#include "core/bidir/smart_template.h"
#include "core/platform/scripted_prompts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane::bidir {
namespace {

using test::buildCable;
using test::CableDescription;
using test::sequenceOf;
using test::tracedFibre;

SmartTemplateSettings quietSettings() {
    SmartTemplateSettings s;
    s.printReport = false;
    return s;
}

// Template events between the launch and the end.
std::vector<int32_t> innerEvents(const CT6& t) {
    std::vector<int32_t> events;
    for (int32_t i = 1; i + 1 < t.EVCount(); ++i)
        events.push_back(i);
    return events;
}

TEST(SmartTemplate, TenTracesWithOneSpliceGiveOneEventOfTwoTenthsDB) {
    CableDescription cable;
    cable.splices = {{8.0, 0.3, 0.0}};
    std::vector<std::unique_ptr<CT6>> fibres;
    for (int32_t f = 0; f < 10; ++f)
        fibres.push_back(tracedFibre(cable, f));
    CT6 reference(*fibres[0]);
    auto sequence = sequenceOf(fibres);
    ScriptedPrompts prompter;
    ScopedPrompts scope(prompter);
    SmartTemplateResult result = BuildSmartSpliceTemplate(reference, sequence, quietSettings());
    ASSERT_TRUE(result.built);
    EXPECT_TRUE(prompter.empty());
    EXPECT_EQ(result.stats.traces, 10);
    EXPECT_TRUE(reference.IsTraceTemplate());
    ASSERT_EQ(reference.EVCount(), 3);
    EXPECT_NEAR(reference.EVGetStartKM(1), 8.0, 0.01);
    EXPECT_DOUBLE_EQ(reference.EVGetLoss(1), 10 / (5.0 * 10));
    EXPECT_EQ(reference.EVGetLossMode(1), T6_LOSS_SPLICE);
    EXPECT_TRUE(reference.EVGetFlags(1) & T6_EVFLAG_INSERTED);
    // The end moves to the shortest fibre, less a metre.
    EXPECT_NEAR(reference.EVGetStartKM(2), fibres[0]->EVGetStartKM(2) - 0.001, 1e-6);
    EXPECT_EQ(sequence.released, 10);
}

TEST(SmartTemplate, OneTraceWithMinFrequencyTwoLeavesOnlyTheFirstAndLastEvents) {
    CableDescription cable;
    cable.splices = {{5.0, 0.5, 0.0}, {12.0, 0.4, 0.0}};
    std::vector<std::unique_ptr<CT6>> fibres;
    fibres.push_back(tracedFibre(cable, 1));
    CT6 reference(*fibres[0]);
    auto sequence = sequenceOf(fibres);
    ScriptedPrompts prompter;
    ScopedPrompts scope(prompter);
    ASSERT_TRUE(BuildSmartSpliceTemplate(reference, sequence, quietSettings()).built);
    EXPECT_EQ(reference.EVCount(), 2);
    EXPECT_TRUE(reference.IsTraceTemplate());
}

// A cable whose analysed fibres give the template; the template applied back
// to every fibre measures the true losses.
TEST(SmartTemplate, AnalysedCableGivesTheTrueSplicePositionsAndLossesOnApplication) {
    CableDescription cable;
    cable.fibres = 12;
    cable.lengthStepKM = 0.03; // the fibres' end reflections do not overlap
    cable.splices = {{3.1, 0.20, 0.0},  {7.4, 0.25, 0.0},  {9.6, 0.50, -45.0},
                     {13.0, 0.30, 0.0}, {13.2, 0.30, 0.0}, {16.7, 0.15, 0.0}};
    auto fibres = buildCable(cable);
    CT6 reference(*fibres[0]);
    auto sequence = sequenceOf(fibres);
    ScriptedPrompts prompter;
    ScopedPrompts scope(prompter);
    prompter.queue(PromptAnswer::Ok);
    SmartTemplateResult result = BuildSmartSpliceTemplate(reference, sequence, quietSettings());
    ASSERT_TRUE(result.built);
    // The analysis leaves each fibre's end questionable: one warning, answered OK.
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].text, std::string(kQuestionableEndText) + kNotRepeated);
    const auto events = innerEvents(reference);
    ASSERT_EQ(events.size(), cable.splices.size());
    for (size_t k = 0; k < events.size(); ++k) {
        const int32_t i = events[k];
        SCOPED_TRACE(k);
        EXPECT_NEAR(reference.EVGetStartKM(i), cable.splices[k].positionKM, 0.03);
        const bool crowded = k == 3 || k == 4; // 200 m apart
        EXPECT_EQ(reference.EVGetLossMode(i), crowded ? T6_LOSS_2POINT_ATN_COR : T6_LOSS_SPLICE);
        if (!crowded) {
            EXPECT_LT(reference.EVGetLSAStartOffKM(i, T6_SIDE_A),
                      reference.EVGetLSAEndOffKM(i, T6_SIDE_A));
            EXPECT_LT(reference.EVGetLSAEndOffKM(i, T6_SIDE_A), 0.0);
            EXPECT_GT(reference.EVGetLSAStartOffKM(i, T6_SIDE_B), 0.0);
        }
    }
    EXPECT_EQ(reference.EVGetType(events[2]), T6_EVENT_REFLECTIVE);

    for (auto& fibre : fibres) {
        CT6 trace(*fibre);
        ASSERT_EQ(reference.ApplyTemplateTo(&trace, 0, 0, 2.0, 1.0, 2), 0);
        ASSERT_EQ(trace.EVCount(), reference.EVCount());
        for (size_t k = 0; k < events.size(); ++k) {
            if (k == 3 || k == 4) continue; // two-point losses of crowded splices are rough
            SCOPED_TRACE(k);
            EXPECT_NEAR(trace.EVGetLoss(static_cast<int32_t>(k) + 1), cable.splices[k].lossDB,
                        0.05);
        }
    }
}

TEST(SmartTemplate, TheLengthWarningComesOnceAndSkipsEveryFarOffTrace) {
    CableDescription cable;
    cable.splices = {{6.0, 0.4, 0.0}};
    cable.lengthStepKM = 0.0;
    std::vector<std::unique_ptr<CT6>> fibres;
    for (double extraKM : {0.0, 1.0, 0.05, 1.5}) {
        CableDescription c = cable;
        c.lengthKM += extraKM;
        fibres.push_back(tracedFibre(c, static_cast<int32_t>(fibres.size())));
    }
    CT6 reference(*fibres[0]);
    reference.SetFilespec(u"REF.SOR");
    auto sequence = sequenceOf(fibres);
    ScriptedPrompts prompter;
    ScopedPrompts scope(prompter);
    prompter.queue(PromptAnswer::Ok);
    SmartTemplateResult result = BuildSmartSpliceTemplate(reference, sequence, quietSettings());
    ASSERT_TRUE(result.built);
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].text, std::string(kLengthsText) + kNotRepeated);
    EXPECT_EQ(prompter.asked()[0].subject, sequence.name(1) + " :: REF.SOR");
    EXPECT_EQ(prompter.asked()[0].defaultAnswer, PromptAnswer::Cancel);
    EXPECT_EQ(result.stats.traces, 2);
}

TEST(SmartTemplate, CancelledWarningLeavesTheReferenceAsItWas) {
    CableDescription cable;
    cable.splices = {{6.0, 0.4, 0.0}};
    std::vector<std::unique_ptr<CT6>> fibres;
    for (int32_t f = 0; f < 6; ++f)
        fibres.push_back(tracedFibre(cable, f));
    fibres[3]->SetHorzShiftKM(-0.5);
    CT6 reference(*fibres[0]);
    const int32_t events = reference.EVCount();
    const double firstSplice = reference.EVGetStartKM(1);
    auto sequence = sequenceOf(fibres);
    ScriptedPrompts prompter; // Cancel, the warning's default
    ScopedPrompts scope(prompter);
    EXPECT_FALSE(BuildSmartSpliceTemplate(reference, sequence, quietSettings()).built);
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].text, std::string(kShiftsText) + kNotRepeated);
    EXPECT_EQ(reference.EVCount(), events);
    EXPECT_EQ(reference.EVGetStartKM(1), firstSplice);
    EXPECT_FALSE(reference.IsTraceTemplate());
    EXPECT_EQ(sequence.released, 4); // the trace that brought the warning is released too
}

// Cancel on the progress display stops after the current trace.
class CancelAfterOne : public SilentProgress {
public:
    void step(int done, const std::string&) override { m_done = done; }
    bool cancelled() const override { return m_done >= 1; }

private:
    int m_done = 0;
};

TEST(SmartTemplate, ProgressCancelAbandonsTheBuild) {
    CableDescription cable;
    cable.splices = {{6.0, 0.4, 0.0}};
    std::vector<std::unique_ptr<CT6>> fibres;
    for (int32_t f = 0; f < 3; ++f)
        fibres.push_back(tracedFibre(cable, f));
    CT6 reference(*fibres[0]);
    auto sequence = sequenceOf(fibres);
    CancelAfterOne progress;
    EXPECT_FALSE(BuildSmartSpliceTemplate(reference, sequence, quietSettings(), &progress).built);
    EXPECT_EQ(sequence.released, 1);
    EXPECT_EQ(reference.EVCount(), fibres[0]->EVCount());
    EXPECT_FALSE(reference.IsTraceTemplate());
    EXPECT_EQ(collectingProgressTotal(9, true), 20);
}

TEST(SmartTemplate, FrequencyWaveformAndReportCountsFollowTheCounters) {
    CableDescription cable;
    cable.splices = {{6.0, 0.4, 0.0}};
    std::vector<std::unique_ptr<CT6>> fibres;
    for (int32_t f = 0; f < 4; ++f)
        fibres.push_back(tracedFibre(cable, f));
    CT6 reference(*fibres[0]);
    auto sequence = sequenceOf(fibres);
    ScriptedPrompts prompter;
    ScopedPrompts scope(prompter);
    SmartTemplateSettings settings;
    settings.eventFreqDist = true;
    SmartTemplateResult result = BuildSmartSpliceTemplate(reference, sequence, settings);
    ASSERT_TRUE(result.built);
    const int32_t at = reference.EVGetStartDP(1);
    const int32_t k =
        static_cast<int32_t>(reference.DPWGetScaleFactor() * reference.GetDynamicRange());
    EXPECT_EQ(result.counts.at(static_cast<size_t>(at)), 4);
    EXPECT_EQ(reference.DPWGetLONG(at), 4 * k / 4);
    EXPECT_EQ(reference.DPWGetLONG(at - 200), 0);
    EXPECT_EQ(reference.DPWGetLONG(reference.DPOCount() - 1), 1);
    EXPECT_TRUE(reference.IsModFlagSet(T6_MOD_DATA_POINTS));
}

} // namespace
} // namespace orvane::bidir
