#include "BackupWindow.h"

#include "core/tools/Backup.h"
#include "core/tools/FileMatch.h"
#include "gui/kit/Pickers.h"

#include "gui/kit/BusyCursor.h"
#include "gui/kit/KeyboardUse.h"
#include "gui/kit/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace cw {

BackupWindow::BackupWindow(QWidget* opener)
    : UtilityWindow(QStringLiteral("frmBackup"), QStringLiteral("Data Backup"), opener, true),
      backUpDrive_(new DrivePicker(this)),
      backUpDir_(new FolderPicker(QDir::currentPath(), this)),
      backMeUp_(new QListWidget(this)),
      backuplist_(new QLabel(QStringLiteral("File list"), this)),
      backUpTarget_(new QLabel(QStringLiteral("target"), this)),
      backUpProgress_(new QLabel(QStringLiteral("progress"), this)),
      runBackup_(new QPushButton(QStringLiteral("Copy all Source files to Target"), this)),
      stopBackup_(new QPushButton(QStringLiteral("Cancel"), this))
{
    backUpDrive_->setObjectName(QStringLiteral("BackUpDrive"));
    backUpDir_->setObjectName(QStringLiteral("BackUpDir"));
    backMeUp_->setObjectName(QStringLiteral("BackMeUp"));
    backuplist_->setObjectName(QStringLiteral("Backuplist"));
    backUpTarget_->setObjectName(QStringLiteral("BackUpTarget"));
    backUpProgress_->setObjectName(QStringLiteral("BackUpProgress"));
    runBackup_->setObjectName(QStringLiteral("RunBackup"));
    stopBackup_->setObjectName(QStringLiteral("StopBackup"));
    auto* label1 = new QLabel(QStringLiteral("Source:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(QStringLiteral("Target:"), this);
    label2->setObjectName(QStringLiteral("Label2"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(label1, 0, 0);
    layout->addWidget(backuplist_, 0, 1);
    layout->addWidget(label2, 1, 0);
    layout->addWidget(backUpTarget_, 1, 1);
    layout->addWidget(backMeUp_, 2, 0, 2, 1);
    layout->addWidget(backUpDrive_, 2, 1);
    layout->addWidget(backUpDir_, 3, 1);
    layout->addWidget(backUpProgress_, 4, 0, 1, 2);
    layout->addWidget(runBackup_, 5, 0);
    layout->addWidget(stopBackup_, 5, 1);
    resize(560, 380);

    // Form_Load: source and target are the working folder; the file list
    // holds the backup set.
    backUpDrive_->showDriveOf(backUpDir_->path());
    backUpTarget_->setText(backUpDir_->path());
    backuplist_->setText(backUpDir_->path());
    if (Result<QStringList> files = backupFiles(*Env::current(), backUpDir_->path()))
        backMeUp_->addItems(*files);

    connect(backUpDrive_, &DrivePicker::changed, this, &BackupWindow::BackUpDrive_Change);
    connect(backUpDir_, &FolderPicker::changed, this, &BackupWindow::BackUpDir_Change);
    connect(backUpDir_, &FolderPicker::failed, this, &BackupWindow::showFolderFailure);
    connect(runBackup_, &QPushButton::clicked, this, &BackupWindow::RunBackup_Click);
    connect(stopBackup_, &QPushButton::clicked, this, &BackupWindow::StopBackup_Click);
    // Tab reads the source list at the left first, then the target pickers.
    setTabOrder(backMeUp_, backUpDrive_);
    setTabOrder(backUpDrive_, backUpDir_);
    setTabOrder(backUpDir_, runBackup_);
    enterPressesFocusedButton(this);
}

// The folder picker to the chosen drive, then the target to the folder
// picker's path, whether or not the drive could be opened.
void BackupWindow::BackUpDrive_Change()
{
    backUpDir_->setPath(backUpDrive_->path());
    backUpTarget_->setText(backUpDir_->path());
}

void BackupWindow::BackUpDir_Change() { backUpTarget_->setText(backUpDir_->path()); }

void BackupWindow::showFolderFailure(int error) { showMessage(this, folderFailureMessage(error)); }

void BackupWindow::RunBackup_Click()
{
    if (sameBackupFolder(backUpTarget_->text(), backuplist_->text())) {
        showMessage(this, differentTargetMessage());
        return;
    }
    backUpTarget_->setText(backupFolderText(backUpTarget_->text()));
    backuplist_->setText(backupFolderText(backuplist_->text()));

    QStringList files;
    for (int i = 0; i < backMeUp_->count(); ++i)
        files << backMeUp_->item(i)->text();

    // No second run and no change of target while this one lets events through.
    Running running(this);
    runBackup_->setEnabled(false);
    backUpDrive_->setEnabled(false);
    backUpDir_->setEnabled(false);
    BackupRun run;
    {
        BusyCursor busy;
        run = cw::runBackup(*Env::current(), backuplist_->text(), backUpTarget_->text(), files,
                            [this](qsizetype i, const QString& name) {
                                QCoreApplication::processEvents();
                                if (stopRequested())
                                    return false;   // the window was closed
                                backMeUp_->setCurrentRow(int(i));
                                backUpProgress_->setText(backupProgressText(name));
                                return true;
                            });
    }
    runBackup_->setEnabled(true);
    backUpDrive_->setEnabled(true);
    backUpDir_->setEnabled(true);
    // A run cut short by closing the window is not finished; files it could
    // not copy are still named.
    if (!run.stopped || !run.failures.isEmpty())
        showMessage(messageParent(), backupEndMessage(run.failures));
}

void BackupWindow::StopBackup_Click() { close(); }

} // namespace cw
