// Reports printed as they stand, outside a print job over the trace list:
// what a wizard run or a template build produced.
#pragma once

#include "core/bidir/report_table.h"

#include <vector>

class QPagedPaintDevice;
class QWidget;

namespace orvane::printing {

// Paints the reports one after another with the stored report header lines
// and margins; the number of pages, 0 when the device could not be painted.
int PaintReports(QPagedPaintDevice& device, const std::vector<bidir::Report>& reports);

// The print dialog, then the reports to the chosen printer; false when
// cancelled or failed (a failure is told).
bool PrintReports(QWidget* parent, const std::vector<bidir::Report>& reports);

} // namespace orvane::printing
