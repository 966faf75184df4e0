#pragma once
// Joins the main window's menu commands to the windows of the other
// subsystems (reports, sorter, backup, calculator, import). The main window knows
// only its own actions; this is the one place that knows both sides.

namespace cw {

class MainWindow;

void installCommands(MainWindow& window);

} // namespace cw
