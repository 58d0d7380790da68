#include "core/trace/events/event_paste.h"
#include "core/trace/events/event_texts.h"
#include "core/trace/graph/graph_text.h"
#include "core/trace/tests/events/event_fixture.h"

namespace orvane::test {
namespace {

std::string exact(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

TEST_F(EventEditTest, EditFillsTheFieldsAndTitleFromTheEvent) {
    EventDialog dialog = EventDialog::ForEdit(doc, 2);
    EXPECT_EQ(dialog.Title(), "Edit Event 2     fibre.trc");
    EXPECT_EQ(dialog.values.type, T6_EVENT_REFLECTIVE);
    EXPECT_NEAR(*readNumber(dialog.values.start), record().EVGetStart(2), 1e-3);
    EXPECT_EQ(dialog.values.refl, twoDecimals(record().EVGetRefl(2)));
    EXPECT_EQ(dialog.TypeChoices(),
              (std::vector<int32_t>{T6_EVENT_NON_REFLECTIVE, T6_EVENT_REFLECTIVE, T6_EVENT_GROUP}));
    EXPECT_EQ(EventDialog::ForEdit(doc, 3).TypeChoices(),
              (std::vector<int32_t>{T6_EVENT_END, T6_EVENT_QUESTIONABLE_END}));
    EXPECT_EQ(dialog.OriginText(), "Splice Loss");
}

TEST_F(EventEditTest, UnchangedOkLeavesTheRecordAlone) {
    EventDialog dialog = EventDialog::ForEdit(doc, 1);
    EXPECT_TRUE(dialog.Ok());
    EXPECT_FALSE(dialog.RecordChanged());
    EXPECT_FALSE(doc.isModified());
}

TEST_F(EventEditTest, StartOnlyChangeMovesTheEndByThePulseLength) {
    EventDialog dialog = EventDialog::ForEdit(doc, 1);
    dialog.values.start = km(1.7);
    ASSERT_TRUE(dialog.Ok());
    EXPECT_NEAR(record().EVGetStartKM(1), 1.7, 1e-3);
    EXPECT_NEAR(record().EVGetEndKM(1), 1.7 + record().PWGetKM(0), 1e-3);
    EXPECT_TRUE(record().EVGetFlags(1) & T6_EVFLAG_EDITED);
    EXPECT_TRUE(doc.isModified());

    // Not for a group, nor outside splice loss.
    ASSERT_TRUE(editEvent(1, [](EventValues& v) {
        v.type = T6_EVENT_GROUP;
        v.end = km(2.2);
    }));
    ASSERT_TRUE(editEvent(1, [](EventValues& v) { v.start = km(1.6); }));
    EXPECT_NEAR(record().EVGetEndKM(1), 2.2, 1e-3);
}

TEST_F(EventEditTest, DistancesAreCheckedInOrderAndTheLastFailureIsTold) {
    EXPECT_FALSE(editEvent(1, [](EventValues& v) { v.start = km(-0.5); }));
    EXPECT_FALSE(editEvent(1, [](EventValues& v) { v.start = km(5.5); }));
    EXPECT_FALSE(editEvent(1, [](EventValues& v) { v.end = km(1.4); }));
    EXPECT_EQ(scripted.texts(),
              (std::vector<std::string>{kDistanceAtLaunch, kDistancePastEnd, kEndBeforeStart}));
    // The end event's limit is the last data point.
    EXPECT_TRUE(editEvent(3, [](EventValues& v) { v.start = km(5.2); }));
    EXPECT_FALSE(doc.record().EVCount() != 4);
}

TEST_F(EventEditTest, OverlapSkipsTheLaunchAndTouchingIsNoOverlap) {
    const double connector = record().EVGetStartKM(2);
    EXPECT_FALSE(editEvent(1, [&](EventValues& v) {
        v.start = km(connector - 0.1);
        v.end = km(connector + 0.001);
    }));
    EXPECT_EQ(scripted.texts().back(), kEventsOverlap);
    EXPECT_TRUE(editEvent(1, [&](EventValues& v) {
        v.start = km(connector - 0.1);
        v.end = exact(record().EVGetStart(2));
    }));
    doc.record().EVSetEndKM(0, 0.5);
    EXPECT_TRUE(editEvent(1, [&](EventValues& v) {
        v.start = km(0.2);
        v.end = km(0.3);
    }));
    EXPECT_EQ(scripted.texts().size(), 1u);
}

TEST_F(EventEditTest, ReflectanceLossAndCommentLimits) {
    EXPECT_FALSE(editEvent(2, [](EventValues& v) { v.refl = "0.5"; }));
    EXPECT_FALSE(editEvent(2, [](EventValues& v) { v.loss = "31"; }));
    EXPECT_FALSE(editEvent(2, [](EventValues& v) { v.loss = "a lot"; }));
    EXPECT_FALSE(editEvent(2, [](EventValues& v) { v.comment = std::string(62, 'c'); }));
    const std::string range = graph::FormatText("%.2f to %.2f dB", -record().GetDynamicRange(),
                                                record().GetDynamicRange());
    EXPECT_EQ(scripted.texts(),
              (std::vector<std::string>{"Reflectance must be between -100 and 0 dB.",
                                        "Loss must lie within the trace's dynamic range:\n" + range,
                                        "Loss must be a number.",
                                        "Comment field limited to 61 characters."}));
    EXPECT_TRUE(editEvent(2, [](EventValues& v) {
        v.comment = std::string(61, 'c');
        v.refl = "-100";
        v.loss = "-30";
    }));
}

TEST_F(EventEditTest, ApplySetsTheFlagsAndKeepsTheEventThroughTheSort) {
    doc.record().EVSetFlags(1, T6_EVFLAG_LOSS_UNKNOWN | T6_EVFLAG_REFL_SATURATED);
    EventDialog dialog = EventDialog::ForEdit(doc, 1);
    ASSERT_TRUE(editEvent(
        1,
        [](EventValues& v) {
            v.start = km(4.0);
            v.loss = "0.45";
            v.saturated = false;
            v.clamped = true;
            v.comment = "moved past the connector";
        },
        &dialog));
    EXPECT_EQ(dialog.Index(), 2);
    EXPECT_EQ(doc.EVGetComment(2), "moved past the connector");
    EXPECT_NEAR(record().EVGetLoss(2), 0.45, 1e-6);
    const uint32_t flags = record().EVGetFlags(2);
    EXPECT_TRUE(flags & T6_EVFLAG_EDITED);
    EXPECT_TRUE(flags & T6_EVFLAG_REFL_CLAMPED);
    EXPECT_FALSE(flags & (T6_EVFLAG_LOSS_UNKNOWN | T6_EVFLAG_REFL_SATURATED));
    EXPECT_NEAR(record().EVGetStartKM(1), 3.0, 0.01); // the connector moved up
}

TEST_F(EventEditTest, ReflectiveMadeNonReflectiveLosesItsReflectance) {
    ASSERT_TRUE(editEvent(2, [](EventValues& v) { v.type = T6_EVENT_NON_REFLECTIVE; }));
    EXPECT_EQ(record().EVGetRefl(2), 0);
    EXPECT_EQ(record().EVGetType(2), T6_EVENT_NON_REFLECTIVE);
}

TEST(PastedReflectance, OnlyWithinMinus70ToMinus10RoundedToTwoDecimals) {
    EXPECT_FALSE(PastedReflectance(-9.99));
    EXPECT_FALSE(PastedReflectance(-70.01));
    EXPECT_FALSE(PastedReflectance(0));
    EXPECT_DOUBLE_EQ(*PastedReflectance(-45.678), -45.68);
    EXPECT_DOUBLE_EQ(*PastedReflectance(-10), -10);
}

} // namespace
} // namespace orvane::test
