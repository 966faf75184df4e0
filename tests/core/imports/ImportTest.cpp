// The import into a year: states, category guesses, the one rewrite, the
// FITIDs to remember, and the program's own export read back.

#include "Statements.h"
#include "core/imports/ImportPlan.h"
#include "core/imports/QifReader.h"
#include "core/imports/OfxReader.h"
#include "core/imports/StatementImport.h"
#include "support/Records.h"
#include "core/tools/CommaExport.h"

#include <gtest/gtest.h>

using namespace cw;
using namespace cwtest;

namespace {

const QString kData = QStringLiteral("2026CWK.DAT");

ImportContext context2026(const char* defaultCode = "MI") { return {u'A', 2026, QString::fromLatin1(defaultCode), {}}; }

// "state|date|code|amount|note|ticked" per row, against data/NAME.plan.
void expectPlan(const std::vector<ImportRow>& rows, const char* name)
{
    QString out;
    for (const ImportRow& r : rows)
        out += QStringLiteral("%1|%2|%3|%4|%5|%6\n")
                   .arg(r.stateText(), r.entry.dateText().remove(QChar(0)), r.entry.codeText().remove(QChar(0)).trimmed())
                   .arg(r.entry.amount)
                   .arg(r.entry.noteText().trimmed())
                   .arg(r.ticked ? 1 : 0);
    EXPECT_EQ(out.toStdString(), QString::fromUtf8(readBytes(QStringLiteral(CW_STATEMENTS_DIR "/../data/") + name + ".plan")).toStdString());
}

StatementRow row(QDate date, Money amount, const char* payee, const char* fitid)
{
    return {0, date, amount, QString::fromUtf8(payee), {}, {}, QString::fromLatin1(fitid), {}, false};
}

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override { cwtest::pinLocale(); }
    cwtest::TempFolder folder;
};

TEST_F(ImportTest, QifIntoTheYearWithGuessesDuplicatesOtherYearAndErrors)
{
    const std::vector<LedgerEntry> year = {
        entry("03-21-26", "FD", -75000, "CORNER GROCERY"), entry("02-10-26", "HM", -900000, "Landlord deposit"),
        entry("02-01-26", "SA", 1000, "ACME bonus"),       entry("01-20-26", "PZ", 24000000, " acme payroll"),
        entry("01-20-26", "PY", 24000000, "Acme Payroll"), entry("01-05-26", "PX", 24000000, "ACME PAYROLL"),
    };
    writeBytes(kData, encodeRecords(year));
    const StatementRead read = readQif(statementBytes("checking.qif"), u'A', 2026);
    std::vector<ImportRow> plan = planImport(read.rows, encodeRecords(year), context2026());
    // The whole note first (the newest, then the first in the file), then the first word.
    expectPlan(plan, "checking.qif");

    const ImportOutcome out = writeImport(*Env::current(), kData, plan, u'A');
    ASSERT_TRUE(out.status.isOk());
    EXPECT_EQ(importSummaryMessage(out),
              (Message{QStringLiteral("2 entries imported, 1 duplicates skipped, 1 for other years."), QStringLiteral("Coinwick 2"),
                       Message::Icon::Information}));
    const std::vector<LedgerEntry> expected = {
        year[0], entry("03-15-26", "HM", -12345600, "LANDLORD March rent"), entry("03-01-26", "PZ", 25000000, "ACME PAYROLL"),
        year[1], year[2], year[3], year[4], year[5],
    };
    EXPECT_EQ(readBytes(kData), encodeRecords(expected));

    // A ticked duplicate is written too: in front of its equal, as a single insert puts it.
    plan[5].ticked = true;
    plan[0].ticked = plan[1].ticked = false;
    const ImportOutcome again = writeImport(*Env::current(), kData, plan, u'A');
    EXPECT_EQ(importSummaryMessage(again).text.toStdString(), "1 entries imported, 0 duplicates skipped, 1 for other years.");
    EXPECT_EQ(readBytes(kData), encodeRecords(std::vector{year[0]}) + encodeRecords(expected));
}

TEST_F(ImportTest, DuplicatesWithinTheFileAndByFitid)
{
    const QDate d(2026, 3, 5);
    const std::vector<StatementRow> rows = {
        row(d, -10000, "COFFEE", "F1"),
        row(d, -10000, "coffee", "F2"),     // another note (case counts for duplicates)
        row(d, -10000, "COFFEE  ", "F3"),   // the same stored note
        row(d, -20000, "TEA", "F1"),        // the FITID earlier in the file
        row(d, -30000, "CAKE", "OLD"),      // imported before
        row(QDate(2027, 1, 1), -1, "NEXT YEAR", "F4"),
        row(d, -40000, "Łódź café\tand a note longer than forty characters", ""),
    };
    ImportContext c = context2026();
    c.knownFitids = {QStringLiteral("OLD")};
    const std::vector<ImportRow> plan = planImport(rows, {}, c);
    QStringList states;
    for (const ImportRow& r : plan)
        states.append(r.stateText() + (r.canTick() ? QStringLiteral("+") : QStringLiteral("")));
    EXPECT_EQ(states.join(u',').toStdString(), "new+,new+,duplicate+,duplicate+,duplicate+,other year,new+");
    // Stored as 40 characters of Windows-1252: "?" for what it lacks, a blank for a control character.
    EXPECT_EQ(plan.back().entry.noteText(), QStringLiteral("?ód? café and a note longer than forty c"));

    // The FITIDs of the rows written are remembered for the year.
    writeBytes(kData, {});
    const ImportOutcome out = writeImport(*Env::current(), kData, plan, u'A');
    EXPECT_EQ(out.fitids, QStringList({QStringLiteral("F1"), QStringLiteral("F2")}));
    EXPECT_EQ(out.written, 3);
    EXPECT_EQ(out.duplicatesSkipped, 3);
}

TEST_F(ImportTest, OfxRowsAndTheDefaultCategory)
{
    const StatementRead read = readOfx(statementBytes("checking-ofx1.ofx"));
    ImportContext c = context2026("");
    c.knownFitids = {QStringLiteral("2026030101")};
    std::vector<ImportRow> plan = planImport(read.rows, {}, c);
    expectPlan(plan, "checking-ofx1.ofx");   // 40 characters of Windows-1252 as stored

    // Without a category nothing is written.
    writeBytes(kData, {});
    ImportOutcome refused = writeImport(*Env::current(), kData, plan, u'A');
    ASSERT_TRUE(refused.refused);
    EXPECT_EQ(refused.refused->text.toStdString(), "No Category Selected");
    EXPECT_EQ(QFile(kData).size(), 0);

    setDefaultCategory(plan, QStringLiteral("GR"));
    const ImportOutcome out = writeImport(*Env::current(), kData, plan, u'A');
    EXPECT_EQ(out.written, 2);
    EXPECT_EQ(readBytes(kData), encodeRecords(std::vector<LedgerEntry>{
                                    entry("03-20-26", "GR", -35000, "CAF\xC9 & BAKERY"),
                                    entry("03-15-26", "GR", -421700, "CORNER GROCERY POS PURCHASE")}));
}

TEST_F(ImportTest, TheProgramsOwnExportGivesTheSameDataFileBack)
{
    for (const char flag : {'A', 'E'}) {
        const bool e = flag == 'E';
        // Newest first, no two entries of equal date and code.
        const std::vector<LedgerEntry> year = {
            entry(e ? "31-12-26" : "12-31-26", "ft", -1, "lower-case code"),
            entry(e ? "31-12-26" : "12-31-26", "FD", -125000, "Lunch"),
            entry(e ? "15-03-26" : "03-15-26", "A", 10203, "  leading blanks and caf\xE9"),
            entry(e ? "01-01-26" : "01-01-26", "PY", 25000000, "ACME PAYROLL"),
        };
        writeBytes(QStringLiteral("export.txt"),
                   exportLines(year, selection({"ft", "FD", "A", "PY"}), {1, 12, QChar(flag), QStringLiteral("2026"), u'.'}));

        StatementImport statement;
        ASSERT_FALSE(statement.load(*Env::current(), QStringLiteral("export.txt"), {}, QChar(flag), 2026));
        EXPECT_EQ(statement.format(), StatementFormat::OwnExport);
        ImportContext c = context2026();
        c.flag = QChar(flag);
        writeBytes(kData, {});
        const ImportOutcome out = writeImport(*Env::current(), kData, planImport(statement.rows(), {}, c), QChar(flag));
        EXPECT_EQ(out.written, 4) << flag;
        EXPECT_EQ(readBytes(kData), encodeRecords(year)) << flag;
    }
}

TEST_F(ImportTest, AFileOver100MiBIsRefusedUnread)
{
    writeBytes(QStringLiteral("huge.csv"), QByteArray());
    ASSERT_TRUE(QFile::resize(QStringLiteral("huge.csv"), kMaxStatementSize + 1));   // sparse
    StatementImport statement;
    const std::optional<StatementProblem> problem = statement.load(*Env::current(), QStringLiteral("huge.csv"), {}, u'A', 2026);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->status.toString().toStdString(), "huge.csv: larger than 100 MiB, not a statement to import");
}

} // namespace
