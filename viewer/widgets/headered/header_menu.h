// The header template editor's place in the main window: its windows, the
// File / New entry, and Save / Save As... for a template window.
#pragma once

class QMdiSubWindow;

namespace orvane {

class CMainFrame;
class DocumentType;

// New and opened templates get a window in the main window's area.
void InstallHeaderTemplateEditor(DocumentType& type, CMainFrame& mainFrame);

// Saves the window when it is a template window: false for any other.
bool SaveHeaderTemplate(QMdiSubWindow* window, bool saveAs);

} // namespace orvane
