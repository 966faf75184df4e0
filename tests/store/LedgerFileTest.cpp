// Insert with equal keys, replace in place, delete of one entry, odd file
// lengths. Placement by key is compared over a year of use.

#include "store/FileNames.h"
#include "store/LedgerFile.h"
#include "store/SortKey.h"
#include "support/Records.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace cw;
using cwtest::entry;
using cwtest::readBytes;
using cwtest::writeBytes;

namespace {

class LedgerFileTest : public ::testing::Test {
protected:
    void seed(const std::vector<LedgerEntry>& entries) { ASSERT_TRUE(file.writeAll(entries).isOk()); }
    std::vector<LedgerEntry> read() { return *file.readAll(); }

    cwtest::TempFolder folder;
    LedgerFile file{QStringLiteral("1998CWK.DAT")};
};

} // namespace

TEST(SortKey, DigitsOfDateThenCharacterCodes)
{
    EXPECT_EQ(ledgerSortKey(entry("12-31-98", "FT", 0), 'A'), 9812317084.0);
    EXPECT_EQ(ledgerSortKey(entry("31-12-98", "FT", 0), 'E'), 9812317084.0);
    EXPECT_EQ(ledgerSortKey(entry("01-05-98", "A", 0), 'A'), 9801056532.0);
    // A lower-case code has three-digit character codes: a longer, greater key.
    EXPECT_EQ(ledgerSortKey(entry("01-01-90", "ft", 0), 'A'), 900101102116.0);
    EXPECT_GT(ledgerSortKey(entry("01-01-90", "ft", 0), 'A'), ledgerSortKey(entry("12-31-99", "ZZ", 0), 'A'));
}

TEST(SortKey, OddDateCharactersReadLikeThePlainReader)
{
    // "98" "1 " "05": the blank is skipped, giving 98105 then 7084.
    EXPECT_EQ(ledgerSortKey(entry("1 -05-98", "FT", 0), 'A'), 981057084.0);
    // Reading stops at the first character that cannot continue a number.
    EXPECT_EQ(ledgerSortKey(entry("1x-05-98", "FT", 0), 'A'), 981.0);
}

TEST_F(LedgerFileTest, EqualKeyGoesBeforeTheFirstEqualEntry)
{
    const auto first = entry("03-01-98", "FT", 1, "first"), second = entry("03-01-98", "FT", 2, "second");
    seed({entry("04-01-98", "FT", 0), first, second});
    const auto added = entry("03-01-98", "FT", 3, "added");
    ASSERT_TRUE(file.insertInOrder(added, 'A').isOk());
    EXPECT_EQ(read()[1], added);
    EXPECT_EQ(read()[2], first);
}

TEST_F(LedgerFileTest, InsertDropsATrailingPartialRecord)
{
    seed({entry("03-01-98", "FT", 1)});
    QByteArray bytes = readBytes(file.name());
    writeBytes(file.name(), bytes + QByteArray(20, 'z'));
    ASSERT_TRUE(file.insertInOrder(entry("01-01-98", "FT", 2), 'A').isOk());
    EXPECT_EQ(readBytes(file.name()).size(), 116);
}

TEST_F(LedgerFileTest, ReplaceOverwritesTheRememberedEntryInPlace)
{
    const auto a = entry("05-01-98", "FT", 1), b = entry("03-01-98", "FT", 2), c = entry("01-01-98", "FT", 3);
    seed({a, b, c});
    writeBytes(file.name(), readBytes(file.name()) + "tail");
    const auto edited = entry("12-31-98", "XY", -99, "moved");
    Result<bool> found = file.replace(b, edited);
    ASSERT_TRUE(found.isOk());
    EXPECT_TRUE(*found);
    EXPECT_EQ(read(), (std::vector<LedgerEntry>{a, edited, c}));   // keeps its number: out of order now
    EXPECT_TRUE(readBytes(file.name()).endsWith("tail"));
}

TEST_F(LedgerFileTest, ReplaceOfAnEntryNoLongerThereOrStoredWithOtherBlanksWritesNothing)
{
    seed({entry("05-01-98", "FT", 1, "  lead")});
    const QByteArray before = readBytes(file.name());
    for (const LedgerEntry& gone : {entry("05-01-98", "FT", 2, "  lead"), entry("05-01-98", "FT", 1, "lead")}) {
        Result<bool> found = file.replace(gone, entry("05-01-98", "FT", 3));
        ASSERT_TRUE(found.isOk());
        EXPECT_FALSE(*found);
    }
    EXPECT_EQ(readBytes(file.name()), before);
}

TEST_F(LedgerFileTest, DeleteRemovesOnlyOneOfIdenticalTwins)
{
    const auto twin = entry("03-01-98", "FT", -500, "coffee");
    const auto other = entry("02-01-98", "FT", 1);
    seed({twin, twin, other});
    Result<bool> found = file.deleteOne(twin);
    ASSERT_TRUE(found.isOk() && *found);
    EXPECT_EQ(read(), (std::vector<LedgerEntry>{twin, other}));
    EXPECT_FALSE(QFile::exists(QStringLiteral("temp.$$$")));
}

TEST_F(LedgerFileTest, DeleteOfAMissingEntryKeepsTheFile)
{
    seed({entry("03-01-98", "FT", 1)});
    Result<bool> found = file.deleteOne(entry("03-01-98", "FT", 2));
    ASSERT_TRUE(found.isOk());
    EXPECT_FALSE(*found);
    EXPECT_EQ(read().size(), 1u);
}

TEST_F(LedgerFileTest, RecordCountDropsTheFraction)
{
    writeBytes(file.name(), QByteArray(57, 'x'));
    EXPECT_TRUE(read().empty());
    writeBytes(file.name(), QByteArray(117, 'x'));
    EXPECT_EQ(read().size(), 2u);
}

TEST_F(LedgerFileTest, AnAbsentFileReadsEmptyAndIsLeftBehindEmpty)
{
    EXPECT_TRUE(read().empty());
    EXPECT_TRUE(QFile::exists(file.name()));
    EXPECT_EQ(QFileInfo(file.name()).size(), 0);
}

TEST_F(LedgerFileTest, AFileSpelledInAnotherCaseIsThatSameFile)
{
    LedgerFile lower(QStringLiteral("1998cwk.dat"));
    ASSERT_TRUE(lower.writeAll({entry("03-01-98", "FT", 1)}).isOk());
    ASSERT_TRUE(file.insertInOrder(entry("04-01-98", "FT", 2), 'A').isOk());
    EXPECT_EQ(read().size(), 2u);
    EXPECT_FALSE(QFile::exists(QStringLiteral("1998CWK.DAT")));
    EXPECT_EQ(resolveFileName(*Env::current(), QStringLiteral("1998CWK.DAT")), QStringLiteral("1998cwk.dat"));
}

TEST_F(LedgerFileTest, AReadFailureNamesTheFileAndTheReason)
{
    QDir().mkdir(QStringLiteral("1998CWK.DAT"));   // a folder cannot be read as a file
    Result<std::vector<LedgerEntry>> r = file.readAll();
    ASSERT_FALSE(r.isOk());
    EXPECT_EQ(r.status().file(), QStringLiteral("1998CWK.DAT"));
    EXPECT_FALSE(r.status().reason().isEmpty());
}

TEST_F(LedgerFileTest, ALargeFileReadsWholeAcrossReadPieces)
{
    // Over a megabyte, so records straddle the pieces the reader works in.
    std::vector<LedgerEntry> many;
    for (int i = 0; i < 20000; ++i)
        many.push_back(entry("06-15-98", "FT", i, "n"));
    seed(many);
    writeBytes(file.name(), readBytes(file.name()) + "xx");
    EXPECT_EQ(read(), many);
}
