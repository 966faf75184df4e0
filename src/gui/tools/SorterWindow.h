#pragma once
// frmSorter, "Data File Sorter": puts the year data file back into its
// standing order. The opener (the main window) is disabled while it is open.

#include "gui/kit/UtilityWindow.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace cw {

class UndoHistory;

class SorterWindow : public UtilityWindow {
    Q_OBJECT
public:
    // Sorts `dataFile` (the active year's) under the date format `flag`; a
    // sort is kept as a step of `history` when one is given.
    SorterWindow(const QString& dataFile, QChar flag, QWidget* opener, UndoHistory* history = nullptr);

    // Passes the progress bar may show: it advances in at most this many steps.
    static constexpr int kProgressSteps = 100;

private:
    void StartSort_Click();
    void StopSort_Click();
    void SortMainFile();

    QString dataFile_;
    QChar flag_;
    UndoHistory* history_;
    QPushButton* startSort_;
    QPushButton* stopSort_;
    QProgressBar* progressBar_;
    QLabel* sorterLabel_;
};

} // namespace cw
