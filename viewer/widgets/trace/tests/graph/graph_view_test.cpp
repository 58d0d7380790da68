// CTraceGraphView turns hints into graph calls and bar refreshes; messages go
// through the prompt service.
#include "core/platform/scripted_prompts.h"
#include "core/platform/text.h"
#include "core/shell/application_state.h"
#include "widgets/trace/graph/cursor_bar.h"
#include "widgets/trace/graph/trace_graph_view.h"
#include "widgets/trace/graph/trace_graph_widget.h"
#include "widgets/trace/graph/trace_info_bar.h"

#include <varnel/fibre_simulator.h>

#include <QFileInfo>
#include <QPixmap>

#include <gtest/gtest.h>

namespace orvane::graph {
namespace {

class GraphView : public ::testing::Test {
protected:
    CT6* Trace(bool withEvents) {
        auto fibre = varnel::sim::plainFibre(10.0, 0.35);
        fibre.eventTable = withEvents;
        records.push_back(std::make_unique<CT6>());
        varnel::sim::simulateFibre(fibre, *records.back());
        return records.back().get();
    }
    void Display(CT6* record) {
        GraphHintInput input;
        input.traces = {{record, record}};
        view.React(HINT_TRACES_DISPLAYED, input);
    }

    ScriptedPrompts prompts;
    ScopedPrompts installed{prompts};
    std::vector<std::unique_ptr<CT6>> records;
    CTraceGraphView view;
};

TEST_F(GraphView, DisplayedTracesFillTheInformationBar) {
    EXPECT_EQ(view.InfoBar()->FieldText(0), "TBD");
    Display(Trace(true));
    EXPECT_EQ(view.Graph().CurveCount(), 1);
    EXPECT_NE(view.InfoBar()->FieldText(5), "TBD"); // the index of refraction
}

TEST(GraphViewStack, ANewGraphStartsAsTheStoredStackChoice) {
    application().preferences.stacked = 1;
    CTraceGraphView stacked;
    application().preferences.stacked = 0;
    CTraceGraphView plain;
    EXPECT_TRUE(stacked.Graph().IsStacked());
    EXPECT_FALSE(plain.Graph().IsStacked());
}

TEST_F(GraphView, AFlippedTraceWithoutEventsIsReportedOnce) {
    Display(Trace(true));
    view.Graph().SetFlipTraces(true);
    Display(Trace(false));
    ASSERT_EQ(prompts.texts().size(), 1u);
    EXPECT_EQ(prompts.texts()[0], kUnableToFlip);
}

TEST_F(GraphView, CursorMovesSendTheStatusBarReadout) {
    Display(Trace(true));
    QString readout;
    QObject::connect(&view, &CTraceGraphView::cursorReadoutChanged,
                     [&](const QString& text) { readout = text; });
    view.Graph().SetCursorA(2);
    EXPECT_TRUE(readout.startsWith(QStringLiteral("A: 2"))) << readout.toStdString();
}

TEST_F(GraphView, EventHintsOfTheGraphGoOnToTheList) {
    std::vector<HintCode> forwarded;
    QObject::connect(&view, &CTraceGraphView::forwardToList,
                     [&](HintCode code) { forwarded.push_back(code); });
    view.React(HINT_EVENT_DELETED, {});
    EXPECT_EQ(forwarded, std::vector<HintCode>{HINT_TRACES_EVENT_DELETED});
}

TEST_F(GraphView, ThreeSampleFibresCompareInTheCursorBar) {
    for (const char* name : {"NORSOU13.001", "NORSOU13.007", "NORSOU13.011"}) {
        std::string path = std::string(ORVANE_SAMPLE_TRACES) + "/" + name;
        if (!QFileInfo::exists(QString::fromStdString(path))) GTEST_SKIP() << "no " << path;
        records.push_back(std::make_unique<CT6>());
        ASSERT_EQ(records.back()->DecompFile(toUtf16(path).c_str(), 0), 0);
        Display(records.back().get());
    }
    view.resize(1000, 700);
    view.Graph().ZoomFull();
    view.Graph().SetCursorA(12.0);
    view.Graph().SetCursorB(13.6);
    view.Graph().SetLossMode(T6_LOSS_2POINT);
    view.GraphWindow()->update();
    QPixmap shot = view.grab();
    shot.save(QStringLiteral("graph_view_three_fibres.png"));
    // Fibre 007 loses 0.92 dB more at the 12.83 km closure than fibre 001.
    const MeasurementReadout& r = view.Graph().Readout();
    EXPECT_EQ(r.compareLabel, "Diff");
    ASSERT_TRUE(r.primaryValue && r.secondValue);
    EXPECT_NEAR(*r.secondValue - *r.primaryValue, 0.92, 0.1);
}

} // namespace
} // namespace orvane::graph
