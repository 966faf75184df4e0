#pragma once
// frmExport, "Data Export": writes the entries of a report's categories and
// month range to a comma-delimited text file. Opened by the reports window,
// which it disables while it is open.
//
// The reports window's export command, once categories are chosen, writes
// the selection file and opens it:
//     ExportRequest request{state.dataFileName, state.dateFlag, RepStartMonth, RepEndMonth};
//     openExportWindow(request, reportsWindow);

#include "gui/kit/UtilityWindow.h"
#include "store/ReportSelection.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace cw {

class DrivePicker;
class FolderPicker;

struct ExportRequest {
    QString dataFile;                 // the active year's data file, "1998CWK.DAT"
    QChar flag = u'A';                // the date format flag
    int startMonth = 1;               // RepStartMonth
    int endMonth = 12;                // RepEndMonth
    QString selectionFile = kReportSelectionFileName;   // written by the reports window
};

class ExportWindow : public UtilityWindow {
    Q_OBJECT
public:
    ExportWindow(const ExportRequest& request, QWidget* opener);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ExportDrive_Change();
    void ExportDir_Change();
    void ExportedFiles_Click(int row);
    void ExportGo_Click();
    void ExportQuit_Click();
    void showFolderFailure(int error);

    ExportRequest request_;
    DrivePicker* exportDrive_;
    FolderPicker* exportDir_;
    QListWidget* exportedFiles_;
    QLineEdit* exFileName_;
    QLabel* exRangeLab_;
    QPushButton* exportGo_;
    QPushButton* exportQuit_;
    bool filling_ = false;
};

// Opens the export window over `opener` (shown, deleted when closed).
ExportWindow* openExportWindow(const ExportRequest& request, QWidget* opener);

} // namespace cw
