// CTraceGraphView turns hints into graph calls and bar refreshes; messages go
// through the prompt service.
#include "core/platform/scripted_prompts.h"
#include "widgets/trace/graph/cursor_bar.h"
#include "widgets/trace/graph/trace_graph_view.h"
#include "widgets/trace/graph/trace_info_bar.h"

#include "support/fibre_simulator.h"

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

} // namespace
} // namespace orvane::graph
