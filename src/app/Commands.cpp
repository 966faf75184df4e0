#include "Commands.h"

#include "gui/kit/BusyCursor.h"
#include "gui/main/MainWindow.h"
#include "gui/reports/ReportsWindow.h"
#include "gui/tools/BackupWindow.h"
#include "gui/tools/CalculatorWindow.h"
#include "gui/tools/ImportWindow.h"
#include "gui/tools/SorterWindow.h"

#include <QAction>
#include <memory>

namespace cw {
namespace {

// Opens the utility window `make` builds when the command runs; while one is
// open the command brings it forward. Each closes with the main window.
template <class Make>
void openUtilityOn(MainWindow& window, const char* key, Make make)
{
    QAction* action = window.findChild<QAction*>(QString::fromLatin1(key));
    if (!action)
        return;
    auto open = std::make_shared<QPointer<UtilityWindow>>();
    QObject::connect(action, &QAction::triggered, &window, [&window, make, open] {
        if (!*open) {
            UtilityWindow* w = make(window);
            w->setDeleteOnClose(true);
            QObject::connect(&window, &MainWindow::unloading, w, &QWidget::close);
            *open = w;
        }
        (*open)->show();
        (*open)->raise();
        (*open)->activateWindow();
    });
}

} // namespace

void installCommands(MainWindow& window)
{
    // Sort (menu and toolbar), Backup and Calculator: the utility windows.
    openUtilityOn(window, "mnuSort", [](MainWindow& w) {
        return new SorterWindow(w.state().dataFileName, w.state().dateFlag, &w, w.state().history.get());
    });
    openUtilityOn(window, "mnuBackup", [](MainWindow& w) { return new BackupWindow(&w); });
    openUtilityOn(window, "mnuTinyCalc", [](MainWindow& w) { return new CalculatorWindow(&w); });
    // Import: a bank statement into the active year; the list is refilled after it.
    openUtilityOn(window, "mnuImport", [](MainWindow& w) {
        auto* import = new ImportWindow(w.state().dataFileName, w.state().categoryFileName, w.state().dateFlag, &w,
                                        w.state().history.get());
        QObject::connect(import, &ImportWindow::imported, &w, [&w] { w.PopItemList(w.state().selectedCategory); });
        return import;
    });
    // Reports (menu and toolbar): the reports window over the main window,
    // loaded under the busy pointer; its Help button opens the main window's help.
    openUtilityOn(window, "mnuReports", [](MainWindow& w) {
        BusyCursor busy;
        auto* reports = new ReportsWindow(WindowContext{&w.state(), [&w] { return w.today(); }, &w});
        QObject::connect(reports, &ReportsWindow::helpRequested, &w, &MainWindow::showHelp);
        return reports;
    });
}

} // namespace cw
