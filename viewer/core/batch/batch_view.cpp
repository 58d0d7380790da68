#include "core/batch/batch_view.h"

#include "core/trace/graph/trace_doc_view.h"
#include "core/trace/graph/trace_graph.h"

namespace orvane::batch {

void GraphBatchView::CopyCurrentView(CTraceDoc& trace) const {
    graph::TraceDocViewWriter writer(trace);
    m_graph.SaveView(writer);
}

double GraphBatchView::CursorAKM() const {
    return m_graph.CursorA();
}

double GraphBatchView::CursorBKM() const {
    return m_graph.CursorB();
}

bool GraphBatchView::FlipTraces() const {
    return m_graph.FlipTraces();
}

} // namespace orvane::batch
