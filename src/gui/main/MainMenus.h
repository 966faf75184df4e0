#pragma once
// The main window's menu bar and toolbar. Every item is a QAction named after
// its key; each toolbar button runs its menu command, so a command is wired
// once, on the menu item.

class QMainWindow;
class QToolBar;

namespace cw {

void buildMainMenus(QMainWindow* window);
void buildMainToolbar(QMainWindow* window, QToolBar* toolbar);

} // namespace cw
