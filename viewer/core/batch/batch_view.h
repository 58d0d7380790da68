// What a batch reads from the trace list's graph: the primary trace's
// current view to copy into each trace, the cursors an ORL is measured
// between, and whether traces are shown flipped.
#pragma once

#include "core/trace/trace_doc.h"

namespace orvane::graph {
class TraceGraph;
}

namespace orvane::batch {

class BatchView {
public:
    virtual ~BatchView() = default;
    // Writes the view window and cursors into the trace (marking it modified).
    virtual void CopyCurrentView(CTraceDoc& trace) const = 0;
    virtual double CursorAKM() const = 0;
    virtual double CursorBKM() const = 0;
    virtual bool FlipTraces() const = 0;
};

// A run without a graph (the command-line tool): two fixed cursors, traces
// not flipped; the view copied is just those cursors.
class FixedBatchView : public BatchView {
public:
    FixedBatchView(double aKM, double bKM) : m_a(aKM), m_b(bKM) {}
    void CopyCurrentView(CTraceDoc& trace) const override {
        trace.SetACursorKM(m_a);
        trace.SetBCursorKM(m_b);
    }
    double CursorAKM() const override { return m_a; }
    double CursorBKM() const override { return m_b; }
    bool FlipTraces() const override { return false; }

private:
    double m_a;
    double m_b;
};

// The graph of the trace list window.
class GraphBatchView : public BatchView {
public:
    explicit GraphBatchView(const graph::TraceGraph& graph) : m_graph(graph) {}
    void CopyCurrentView(CTraceDoc& trace) const override;
    double CursorAKM() const override;
    double CursorBKM() const override;
    bool FlipTraces() const override;

private:
    const graph::TraceGraph& m_graph;
};

} // namespace orvane::batch
