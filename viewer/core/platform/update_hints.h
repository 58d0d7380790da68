// The numbers of the update hints that documents send to their views. All
// senders share one number space: the trace list, the trace document, the
// graph and the event editing.
#pragma once

#include <cstdint>

namespace orvane {

using HintCode = int32_t;

// Whole-view refresh: what the framework sends when a view is first shown.
inline constexpr HintCode HINT_NONE = -1;

// Trace list notifications (also passed to the views of every entry's trace).
inline constexpr HintCode HINT_LIST_RELOAD = 0;
inline constexpr HintCode HINT_TRACES_ADDED = 1;
inline constexpr HintCode HINT_TRACES_REMOVED = 2;
inline constexpr HintCode HINT_TRACES_EVENTS_EDITED = 3;
inline constexpr HintCode HINT_TRACES_EVENT_INSERTED = 4;
inline constexpr HintCode HINT_TRACES_EVENT_DELETED = 5;
inline constexpr HintCode HINT_TRACES_HIDDEN = 6;
inline constexpr HintCode HINT_TRACES_DISPLAYED = 7;
inline constexpr HintCode HINT_PRIMARY_CHANGED = 8;
inline constexpr HintCode HINT_TRACES_ANALYZED = 9;
inline constexpr HintCode HINT_TRACES_SMOOTHED = 10;
inline constexpr HintCode HINT_TRACES_PROPERTIES = 11;
inline constexpr HintCode HINT_PREFERENCES = 12;
inline constexpr HintCode HINT_LIST_RESORT = 18;
inline constexpr HintCode HINT_TRACES_SAVED = 21;

// Trace document.
inline constexpr HintCode HINT_TRACE_CHANGED = 14;
inline constexpr HintCode HINT_HEADER = 16;
inline constexpr HintCode HINT_IOR_CHANGED = 24;

// Graph notifications to its own view.
inline constexpr HintCode HINT_CURSOR_A = 26;
inline constexpr HintCode HINT_CURSOR_B = 27;
inline constexpr HintCode HINT_CURSORS = 28;
inline constexpr HintCode HINT_MEASUREMENT = 29;
inline constexpr HintCode HINT_VIEW_LOADED = 30;
inline constexpr HintCode HINT_GRID = 31;
inline constexpr HintCode HINT_MODE = 32;

// Event editing, passed on to the trace list as 11, 5, 3 and 4.
inline constexpr HintCode HINT_EVENT_PROPERTIES = 33;
inline constexpr HintCode HINT_EVENT_DELETED = 34;
inline constexpr HintCode HINT_EVENT_EDITED = 35;
inline constexpr HintCode HINT_EVENT_INSERTED = 36;

// The reflectance mode or the ORL reference changed: the graph recomputes its
// cursor measurements.
inline constexpr HintCode HINT_MEASUREMENT_SETTINGS = 38;

// A header template's text changed in one of its views.
inline constexpr HintCode HINT_HEADER_TEMPLATE_TEXT = 40;

} // namespace orvane
