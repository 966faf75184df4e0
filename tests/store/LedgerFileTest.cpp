// The year data file: the sort key, its changes, odd lengths and spellings,
// and reading in place; inputs the fuzz targets found wrong results for.

#include "store/CategoryFile.h"
#include "store/FileNames.h"
#include "store/LedgerFile.h"
#include "store/PlainNumber.h"
#include "store/SortKey.h"
#include "support/FaultEnv.h"
#include "support/Records.h"

#include <gtest/gtest.h>
#include <cstdlib>

using namespace cw;
using namespace cwtest;

namespace {

TEST(SortKey, DigitsOfDateThenCharacterCodes)
{
    const std::tuple<const char*, const char*, char, double> keys[] = {
        {"12-31-98", "FT", 'A', 9812317084.0}, {"31-12-98", "FT", 'E', 9812317084.0}, {"01-05-98", "A", 'A', 9801056532.0},
        // A lower-case code has three-digit character codes: a longer, greater key.
        {"01-01-90", "ft", 'A', 900101102116.0},
        // Odd date characters read like the plain reader: the blank skipped, then a stop at "x".
        {"1 -05-98", "FT", 'A', 981057084.0}, {"1x-05-98", "FT", 'A', 981.0}};
    for (const auto& [date, code, flag, key] : keys)
        EXPECT_EQ(ledgerSortKey(entry(date, code, 0), flag), key) << date << code;
}

class LedgerFileTest : public ::testing::Test {
protected:
    void seed(const std::vector<LedgerEntry>& entries) { ASSERT_TRUE(file.writeAll(entries).isOk()); }
    std::vector<LedgerEntry> read() { return *file.readAll(); }

    TempFolder folder;
    LedgerFile file{QStringLiteral("1998CWK.DAT")};
};

TEST_F(LedgerFileTest, EqualKeyGoesBeforeTheFirstEqualEntryAndAPartialRecordIsDropped)
{
    const auto first = entry("03-01-98", "FT", 1, "first"), second = entry("03-01-98", "FT", 2, "second");
    seed({entry("04-01-98", "FT", 0), first, second});
    writeBytes(file.name(), readBytes(file.name()) + QByteArray(20, 'z'));
    const auto added = entry("03-01-98", "FT", 3, "added");
    ASSERT_TRUE(file.insertInOrder(added, 'A').isOk());
    EXPECT_EQ(read(), (std::vector<LedgerEntry>{entry("04-01-98", "FT", 0), added, first, second}));
    EXPECT_EQ(readBytes(file.name()).size(), 4 * 58);
}

TEST_F(LedgerFileTest, ReplaceOverwritesTheRememberedEntryInPlace)
{
    const auto a = entry("05-01-98", "FT", 1), b = entry("03-01-98", "FT", 2, "  lead"), c = entry("01-01-98", "FT", 3);
    seed({a, b, c});
    writeBytes(file.name(), readBytes(file.name()) + "tail");
    // Gone, or stored with other blanks: not found, nothing written.
    for (const LedgerEntry& gone : {entry("03-01-98", "FT", 9, "  lead"), entry("03-01-98", "FT", 2, "lead")})
        EXPECT_FALSE(file.replace(gone, c).value());
    const auto edited = entry("12-31-98", "XY", -99, "moved");
    EXPECT_TRUE(file.replace(b, edited).value());
    EXPECT_EQ(read(), (std::vector<LedgerEntry>{a, edited, c}));   // keeps its number: out of order now
    EXPECT_TRUE(readBytes(file.name()).endsWith("tail"));
}

TEST_F(LedgerFileTest, DeleteRemovesOnlyOneOfIdenticalTwins)
{
    const auto twin = entry("03-01-98", "FT", -500, "coffee"), other = entry("02-01-98", "FT", 1);
    seed({twin, twin, other});
    EXPECT_TRUE(file.deleteOne(twin).value());
    EXPECT_EQ(read(), (std::vector<LedgerEntry>{twin, other}));
    EXPECT_FALSE(file.deleteOne(entry("03-01-98", "FT", 2)).value());
    EXPECT_EQ(read().size(), 2u);
}

TEST_F(LedgerFileTest, LengthsSpellingsAndFailures)
{
    EXPECT_TRUE(read().empty());   // absent: read as empty and left behind empty
    EXPECT_EQ(fileSize(file.name()), 0);
    writeBytes(file.name(), QByteArray(117, 'x'));
    EXPECT_EQ(read().size(), 2u);   // the fraction dropped
    QFile::remove(file.name());

    // A file spelled in another case is that same file.
    ASSERT_TRUE(LedgerFile(QStringLiteral("1998cwk.dat")).writeAll({entry("03-01-98", "FT", 1)}).isOk());
    ASSERT_TRUE(file.insertInOrder(entry("04-01-98", "FT", 2), 'A').isOk());
    EXPECT_EQ(read().size(), 2u);
    EXPECT_FALSE(QFile::exists(QStringLiteral("1998CWK.DAT")));
    EXPECT_EQ(resolveFileName(*Env::current(), QStringLiteral("1998CWK.DAT")), QStringLiteral("1998cwk.dat"));

    QFile::remove("1998cwk.dat");
    QDir().mkdir(QStringLiteral("1998CWK.DAT"));   // a folder cannot be read as a file
    EXPECT_EQ(file.readAll().status().toString(), QStringLiteral("1998CWK.DAT: Is a directory"));
}

QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char('A' + i % 26);
    return bytes;
}

// Also: an absent file made empty or reported, a folder reported, a wrapped Env read through.
TEST(MapFile, HoldsTheBytesOfTheFileAsItWasWhenMapped)
{
    TempFolder folder;
    Env& env = *Env::posix();
    const QByteArray bytes = pattern(3 * 4096 + 17);
    writeBytes("YEAR.DAT", bytes);
    FileContents contents;
    ASSERT_TRUE(env.mapFile("YEAR.DAT", false, &contents).isOk());
    writeBytes("YEAR.$$$", QByteArray(10, 'b'));   // every change is a new file renamed over the old
    ASSERT_TRUE(env.renameFile("YEAR.$$$", "YEAR.DAT").isOk());
    EXPECT_EQ(contents.view(), bytes);
    FileContents moved = std::move(contents);
    EXPECT_EQ(contents.size(), 0);
    EXPECT_EQ(moved.view(), bytes);

    EXPECT_EQ(env.mapFile("NONE.DAT", false, &contents).file(), "NONE.DAT");
    ASSERT_TRUE(env.mapFile("NONE.DAT", true, &contents).isOk());
    EXPECT_EQ(contents.size() + fileSize("NONE.DAT"), 0);
    QDir().mkdir("FOLDER.DAT");
    EXPECT_FALSE(env.mapFile("FOLDER.DAT", true, &contents).isOk());
    EXPECT_EQ(contents.size(), 0);

    FaultEnv failing(FaultEnv::failing(FaultEnv::Kind::Read, "YEAR.DAT"));
    EXPECT_EQ(failing.mapFile("YEAR.DAT", true, &contents).reason(), "Input/output error");
    EXPECT_EQ(failing.count(FaultEnv::Kind::Read), 1);
    EXPECT_EQ(contents.size(), 0);
}

// Hands every file out in pieces of a fixed size, as an Env may.
class PieceEnv : public EnvWrapper {
public:
    explicit PieceEnv(qsizetype piece) : EnvWrapper(Env::posix()), piece_(piece) {}
    Status readFileInChunks(const QString& path, bool createIfMissing, const ChunkSink& sink) override
    {
        QByteArray bytes;
        Status s = readFile(path, &bytes, createIfMissing);
        for (qsizetype at = 0; s && at < bytes.size(); at += piece_)
            sink(QByteArrayView(bytes).sliced(at, qMin(piece_, bytes.size() - at)), bytes.size());
        return s;
    }

private:
    qsizetype piece_;
};

// A record split over pieces shorter than what it still lacks must be
// completed by the pieces after them, not dropped.
TEST(FuzzRegression, RecordsReadInShortPiecesAndLongPlainNumbers)
{
    TempFolder folder;
    const QByteArray ledger = pattern(3 * LedgerEntryCodec::kSize + 11);
    const QByteArray categories = pattern(30);   // the category input found: one record and 12 bytes
    writeBytes(QStringLiteral("1998CWK.DAT"), ledger);
    writeBytes(QStringLiteral("1998CATS.DAT"), categories);
    for (qsizetype piece : {1, 5, 8, 57, 59}) {
        SCOPED_TRACE(piece);
        PieceEnv env(piece);
        const Result<std::vector<LedgerEntry>> entries = LedgerFile(QStringLiteral("1998CWK.DAT"), &env).readAll();
        ASSERT_TRUE(entries.isOk());
        EXPECT_EQ(*entries, decodeRecords<LedgerEntry>(ledger));
        const Result<std::vector<CategoryRecord>> cats = CategoryFile(QStringLiteral("1998CATS.DAT"), &env).readAll();
        ASSERT_TRUE(cats.isOk());
        EXPECT_EQ(*cats, decodeRecords<CategoryRecord>(categories));
    }
    // Leading zeros and long digit runs continue the number however many there are.
    EXPECT_EQ(readPlainNumber(QString(64, u'0') + QStringLiteral("5")), 5.0);
    EXPECT_EQ(readPlainNumber(QStringLiteral("0.") + QString(70, u'0') + QStringLiteral("1")), 1e-71);
    const QByteArray found = "2" + QByteArray(70, '1') + "7-+";
    EXPECT_EQ(readPlainNumber(found.constData(), found.size()), std::strtod(found.constData(), nullptr));
    EXPECT_EQ(readPlainNumber(QStringLiteral("0") + QString::fromLatin1(found)), readPlainNumber(QString::fromLatin1(found)));
}

} // namespace
