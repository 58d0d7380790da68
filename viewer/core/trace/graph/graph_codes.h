// Codes and limits of the trace graph: its notifications, interaction and
// display modes, click and drag targets, and the bounds every view window
// and cursor is held within.
#pragma once

#include "core/platform/update_hints.h"

#include <varnel/codes.h>

#include <cstdint>

namespace orvane::graph {

// What the arrow keys and the left button do.
enum class InteractionMode : int32_t {
    None = 0,
    ZoomWindow = 1,
    ZoomEvent = 2,
    ShiftTrace = 3,
    SetA = 5,
    SetB = 6,
    LsaLeftStart = 7,
    LsaLeftEnd = 8,
    LsaRightStart = 9,
    LsaRightEnd = 10,
    LsaLeft = 11,
    LsaRight = 12,
};

// Pending click actions and drag targets share one code list.
enum class PointTarget : int32_t {
    None = 0,
    CursorA = 1,
    CursorB = 2,
    LsaLeftPair = 3,
    LsaRightPair = 4,
    LsaLeftStart = 5,
    LsaLeftEnd = 6,
    LsaRightStart = 7,
    LsaRightEnd = 8,
};

// Display modes keep the view on the origin or on a cursor; slot 3 is unused
// so that each mode indexes its own remembered window.
enum class DisplayMode : int32_t {
    FromOrigin = 0,
    FromA = 1,
    FromB = 2,
    Free = 4,
};
inline constexpr int kDisplayModeSlots = 5;

enum class EventMarks : int32_t { None = 0, Primary = 1, All = 2 };

enum class BoxState : int32_t { Idle = 0, Pressed = 1, Dragging = 2 };

// Bounds of windows, cursors and scrolling.
inline constexpr double kMaxKM = 400.0;
inline constexpr double kMaxDB = 60.0;
inline constexpr double kMinWidthKM = 0.01;
inline constexpr double kMinHeightDB = 0.1;
inline constexpr int kMaxTraces = 8;
inline constexpr int kMaxColumns = 2048;
inline constexpr int kZoomHistoryDepth = 5;
inline constexpr int kScrollRange = 30000;
inline constexpr int kLevelBarMin = 10;
inline constexpr int kLevelBarMax = 6000;

// Pixels: a box becomes a drag this far from its anchor in both directions;
// hit distances around cursors and LSA handles; keyboard steps.
inline constexpr int kBoxDragPixels = 4;
inline constexpr int kCursorHitPixels = 3;
inline constexpr int kLsaHitPixels = 2;
inline constexpr int kKeyStepPixels = 10;
inline constexpr int kFineKeyStepPixels = 1;
inline constexpr int kFineLsaKeyStepPixels = 2;
inline constexpr int kStackDivisor = 16;

} // namespace orvane::graph
