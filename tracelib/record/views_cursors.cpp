// Display state that travels with the trace: shifts, view windows, cursors
// A and B, and the extent of the trace.
#include "record/record_text.h"

#include <varnel/varnel.h>

namespace {

constexpr int32_t kMaxViewMode = 3;
constexpr double kDefaultExtent = 10.0;

} // namespace

double CT6::GetHorzShiftKM() const {
    return m_horzShiftKM;
}
double CT6::GetHorzShift() const {
    return T6CurDistFromKM(m_horzShiftKM);
}
char16_t* CT6::GetHorzShift(char16_t* out, int32_t units) const {
    return T6CurDistFromKM(m_horzShiftKM, out, units);
}

// The shift is held at data-point resolution; its km value is the rounded one.
void CT6::SetHorzShiftKM(double km) {
    m_horzShiftDP = spanDPFRFromKM(km, m_horzShiftFR);
    m_horzShiftKM = spanKMFromDPFR(m_horzShiftDP, m_horzShiftFR);
    SetModFlag(T6_MOD_SHIFT);
}

void CT6::SetHorzShift(double v) {
    SetHorzShiftKM(T6KMFromCurDist(v));
}

double CT6::GetVertShift() const {
    return T6DBFromScaled(m_vertShift);
}
char16_t* CT6::GetVertShift(char16_t* out, int32_t units) const {
    return T6GetDB2Dec(GetVertShift(), out, units);
}
void CT6::SetVertShift(double db) {
    m_vertShift = T6ScaledFromDB(db);
    SetModFlag(T6_MOD_SHIFT);
}

int32_t CT6::GetViewMode() const {
    return m_viewMode >= 0 && m_viewMode <= kMaxViewMode ? m_viewMode : 0;
}

void CT6::SetViewMode(int32_t mode) {
    m_viewMode = mode;
    SetModFlag(T6_MOD_VIEW_MODE);
}

// A window exists when its index is below the view count and the array holds it.
CT6::ViewWindow* CT6::viewAt(int32_t index) {
    return index < m_viewCount ? varnel::entryAt(m_views, index) : nullptr;
}
const CT6::ViewWindow* CT6::viewAt(int32_t index) const {
    return index < m_viewCount ? varnel::entryAt(m_views, index) : nullptr;
}

void CT6::SetView(int32_t index, double startKM, double extentKM, double startDB, double extentDB) {
    ViewWindow* view = viewAt(index);
    if (!view) return;
    view->startDP = DPFRFromKM(startKM, view->startFR);
    view->endDP = DPFRFromKM(startKM + extentKM, view->endFR);
    view->startLevel = T6ScaledFromDB(startDB);
    view->endLevel = T6ScaledFromDB(startDB + extentDB);
    SetModFlag(T6_MOD_VIEW);
}

void CT6::GetView(int32_t index, double& startKM, double& extentKM, double& startDB,
                  double& extentDB) const {
    startKM = GetViewStartKM(index);
    extentKM = GetViewExtentKM(index);
    startDB = GetViewStartDB(index);
    extentDB = GetViewExtentDB(index);
}

// The full view always starts at 0 km, whatever was stored for it.
double CT6::GetViewStartKM(int32_t index) const {
    const ViewWindow* view = viewAt(index);
    if (!view || index == 0) return 0.0;
    return KMFromDPFR(view->startDP, view->startFR);
}

double CT6::GetViewExtentKM(int32_t index) const {
    const ViewWindow* view = viewAt(index);
    if (!view) return kDefaultExtent;
    double extent = KMFromDPFR(view->endDP, view->endFR) - GetViewStartKM(index);
    return extent > 0 ? extent : kDefaultExtent;
}

double CT6::GetViewStartDB(int32_t index) const {
    const ViewWindow* view = viewAt(index);
    return view ? T6DBFromScaled(view->startLevel) : 0.0;
}

double CT6::GetViewExtentDB(int32_t index) const {
    const ViewWindow* view = viewAt(index);
    if (!view) return kDefaultExtent;
    double extent = T6DBFromScaled(view->endLevel) - T6DBFromScaled(view->startLevel);
    return extent > 0 ? extent : kDefaultExtent;
}

double CT6::GetACursorKM() const {
    return KMFromDPFR(m_cursorADP, m_cursorAFR);
}
double CT6::GetBCursorKM() const {
    return KMFromDPFR(m_cursorBDP, m_cursorBFR);
}
char16_t* CT6::GetACursor(char16_t* out, int32_t units) const {
    return T6CurDistFromKM(GetACursorKM(), out, units);
}
char16_t* CT6::GetBCursor(char16_t* out, int32_t units) const {
    return T6CurDistFromKM(GetBCursorKM(), out, units);
}
void CT6::SetACursorKM(double km) {
    m_cursorADP = DPFRFromKM(km, m_cursorAFR);
    SetModFlag(T6_MOD_CURSORS);
}
void CT6::SetBCursorKM(double km) {
    m_cursorBDP = DPFRFromKM(km, m_cursorBFR);
    SetModFlag(T6_MOD_CURSORS);
}

// The linear samples of a fresh acquisition, when present, set the extent.
double CT6::GetMaxKM() const {
    int32_t n = m_dplCount > 0 ? m_dplCount : m_dpoCount;
    return KMFromDPFR(n - 1, 0);
}
