// The build report of a smart splice template: one row per template event,
// its cable event and frequency beside the event placed in the trace.
#include "bidir_fixtures.h"
#include "core/bidir/smart_template_report.h"
#include "core/platform/scripted_prompts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace orvane::bidir {
namespace {

TEST(SmartTemplateReport, RowsCarryTheCableEventItsFrequencyAndTheTemplateEvent) {
    test::CableDescription cable;
    cable.splices = {{8.0, 0.3, 0.0}};
    std::vector<std::unique_ptr<CT6>> fibres;
    for (int32_t f = 0; f < 10; ++f)
        fibres.push_back(test::tracedFibre(cable, f));
    CT6 reference(*fibres[0]);
    auto sequence = test::sequenceOf(fibres);
    ScriptedPrompts prompts;
    ScopedPrompts scope(prompts);
    const SmartTemplateResult built = BuildSmartSpliceTemplate(reference, sequence, {});
    ASSERT_TRUE(built.built);

    const Report report = SmartSpliceTemplateReport(reference, built, "F000");
    EXPECT_EQ(report.title, "Smart Splice Template Report");
    EXPECT_EQ(report.lines[0], "|Reference Trace : F000");
    EXPECT_EQ(report.lines[1], "|Traces : 10");
    const auto headings = reportHeadings(ReportKind::SmartTemplate);
    const auto first = std::find(report.lines.begin(), report.lines.end(), headings[2]);
    ASSERT_NE(first, report.lines.end());
    const std::vector<ReportField> row = splitRow(*(first + 1), 10);
    EXPECT_EQ(row[0].text, "1");
    EXPECT_EQ(row[1].text, "0"); // splice-loss mode
    EXPECT_NEAR(std::atof(row[3].text.c_str()), 8.0, 0.05);
    EXPECT_EQ(row[5].text, "10");
    EXPECT_EQ(row[6].text, "100%");
    EXPECT_NEAR(std::atof(row[7].text.c_str()), 8.0, 0.05);
    EXPECT_EQ(row[9].text, "0.200");
    // The closing heading and the end event's row.
    EXPECT_EQ(*(report.lines.end() - 2), headings[3]);
    EXPECT_EQ(splitRow(report.lines.back(), 2)[0].text, "2");
}

} // namespace
} // namespace orvane::bidir
