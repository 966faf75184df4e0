#pragma once
// frmBackup, "Data Backup": copies the working folder's macro, data,
// settings and notes files to a folder the user picks. The opener (the main
// window) is disabled while it is open.

#include "gui/kit/UtilityWindow.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace cw {

class DrivePicker;
class FolderPicker;

class BackupWindow : public UtilityWindow {
    Q_OBJECT
public:
    explicit BackupWindow(QWidget* opener);

private:
    void BackUpDrive_Change();
    void BackUpDir_Change();
    void RunBackup_Click();
    void StopBackup_Click();
    void showFolderFailure(int error);

    DrivePicker* backUpDrive_;
    FolderPicker* backUpDir_;
    QListWidget* backMeUp_;
    QLabel* backuplist_;
    QLabel* backUpTarget_;
    QLabel* backUpProgress_;
    QPushButton* runBackup_;
    QPushButton* stopBackup_;
};

} // namespace cw
