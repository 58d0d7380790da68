// Edits an event through the real dialog from the trace window's event
// table, offscreen.
#include "core/platform/scripted_prompts.h"
#include "core/trace/properties/trace_analysis_page.h"
#include "core/trace/trace_doc.h"
#include "widgets/trace/events/event_dialog_window.h"
#include "widgets/trace/properties/trace_properties_view.h"

#include <varnel/fibre_simulator.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvane {
namespace {

class HintRecorder : public View {
public:
    void onUpdate(View*, const Hint& hint) override { hints.push_back(hint.code); }
    std::vector<HintCode> hints;
};

// Answers the next modal dialog: an event dialog gets new texts and OK.
void editNextDialog(const QString& loss, const QString& comment) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<CEventDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->lossField()->setText(loss);
        dialog->commentField()->setText(comment);
        dialog->accept();
    });
}

TEST(EventEditWidget, EditThroughTheDialogChangesRecordHintAndRow) {
    T6SetCurDistUnits(T6_UNIT_KM);
    QTemporaryDir dir;
    const std::string path = dir.filePath("fibre.trc").toStdString();
    {
        varnel::sim::FibreDescription fibre = varnel::sim::plainFibre(5.0, 0.33, 8192, 1.0, 100);
        fibre.events = {{1.5, 0.3, 0.0}, {3.0, 0.5, -45.0}};
        CT6 record;
        varnel::sim::simulateFibre(fibre, record);
        const std::u16string wide(path.begin(), path.end());
        ASSERT_EQ(record.FileSaveAs(wide.c_str(), u"T6", 0, 1), 0);
    }
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    CTraceDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    doc.setPath(path);
    COrvane view;
    view.attach(&doc);
    view.refill();
    HintRecorder recorder;
    recorder.attach(&doc);
    ASSERT_EQ(view.eventTable()->count(), 3);
    // The column headers stand on the tab stops of the page's font, each
    // clear of the next.
    const auto& header = view.headerLabels();
    const std::array<int, 4> stops =
        headerTabStops(dialogBaseUnit(header[0]->parentWidget()->fontMetrics().horizontalAdvance(
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")));
    for (size_t i = 0; i < stops.size(); ++i)
        EXPECT_EQ(header[i]->x(), stops[i]) << i;
    for (size_t i = 1; i < stops.size(); ++i) {
        const QLabel* before = header[i - 1];
        EXPECT_LE(before->x() + before->fontMetrics().horizontalAdvance(before->text()), stops[i]);
    }
    EXPECT_EQ(view.headerLabels()[0]->text(), "Location(km)");

    editNextDialog("0.42", "re-spliced");
    view.editRow(0);

    EXPECT_TRUE(prompts.empty());
    EXPECT_NEAR(doc.record().EVGetLoss(1), 0.42, 1e-6);
    EXPECT_EQ(doc.EVGetComment(1), "re-spliced");
    EXPECT_TRUE(doc.record().EVGetFlags(1) & T6_EVFLAG_EDITED);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(recorder.hints, std::vector<HintCode>{HINT_TRACES_EVENTS_EDITED});
    EXPECT_TRUE(view.eventTable()->item(0)->text().contains("0.42"));
    view.eventTable()->setCurrentRow(0);
    EXPECT_EQ(view.commentText()->text(), "re-spliced");

    // A refused OK keeps the dialog open; Cancel then leaves the record.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CEventDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->commentField()->setText(QString(62, 'x'));
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    view.editRow(0);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"Comment field limited to 61 characters."});
    EXPECT_EQ(doc.EVGetComment(1), "re-spliced");
    view.attach(nullptr);
    recorder.attach(nullptr);
}

} // namespace
} // namespace orvane
