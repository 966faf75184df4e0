// A power cut drops whatever was not flushed. For each kind of change the
// power is cut after each disk call in turn: the folder then holds the old
// file or the new one, byte for byte, and no stray names; once a change has
// returned, a cut keeps the new file.

#include "support/PowerLossEnv.h"
#include "support/StoreChanges.h"
#include "support/TempFolder.h"

using namespace cw;
using namespace cwtest;

namespace {

QStringList namesIn(const cwtest::TempFolder& folder) { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }

// The simulator itself: each classic mistake must lose data under it, or the
// tests below would prove nothing.
TEST(PowerLossEnvModel, OnlyAFlushedFileRenamedInAFlushedFolderSurvives)
{
    struct Case {
        const char* name;
        bool flush, rename, flushFolder;
        const char* after;   // "a" after the cut, and the names in the folder
    };
    const Case cases[] = {{"a", false, false, false, "old|a"},   // written in place, never flushed
                          {"a.tmp", true, true, false, "old|a"},   // renamed, the folder never flushed
                          {"a.tmp", false, true, true, "|a"},      // renamed and flushed, its bytes never
                          {"a.tmp", true, true, true, "new|a"}};
    for (const Case& c : cases) {
        TempFolder folder;
        writeBytes("a", "old");
        PowerLossEnv env;
        std::unique_ptr<WritableFile> f;
        ASSERT_TRUE(env.newWritableFile(QString::fromLatin1(c.name), &f).isOk());
        ASSERT_TRUE(f->append("new").isOk());
        if (c.flush)
            ASSERT_TRUE(f->sync().isOk());
        ASSERT_TRUE(f->close().isOk());
        if (c.rename)
            ASSERT_TRUE(env.renameFile(QString::fromLatin1(c.name), "a").isOk());
        if (c.flushFolder)
            ASSERT_TRUE(env.syncDir(".").isOk());
        QByteArray seen;
        ASSERT_TRUE(env.readFile("a", &seen, false).isOk());
        EXPECT_EQ(seen, "new");   // what the program sees before the cut
        env.cut();
        EXPECT_EQ(readBytes("a") + '|' + namesIn(folder).join(' ').toLatin1(), c.after);
        ASSERT_TRUE(env.readFile("a", &seen, false).isOk());
        EXPECT_EQ(seen, readBytes("a"));
    }
    // Calls after the power goes off fail.
    TempFolder folder;
    writeBytes("a", "old");
    PowerLossEnv env;
    env.cutAfter(1);
    QByteArray seen;
    EXPECT_TRUE(env.readFile("a", &seen, false).isOk());
    EXPECT_FALSE(env.removeFile("a").isOk());
    EXPECT_TRUE(env.powerOff());
    EXPECT_EQ(readBytes("a"), "old");
}

class PowerLoss : public ::testing::TestWithParam<int> {
protected:
    Change change() const { return changes()[size_t(GetParam())]; }

    struct Outcome {
        int calls = 0;
        QByteArray before, after;
        QStringList namesBefore, namesAfter;
    };

    // The change run once with the power on: its disk calls and what it leaves.
    Outcome measure()
    {
        Outcome o;
        cwtest::TempFolder folder;
        seedFolder();
        o.before = readBytes(change().file);
        o.namesBefore = namesIn(folder);
        PowerLossEnv env;
        EXPECT_TRUE(change().run(&env).isOk());
        o.calls = env.calls();
        env.cut();
        o.after = readBytes(change().file);
        o.namesAfter = namesIn(folder);
        EXPECT_NE(o.before, o.after);
        return o;
    }
};

} // namespace

TEST_P(PowerLoss, ACutAfterEveryDiskCallLeavesTheOldOrTheNewFile)
{
    const Outcome o = measure();
    ASSERT_GT(o.calls, 3);
    for (int k = 0; k <= o.calls; ++k) {
        cwtest::TempFolder folder;
        seedFolder();
        PowerLossEnv env;
        env.cutAfter(k);
        const Status s = change().run(&env);
        env.cut();
        if (k < o.calls) {
            EXPECT_FALSE(s.isOk()) << change().name << ": cut after call " << k << " reported as success";
        }
        const QByteArray now = readBytes(change().file);
        EXPECT_TRUE(now == o.before || now == o.after) << change().name << ": cut after call " << k;
        const QStringList names = namesIn(folder);
        EXPECT_TRUE(names == o.namesBefore || names == o.namesAfter)
            << change().name << ": cut after call " << k << " left " << names.join(u' ').toStdString();
    }
}

TEST_P(PowerLoss, ACompletedChangeSurvivesACut)
{
    const Outcome o = measure();   // cuts after the change returned
    cwtest::TempFolder folder;
    seedFolder();
    PowerLossEnv env;
    ASSERT_TRUE(change().run(&env).isOk());
    env.cut();
    EXPECT_EQ(readBytes(change().file), o.after);
    EXPECT_EQ(namesIn(folder), o.namesBefore);   // no work file is left behind
    // Read back through the simulator after the cut, the change is there too.
    QByteArray seen;
    ASSERT_TRUE(env.readFile(change().file, &seen, false).isOk());
    EXPECT_EQ(seen, o.after);
}

INSTANTIATE_TEST_SUITE_P(EveryChange, PowerLoss, ::testing::Range(0, int(changes().size())), cwtest::changeName);
