// Connects the core's repaint queue to the Qt event loop: the first repaint
// request posts one flush, which runs once the pending events (and the hints
// they send) are handled.
#pragma once

namespace orvane {

void installRepaintScheduler();

} // namespace orvane
