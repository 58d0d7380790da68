// Splice templates on simulated fibres: a template of the route is applied to
// another trace of it and the events land, match and measure as expected.

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace varnel::sim;

namespace {

constexpr uint32_t kTemplateEnd =
    T6_EVFLAG_TEMPLATE_EVENT | T6_EVFLAG_END_NO_NOISE_FLOOR | T6_EVFLAG_CLOSING;
constexpr double kPositionKM = 0.002; // within two points of 1 m

FibreDescription route(double lengthKM, std::vector<FibreEvent> events) {
    FibreDescription fibre = plainFibre(lengthKM, 0.35);
    fibre.events = std::move(events);
    return fibre;
}

// A template of the given events: each with splice-loss segments 0.4 km long
// on either side and a comment naming its position.
void buildTemplate(CT6& tmpl, const FibreDescription& fibre) {
    simulateFibre(fibre, tmpl);
    for (int32_t i = 1; i < tmpl.EVCount(); ++i) {
        tmpl.EVSetLossMode(i, 0);
        tmpl.EVSetLSAOffKM(i, -0.5, -0.1, 0.1, 0.5);
        std::u16string comment = u"at " + std::u16string(1, char16_t(u'0' + i));
        tmpl.EVSetComment(i, comment.c_str());
    }
    ASSERT_EQ(tmpl.BuildFASTemplate(), 0);
}

// A trace whose table holds a launch, events at the given places and an end.
void buildTrace(CT6& trace, const FibreDescription& fibre, const std::vector<double>& atKM) {
    FibreDescription bare = fibre;
    bare.eventTable = true;
    simulateFibre(bare, trace);
    double endKM = trace.EVGetStartKM(trace.EVCount() - 1);
    trace.EVInitArray(8);
    trace.EVInsert();
    trace.EVSetType(0, T6_EVENT_LAUNCH);
    for (double km : atKM) {
        int32_t i = trace.EVInsertKM(km);
        trace.EVSetType(i, T6_EVENT_NON_REFLECTIVE);
        trace.EVSetEndKM(i, km);
    }
    int32_t end = trace.EVInsertKM(endKM);
    trace.EVSetType(end, T6_EVENT_END);
    trace.ClearAllModFlags();
}

std::vector<double> startsKM(CT6& record) {
    std::vector<double> km;
    for (int32_t i = 0; i < record.EVCount(); ++i)
        km.push_back(record.EVGetStartKM(i));
    return km;
}

int32_t eventNear(CT6& record, double km) {
    for (int32_t i = 0; i < record.EVCount(); ++i)
        if (std::fabs(record.EVGetStartKM(i) - km) < kPositionKM) return i;
    return -1;
}

std::u16string comment(CT6& record, int32_t i) {
    char16_t buf[64];
    return record.EVGetComment(i, buf);
}

TEST(TemplateBuild, MarksOnceAndNeedsEvents) {
    CT6 record;
    EXPECT_EQ(record.BuildFASTemplate(), 2) << "empty table";
    EXPECT_EQ(record.IsTraceTemplate(), 0);
    simulateFibre(plainFibre(5, 0.35), record);
    EXPECT_EQ(record.BuildFASTemplate(), 0);
    EXPECT_EQ(record.IsTraceTemplate(), 1);
    EXPECT_EQ(record.IsModFlagSet(T6_MOD_ANALYSIS), 1);
    EXPECT_EQ(record.BuildFASTemplate(), 1);
}

TEST(TemplateApply, RefusesWithoutChangingTheTrace) {
    FibreDescription fibre = route(10, {{5.0, 0.2, 0.0}});
    CT6 notTemplate, trace;
    simulateFibre(fibre, notTemplate);
    buildTrace(trace, fibre, {3.0});
    std::vector<double> before = startsKM(trace);
    EXPECT_EQ(notTemplate.ApplyTemplateTo(&trace, 0, 0, 1.0, 0.1, 0), 3);

    CT6 emptyTemplate;
    simulateFibre(fibre, emptyTemplate);
    ASSERT_EQ(emptyTemplate.BuildFASTemplate(), 0);
    emptyTemplate.EVInitArray(1);
    EXPECT_EQ(emptyTemplate.ApplyTemplateTo(&trace, 0, 0, 1.0, 0.1, 0), 2);

    EXPECT_EQ(startsKM(trace), before);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_EVENTS), 0);
    CT6 tmpl;
    buildTemplate(tmpl, fibre);
    EXPECT_EQ(tmpl.ApplyTemplateTo(nullptr, 0, 0, 1.0, 0.1, 0), 4);
    EXPECT_EQ(tmpl.ApplyTemplateTo(&tmpl, 0, 0, 1.0, 0.1, 0), 4);
}

TEST(TemplateApply, ReplaceGivesLaunchTemplateEventsAndEnd) {
    FibreDescription fibre = route(10, {{2.0, 0.2, 0.0}, {5.0, 0.3, -45.0}, {8.0, 0.15, 0.0}});
    CT6 tmpl, trace;
    buildTemplate(tmpl, fibre);
    buildTrace(trace, fibre, {3.3, 6.6});

    ASSERT_EQ(tmpl.ApplyTemplateTo(&trace, 0, 0, 1.0, 0.1, 0), 0);
    ASSERT_EQ(trace.EVCount(), 5);
    EXPECT_EQ(trace.EVGetType(0), T6_EVENT_LAUNCH);
    const double expectedKM[] = {2.0, 5.0, 8.0, 10.0};
    const double lossDB[] = {0.2, 0.3, 0.15};
    for (int32_t i = 1; i < 5; ++i) {
        EXPECT_NEAR(trace.EVGetStartKM(i), expectedKM[i - 1], kPositionKM) << i;
        EXPECT_EQ(trace.EVGetFlags(i) & T6_EVFLAG_TEMPLATE_EVENT, T6_EVFLAG_TEMPLATE_EVENT) << i;
        EXPECT_EQ(comment(trace, i), comment(tmpl, i)) << i;
        if (i < 4) {
            EXPECT_NEAR(trace.EVGetLoss(i), lossDB[i - 1], 0.02) << i;
        }
    }
    EXPECT_EQ(trace.EVGetType(2), T6_EVENT_REFLECTIVE);
    int32_t status = 0;
    double reflDB = trace.CalcRefl(trace.EVGetStartKM(2), trace.EVGetEndKM(2), 0, status);
    ASSERT_LT(reflDB, -10.0);
    EXPECT_NEAR(trace.EVGetRefl(2), reflDB, 1e-6) << "measured on the trace";
    EXPECT_EQ(trace.EVGetType(4), T6_EVENT_END);
    EXPECT_EQ(trace.EVGetLoss(4), 0);
    EXPECT_EQ(trace.EVGetFlags(4) & T6_EVFLAG_CLOSING, T6_EVFLAG_CLOSING);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_EVENTS), 1);
}

TEST(TemplateApply, KeepMatchedTakesTheCloserOfTwoCandidates) {
    // Tolerance at 5 km: 1 % = 0.05 km; both trace events lie within it, the
    // closer one once before and once after the farther one.
    FibreDescription fibre = route(10, {{5.0, 0.2, 0.0}});
    for (auto [closer, farther] : {std::pair{5.03, 4.96}, std::pair{4.98, 5.04}}) {
        CT6 tmpl, trace;
        buildTemplate(tmpl, fibre);
        buildTrace(trace, fibre, {closer, farther});
        ASSERT_EQ(tmpl.ApplyTemplateTo(&trace, 1, 1, 1.0, 1.0, 0), 0);
        ASSERT_EQ(trace.EVCount(), 4) << "the matched template event is not inserted";
        EXPECT_EQ(comment(trace, eventNear(trace, closer)), u"at 1") << closer;
        EXPECT_EQ(comment(trace, eventNear(trace, farther)), u"") << farther;
    }
}

TEST(TemplateApply, ADisplacedTemplateEventIsMatchedAgain) {
    // Both template events want the trace event at 5.015; the one at 5.02 is
    // closer and keeps it, the one at 5.00 falls back to 4.97.
    FibreDescription fibre = route(10, {{5.0, 0.2, 0.0}, {5.02, 0.2, 0.0}});
    CT6 tmpl, trace;
    buildTemplate(tmpl, fibre);
    buildTrace(trace, fibre, {4.97, 5.015});

    ASSERT_EQ(tmpl.ApplyTemplateTo(&trace, 1, 1, 1.0, 1.0, 0), 0);
    EXPECT_EQ(trace.EVCount(), 4);
    EXPECT_EQ(comment(trace, eventNear(trace, 4.97)), u"at 1");
    EXPECT_EQ(comment(trace, eventNear(trace, 5.015)), u"at 2");
}

TEST(TemplateApply, ToleranceIsAPercentOfTheDistanceUpToAMaximum) {
    FibreDescription fibre = route(12, {{10.0, 0.2, 0.0}});
    auto matched = [&](double traceKM, double maxKM) {
        CT6 tmpl, trace;
        buildTemplate(tmpl, fibre);
        buildTrace(trace, fibre, {traceKM});
        EXPECT_EQ(tmpl.ApplyTemplateTo(&trace, 1, 1, 1.0, maxKM, 0), 0);
        return comment(trace, eventNear(trace, traceKM)) == u"at 1";
    };
    EXPECT_TRUE(matched(10.09, 1.0)) << "0.1 km at 10 km";
    EXPECT_FALSE(matched(10.11, 1.0));
    EXPECT_FALSE(matched(10.09, 0.05)) << "the maximum is smaller";
}

TEST(TemplateApply, ReplaceMatchedKeepsTheUnmatched) {
    FibreDescription fibre = route(10, {{3.0, 0.2, 0.0}, {7.0, 0.2, 0.0}});
    CT6 tmpl, trace;
    buildTemplate(tmpl, fibre);
    buildTrace(trace, fibre, {3.02, 5.0});

    ASSERT_EQ(tmpl.ApplyTemplateTo(&trace, 1, 0, 1.0, 1.0, 0), 0);
    std::vector<double> km = startsKM(trace);
    ASSERT_EQ(km.size(), 5u) << "launch, 3.0, 5.0, 7.0, end";
    EXPECT_NEAR(km[1], 3.0, kPositionKM) << "the template's position replaced 3.02";
    EXPECT_NEAR(km[2], 5.0, kPositionKM) << "unmatched, kept";
    EXPECT_EQ(trace.EVGetFlags(2) & T6_EVFLAG_TEMPLATE_EVENT, 0u);
    EXPECT_NEAR(km[3], 7.0, kPositionKM);
    EXPECT_NEAR(km[4], 10.0, kPositionKM);
    EXPECT_EQ(trace.EVGetFlags(4) & T6_EVFLAG_TEMPLATE_EVENT, T6_EVFLAG_TEMPLATE_EVENT)
        << "the template's end";
}

TEST(TemplateApply, ScalingToTheTraceEnd) {
    FibreDescription templateFibre = route(10, {{5.0, 0.2, 0.0}});
    FibreDescription traceFibre = route(10.5, {{5.25, 0.2, 0.0}});
    CT6 tmpl, trace;
    buildTemplate(tmpl, templateFibre);
    buildTrace(trace, traceFibre, {});

    ASSERT_EQ(tmpl.ApplyTemplateTo(&trace, 0, 0, 1.0, 0.1, 2), 0);
    ASSERT_EQ(trace.EVCount(), 3);
    EXPECT_NEAR(trace.EVGetStartKM(1), 5.25, kPositionKM) << "5 km x 10.5 / 10";
    EXPECT_NEAR(trace.EVGetStartKM(2), 10.5, kPositionKM);
}

TEST(TemplateApply, ScalingTheTraceToTheTemplateEndForMatching) {
    // Scaled by 10 / 10.5 the trace event at 5.25 km lands on the template's 5 km.
    FibreDescription templateFibre = route(10, {{5.0, 0.2, 0.0}});
    FibreDescription traceFibre = route(10.5, {{5.25, 0.2, 0.0}});
    CT6 tmpl, trace;
    buildTemplate(tmpl, templateFibre);
    buildTrace(trace, traceFibre, {5.25});

    ASSERT_EQ(tmpl.ApplyTemplateTo(&trace, 1, 1, 0.1, 1.0, 1), 0);
    int32_t scaled = eventNear(trace, 5.0);
    ASSERT_GE(scaled, 0);
    EXPECT_EQ(comment(trace, scaled), u"at 1");
}

TEST(TemplateApply, UnmeasurableTemplateEndStillEndsTheTable) {
    // The trace's fibre ends at 8 km; its data run on to about 16 km of noise.
    FibreDescription templateFibre = route(12, {{4.0, 0.2, 0.0}});
    FibreDescription traceFibre = route(8, {{4.0, 0.2, 0.0}});
    CT6 tmpl, trace;
    buildTemplate(tmpl, templateFibre);
    buildTrace(trace, traceFibre, {});

    ASSERT_EQ(tmpl.ApplyTemplateTo(&trace, 0, 0, 1.0, 0.1, 0), 0);
    int32_t last = trace.EVCount() - 1;
    EXPECT_EQ(trace.EVGetType(last), T6_EVENT_END);
    EXPECT_NEAR(trace.EVGetStartKM(last), 12.0, kPositionKM);
    EXPECT_EQ(trace.EVGetLoss(last), 0);
    EXPECT_EQ(trace.EVGetFlags(last) & (T6_EVFLAG_TEMPLATE_EVENT | T6_EVFLAG_CLOSING),
              T6_EVFLAG_TEMPLATE_EVENT | T6_EVFLAG_CLOSING);

    // A template end beyond the trace's data is not inserted; an end is added
    // at the last data point instead.
    FibreDescription longTemplate = plainFibre(20, 0.2, 22000);
    longTemplate.events = {{4.0, 0.2, 0.0}};
    CT6 farTemplate, shortTrace;
    buildTemplate(farTemplate, longTemplate);
    buildTrace(shortTrace, traceFibre, {});
    ASSERT_EQ(farTemplate.ApplyTemplateTo(&shortTrace, 0, 0, 1.0, 0.1, 0), 0);
    last = shortTrace.EVCount() - 1;
    EXPECT_EQ(shortTrace.EVGetType(last), T6_EVENT_END);
    EXPECT_EQ(shortTrace.EVGetStartDP(last), shortTrace.DPOCount() - 1);
    EXPECT_EQ(shortTrace.EVGetFlags(last), kTemplateEnd);
    EXPECT_EQ(shortTrace.EVGetLoss(last), 0);
}

TEST(TemplateApply, LossThatCannotBeMeasuredIsZeroAndFlagged) {
    FibreDescription fibre = route(10, {{5.0, 0.2, 0.0}});
    CT6 tmpl, trace;
    buildTemplate(tmpl, fibre);
    tmpl.EVSetLSAOffKM(1, 0, 0, 0, 0); // no segments to fit
    buildTrace(trace, fibre, {});
    ASSERT_EQ(tmpl.ApplyTemplateTo(&trace, 0, 0, 1.0, 0.1, 0), 0);
    int32_t i = eventNear(trace, 5.0);
    ASSERT_GE(i, 0);
    EXPECT_EQ(trace.EVGetLoss(i), 0);
    EXPECT_EQ(trace.EVGetFlags(i) & T6_EVFLAG_LOSS_UNKNOWN, T6_EVFLAG_LOSS_UNKNOWN);
}

} // namespace
