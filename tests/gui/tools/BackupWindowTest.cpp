// frmBackup through its controls; failed copies are tried call by call in
// the core and whole-program tests.

#include "support/WindowFixture.h"

#include "gui/tools/BackupWindow.h"

using namespace cwtest;

namespace {

// The backup set of the working folder, in file-list order.
const QStringList kBackupSet = {"1998CWK.DAT", "a.mcr", "B.MCR", "notes.Nts", "PERSONAL.DAT"};

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase); }
void setPath(QWidget* w, const char* picker, const QString& path) { child(w, picker)->setProperty("path", path); }
QString run(QWidget* w) { return saidBy([w] { QTest::mouseClick(child<QPushButton>(w, "RunBackup"), Qt::LeftButton); }); }

} // namespace

class BackupWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder_;
    QString work() const { return folder_->path("work"); }
    QString backup() const { return folder_->path("backup"); }

private slots:
    void init()
    {
        folder_ = std::make_unique<TempFolder>();
        QDir().mkpath("work/sub.dat");
        QDir().mkpath("backup");
        QDir::setCurrent(work());
        for (const QString& name : kBackupSet + QStringList{"temp.$$$", "1998CWK.DAT.$$$", "readme.txt", "mcr"})
            writeBytes(name, name.toLatin1() + " contents");
    }
    void cleanup() { folder_.reset(); }

    // Source and target open on the working folder, which is refused as
    // target: as it opens and after a run has put "/" after the captions.
    // Cancel during a run stops it before the next file and closes the window.
    void theSetIsCopiedButNeverOntoTheWorkingFolderAndCancelStopsARun()
    {
        QWidget opener;
        cw::BackupWindow w(&opener);
        CW_COMPARE_CONTROLS(&w, "backup");   // both captions the working folder
        w.show();
        const QString refused = "Coinwick 2 | Chose a different target! | no icon | [Ok]";
        QCOMPARE(run(&w), refused);
        QCOMPARE(labelText(&w, "BackUpProgress"), "progress");

        setPath(&w, "BackUpDir", backup());
        QCOMPARE(run(&w), "Coinwick 2 | Finished | no icon | [Ok]");
        QCOMPARE(filesIn(backup()), kBackupSet);   // the file list's
        QCOMPARE(labelText(&w, "BackUpProgress"), "Copying: PERSONAL.DAT");
        QCOMPARE(child<QListWidget>(&w, "BackMeUp")->currentRow(), kBackupSet.size() - 1);
        QVERIFY(w.isVisible() && !opener.isEnabled() && child<QPushButton>(&w, "RunBackup")->isEnabled());
        QCOMPARE(labelText(&w, "Backuplist") + '|' + labelText(&w, "BackUpTarget"), work() + "/|" + backup() + "/");
        setPath(&w, "BackUpDir", work());
        QCOMPARE(run(&w), refused);

        setPath(&w, "BackUpDir", folder_->path());   // holds no files
        QTimer::singleShot(0, child<QPushButton>(&w, "StopBackup"), &QPushButton::click);   // before the first file
        QCOMPARE(run(&w), "");
        QVERIFY(!w.isVisible() && opener.isEnabled() && filesIn(folder_->path()).isEmpty());
    }

    void drivePicker()
    {
        cw::BackupWindow w(nullptr);
        setPath(&w, "BackUpDrive", "/");
        QCOMPARE(child(&w, "BackUpDir")->property("path").toString() + '|' + labelText(&w, "BackUpTarget"), "/|/");
        QCOMPARE(saidBy([&] { setPath(&w, "BackUpDrive", "/no/such/drive"); }).section(" | ", 1),
                 "No such file or directory  2 | no icon | [Ok]");
        QCOMPARE(labelText(&w, "BackUpTarget") + '|' + labelText(&w, "Backuplist"), "/|" + work());
    }
};

static RegisterWindowTest<BackupWindowTest> registered;
#include "BackupWindowTest.moc"
