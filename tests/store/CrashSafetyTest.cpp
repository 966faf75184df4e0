// Every change is written whole, flushed and renamed into place: a kill, a
// failure or a power cut at any disk call leaves the old file or the new one.

#include "store/SafeWrite.h"
#include "support/KillLoop.h"
#include "support/StoreChanges.h"

using namespace cw;
using namespace cwtest;

namespace {

class CrashSafety : public ::testing::TestWithParam<int> {
protected:
    cwtest::Change change() const { return changes()[size_t(GetParam())]; }
};

} // namespace

TEST_P(CrashSafety, KilledOrFailedAtEveryDiskCallLeavesTheOldOrTheNewFile)
{
    int calls = 0;
    QByteArray before, after;
    {
        cwtest::TempFolder folder;
        seedFolder();
        before = readBytes(change().file);
        FaultEnv counter;
        ASSERT_TRUE(change().run(&counter).isOk());
        calls = counter.calls();
        after = readBytes(change().file);
        ASSERT_NE(before, after);
    }
    ASSERT_GT(calls, 3);
    cwtest::killAtEachCall(calls, seedFolder, [this](Env* env) { change().run(env); }, [&](int k) {
        const QByteArray now = readBytes(change().file);
        EXPECT_TRUE(now == before || now == after) << change().name << ": killed at call " << k;
        // The last calls come after the rename: the new file must be there.
        EXPECT_TRUE(k < calls - 1 || now == after) << change().name;
    });
    for (int k = 0; k < calls; ++k) {
        cwtest::TempFolder folder;
        seedFolder();
        FaultEnv failer(FaultEnv::Mode::Fail, k);
        const Status s = change().run(&failer);
        EXPECT_FALSE(s.isOk()) << change().name << ": failure at call " << k << " not reported";
        EXPECT_EQ(s.file(), change().file) << "a work file named at call " << k;
        const QByteArray now = readBytes(change().file);
        EXPECT_TRUE(now == before || now == after) << change().name << ": failed at call " << k;
        // A failure after the new file is in place says so, so that nobody repeats the change.
        EXPECT_EQ(s.hasLanded(), now == after) << change().name << ": failed at call " << k;
        EXPECT_EQ(s.toString().contains("The change was made"), now == after);
    }
}

// A power cut spares only what was flushed; no file is written in place.
TEST_P(CrashSafety, EveryFileRenamedIntoPlaceIsFlushedFirstAndItsFolderAfter)
{
    TempFolder folder;
    seedFolder();
    FaultEnv counter;
    ASSERT_TRUE(change().run(&counter).isOk());
    const auto name = [](const QString& path) { return QFileInfo(path).fileName(); };
    int lastRename = -1;
    for (const FaultEnv::Call& c : counter.log) {
        const bool write = c.kind == FaultEnv::Kind::Create || c.kind == FaultEnv::Kind::Append;
        EXPECT_FALSE(write && name(c.path) == change().file) << change().name << ": call " << c.index << " writes in place";
        if (c.kind != FaultEnv::Kind::Rename)
            continue;
        int lastAppend = -1, lastSync = -1;
        for (int i = 0; i < c.index; ++i) {
            const bool source = name(counter.log[i].path) == name(c.from);
            lastAppend = source && counter.log[i].kind == FaultEnv::Kind::Append ? i : lastAppend;
            lastSync = source && counter.log[i].kind == FaultEnv::Kind::Sync ? i : lastSync;
        }
        EXPECT_GT(lastSync, lastAppend) << change().name << ": " << qPrintable(c.from) << " renamed unflushed";
        lastRename = c.index;
    }
    ASSERT_GE(lastRename, 0) << change().name;
    EXPECT_TRUE(std::any_of(counter.log.begin() + lastRename, counter.log.end(),
                            [](const FaultEnv::Call& c) { return c.kind == FaultEnv::Kind::SyncDir; })) << change().name;
}

INSTANTIATE_TEST_SUITE_P(EveryChange, CrashSafety, ::testing::Range(0, int(changes().size())), cwtest::changeName);
