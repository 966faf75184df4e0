// The backup: its folders and files, and copies that fail or are killed at
// every disk call without spoiling an older copy.

#include "core/tools/Backup.h"
#include "support/KillLoop.h"

#include <sys/stat.h>

using namespace cw;
using namespace cwtest;

namespace {

TEST(BackupFolder, SameFolderInAnySpellingAndItsCaption)
{
    const QString work = QStringLiteral("/home/ann/Coinwick");
    for (const char* same : {"/home/ann/Coinwick", "/home/ann/Coinwick/", "  /home/ann/Coinwick/  ", "/HOME/ANN/coinwick", " /home/ann/coinwick// "})
        EXPECT_TRUE(sameBackupFolder(work, QString::fromLatin1(same))) << same;
    for (const char* other : {"/home/ann/Coinwick2", "/home/ann", "/home/ann/Coinwick/backup", "home/ann/Coinwick", "/home/ann/Coin wick"})
        EXPECT_FALSE(sameBackupFolder(work, QString::fromLatin1(other))) << other;
    EXPECT_TRUE(sameBackupFolder("/", " / "));
    EXPECT_FALSE(sameBackupFolder("/", "/mnt"));
    EXPECT_FALSE(sameBackupFolder("/", QString()));
    EXPECT_EQ(backupFolderText(" /home/ann ") + backupFolderText("/home/ann/"), "/home/ann//home/ann/");
    EXPECT_EQ(backupFolderText("/"), "/");   // a drive root: no second "/"
}

TEST(BackupSet, PatternsInAnyLetterCaseAndNeverWorkFiles)
{
    for (const char* in : {"1998CWK.DAT", "1998cats.dat", "PERSONAL.DAT", "PAY.MCR", "pay.mcr", "1998_cwk.nts", "Notes.NtS", "a b.dat"})
        EXPECT_TRUE(isBackupFile(QString::fromLatin1(in))) << in;
    for (const char* out : {"temp.$$$", "tempcats.$$$", "1998CWK.DAT.$$$", "CWK_DATA.TXT", "dat", "x.data", "x.dat~", "x.mcr.bak", "x_dat"})
        EXPECT_FALSE(isBackupFile(QString::fromLatin1(out))) << out;
    TempFolder folder;
    EXPECT_FALSE(backupFiles(*Env::posix(), folder.path("missing")).isOk());
}

class BackupCopies : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath("work");
        QDir().mkpath("backup");
        for (const QString& name : files)
            writeBytes("work/" + name, name.toLatin1() + " new");
        writeBytes("backup/PAY.MCR", "old");
    }
    TempFolder folder;
    const QString source = folder.path("work/"), target = folder.path("backup/");
    const QStringList files = {"1998CWK.DAT", "PAY.MCR", "PERSONAL.DAT"};
};

TEST_F(BackupCopies, AMissingSourceIsNamedAndTheRunGoesOn)
{
    QFile::remove("work/1998CWK.DAT");
    const cw::BackupRun run = runBackup(*Env::posix(), source, target, files);
    ASSERT_EQ(run.failures.size(), 1);
    EXPECT_EQ(run.copied, 2);
    const Message end = backupEndMessage(run.failures);
    EXPECT_EQ(end.title + " | " + end.text, "Coinwick 2 | These files could not be copied:\n1998CWK.DAT: No such file or directory");
    EXPECT_EQ(end.icon, Message::Icon::Warning);
}

TEST_F(BackupCopies, TheSetIsSortedLinksAtTheTargetAreReplacedAndForeignNamesKeepTheirBytes)
{
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath("victim");
    writeBytes(victim, "victim");
    for (const char* name : {"backup/1998CWK.DAT", "backup/1998CWK.DAT.$$$"})
        ASSERT_TRUE(QFile::link(victim, name));
    for (const char* raw : {"work/GEH\xC4LTER.MCR", "work/NOTE\xE9.nts", "work/pay.mcr"})
        std::fclose(std::fopen(raw, "w"));
    const Result<QStringList> set = backupFiles(*Env::posix(), source);
    ASSERT_TRUE(set.isOk());
    EXPECT_EQ(*set, QStringList({"1998CWK.DAT", "GEH\u00C4LTER.MCR", "NOTE\u00E9.nts", "PAY.MCR", "pay.mcr", "PERSONAL.DAT"}));
    EXPECT_TRUE(runBackup(*Env::posix(), source, target, *set).failures.isEmpty());
    EXPECT_EQ(readBytes(victim), "victim");
    EXPECT_EQ(readBytes("backup/1998CWK.DAT"), "1998CWK.DAT new");
    struct stat st {};
    EXPECT_EQ(::stat("backup/GEH\xC4LTER.MCR", &st) + ::stat("backup/NOTE\xE9.nts", &st), 0);
}

// A failure is told under the file's own name and leaves no work file.
TEST_F(BackupCopies, AFailureOrAKillAtEveryDiskCallSpoilsNothing)
{
    FaultEnv counter;
    ASSERT_TRUE(copyForBackup(counter, source, target, "PAY.MCR").isOk());
    ASSERT_GE(counter.calls(), 5);
    const auto oldOrNew = [](int k) {
        const QByteArray now = readBytes("backup/PAY.MCR");
        EXPECT_TRUE(now == "old" || now == "PAY.MCR new") << "call " << k;
    };
    for (int k = 0; k < counter.calls(); ++k) {
        writeBytes("backup/PAY.MCR", "old");
        FaultEnv failing(FaultEnv::Mode::Fail, k);
        EXPECT_EQ(copyForBackup(failing, source, target, "PAY.MCR").file(), "PAY.MCR") << "call " << k;
        oldOrNew(k);
        EXPECT_EQ(QDir("backup").entryList(QDir::Files | QDir::Hidden), QStringList({"PAY.MCR"})) << "call " << k;
    }
    killAtEachCall(
        counter.calls(), [] { writeBytes("backup/PAY.MCR", "old"); },
        [this](Env* env) { copyForBackup(*env, source, target, "PAY.MCR"); }, oldOrNew, false);
}

} // namespace
