// The graph's ties to the trace document: Save View and Shift write through
// the document's forwarding setters, so that it is marked modified.
#pragma once

#include "core/trace/graph/stored_view.h"
#include "core/trace/trace_doc.h"

namespace orvane::graph {

class TraceDocViewWriter : public PrimaryViewWriter {
public:
    explicit TraceDocViewWriter(CTraceDoc& doc) : m_doc(doc) {}
    void SetACursorKM(double km) override { m_doc.SetACursorKM(km); }
    void SetBCursorKM(double km) override { m_doc.SetBCursorKM(km); }
    void SetABLocked(bool locked) override { m_doc.SetABLocked(locked); }
    // The document maps the free display mode to the record's own number.
    void SetView(DisplayMode mode, const ViewWindow& w) override {
        m_doc.SetView(static_cast<int32_t>(mode), w.x0, w.width, w.y0, w.height);
    }
    void SetViewMode(DisplayMode mode) override { m_doc.SetViewMode(static_cast<int32_t>(mode)); }
    void SetLossMode(int32_t mode) override { m_doc.SetLossMode(mode); }

private:
    CTraceDoc& m_doc;
};

// Moves a trace by a distance and a level (the graph's Shift mode).
void ShiftTraceDoc(CTraceDoc& doc, double dKM, double dDB);

} // namespace orvane::graph
