// The keyboard lock indicators as the X server keeps them. Kept apart from
// the Qt code: the X headers define names (KeyPress, None, Bool) that clash.
#pragma once

#include "widgets/shell/lock_indicators.h"

#include <optional>

struct _XDisplay;

namespace orvane {

// Nothing without a display, without the X keyboard extension, or when the
// server knows none of the three indicators.
std::optional<LockState> readX11LockState(_XDisplay* display);

} // namespace orvane
