#include "core/trace/graph/graph_text.h"
#include "core/trace/properties/trace_analysis_page.h"
#include "core/trace/properties/trace_parameters.h"
#include "core/trace/tests/events/event_fixture.h"

namespace orvane::test {
namespace {

class TracePropertiesTest : public EventEditTest {
protected:
    bool apply(const std::string& ior, const std::string& backscatter) {
        return applyParameters(doc, ior, backscatter, [this](HintCode h) { hints.push_back(h); });
    }
    std::vector<HintCode> hints;
};

TEST_F(TracePropertiesTest, IORAndBackscatterLimits) {
    EXPECT_FALSE(readIOR("1.4681234"));
    EXPECT_EQ(readIOR("1.468123"), 1.468123);
    EXPECT_FALSE(readBackscatter("-39.9"));
    EXPECT_EQ(readBackscatter("-40"), -40.0);
    EXPECT_EQ(readBackscatter("-90"), -90.0);
    EXPECT_FALSE(readIOR("1.71"));
    EXPECT_FALSE(readIOR("n/a"));
    ASSERT_EQ(scripted.texts().size(), 4u);
    EXPECT_EQ(scripted.texts()[0], kLimitDecimals);
    EXPECT_EQ(scripted.texts()[2], "Index of Refraction must be between 1.3 and 1.7.");
    EXPECT_EQ(scripted.texts()[3], "Index of Refraction must be a number.");
    const std::string backscatter = scripted.texts()[1];
    EXPECT_EQ(backscatter.substr(0, backscatter.find('\n')),
              "Backscatter Coefficient value not in the range  -40.0  to  -90.0.");
}

// The backscatter stays as it is: its warning is shown once per run.
TEST_F(TracePropertiesTest, ApplyChangesTheIORAndTellsTheList) {
    const double ior = record().SpanGetIOR(0);
    const std::string backscatter = backscatterText(doc);
    EXPECT_FALSE(apply("1.4681234", backscatter));
    EXPECT_EQ(record().SpanGetIOR(0), ior);
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(hints.empty());

    EXPECT_TRUE(apply("1.468123", backscatter));
    EXPECT_NEAR(record().SpanGetIOR(0), 1.468123, 1e-9);
    EXPECT_EQ(doc.SavedIOR(), ior);
    EXPECT_EQ(hints, (std::vector<HintCode>{HINT_IOR_CHANGED, HINT_TRACE_CHANGED}));
    EXPECT_TRUE(doc.isModified());
    hints.clear();
    EXPECT_TRUE(apply("1.468123", backscatter));
    EXPECT_EQ(hints, std::vector<HintCode>{HINT_TRACE_CHANGED});
}

TEST_F(TracePropertiesTest, EventRowsHaveFixedWidthsAndIcons) {
    const std::vector<EventRow> rows = eventRows(doc);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].firstLine.size(), 9u + 7 + 7 + 10 + 4);     // non-reflective
    EXPECT_EQ(rows[1].firstLine.size(), 9u + 7 + 7 + 10 + 4 + 8); // reflective
    EXPECT_EQ(rows[1].iconOffset, 0);
    EXPECT_EQ(rows[0].iconOffset, 30);
    doc.record().EVSetLoss(1, -0.1); // a gainer
    EXPECT_EQ(eventIconOffset(record(), 1), 75);
    doc.record().EVSetType(1, T6_EVENT_GROUP);
    const EventRow group = eventRows(doc)[0];
    EXPECT_EQ(group.firstLine.size(), 9u + 1 + 6 + 7 + 10 + 4 + 8);
    EXPECT_EQ(group.secondLine, graph::FormatText("%9s", doc.EVGetEnd(1, false).c_str()));
    EXPECT_EQ(locationHeader(), "Location(km)");
    EXPECT_EQ(eventPositionText(1, 3), "2 of 3");
}

// The base unit rounds the average letter width half up, as dialog layouts
// do: 7.5 pixels is 8, 7.4 is 7.
TEST(AnalysisHeader, TabStopsFollowTheDialogBaseUnit) {
    EXPECT_EQ(dialogBaseUnit(52 * 7), 7);
    EXPECT_EQ(dialogBaseUnit(390), 8);
    EXPECT_EQ(dialogBaseUnit(385), 7);
    EXPECT_EQ(headerTabStops(8), (std::array<int, 4>{16, 104, 224, 296}));
    EXPECT_EQ(headerTabStops(6), (std::array<int, 4>{12, 78, 168, 222}));
}

TEST_F(TracePropertiesTest, TraceWithoutEventsShowsNoEndAndNoRows) {
    doc.record().EVInitArray(0);
    EXPECT_EQ(analysisSummary(doc).endFault, "??.?? km");
    EXPECT_TRUE(eventRows(doc).empty());
}

} // namespace
} // namespace orvane::test
