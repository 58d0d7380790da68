// The report's text fields and the min/max summary.
#include "core/batch/batch_report.h"

#include <gtest/gtest.h>

namespace orvane::batch {
namespace {

TEST(BatchReport, TextFieldsAreQuotedAndOnlyLayoutOneHasAHeaderLine) {
    EXPECT_EQ(quoted("splice"), "\"splice\"");
    EXPECT_EQ(quoted("the \"old\" one;"), "\"the \"\"old\"\" one;\"");
    EXPECT_EQ(reportHeaderLine(kLayoutTessan).substr(0, 14), "\"Trace Name\";\"");
    EXPECT_EQ(reportHeaderLine(kLayoutOrvane), "");
}

TEST(BatchReport, SummaryKeepsTheFirstTraceOfEachExtreme) {
    MinMaxSummary summary;
    EXPECT_TRUE(summary.empty());
    summary.add("A", 5, 24.6);
    summary.add("B", 3, 9.3);
    summary.add("C", 5, 24.6);
    summary.add("D", 3, 30.0);
    EXPECT_EQ(summary.fewestEvents().trace, "B");
    EXPECT_EQ(summary.mostEvents().trace, "A");
    EXPECT_EQ(summary.shortestEnd().trace, "B");
    EXPECT_EQ(summary.longestEnd().trace, "D");
    EXPECT_EQ(summary.longestEnd().value, 30.0);
    EXPECT_EQ(summary.text().rfind("Min/max events and end distances :\n", 0), 0u);
}

} // namespace
} // namespace orvane::batch
