// The splice-loss wizards (Auto 1-Dir, Auto Bi-Dir) and File / Export
// Report... over the active trace list's selected traces.
#pragma once

#include <functional>

class QMenu;
class QMenuBar;
class QWidget;

namespace orvane {

class CTraceListFrame;

using ActiveListFrame = std::function<CTraceListFrame*()>;

// Auto 1-Dir and Auto Bi-Dir as commands of the menu bar, always enabled.
void AddSpliceLossWizardCommands(QMenuBar* bar, ActiveListFrame activeFrame);
// Export Report... on the File menu.
void AddExportReportCommand(QMenu* file, ActiveListFrame activeFrame);

// The commands themselves: the wizard's pages, then its processing and the
// reports it made in a report window; the report chosen, then its file.
void RunSpliceLossWizardCommand(QWidget* parent, CTraceListFrame* frame, bool oneDirectional);
void ExportReportCommand(QWidget* parent, CTraceListFrame* frame);

} // namespace orvane
