// A simulated trace opened in its document and shown in a graph, for the
// event editing tests. Events: launch, a splice at 1.5 km, a connector at
// 3 km (-45 dB), the end at 5 km.
#pragma once

#include "core/trace/events/event_dialog.h"
#include "core/trace/graph/trace_graph.h"
#include "core/trace/tests/trace_doc_fixture.h"

namespace orvane::test {

class EventEditTest : public TraceDocTest {
protected:
    void SetUp() override {
        T6SetCurDistUnits(T6_UNIT_KM);
        ASSERT_TRUE(openInto(doc, writeTrace("fibre.trc")));
        ASSERT_EQ(doc.record().EVCount(), 4);
        for (int32_t i = 0; i < doc.record().EVCount(); ++i)
            doc.record().EVSetLossMode(i, T6_LOSS_SPLICE);
        doc.setModified(false);
        graph.AddTrace(entry(), &doc.record());
        graph.SetPlotSize({500, 400});
        graph.SetWindow({0, 0, 6, 30});
    }
    graph::GraphEntry entry() const { return &doc; }
    const CT6& record() const { return doc.record(); }

    // Opens event i, lets change alter the values, presses OK.
    bool editEvent(int32_t i, const std::function<void(EventValues&)>& change,
                   EventDialog* out = nullptr) {
        EventDialog dialog = EventDialog::ForEdit(doc, i);
        change(dialog.values);
        const bool closed = dialog.Ok();
        if (out) *out = dialog;
        return closed;
    }

    CTraceDoc doc;
    graph::TraceGraph graph;
};

inline std::string km(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    return buffer;
}

} // namespace orvane::test
