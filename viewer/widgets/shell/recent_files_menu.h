// The recent files in the File menu, just before Exit: "&1 /path/file.sor"
// and so on, rebuilt each time the menu opens.
#pragma once

#include <functional>

class QAction;
class QMenu;

namespace orvane {

class RecentFileList;

// open: called with the chosen entry's index.
void AddRecentFileCommands(QMenu* file, QAction* before, const RecentFileList& recent,
                           std::function<void(size_t)> open);

} // namespace orvane
