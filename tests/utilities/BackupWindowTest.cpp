// frmBackup through its controls: the source and target, refusing the
// working folder as target in its other spellings, which files are copied,
// Cancel in the middle of a run, and the drive picker. Failed copies are
// tried call by call in the whole-program tests.

#include "WindowTests.h"

#include "gui/tools/BackupWindow.h"

#include <QDir>
#include <QTest>

using namespace cwtest;

namespace {

// The backup set of the working folder, in file-list order, and files that
// are no part of it.
const QStringList kBackupSet = {"1998CWK.DAT", "a.mcr", "B.MCR", "notes.Nts", "PERSONAL.DAT"};
const QStringList kOthers = {"temp.$$$", "1998CWK.DAT.$$$", "readme.txt", "mcr"};

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

} // namespace

class BackupWindowTest : public QObject {
    Q_OBJECT

    QString root() const { return folder_->path(); }
    QString work() const { return root() + "/work"; }
    QString backup() const { return root() + "/backup"; }

    // Presses "Copy all Source files to Target"; nothing else runs before the click.
    void run(QWidget* w, DialogDriver& dialogs, qsizetype expectedDialogs = 1)
    {
        button(w, "RunBackup")->click();
        QCOMPARE(dialogs.seen.size(), expectedDialogs);
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<TempFolder>();
        QDir(root()).mkpath("work/sub.dat");
        QDir(root()).mkpath("WORK");
        QDir(root()).mkpath("backup");
        QDir::setCurrent(work());
        for (const QString& name : kBackupSet + kOthers)
            writeBytes(name, name.toLatin1() + " contents");
    }
    void cleanup() { folder_.reset(); }

    void loadShowsSourceAndTarget()
    {
        QWidget opener;
        cw::BackupWindow w(&opener);
        QCOMPARE(w.windowTitle(), "Data Backup");
        QVERIFY(w.parentWidget() == nullptr);
        QVERIFY(!opener.isEnabled());
        QCOMPARE(labelText(&w, "Label1"), "Source:");
        QCOMPARE(labelText(&w, "Label2"), "Target:");
        QCOMPARE(labelText(&w, "Backuplist"), work());
        QCOMPARE(labelText(&w, "BackUpTarget"), work());
        QCOMPARE(labelText(&w, "BackUpProgress"), "progress");
        QCOMPARE(button(&w, "RunBackup")->text(), "Copy all Source files to Target");
        QCOMPARE(button(&w, "StopBackup")->text(), "Cancel");
        QCOMPARE(pathOf(&w, "BackUpDir"), work());
        QCOMPARE(listRows(&w, "BackMeUp"), kBackupSet);

        QTest::mouseClick(button(&w, "StopBackup"), Qt::LeftButton);
        QVERIFY(opener.isEnabled());
    }

    void theWorkingFolderIsRefusedInEverySpelling()
    {
        cw::BackupWindow w(nullptr);
        w.show();
        const QStringList before = filesIn(work());
        const auto refused = [&](const char* how) {
            const QString progress = labelText(&w, "BackUpProgress");
            DialogDriver dialogs;
            QTest::mouseClick(button(&w, "RunBackup"), Qt::LeftButton);
            QVERIFY2(dialogs.seen.size() == 1, how);
            QCOMPARE(dialogs.seen[0].text, "Chose a different target!");
            QCOMPARE(dialogs.seen[0].title, "Coinwick 2");
            QCOMPARE(dialogs.seen[0].icon, QMessageBox::NoIcon);
            QCOMPARE(filesIn(work()), before);
            QCOMPARE(labelText(&w, "BackUpProgress"), progress);
        };
        refused("right after opening");

        setPath(&w, "BackUpDir", root() + "/WORK");
        QCOMPARE(labelText(&w, "BackUpTarget"), root() + "/WORK");
        refused("another letter case");
        QVERIFY(filesIn(root() + "/WORK").isEmpty());

        setPath(&w, "BackUpDir", backup());
        {
            DialogDriver dialogs;
            run(&w, dialogs);
            QCOMPARE(dialogs.seen[0].text, "Finished");
        }
        QCOMPARE(labelText(&w, "Backuplist"), work() + "/");
        QCOMPARE(labelText(&w, "BackUpTarget"), backup() + "/");
        // The source caption now ends in "/", the picker's path does not.
        setPath(&w, "BackUpDir", work());
        QCOMPARE(labelText(&w, "BackUpTarget"), work());
        refused("after a first run");
    }

    void copiesTheBackupSet()
    {
        QWidget opener;
        cw::BackupWindow w(&opener);
        w.show();
        setPath(&w, "BackUpDir", backup());
        QCOMPARE(labelText(&w, "BackUpTarget"), backup());
        DialogDriver dialogs;
        run(&w, dialogs);
        QCOMPARE(dialogs.seen[0].text, "Finished");
        QCOMPARE(dialogs.seen[0].title, "Coinwick 2");
        QCOMPARE(dialogs.seen[0].icon, QMessageBox::NoIcon);

        QCOMPARE(filesIn(backup()), kBackupSet);
        for (const QString& name : kBackupSet)
            QCOMPARE(readBytes(backup() + "/" + name), name.toLatin1() + " contents");
        QCOMPARE(labelText(&w, "BackUpProgress"), "Copying: PERSONAL.DAT");
        QCOMPARE(w.findChild<QListWidget*>("BackMeUp")->currentRow(), kBackupSet.size() - 1);
        QVERIFY(w.isVisible());
        QVERIFY(!opener.isEnabled());
        QVERIFY(button(&w, "RunBackup")->isEnabled());
    }

    void cancelDuringARunStopsBeforeTheNextFile()
    {
        QWidget opener;
        cw::BackupWindow w(&opener);
        w.show();
        setPath(&w, "BackUpDir", backup());
        QTimer::singleShot(0, button(&w, "StopBackup"), &QPushButton::click);   // handled before the first file
        DialogDriver dialogs;
        run(&w, dialogs, 0);
        QVERIFY(!w.isVisible());
        QVERIFY(opener.isEnabled());
        QVERIFY(filesIn(backup()).isEmpty());
    }

    void drivePicker()
    {
        cw::BackupWindow w(nullptr);
        setPath(&w, "BackUpDrive", "/");
        QCOMPARE(pathOf(&w, "BackUpDir"), "/");
        QCOMPARE(labelText(&w, "BackUpTarget"), "/");

        DialogDriver dialogs;
        setPath(&w, "BackUpDrive", "/no/such/drive");
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen[0].text, "No such file or directory  2");
        QCOMPARE(dialogs.seen[0].icon, QMessageBox::NoIcon);
        QCOMPARE(labelText(&w, "BackUpTarget"), "/");
        QCOMPARE(labelText(&w, "Backuplist"), work());
    }

private:
    std::unique_ptr<TempFolder> folder_;
};

static RegisterWindowTest<BackupWindowTest> registered;

#include "BackupWindowTest.moc"
