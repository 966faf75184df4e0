// The backup logic: what counts as the same folder, which files are backed
// up, a missing source, and copies that fail or are killed at every disk
// call without spoiling an older copy.

#include "support/FaultEnv.h"
#include "support/KillLoop.h"
#include "support/TempFolder.h"
#include "core/tools/Backup.h"

#include <sys/stat.h>

using namespace cw;
using namespace cwtest;

namespace {

TEST(BackupFolder, SameFolderInAnySpelling)
{
    const QString work = QStringLiteral("/home/ann/Coinwick");
    for (const char* same : {"/home/ann/Coinwick", "/home/ann/Coinwick/", "  /home/ann/Coinwick/  ",
                             "/HOME/ANN/coinwick", " /home/ann/coinwick// "})
        EXPECT_TRUE(sameBackupFolder(work, QString::fromLatin1(same))) << same;
    for (const char* other : {"/home/ann/Coinwick2", "/home/ann", "/home/ann/Coinwick/backup", "home/ann/Coinwick",
                              "/home/ann/Coin wick"})
        EXPECT_FALSE(sameBackupFolder(work, QString::fromLatin1(other))) << other;
    EXPECT_TRUE(sameBackupFolder(QStringLiteral("/"), QStringLiteral(" / ")));
    EXPECT_FALSE(sameBackupFolder(QStringLiteral("/"), QStringLiteral("/mnt")));
    EXPECT_FALSE(sameBackupFolder(QStringLiteral("/"), QString()));
}

TEST(BackupFolder, CaptionGetsOneSlash)
{
    EXPECT_EQ(backupFolderText(QStringLiteral(" /home/ann ")), QStringLiteral("/home/ann/"));
    EXPECT_EQ(backupFolderText(QStringLiteral("/home/ann/")), QStringLiteral("/home/ann/"));
    EXPECT_EQ(backupFolderText(QStringLiteral("/")), QStringLiteral("/"));   // a drive root: no second "/"
}

TEST(BackupSet, PatternsInAnyLetterCaseAndNeverWorkFiles)
{
    for (const char* in : {"1998CWK.DAT", "1998cats.dat", "PERSONAL.DAT", "PAY.MCR", "pay.mcr", "1998_cwk.nts",
                           "Notes.NtS", "a b.dat"})
        EXPECT_TRUE(isBackupFile(QString::fromLatin1(in))) << in;
    for (const char* out : {"temp.$$$", "tempcats.$$$", "1998CWK.DAT.$$$", "CWK_DATA.TXT", "dat", "x.data",
                            "x.dat~", "x.mcr.bak", "x_dat"})
        EXPECT_FALSE(isBackupFile(QString::fromLatin1(out))) << out;
}

// The order of the list and the folders left out are shown in the backup window.
TEST(BackupSet, AMissingFolderIsReported)
{
    cwtest::TempFolder folder;
    EXPECT_FALSE(backupFiles(*Env::posix(), folder.path() + QStringLiteral("/missing")).isOk());
}

class BackupRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(folder.path()).mkpath(QStringLiteral("work"));
        QDir(folder.path()).mkpath(QStringLiteral("backup"));
        for (const QString& name : files)
            writeBytes(source() + name, name.toLatin1() + " new");
        writeBytes(target() + files[1], "old");
    }
    QString source() const { return folder.path() + QStringLiteral("/work/"); }
    QString target() const { return folder.path() + QStringLiteral("/backup/"); }
    QStringList targetFiles() const { return QDir(target()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    cwtest::TempFolder folder;
    const QStringList files = {QStringLiteral("1998CWK.DAT"), QStringLiteral("PAY.MCR"), QStringLiteral("PERSONAL.DAT")};
};

TEST_F(BackupRunTest, AMissingSourceIsNamedAndTheRunGoesOn)
{
    QFile::remove(source() + files[0]);
    const BackupRun run = runBackup(*Env::posix(), source(), target(), files);
    ASSERT_EQ(run.failures.size(), 1);
    EXPECT_EQ(run.failures[0].file(), files[0]);
    EXPECT_EQ(run.copied, 2);
    const Message end = backupEndMessage(run.failures);
    EXPECT_EQ(end.text, QStringLiteral("These files could not be copied:\n1998CWK.DAT: No such file or directory"));
    EXPECT_EQ(end.icon, Message::Icon::Warning);
    EXPECT_EQ(end.title, QStringLiteral("Coinwick 2"));
}

TEST_F(BackupRunTest, LinksAtTheTargetAreReplacedForeignNamesKeepTheirBytesAndPipesAreSkipped)
{
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim"));
    writeBytes(victim, "victim");
    for (const QString& name : {files[0], files[0] + QStringLiteral(".$$$")})
        ASSERT_TRUE(QFile::link(victim, target() + name));
    for (const QByteArray& raw : {QByteArray("GEH\xC4LTER.MCR"), QByteArray("NOTE\xE9.nts")}) {
        FILE* f = std::fopen((QFile::encodeName(source()) + raw).constData(), "w");
        std::fputs("foreign", f);
        std::fclose(f);
    }
    const Result<QStringList> set = backupFiles(*Env::posix(), source());
    ASSERT_TRUE(set.isOk());
    EXPECT_TRUE(set->contains(QStringLiteral("GEH\u00C4LTER.MCR")));
    EXPECT_TRUE(set->contains(QStringLiteral("NOTE\u00E9.nts")));
    // A pipe in the set is named at the end; nothing waits on it.
    ASSERT_EQ(::mkfifo((QFile::encodeName(source()) + "OLD.DAT").constData(), 0600), 0);
    const BackupRun run = runBackup(*Env::posix(), source(), target(), *set + QStringList{QStringLiteral("OLD.DAT")});
    ASSERT_EQ(run.failures.size(), 1);
    EXPECT_EQ(run.failures[0].toString(), QStringLiteral("OLD.DAT: Not a regular file (a pipe, device or folder)"));
    EXPECT_EQ(readBytes(victim), "victim");
    EXPECT_EQ(readBytes(target() + files[0]), "1998CWK.DAT new");
    for (const QByteArray& raw : {QByteArray("GEH\xC4LTER.MCR"), QByteArray("NOTE\xE9.nts")}) {
        struct stat st {};
        EXPECT_EQ(::stat((QFile::encodeName(target()) + raw).constData(), &st), 0) << raw.constData();
    }
}

// A failure at any disk call of the copy of PAY.MCR: it is reported under
// that name, the older copy stays whole unless the new one is in place, and
// no work file is left behind.
TEST_F(BackupRunTest, AFailureAtEveryDiskCallSpoilsNothing)
{
    FaultEnv counter;
    ASSERT_TRUE(copyForBackup(counter, source(), target(), files[1]).isOk());
    const int calls = counter.calls();
    ASSERT_GE(calls, 5);
    for (int k = 0; k < calls; ++k) {
        writeBytes(target() + files[1], "old");
        FaultEnv failing(FaultEnv::Mode::Fail, k);
        const Status s = copyForBackup(failing, source(), target(), files[1]);
        EXPECT_FALSE(s.isOk()) << "call " << k;
        EXPECT_EQ(s.file(), files[1]);
        const QByteArray now = readBytes(target() + files[1]);
        EXPECT_TRUE(now == "old" || now == "PAY.MCR new") << "call " << k;
        EXPECT_EQ(targetFiles(), QStringList({files[1]})) << "call " << k;
    }
}

TEST_F(BackupRunTest, KilledAtEveryDiskCallLeavesTheOldOrTheNewCopy)
{
    FaultEnv counter;
    ASSERT_TRUE(copyForBackup(counter, source(), target(), files[1]).isOk());
    cwtest::killAtEachCall(
        counter.calls(), [&] { writeBytes(target() + files[1], "old"); },
        [&](Env* env) { copyForBackup(*env, source(), target(), files[1]); },
        [&](int k) {
            const QByteArray now = readBytes(target() + files[1]);
            EXPECT_TRUE(now == "old" || now == "PAY.MCR new") << "killed at call " << k;
        },
        false);
}

} // namespace
