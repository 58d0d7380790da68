#include "core/trace/graph/trace_doc_view.h"

namespace orvane::graph {

void ShiftTraceDoc(CTraceDoc& doc, double dKM, double dDB) {
    const CT6& record = doc.record();
    // The document's setter takes the shift in the current distance unit.
    if (dKM != 0) doc.SetHorzShift(T6CurDistFromKM(record.GetHorzShiftKM() + dKM));
    if (dDB != 0) doc.SetVertShift(record.GetVertShift() + dDB);
}

} // namespace orvane::graph
