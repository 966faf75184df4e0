// Undo and Redo over every kind of change the program makes to the year
// files, byte for byte, and what the history keeps of each.

#include "core/categories/CategoryEditorLogic.h"
#include "core/session/DateFormatLogic.h"
#include "core/session/UndoHistory.h"
#include "core/tools/Sorter.h"
#include "support/FaultEnv.h"
#include "support/StoreChanges.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace cw;
using namespace cwtest;

namespace {

const QStringList kYearFiles{kData, kCats, kUnsorted};

struct UndoTest : ::testing::Test {
    TempFolder folder;
    UndoHistory history;
    void SetUp() override { seedFolder(); }

    void record(const std::function<void()>& change)
    {
        UndoScope scope(&history, *Env::posix(), kYearFiles);
        change();
    }
};

// Every change of the year files, then Undo, Redo and Undo again.
std::vector<Change> yearChanges()
{
    std::vector<Change> out;
    for (Change& c : changes())
        if (c.file != kPersonalFileName)
            out.push_back(c);
    out.push_back({"date conversion", kData, [](Env* env) { return convertDataFileDates(*env, kData); }});
    out.push_back({"recode", kData, [](Env* env) {
                       return CategoryEditorLogic(*env, kCats, kData).replace(QStringLiteral("CA"), QStringLiteral("AU"),
                                                                              QStringLiteral("Auto")).status();
                   }});
    out.push_back({"new year file", QStringLiteral("2027CWK.DAT"), [](Env* env) {
                       return LedgerFile(QStringLiteral("2027CWK.DAT"), env).insertInOrder(entry("01-02-27", "FT", -1, "x"), 'A');
                   }});
    return out;
}

TEST_F(UndoTest, EveryChangeIsTakenBackAndGivenBackByteForByte)
{
    for (const Change& c : yearChanges()) {
        SCOPED_TRACE(c.name);
        seedFolder();
        QFile::remove(QStringLiteral("2027CWK.DAT"));
        const QStringList names = kYearFiles + QStringList{QStringLiteral("2027CWK.DAT")};
        const Files before = snapshot(names);
        {
            UndoScope scope(&history, *Env::posix(), names);
            ASSERT_TRUE(c.run(Env::posix()).isOk());
        }
        const Files after = snapshot(names);
        ASSERT_NE(before, after);
        // One step, whatever number of files it changed.
        ASSERT_TRUE(history.undo(*Env::posix()).done());
        EXPECT_EQ(snapshot(names), before);
        EXPECT_FALSE(history.canUndo());
        ASSERT_TRUE(history.redo(*Env::posix()).done());
        EXPECT_EQ(snapshot(names), after);
        ASSERT_TRUE(history.undo(*Env::posix()).done());
        EXPECT_EQ(snapshot(names), before);
    }
}

TEST_F(UndoTest, AFileChangedSinceIsRefusedByNameAndLeftAlone)
{
    record([] { ASSERT_TRUE(LedgerFile(kData).insertInOrder(entry("04-02-26", "CA", -1, "new"), 'A').isOk()); });
    QByteArray outside = readBytes(kData);
    outside[20] = 'Z';
    writeBytes(kData, outside);
    const UndoHistory::Outcome refused = history.undo(*Env::posix());
    EXPECT_EQ(refused.refused, kData);
    EXPECT_EQ(readBytes(kData), outside);
    EXPECT_FALSE(history.canUndo());
}

TEST_F(UndoTest, KeepsTwentyStepsAndANewChangeDropsRedo)
{
    // A command that changed nothing leaves no step.
    record([] { ASSERT_FALSE(*LedgerFile(kData).deleteOne(entry("12-31-26", "ZZ", 1, "absent"))); });
    EXPECT_FALSE(history.canUndo());
    std::vector<QByteArray> states{readBytes(kData)};
    for (int i = 0; i < 25; ++i) {
        record([i] { ASSERT_TRUE(LedgerFile(kData).insertInOrder(entry("03-01-26", "FT", -i - 1, "n"), 'A').isOk()); });
        states.push_back(readBytes(kData));
    }
    int undone = 0;
    while (history.canUndo()) {
        ASSERT_TRUE(history.undo(*Env::posix()).done());
        ++undone;
    }
    EXPECT_EQ(undone, UndoHistory::kSteps);
    EXPECT_EQ(readBytes(kData), states[5]);
    EXPECT_TRUE(history.canRedo());
    record([] { ASSERT_TRUE(LedgerFile(kData).deleteOne(seedEntries()[0]).status().isOk()); });
    EXPECT_FALSE(history.canRedo());
}

TEST_F(UndoTest, AFailedWriteLeavesTheFilesAndTheStep)
{
    record([] { ASSERT_TRUE(CategoryEditorLogic(*Env::posix(), kCats, kData).replace(QStringLiteral("CA"), QStringLiteral("AU"), QStringLiteral("Auto"))); });
    const Files after = snapshot(kYearFiles);
    // The second file's rename fails: the first is put back as it was.
    FaultEnv failing(FaultEnv::failing(FaultEnv::Kind::Rename, kData));
    const UndoHistory::Outcome failed = history.undo(failing);
    EXPECT_FALSE(failed.status.isOk());
    EXPECT_EQ(failed.status.file(), kData);
    EXPECT_EQ(snapshot(kYearFiles), after);
    EXPECT_TRUE(history.canUndo());

    // A Redo that makes a file again, its second file failing: the made file goes.
    const QStringList files{QStringLiteral("2027CWK.DAT"), kData};
    {
        UndoScope scope(&history, *Env::posix(), files);
        ASSERT_TRUE(LedgerFile(files[0]).insertInOrder(entry("01-02-27", "FT", -1, "x"), 'A').isOk());
        ASSERT_TRUE(LedgerFile(kData).deleteOne(seedEntries()[0]).status().isOk());
    }
    ASSERT_TRUE(history.undo(*Env::posix()).done());
    const Files undone = snapshot(files);
    EXPECT_FALSE(history.redo(failing).status.isOk());
    EXPECT_EQ(snapshot(files), undone);
    EXPECT_TRUE(history.canRedo());
}

TEST_F(UndoTest, AStepKeepsTheChangeNotTheYear)
{
    std::vector<LedgerEntry> year;
    for (int i = 0; i < 10000; ++i)
        year.push_back(entry(i % 2 ? "03-04-26" : "11-12-26", "FT", i, "note"));
    ASSERT_TRUE(LedgerFile(kData).writeAll(year).isOk());
    const auto kept = [&](const std::function<void()>& change) {
        const qsizetype was = history.heldBytes();
        record(change);
        return history.heldBytes() - was;
    };
    EXPECT_LE(kept([] { ASSERT_TRUE(LedgerFile(kData).insertInOrder(entry("06-01-26", "FT", 5, "n"), 'A').isOk()); }), 0);
    EXPECT_LE(kept([] { ASSERT_TRUE(sortMainFile(*Env::posix(), kData, 'A')); }), 4 * 10001);
    EXPECT_LE(kept([] { ASSERT_TRUE(convertDataFileDates(*Env::posix(), kData).isOk()); }), 8 * 10001);
    // Taken back and given back, each step stays that small.
    const QByteArray converted = readBytes(kData);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(history.undo(*Env::posix()).done());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(history.redo(*Env::posix()).done());
    EXPECT_EQ(readBytes(kData), converted);
    EXPECT_LE(history.heldBytes(), 12 * 10001 + 58);
}

} // namespace
