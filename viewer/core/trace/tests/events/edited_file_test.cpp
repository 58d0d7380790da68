// An edited event survives a save and a re-open in both trace formats.
#include "core/trace/tests/events/event_fixture.h"

namespace orvane::test {
namespace {

struct SavedEvent {
    int32_t type, lossMode;
    double startKM, endKM, loss, refl;
    uint32_t flags;
    std::string comment;
    bool operator==(const SavedEvent&) const = default;
};

SavedEvent savedEvent(const CTraceDoc& doc, int32_t i) {
    const CT6& r = doc.record();
    return {r.EVGetType(i), r.EVGetLossMode(i), r.EVGetStartKM(i), r.EVGetEndKM(i),
            r.EVGetLoss(i), r.EVGetRefl(i),     r.EVGetFlags(i),   doc.EVGetComment(i)};
}

class EditedFile : public EventEditTest, public ::testing::WithParamInterface<const char16_t*> {};

TEST_P(EditedFile, KeepsEveryEditedField) {
    const std::string path = writeTrace("edited.trc", GetParam());
    CTraceDoc edited;
    ASSERT_TRUE(openInto(edited, path));
    EventDialog dialog = EventDialog::ForEdit(edited, 2);
    dialog.values.type = T6_EVENT_GROUP;
    dialog.values.start = km(2.9);
    dialog.values.end = km(3.2);
    dialog.values.loss = "0.61";
    dialog.values.refl = "-47.25";
    dialog.values.saturated = true;
    dialog.values.fewPoints = true;
    dialog.values.lossMode = T6_LOSS_2POINT_ATN_COR;
    dialog.values.comment = "group at the closure";
    ASSERT_TRUE(dialog.Ok());
    const SavedEvent before = savedEvent(edited, dialog.Index());
    ASSERT_TRUE(edited.Save());

    CTraceDoc reopened;
    ASSERT_TRUE(openInto(reopened, path));
    ASSERT_EQ(reopened.record().EVCount(), edited.record().EVCount());
    const SavedEvent after = savedEvent(reopened, dialog.Index());
    EXPECT_EQ(after.type, T6_EVENT_GROUP);
    EXPECT_EQ(after.comment, "group at the closure");
    EXPECT_EQ(after.lossMode, T6_LOSS_2POINT_ATN_COR);
    EXPECT_NEAR(after.startKM, before.startKM, 1e-6);
    EXPECT_NEAR(after.endKM, before.endKM, 1e-6);
    EXPECT_NEAR(after.loss, 0.61, 1e-6);
    EXPECT_NEAR(after.refl, -47.25, 1e-6);
    EXPECT_EQ(after.flags, before.flags);
    EXPECT_TRUE(after.flags & T6_EVFLAG_EDITED);
}

INSTANTIATE_TEST_SUITE_P(Formats, EditedFile, ::testing::Values(u"T6", u"SR4731"));

} // namespace
} // namespace orvane::test
