// Files that cannot be turned against the user.

#include "store/FileNames.h"
#include "store/FolderLock.h"
#include "store/SafeWrite.h"
#include "store/WorkingFolder.h"
#include "support/StoreChanges.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace cw;
using namespace cwtest;

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

bool isLink(const QString& path)
{
    struct stat st {};
    return ::lstat(native(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

unsigned modeOf(const QString& path)
{
    struct stat st {};
    ::stat(native(path).constData(), &st);
    return st.st_mode & 07777;
}

void link(const QString& target, const QString& at) { ASSERT_EQ(::symlink(native(target), native(at)), 0); }

// Every name a change of the table writes besides its own file.
const QStringList kWorkNames = {"temp.$$$",         "tempkeys.$$$",      "tempfile.$$$",    "tempmac.$$$",
                                "tempcats.$$$",     "2026CWK.DAT.$$$",   "2026CATS.DAT.$$$", "PERSONAL.DAT.$$$"};

class EveryChange : public ::testing::TestWithParam<int> {
protected:
    cwtest::Change change() const { return changes()[size_t(GetParam())]; }
    cwtest::TempFolder folder;
    QTemporaryDir elsewhere;
    QString outside(const QString& name) const { return elsewhere.filePath(name); }
};

} // namespace

TEST_P(EveryChange, LinksAtItsWorkNamesAreReplacedAndALinkedFileIsChangedWhereItLeads)
{
    seedFolder();
    for (const QString& name : kWorkNames) {
        writeBytes(outside(name), "victim");
        link(outside(name), name);
    }
    ASSERT_TRUE(change().run(Env::posix()).isOk());
    for (const QString& name : kWorkNames)
        EXPECT_EQ(readBytes(outside(name)), "victim") << qPrintable(name);
    EXPECT_FALSE(isLink(change().file));
    EXPECT_EQ(modeOf(change().file), 0600u);   // a file the program made
    // A linked file is changed where it leads, and stays a link.
    for (const QString& name : kWorkNames)
        QFile::remove(name);
    seedFolder();
    const QByteArray before = readBytes(change().file);
    ASSERT_TRUE(QFile::rename(change().file, outside("real")));
    link(outside("real"), change().file);
    ASSERT_TRUE(change().run(Env::posix()).isOk());
    EXPECT_TRUE(isLink(change().file));
    EXPECT_NE(readBytes(outside("real")), before);
    EXPECT_EQ(QDir(folder.path()).entryList({"*.$$$"}, QDir::Files | QDir::Hidden), QStringList());
}

TEST_P(EveryChange, KeepsPermissionsAndRefusesAReadOnlyFile)
{
    for (unsigned mode : {0600u, 0640u, 0604u}) {
        seedFolder();
        ::chmod(native(change().file).constData(), mode);
        ASSERT_TRUE(change().run(Env::posix()).isOk());
        EXPECT_EQ(modeOf(change().file), mode);
    }
    seedFolder();
    ::chmod(native(change().file).constData(), 0444);
    const QByteArray before = readBytes(change().file);
    const Status s = change().run(Env::posix());
    EXPECT_EQ(s.toString(), change().file + ": The file is read-only");
    EXPECT_EQ(readBytes(change().file), before);
    EXPECT_EQ(modeOf(change().file), 0444u);
}

INSTANTIATE_TEST_SUITE_P(Hostile, EveryChange, ::testing::Range(0, int(changes().size())), cwtest::changeName);

TEST(HostileFiles, APipeAFolderAnOversizedFileOrALinkToNothingAtAFileNameIsRefused)
{
    const std::pair<const char*, qint64> cases[] = {{"2026CWK.DAT", qint64(2) << 30}, {"2026CATS.DAT", 1 << 20},
                                                    {"PERSONAL.DAT", 64 << 10}, {"X.MCR", 16 << 20}, {"personal.dat", 64 << 10}};
    for (const auto& [raw, limit] : cases) {
        const QString name = QString::fromLatin1(raw);
        EXPECT_EQ(readSizeLimit(name), limit) << raw;
        cwtest::TempFolder folder;
        QByteArray bytes;
        ASSERT_EQ(::mkfifo(raw, 0600), 0);
        EXPECT_EQ(Env::posix()->readFile(name, &bytes, true).toString(),
                  name + ": Not a regular file (a pipe, device or folder)");
        EXPECT_FALSE(writeFileSafely(*Env::posix(), name, "x").isOk());
        ::unlink(raw);
        ASSERT_TRUE(QDir().mkdir(name));
        EXPECT_EQ(Env::posix()->readFile(name, &bytes, true).toString(), name + ": Is a directory");
        EXPECT_EQ(writeFileSafely(*Env::posix(), name, "x").toString(), name + ": Is a directory");
        ::rmdir(raw);
        // Sparse: no disk is used, and the read stops before any byte is taken.
        writeBytes(name, "");
        ASSERT_EQ(::truncate(raw, limit + 1), 0);
        EXPECT_EQ(Env::posix()->readFile(name, &bytes, true).toString(), name + ": File too large");
        FileContents mapped;
        EXPECT_FALSE(Env::posix()->mapFile(name, true, &mapped).isOk());
        EXPECT_FALSE(Env::posix()->readFileInChunks(name, true, [](QByteArrayView, qsizetype) {}).isOk());
    }
    // A link that leads nowhere is not followed.
    cwtest::TempFolder folder;
    QTemporaryDir elsewhere;
    const QString nowhere = elsewhere.filePath("gone");
    link(nowhere, "2026CWK.DAT");
    QByteArray bytes;
    EXPECT_EQ(Env::posix()->readFile("2026CWK.DAT", &bytes, true).toString(),
              "2026CWK.DAT: A link that leads to no file");
    EXPECT_EQ(writeFileSafely(*Env::posix(), "2026CWK.DAT", "x").toString(),
              "2026CWK.DAT: A link that leads to no file");
    std::unique_ptr<WritableFile> file;
    EXPECT_FALSE(Env::posix()->newAppendableFile("2026CWK.DAT", &file).isOk());
    EXPECT_FALSE(QFile::exists(nowhere));
}

#ifndef __SANITIZE_ADDRESS__
// A data file within its size but beyond the memory there is: said, in a
// child whose address space is cut to 1.5 GB.
TEST(HostileFiles, AFileBeyondTheMemoryThereIsIsSaidNeverACrash)
{
    cwtest::TempFolder folder;
    writeBytes("2026CWK.DAT", "");
    ASSERT_EQ(::truncate("2026CWK.DAT", 2000000000), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{1500000000, 1500000000};
        ::setrlimit(RLIMIT_AS, &limit);
        const Status s = readRecords<LedgerEntry>(*Env::posix(), "2026CWK.DAT").status();
        ::_exit(s.toString() == "2026CWK.DAT: Cannot allocate memory" ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
#endif

// In a read-only folder an absent year reads as empty and only writing it
// fails; a child gives up root first (root writes anywhere).
TEST(HostileFiles, AnAbsentFileReadsAsEmptyWhereTheFolderTakesNoNewFile)
{
    cwtest::TempFolder folder;
    ::chmod(".", 0755);
    ASSERT_TRUE(QDir().mkdir("ro"));
    ::chmod("ro", 0555);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(77);
        QByteArray bytes = "x";
        const bool read = Env::posix()->readFile("ro/2026CWK.DAT", &bytes, true).isOk() && bytes.isEmpty();
        const bool refused = writeFileSafely(*Env::posix(), "ro/2026CWK.DAT", "x").toString()
            == "ro/2026CWK.DAT: Permission denied";
        ::_exit(read && refused && !QFile::exists("ro/2026CWK.DAT") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod("ro", 0755);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "no unprivileged user to run as";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(HostileFiles, NamesInTheOriginalCodePageAreListedAndOpenedByTheirOwnBytes)
{
    cwtest::TempFolder folder;
    const QByteArray raw = "GEH\xC4LTER.MCR";
    FILE* f = std::fopen(raw.constData(), "w");
    std::fputs("macro", f);
    std::fclose(f);
    QStringList names;
    ASSERT_TRUE(Env::posix()->listDir(".", &names).isOk());
    const QString shown = QStringLiteral("GEH\u00C4LTER.MCR");
    EXPECT_EQ(names, QStringList{shown});
    QByteArray bytes;
    EXPECT_TRUE(Env::posix()->readFile(shown, &bytes, false).isOk());
    EXPECT_EQ(bytes, "macro");
    // A copy elsewhere, made through a work file, keeps the name's bytes.
    ASSERT_TRUE(QDir().mkdir("copy"));
    ASSERT_TRUE(writeFileSafely(*Env::posix(), "copy/" + shown, bytes).isOk());
    struct stat st {};
    EXPECT_EQ(::stat(("copy/" + raw).constData(), &st), 0);
    // A UTF-8 name stays UTF-8.
    ASSERT_TRUE(writeFileSafely(*Env::posix(), QStringLiteral("NOTE\u00E9.nts"), "n").isOk());
    EXPECT_EQ(::stat("NOTE\xC3\xA9.nts", &st), 0);
}

TEST(HostileFiles, WorkFilesLeftByACrashAreRemovedAndTheLedgersNamesKnownInAnyCase)
{
    cwtest::TempFolder folder;
    QTemporaryDir elsewhere;
    writeBytes(elsewhere.filePath("victim"), "victim");
    for (const char* name : {"2026CWK.DAT.$$$", "TEMP.$$$", "tempcats.$$$", "x.$$$.$$$"})
        writeBytes(name, "left");
    link(elsewhere.filePath("victim"), "link.$$$");
    ASSERT_TRUE(QDir().mkdir("folder.$$$"));
    writeBytes("2026CWK.DAT", "kept");
    removeStaleWorkFiles(*Env::posix());
    EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
              (QStringList{"2026CWK.DAT", "folder.$$$"}));
    EXPECT_EQ(readBytes(elsewhere.filePath("victim")), "victim");
    // The ledger's own names, in any letter case.
    for (const char* kept : {"2026CWK.DAT", "1998cats.dat", "PERSONAL.DAT", "personal.dat", "2026_cwk.nts",
                             "X.MCR", "a.mcr", "temp.$$$", "dir/2026CWK.DAT", ".coinwick.lock"})
        EXPECT_TRUE(isLedgerFileName(QString::fromLatin1(kept))) << kept;
    for (const char* other : {"CWK_DATA.TXT", "2026CWK.DAT.txt", "report.pdf", "26CWK.DAT", "OLD.DAT"})
        EXPECT_FALSE(isLedgerFileName(QString::fromLatin1(other))) << other;
}

TEST(FolderLock, OneProgramPerFolderNeverThroughALinkNorFromAPipe)
{
    cwtest::TempFolder folder;
    QTemporaryDir elsewhere;
    const QString planted = elsewhere.filePath("planted");
    link(planted, ".coinwick.lock");
    {
        auto first = std::make_unique<FolderLock>(folder.path());
        EXPECT_EQ(first->state(), FolderLock::State::Held);
        EXPECT_FALSE(QFile::exists(planted));
        EXPECT_FALSE(isLink(".coinwick.lock"));
        EXPECT_EQ(modeOf(".coinwick.lock"), 0600u);
        EXPECT_EQ(FolderLock(folder.path()).state(), FolderLock::State::HeldByAnother);
        first.reset();   // as a crashed run's lock goes with its process
        EXPECT_EQ(FolderLock(folder.path()).state(), FolderLock::State::Held);
    }
    const FolderLock nowhere(folder.path("missing"));
    EXPECT_EQ(nowhere.state(), FolderLock::State::Failed);
    EXPECT_FALSE(nowhere.status().toString().isEmpty());
    ::unlink(".coinwick.lock");
    ASSERT_EQ(::mkfifo(".coinwick.lock", 0600), 0);
    const FolderLock onPipe(folder.path());
    EXPECT_EQ(onPipe.state(), FolderLock::State::Failed);
    EXPECT_TRUE(onPipe.status().toString().endsWith(".coinwick.lock: Not a regular file (a pipe, device or folder)"));
}
