// The trace graph's state and rules: up to eight curves, cursors A and B with
// their lock, the LSA handles, interaction and display modes, the view window
// with its zoom history, scrolling and the grid. No widget: the view turns
// input into these calls, paints what they leave, and hears the hints.
#pragma once

#include "core/trace/graph/graph_codes.h"
#include "core/trace/graph/measurement.h"
#include "core/trace/graph/ticks.h"
#include "core/trace/graph/trace_curve.h"
#include "core/trace/graph/view_window.h"
#include "core/trace/graph/zoom_history.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace orvane::graph {

struct StoredView;
class PrimaryViewWriter;

enum class ScrollAction { LineBack, LineForward, PageBack, PageForward, Thumb, Top, Bottom };
enum class GraphKey { Left, Right, Up, Down, Escape, Other };
enum class PointerShape { Arrow, Cross, SizeHorizontal, SizeAll, PointingHand };

enum class AddTraceResult { Added, AddedFlipRefused, Refused };

// What a mouse or key event asks of the view besides a repaint.
struct InputEffect {
    bool handled = false;
    std::optional<int> warpPointerToColumn;
    std::optional<GraphEntry> editEventOf; // double-click on a mark: edit that event
    int editEventIndex = -1;
};

class TraceGraph {
public:
    using Notify = std::function<void(int hint)>;
    // Shifts a displayed trace's record (Shift mode); the document forwards it
    // and marks itself modified. Without one the record is shifted directly.
    using TraceShifter = std::function<void(GraphEntry entry, double dKM, double dDB)>;
    explicit TraceGraph(Notify notify = {});
    void SetNotify(Notify notify) { m_notify = std::move(notify); }
    void SetTraceShifter(TraceShifter shifter) { m_shiftTrace = std::move(shifter); }

    // --- Curves
    AddTraceResult AddTrace(GraphEntry entry, CT6* record);
    void RemoveTrace(GraphEntry entry);
    void SetPrimary(GraphEntry entry);
    // Recomputes every curve (after record, window or option changes).
    void RebuildCurves();
    void RebuildCurve(GraphEntry entry);
    int CurveCount() const { return m_curveCount; }
    const TraceCurve* CurveInSlot(int slot) const;
    const TraceCurve* CurveOf(GraphEntry entry) const;
    const TraceCurve* PrimaryCurve() const;
    const TraceCurve* SecondCurve() const;
    GraphEntry Primary() const { return m_primary; }
    GraphEntry Second() const { return m_second; }
    int SecondSlot() const { return m_secondSlot; }

    // --- Layout and grid
    void SetPlotSize(PlotSize plot);
    PlotSize Plot() const { return m_plot; }
    // km -> current distance unit, for the x ticks.
    void SetDistanceUnitFactor(double factor);
    // Recomputes curves and ticks; sends HINT_GRID.
    void Layout();
    const TickList& XTicks() const { return m_xTicks; }
    const TickList& YTicks() const { return m_yTicks; }
    const ViewWindow& Window() const { return m_window; }
    void SetWindow(const ViewWindow& window);
    PlotMapping Mapping() const { return PlotMapping(m_window, m_plot); }

    // --- Options
    void ToggleStack();
    bool IsStacked() const { return m_stacked; }
    void SetAlignTraces(bool on);
    void SetFlipTraces(bool on);
    bool AlignTraces() const { return m_align; }
    bool FlipTraces() const { return m_flip; }
    void SetEventMarks(EventMarks marks);
    EventMarks Marks() const { return m_marks; }
    int SelectedMarker() const { return m_selectedMarker; }
    GraphEntry SelectedMarkerEntry() const { return m_selectedMarkerEntry; }
    // Selects the mark of an event (none with a null entry); sends HINT_GRID.
    void SelectMarker(GraphEntry entry, int eventIndex);

    // --- Cursors
    void SetCursorA(double km);
    void SetCursorB(double km);
    double CursorA() const { return m_cursorA; }
    double CursorB() const { return m_cursorB; }
    bool CursorsSet() const { return m_cursorA != -1 && m_cursorB != -1; }
    void ToggleLock();
    bool IsLocked() const { return m_locked; }
    void GoToA();
    void GoToB();
    void SetCursorAAtColumn(int column);
    void SetCursorBAtColumn(int column);

    // --- Loss mode, readout, LSA
    void SetLossMode(int32_t recordLossMode);
    int32_t LossMode() const { return m_lossMode; }
    const MeasurementReadout& Readout() const { return m_readout; }
    void RecomputeMeasurement();
    LsaOffsets Lsa(int32_t lossMode) const;
    void SetLsa(int32_t lossMode, const LsaOffsets& offsets);
    bool LsaShown() const;
    // Handle points in pixels: left start, left end, right start, right end.
    std::array<PixelPoint, 4> LsaHandlePixels() const;
    // The ORL button: runs the calculation; the message to show, if any.
    std::optional<std::string> RunORL(bool relToOrigin);

    // --- Modes
    void ToggleInteractionMode(InteractionMode mode);
    void ChooseLsaCommand(InteractionMode mode);
    void EndInteractionMode();
    InteractionMode Interaction() const { return m_interaction; }
    PointTarget PendingClick() const { return m_pendingClick; }
    PointerShape Pointer() const { return m_pointer; }
    void SetDisplayMode(DisplayMode mode); // choosing the current mode returns to Free
    DisplayMode Display() const { return m_displayMode; }
    const ViewWindow& ModeWindow(DisplayMode mode) const;

    // --- Zoom
    void ZoomMaximum();
    void ZoomFull();
    void ZoomPrevious();
    int ZoomHistorySize() const { return m_history.Size(); }

    // --- Scrolling and zoom bars (thumb positions 0 .. 30000, level bar 10 .. 6000)
    void ScrollHorizontal(ScrollAction action, int thumb = 0);
    void ScrollVertical(ScrollAction action, int thumb = 0);
    void ZoomDistanceBar(ScrollAction action, int thumb = 0);
    void ZoomLevelBar(ScrollAction action, int thumb = 0);
    void ScrollByPixels(int dx, int dy);
    // Wheel zoom: factor below 1 zooms in; distance or levels.
    void ZoomAroundPixel(int column, int row, double factor, bool levels);
    int HorizontalThumb() const;
    int VerticalThumb() const;
    int DistanceBarThumb() const;
    int LevelBarThumb() const;

    // --- Keyboard and mouse (pixels relative to the plot)
    InputEffect KeyPress(GraphKey key, bool ctrl);
    InputEffect MousePress(int column, int row);
    InputEffect MouseMove(int column, int row);
    InputEffect MouseRelease(int column, int row);
    InputEffect DoubleClick(int column, int row);
    PointTarget HitTest(int column, int row) const;
    BoxState Box() const { return m_boxState; }
    std::optional<PixelRect> RubberBand() const;
    PointTarget DragTarget() const { return m_dragTarget; }

    // Columns where the cursors are drawn: A anywhere on the plot, B only
    // strictly inside it; none until both are set and a curve is shown.
    std::optional<int> CursorAColumnToDraw() const;
    std::optional<int> CursorBColumnToDraw() const;

    // --- Texts of the margins
    // The status line's parts, each a text of its own (for translation),
    // and the line they make, joined by " * ".
    std::vector<const char*> StatusParts() const;
    std::string StatusLine() const;
    std::string CursorsLeftMark() const;
    std::string CursorsRightMark() const;

    // --- Stored views and distance rescaling
    void LoadView(const StoredView& view);
    void SaveView(PrimaryViewWriter& writer) const;
    void ScaleDistances(double ratio);

private:
    void Send(int hint) const;
    int FreeSlot() const;
    int SlotOf(GraphEntry entry) const;
    void ChooseSecond();
    CurveLayout LayoutFor(int slot) const;
    double AlignOffsetFor(const TraceCurve& curve) const;
    void AfterCursorChange(bool aChanged, bool bChanged);
    void CentreOn(double km);
    std::optional<double> PrimaryValueAt(double km) const;
    void UpdateTicks();
    void ApplyStackRule();
    void PlaceModeCursorAtCentre();
    void ZoomToBox(const PixelRect& box);
    void ZoomInAround(int column, int row);
    bool ZoomToEventAt(int column, int row);
    void MovePendingTargetTo(PointTarget target, int column);
    void MoveTargetBy(PointTarget target, double dKM);
    void ShiftPrimary(double dKM, double dDB);
    void UpdateHoverPointer(int column, int row);
    void SetPointerForMode();
    double ClampX0(double x0) const;
    void MoveX0To(double x0);
    void MoveY0To(double y0);
    void KeepCentreAfterSpanChange(double oldWidth, double oldHeight);
    int LsaSetIndex() const;

    Notify m_notify;
    ViewWindow m_window;
    PlotSize m_plot;
    double m_unitFactor = 1.0;
    GraphEntry m_primary = nullptr;
    GraphEntry m_second = nullptr;
    int m_secondSlot = -1;
    std::array<std::unique_ptr<TraceCurve>, kMaxTraces> m_curves;
    int m_curveCount = 0;
    bool m_stacked = false;
    bool m_unstackedForOptions = false;
    bool m_align = false;
    bool m_flip = false;
    PointTarget m_pendingClick = PointTarget::None;
    BoxState m_boxState = BoxState::Idle;
    int m_anchorColumn = 0, m_anchorRow = 0, m_cornerColumn = 0, m_cornerRow = 0;
    InteractionMode m_interaction = InteractionMode::None;
    DisplayMode m_displayMode = DisplayMode::Free;
    std::array<ViewWindow, kDisplayModeSlots> m_modeWindows;
    ZoomHistory m_history;
    double m_cursorA = -1;
    double m_cursorB = -1;
    bool m_locked = false;
    PointTarget m_dragTarget = PointTarget::None;
    int m_dragColumn = 0;
    TraceShifter m_shiftTrace;
    int32_t m_lossMode = 0;
    std::array<LsaOffsets, 3> m_lsa; // loss modes 0, 2 and 4
    MeasurementReadout m_readout;
    int m_selectedMarker = -1;
    GraphEntry m_selectedMarkerEntry = nullptr;
    EventMarks m_marks = EventMarks::All;
    TickList m_xTicks;
    TickList m_yTicks;
    PointerShape m_pointer = PointerShape::Arrow;
};

} // namespace orvane::graph
