// The start-up against a working folder a crash left behind: a re-code killed
// between its two files, work files left over, a read-only settings file.

#include "core/categories/CategoryEditorLogic.h"
#include "core/session/StartUp.h"
#include "support/FaultEnv.h"
#include "support/KillLoop.h"
#include "support/StoreChanges.h"
#include "support/TempFolder.h"

#include <sys/stat.h>

using namespace cw;
using namespace cwtest;

namespace {

StartUpResult startUp()
{
    return openPersonalSettings(*Env::posix(), QDate(2026, 3, 9), [] { return QString(); }, [](const Message&) {});
}

Result<bool> recode(Env* env) { return CategoryEditorLogic(*env, kCats, kData).replace("FT", "FX", "Food"); }

} // namespace

TEST(HostileStart, AReCodeKilledAtEveryDiskCallIsWholeAfterTheNextStart)
{
    QByteArray cats[2], data[2];
    FaultEnv counter;
    {
        cwtest::TempFolder folder;
        seedFolder();
        cats[0] = readBytes(kCats), data[0] = readBytes(kData);
        ASSERT_TRUE(*recode(&counter));
        cats[1] = readBytes(kCats), data[1] = readBytes(kData);
        ASSERT_NE(cats[0], cats[1]);
        ASSERT_NE(data[0], data[1]);
    }
    bool sawHalf = false;
    cwtest::killAtEachCall(counter.calls(), seedFolder, [](Env* env) { recode(env); }, [&](int k) {
        sawHalf = sawHalf || (readBytes(kCats) == cats[1] && readBytes(kData) == data[0]);
        ASSERT_EQ(startUp().outcome, StartUpResult::Outcome::Opened) << "call " << k;
        const int pair = readBytes(kCats) == cats[1] ? 1 : 0;
        EXPECT_EQ(readBytes(kCats), cats[pair]) << "killed at call " << k;
        EXPECT_EQ(readBytes(kData), data[pair]) << "killed at call " << k;
        EXPECT_EQ(QDir().entryList({"*.$$$"}, QDir::Files | QDir::Hidden), QStringList());
    });
    EXPECT_TRUE(sawHalf);   // the loop did reach the gap between the two files
}

TEST(HostileStart, AStaleReCodeNoteDoesNotUndoLaterCategoryChanges)
{
    cwtest::TempFolder folder;
    seedFolder();
    ASSERT_TRUE(*recode(Env::posix()));
    // A note left behind although the re-code was done and the categories changed since.
    writeBytes(kRecodeNoteName, QByteArray("2026CATS.DAT\n2026CWK.DAT\nFT\nFX\n0\n"));
    ASSERT_TRUE(CategoryEditorLogic(*Env::posix(), kCats, kData).save("ZZ", "Later").isOk());
    const QByteArray cats = readBytes(kCats), data = readBytes(kData);
    ASSERT_EQ(startUp().outcome, StartUpResult::Outcome::Opened);
    EXPECT_EQ(readBytes(kCats), cats);
    EXPECT_EQ(readBytes(kData), data);
    EXPECT_FALSE(QFile::exists(kRecodeNoteName));
}

TEST(HostileStart, TheStartRemovesWorkFilesAndReadsAReadOnlySettingsFile)
{
    cwtest::TempFolder folder;
    seedFolder();
    writeBytes("2026CWK.DAT.$$$", "left by a killed sort");
    writeBytes("tempmac.$$$", "left by a killed play");
    ::chmod("PERSONAL.DAT", 0444);
    const QByteArray settings = readBytes("PERSONAL.DAT");
    EXPECT_EQ(startUp().outcome, StartUpResult::Outcome::Opened);
    EXPECT_EQ(readBytes("PERSONAL.DAT"), settings);   // LastStartDate not written, nothing said
    EXPECT_EQ(QDir().entryList({"*.$$$"}, QDir::Files), QStringList());
}
