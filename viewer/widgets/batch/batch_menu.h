// The batch and splice-template entries of the Trace menu, enabled by the
// active trace list window's selection and primary trace.
#pragma once

#include <functional>

class QMenu;

namespace orvane {

class CTraceListFrame;

void AddBatchCommands(QMenu* menu, std::function<CTraceListFrame*()> activeFrame);

} // namespace orvane
