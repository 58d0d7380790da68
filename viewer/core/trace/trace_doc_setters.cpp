// The trace document's forwarding setters: each changes the record one to
// one and marks the document modified.
#include "core/trace/trace_doc.h"

namespace orvane {

namespace {

int32_t recordViewMode(int32_t mode) {
    return mode == kViewerViewModeCompare ? kRecordViewModeCompare : mode;
}

} // namespace

void CTraceDoc::SetViewMode(int32_t mode) {
    m_record.SetViewMode(recordViewMode(mode));
    changed();
}

int32_t CTraceDoc::GetViewMode() const {
    const int32_t mode = m_record.GetViewMode();
    return mode == kRecordViewModeCompare ? kViewerViewModeCompare : mode;
}

void CTraceDoc::SetView(int32_t mode, double startKM, double extentKM, double startDB,
                        double extentDB) {
    m_record.SetView(recordViewMode(mode), startKM, extentKM, startDB, extentDB);
    changed();
}

void CTraceDoc::GetView(int32_t mode, double& startKM, double& extentKM, double& startDB,
                        double& extentDB) const {
    m_record.GetView(recordViewMode(mode), startKM, extentKM, startDB, extentDB);
}

void CTraceDoc::SetACursorKM(double km) {
    m_record.SetACursorKM(km);
    changed();
}

void CTraceDoc::SetBCursorKM(double km) {
    m_record.SetBCursorKM(km);
    changed();
}

void CTraceDoc::SetABLocked(bool locked) {
    m_record.SetABLocked(locked ? 1 : 0);
    changed();
}

void CTraceDoc::SetLSACursorStartOffKM(int32_t mode, int32_t side, double km) {
    m_record.SetLSACursorStartOffKM(mode, side, km);
    changed();
}

void CTraceDoc::SetLSACursorEndOffKM(int32_t mode, int32_t side, double km) {
    m_record.SetLSACursorEndOffKM(mode, side, km);
    changed();
}

void CTraceDoc::SetHorzShift(double v) {
    m_record.SetHorzShift(v);
    changed();
}

void CTraceDoc::SetVertShift(double db) {
    m_record.SetVertShift(db);
    changed();
}

void CTraceDoc::SpanSetIOR(int32_t span, double ior) {
    m_record.SpanSetIOR(span, ior);
    changed();
}

void CTraceDoc::EVSetType(int32_t i, int32_t type) {
    m_record.EVSetType(i, type);
    changed();
}

void CTraceDoc::EVSetStart(int32_t i, double v) {
    m_record.EVSetStart(i, v);
    changed();
}

void CTraceDoc::EVSetEnd(int32_t i, double v) {
    m_record.EVSetEnd(i, v);
    changed();
}

void CTraceDoc::EVSetRefl(int32_t i, double db) {
    m_record.EVSetRefl(i, db);
    changed();
}

void CTraceDoc::EVSetLoss(int32_t i, double db) {
    m_record.EVSetLoss(i, db);
    changed();
}

void CTraceDoc::EVSetFlags(int32_t i, uint32_t flags) {
    m_record.EVSetFlags(i, flags);
    changed();
}

void CTraceDoc::EVClearFlags(int32_t i, uint32_t flags) {
    m_record.EVClearFlags(i, flags);
    changed();
}

void CTraceDoc::EVPutFlags(int32_t i, uint32_t flags) {
    m_record.EVPutFlags(i, flags);
    changed();
}

void CTraceDoc::SetLossMode(int32_t mode) {
    m_record.SetLossMode(mode);
    changed();
}

void CTraceDoc::EVSetLossMode(int32_t i, int32_t mode) {
    m_record.EVSetLossMode(i, mode);
    changed();
}

void CTraceDoc::EVSetComment(int32_t i, const std::u16string& text) {
    m_record.EVSetComment(i, text.c_str());
    changed();
}

void CTraceDoc::EVDelete(int32_t i) {
    m_record.EVDelete(i);
    changed();
}

} // namespace orvane
