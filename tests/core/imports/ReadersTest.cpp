// The statement readers over the committed files, and the values they read.

#include "Statements.h"
#include "core/imports/CsvReader.h"
#include "core/imports/OfxReader.h"
#include "core/imports/QifReader.h"
#include "core/imports/StatementFile.h"
#include "core/imports/StatementValues.h"

#include <gtest/gtest.h>

using namespace cw;
using namespace cwtest;

namespace {

// The rows read against data/NAME.rows.
void expectRows(const StatementRead& read, const char* name)
{
    ASSERT_FALSE(read.failure) << read.failure->line << " " << read.failure->reason.toStdString();
    EXPECT_EQ(rowTexts(read.rows).toStdString(), expectedRows(name).toStdString()) << name;
}

TEST(StatementValues, AmountsAndDates)
{
    const std::tuple<const char16_t*, DecimalMark, std::optional<Money>> amounts[] = {
        {u"1,234.56", DecimalMark::Point, 12345600},   {u"1.234,56", DecimalMark::Comma, 12345600},
        {u"(12.50)", DecimalMark::Point, -125000},     {u"12.50-", DecimalMark::Point, -125000},
        {u"$ -3", DecimalMark::Point, -30000},         {u"-€1 234,5", DecimalMark::Comma, -12345000},
        {u"12,5", DecimalMark::Guess, 125000},         {u"1,234", DecimalMark::Guess, 12340000},
        {u"1.234.567", DecimalMark::Guess, 12345670000}, {u"0.00005", DecimalMark::Point, 1},
        {u".5", DecimalMark::Point, 5000},             {u"1,23", DecimalMark::Point, std::nullopt},
        {u"12,34,567", DecimalMark::Point, std::nullopt}, {u"1.2.3", DecimalMark::Point, std::nullopt},
        {u"--1", DecimalMark::Point, std::nullopt},    {u"", DecimalMark::Point, std::nullopt},
        {u"ten", DecimalMark::Guess, std::nullopt},    {u"922337203685478", DecimalMark::Point, std::nullopt},
        {u"922337203685477.5807", DecimalMark::Point, std::numeric_limits<Money>::max()},
    };
    for (const auto& [text, mark, money] : amounts)
        EXPECT_EQ(parseStatementAmount(QStringView(text), mark), money) << QString::fromUtf16(text).toStdString();
    const std::tuple<const char16_t*, DateOrder, QDate> dates[] = {
        {u"3/15/26", DateOrder::MDY, {2026, 3, 15}},       {u"15.03.99", DateOrder::DMY, {1999, 3, 15}},
        {u"15-03-2026", DateOrder::DMY, {2026, 3, 15}},    {u"1/5' 4", DateOrder::MDY, {2004, 1, 5}},
        {u"12/31'25", DateOrder::MDY, {2025, 12, 31}},     {u"2026-03-15 10:30", DateOrder::YMD, {2026, 3, 15}},
        {u"20260315", DateOrder::YMD, {2026, 3, 15}},      {u"2028-02-29", DateOrder::YMD, {2028, 2, 29}},
        {u"2026-02-29", DateOrder::YMD, {}},               {u"03/15/2026", DateOrder::DMY, {}},
        {u"3/15/2026x", DateOrder::MDY, {}},               {u"3/15", DateOrder::MDY, {}},
        {u"3/15/202", DateOrder::MDY, {}},
    };
    for (const auto& [text, order, date] : dates)
        EXPECT_EQ(parseStatementDate(QStringView(text), order, 2026), date) << QString::fromUtf16(text).toStdString();
}

TEST(StatementFile, FormatAndDelimiterFromTheContent)
{
    const std::tuple<const char*, StatementFormat, char> cases[] = {
        {"checking-ofx1.ofx", StatementFormat::Ofx, 0}, {"savings-ofx2.ofx", StatementFormat::Ofx, 0},
        {"card.qfx", StatementFormat::Ofx, 0},          {"checking.qif", StatementFormat::Qif, 0},
        {"card-day-first.qif", StatementFormat::Qif, 0}, {"own-export.txt", StatementFormat::OwnExport, ','},
        {"comma.csv", StatementFormat::Csv, ','},       {"semicolon.csv", StatementFormat::Csv, ';'},
        {"tab.csv", StatementFormat::Csv, '\t'},
    };
    for (const auto& [file, format, delimiter] : cases) {
        EXPECT_EQ(detectStatementFormat(statementBytes(file)), format) << file;
        EXPECT_TRUE(!delimiter || detectCsvDelimiter(statementBytes(file)) == delimiter) << file;
    }
}

TEST(StatementReaders, OfxQifAndOwnExportFiles)
{
    for (const char* name : {"checking-ofx1.ofx", "savings-ofx2.ofx", "card.qfx"})
        expectRows(readOfx(statementBytes(name)), name);
    expectRows(readQif(statementBytes("checking.qif"), u'A', 2026), "checking.qif");
    // Windows-1252 text, decimal commas, the "'" year; the account list and
    // the investment section are left out.
    expectRows(readQif(statementBytes("card-day-first.qif"), u'E', 2026), "card-day-first.qif");
    expectRows(readOwnExport(statementBytes("own-export.txt"), u'A', 2026), "own-export.txt");
}

TEST(CsvReader, GuessedMappingsAndChangedNoteColumns)
{
    const std::tuple<const char*, char, const char*, const char16_t*> cases[] = {
        {"comma.csv", ',', "44;1;1;MDY;3;0;0;0;2;0", nullptr},
        {"semicolon.csv", ';', "59;1;1;DMY;4;0;0;1;2;0", u"3 2"},
        {"tab.csv", '\t', "9;1;1;YMD;0;4;5;0;2;0", u"2 3"}};
    for (const auto& [file, delimiter, guessed, notes] : cases) {
        const CsvTable table = readCsvTable(statementBytes(file), delimiter);
        ASSERT_FALSE(table.failure) << file;
        CsvMapping m = guessCsvMapping(table, delimiter, u'A', 2026);
        EXPECT_EQ(m.toText().toStdString(), guessed);
        EXPECT_EQ(CsvMapping::fromText(m.toText()), m);
        if (notes)
            m.noteCols = parseColumnList(notes);
        StatementRead read;
        read.rows = mapCsvRows(table, m, 2026);
        expectRows(read, file);
    }
}

TEST(StatementReaders, FilesThatAreNoStatementFailAtTheirLine)
{
    const QByteArray binary("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const std::tuple<const char*, StatementRead, int, const char*> cases[] = {
        {"truncated OFX", readOfx(statementBytes("truncated.ofx")), 58, "the statement ends early: no </OFX>"},
        {"no OFX", readOfx("OFXHEADER:100\n\nnothing here\n"), 4, "no <OFX> element, not an OFX statement"},
        {"open STMTTRN", readOfx("<OFX>\n<STMTTRN><TRNAMT>1\n<STMTTRN>\n</STMTTRN></OFX>"), 2,
         "a transaction (<STMTTRN>) is not closed"},
        {"binary OFX", readOfx(binary), 3, "binary data, not a statement"},
        {"binary QIF", readQif(binary, u'A', 2026), 3, "binary data, not a statement"},
        {"control bytes", readQif("!Type:Bank\nD1/1/26\nT\x02\x81\x03\n", u'A', 2026), 3, "binary data, not a statement"},
        {"QIF without type", readQif("D1/1/26\nT5\n^\n", u'A', 2026), 1, "no !Type:Bank, !Type:CCard or !Type:Cash line"},
        {"QIF investments only", readQif("!Type:Invst\nD1/1/26\n^\n", u'A', 2026), 3,
         "no !Type:Bank, !Type:CCard or !Type:Cash line"},
    };
    for (const auto& [what, read, line, reason] : cases) {
        ASSERT_TRUE(read.failure) << what;
        EXPECT_EQ(read.failure->line, line) << what;
        EXPECT_EQ(read.failure->reason.toStdString(), reason) << what;
    }
    for (const auto& [bytes, line] : {std::pair(statementBytes("unclosed.csv"), 2), {binary, 3}, {"a,b\nc,d\"e\",f\n", 2}}) {
        const CsvTable table = readCsvTable(bytes, ',');
        ASSERT_TRUE(table.failure) << line;
        EXPECT_EQ(table.failure->line, line);
    }
    EXPECT_EQ(statementFailureMessage(QStringLiteral("/home/u/bank.ofx"), {12, QStringLiteral("the statement ends early: no </OFX>")}),
              (Message{QStringLiteral("bank.ofx: line 12: the statement ends early: no </OFX>"), QStringLiteral("Coinwick 2"), Message::Icon::Warning}));
}

} // namespace
