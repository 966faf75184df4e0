// Macro play into a year file: refusals, the work file, the same bytes as
// inserting one by one, a planted link; the macro file list.

#include "core/macros/MacroFiles.h"
#include "core/macros/MacroPlayer.h"
#include "core/macros/MacroReader.h"
#include "store/EntryChecks.h"
#include "store/LedgerFile.h"
#include "store/SortKey.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

using namespace cwtest;

const QString kData = QStringLiteral("1998CWK.DAT");

class MacroPlay : public ::testing::Test {
protected:
    void SetUp() override { pinLocale(); }

    MacroPlayOutcome play(const QByteArray& macro, const QString& date, QChar flag = u'A')
    {
        writeBytes(QStringLiteral("PAY.MCR"), macro);
        return playMacroFile(*Env::posix(), folder.path(QStringLiteral("PAY.MCR")), date, folder.path(kData), flag);
    }

    // What inserting each entry with its checks, one by one, leaves.
    QByteArray oneByOne(const QByteArray& start, const QByteArray& macro, const QString& date, QChar flag)
    {
        writeBytes(QStringLiteral("REF.DAT"), start);
        const LedgerFile file(folder.path(QStringLiteral("REF.DAT")), Env::posix());
        for (const MacroEntry& m : readMacroEntries(macroLineRecords(macro))) {
            LedgerEntry e;
            e.setDate(date);
            e.code = m.code;
            e.amount = m.amount.value_or(0);
            e.note = m.note;
            const bool taken = m.amount && !checkEntry(e, flag, 1998);
            EXPECT_TRUE(!taken || file.insertInOrder(e, flag.toLatin1()).isOk());
        }
        return readBytes(QStringLiteral("REF.DAT"));
    }

    TempFolder folder;
};

QByteArray lines(std::initializer_list<const char*> ls)
{
    QByteArray out;
    for (const char* l : ls)
        out.append(l).append("\r\n");
    return out;
}

TEST(MacroPlayDate, UnfilledDateBoxFailsTheCheck)
{
    const std::optional<Message> m = checkPlayDate(macroPlayDate(QStringLiteral("__-__"), kData), u'A', 1998);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->title + " | " + m->text, "Operation Aborted | Invalid Date - __-__-98");
    // The day must exist in the active year.
    EXPECT_TRUE(checkPlayDate(macroPlayDate(QStringLiteral("02-29"), kData), u'A', 1998));
    EXPECT_FALSE(checkPlayDate(macroPlayDate(QStringLiteral("02-29"), QStringLiteral("2024CWK.DAT")), u'A', 2024));
}

TEST_F(MacroPlay, RefusedEntriesAreReportedAndThePlayGoesOn)
{
    const MacroPlayOutcome r = play(lines({"   ", "5", "blank code", "AB", "1E20", "too large", "CD", "1", "kept"}),
                                    QStringLiteral("03-15-98"));
    ASSERT_TRUE(r.status.isOk());
    EXPECT_EQ(r.inserted, 1);
    ASSERT_EQ(r.refused.size(), 2u);
    EXPECT_EQ(r.refused[0].title + " | " + r.refused[0].text, "Entry Aborted | No Category Selected");
    EXPECT_EQ(r.refused[1].title + " | " + r.refused[1].text, "Entry Aborted | Invalid Amount - 1E20");
    EXPECT_EQ(readBytes(kData), bytesOf({entry("03-15-98", "CD", 10000, "kept")}));
}

// On files out of order, with equal keys, lower-case codes and a trailing partial record.
TEST_F(MacroPlay, SameBytesAsInsertingOneByOne)
{
    std::mt19937 rng(7);
    for (QChar flag : {u'A', u'E'}) {
        for (int round = 0; round < 40; ++round) {
            std::vector<LedgerEntry> old = randomEntries(rng, int(rng() % 30), flag);
            if (round % 3 == 0)
                std::sort(old.begin(), old.end(), [&](const LedgerEntry& a, const LedgerEntry& b) {
                    return ledgerSortKey(a, flag.toLatin1()) > ledgerSortKey(b, flag.toLatin1());
                });
            QByteArray start = bytesOf(old);
            if (round % 5 == 0)
                start.append("partial");

            static const char* codes[] = {"FT", "ft", "A", "AB", "Q", "zz", "  "};
            QByteArray macro;
            const int count = int(rng() % 8);
            for (int i = 0; i < count; ++i)
                macro += lines({codes[rng() % 7], QByteArray::number(int(rng() % 999) - 500).constData(),
                                QByteArray("m").append(QByteArray::number(i)).constData()});
            const QString date = flag == u'E' ? QStringLiteral("1%1-02-98").arg(rng() % 4)
                                              : QStringLiteral("02-1%1-98").arg(rng() % 4);

            const QByteArray expected = oneByOne(start, macro, date, flag);
            writeBytes(kData, start);
            ASSERT_TRUE(play(macro, date, flag).status.isOk());
            ASSERT_EQ(readBytes(kData), expected) << "flag " << flag.toLatin1() << " round " << round;
        }
    }
}

TEST(MacroFiles, AnyLetterCaseSortedWithoutFolders)
{
    TempFolder folder;
    for (const char* name : {"pay.mcr", "Bills.MCR", "a.Mcr", "notes.nts", "mcr", "x.mcr.bak"})
        writeBytes(QString::fromLatin1(name), "x");
    QDir().mkpath(QStringLiteral("folder.mcr"));
    const Result<QStringList> names = macroFileNames(*Env::posix(), folder.path());
    ASSERT_TRUE(names.isOk());
    EXPECT_EQ(*names, QStringList({"a.Mcr", "Bills.MCR", "pay.mcr"}));
    EXPECT_FALSE(macroFileNames(*Env::posix(), folder.path(QStringLiteral("none"))).isOk());
}

// Anything left at the work file's name is cleared first; a link there is replaced, not followed.
TEST_F(MacroPlay, ALeftoverWorkFileOrALinkAtItsNameIsReplaced)
{
    writeBytes(kData, bytesOf({entry("03-01-98", "AB", 5, "x")}));
    writeBytes(kMacroWorkName, QByteArray(80 * 3, 'Z'));
    EXPECT_EQ(play(lines({"FT", "1", "n"}), QStringLiteral("03-15-98")).inserted, 1);
    EXPECT_EQ(readBytes(kData).size(), 2 * 58);
    EXPECT_FALSE(QFile::exists(kMacroWorkName));
    writeBytes("victim", "victim");
    ASSERT_TRUE(QFile::link(folder.path("victim"), folder.path(kMacroWorkName)));
    const MacroPlayOutcome r = play(lines({"FT", "1", "linked"}), "03-15-98");
    EXPECT_TRUE(r.status.isOk() && r.inserted == 1) << qPrintable(r.status.toString());
    EXPECT_EQ(readBytes("victim"), "victim");
    EXPECT_FALSE(QFile::exists(kMacroWorkName));
}

} // namespace
} // namespace cw
