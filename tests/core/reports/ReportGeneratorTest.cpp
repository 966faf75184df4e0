// Whole reports, line by line, in US English, against the texts under data/,
// with their status panels; the category choice, and the selection and work
// files around them.

#include "ReportFixture.h"

#include "core/reports/CategoryChoice.h"
#include "store/ReportSelection.h"
#include "support/FaultEnv.h"

using namespace cwtest;

namespace {

const std::vector<cw::CategoryRecord> kFoodCarSalary = {category("FD", "Food"), category("CA", "Car"), category("SA", "Salary")};
const std::vector<cw::CategoryRecord> kFive = {category("TR", "Travel"), category("RN", "Rent"), category("SA", "Salary"),
                                               category("GF", "Gifts"), category("BK", "Books")};

QString panels(const cw::ReportResult& r)
{
    return r.incomePanel + u'|' + r.expensePanel + u'|' + r.balancePanel.value_or(QStringLiteral("-"));
}

} // namespace

class ReportText : public ReportTest {};

TEST_F(ReportText, WholeReportsAndTheirPanels)
{
    struct Case {
        const char* name;
        std::vector<cw::LedgerEntry> year;
        std::vector<cw::CategoryRecord> chosen;
        cw::ReportRequest request;
        const char* panels;
    };
    const Case cases[] = {
        {"summary-with-surplus",
         {entry("03-20-98", "SA", cents(15000), "Pay"), entry("03-12-98", "CA", cents(-2500), "Gas"),
          entry("03-10-98", "FD", cents(-7500), "Groceries")},
         kFoodCarSalary, request(),
         "(1 Items) Income = $150.00 |(2 Items) Expense = ($100.00) |Balance = $50.00 "},
        // Open items are listed and not counted.
        {"full-with-open-items-and-deficit",
         {entry("04-02-98", "FD", cents(-1250), "Lunch"), entry("03-15-98", "FD", cents(0), "Refund pending"),
          entry("03-10-98", "FD", cents(-7500), "Groceries"), entry("03-05-98", "SA", cents(4000), "Side job"),
          entry("03-01-98", "CA", cents(-2500), "Gas")},
         kFoodCarSalary, request(true),
         "(1 Items) Income = $40.00 |(3 Items) Expense = ($112.50) |Balance = ($72.50) "},
        {"category-chosen-twice",
         {entry("03-10-98", "FD", cents(-7500), "Groceries"), entry("03-01-98", "CA", cents(-2500), "Gas")},
         {category("FD", "Food"), category("CA", "Car"), category("FD", "Food")}, request(true),
         "(0 Items) Income = $0.00 |(3 Items) Expense = ($175.00) |Balance = ($175.00) "},
        // Nothing in the period: the span reversed, no category lines, no balance.
        {"empty-period",
         {entry("03-20-98", "SA", cents(15000), "Pay"), entry("03-10-98", "FD", cents(0), "Open")},
         kFoodCarSalary, request(true, u'A', 6, 8), "(0 Items) Income = $0.00 |(0 Items) Expense = $0.00 |-"},
        {"no-categories", {entry("03-10-98", "FD", cents(-7500), "Groceries")}, {}, request(true),
         "(0 Items) Income = $0.00 |(0 Items) Expense = $0.00 |-"},
        {"income-equal-to-expense",
         {entry("05-02-98", "SA", cents(5000), "Pay"), entry("05-01-98", "FD", cents(-5000), "Food")},
         kFoodCarSalary, request(), "(1 Items) Income = $50.00 |(1 Items) Expense = ($50.00) |-"},
        // $1 of $20,000 is exactly half a ten-thousandth: it rounds to the even 0, and the
        // rest to 100. Bars: 26 x 47 / 52 = 23.5 gives 24, 26 x 1 / 52 = 0.5 gives 0.
        {"shares-half-to-even",
         {entry("06-05-98", "TR", cents(-100), "Ticket"), entry("06-04-98", "RN", cents(-1999900), "Rent"),
          entry("06-03-98", "SA", cents(5200), "Pay"), entry("06-02-98", "GF", cents(4700), "Gift"),
          entry("06-01-98", "BK", cents(100), "Book sale")},
         kFive, request(), "(3 Items) Income = $100.00 |(2 Items) Expense = ($20,000.00) |Balance = ($19,900.00) "},
        {"share-decimals",
         {entry("07-04-98", "TR", cents(-750), "Bus"), entry("07-03-98", "RN", cents(-9250), "Rent"),
          entry("07-02-98", "SA", cents(100), "a"), entry("07-01-98", "GF", cents(100), "b"),
          entry("07-01-98", "BK", cents(100), "c")},
         kFive, request(), "(3 Items) Income = $3.00 |(2 Items) Expense = ($100.00) |Balance = ($97.00) "},
        // A currency text longer than its field is written whole and the report goes on.
        {"long-currency-text",
         {entry("08-02-98", "SA", cents(200), "Pay"), entry("08-01-98", "FD", cents(-100000000000LL), "Feast")},
         {category("FD", "Food"), category("SA", "Salary")}, request(true),
         "(1 Items) Income = $2.00 |(1 Items) Expense = ($1,000,000,000.00) |Balance = ($999,999,998.00) "},
        // Only the months asked for, and only exact codes.
        {"month-range-and-exact-codes",
         {entry("05-01-98", "FD", cents(-100), "May"), entry("04-30-98", "FD", cents(-200), "April"),
          entry("03-01-98", "fd", cents(-400), "lower-case code"), entry("02-28-98", "FD", cents(-800), "February"),
          entry("xx-05-98", "FD", cents(-1600), "no month"), entry("04-01-98", "A", cents(-3200), "one-letter code")},
         {category("FD", "Food"), category("A", "Auto")}, request(false, u'A', 3, 4),
         "(0 Items) Income = $0.00 |(2 Items) Expense = ($34.00) |Balance = ($34.00) "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeYear(c.year);
        const cw::ReportResult r = view(c.chosen, c.request);
        expectReport(r, QString::fromLatin1(c.name));
        EXPECT_EQ(panels(r), QString::fromLatin1(c.panels));
        EXPECT_FALSE(QFile::exists("tempcats.$$$"));
    }
}

// The same ledger under both date orders: the month is read where the flag
// puts it, and only zero amounts of the period are open items.
TEST_F(ReportText, OpenItemsUnderBothDateOrders)
{
    for (const bool dayFirst : {false, true}) {
        auto d = [&](const char* monthFirst, const char* dayFirstDate) { return dayFirst ? dayFirstDate : monthFirst; };
        writeYear({entry(d("04-20-98", "20-04-98"), "FD", 0, "April"), entry(d("03-15-98", "15-03-98"), "FD", 0, "Pending"),
                   entry(d("03-10-98", "10-03-98"), "FD", cents(-500), "Pens"),
                   entry(d("03-09-98", "09-03-98"), "HM", 0, "Not chosen")});
        const cw::ReportResult r = view({category("FD", "Food")}, request(false, dayFirst ? u'E' : u'A', 3, 3));
        expectReport(r, dayFirst ? "open-items-day-first" : "open-items-month-first");
        EXPECT_EQ(r.expensePanel, "(1 Items) Expense = ($5.00) ");
    }
}

TEST_F(ReportText, UnknownDateFlagSelectsNothingAndPrintsNoDate)
{
    writeYear({entry("03-10-98", "FD", cents(-7500), "Groceries")});
    const cw::ReportResult r = view({category("FD", "Food")}, request(false, u'X'));
    ASSERT_GE(r.lines.size(), 4);
    EXPECT_EQ(r.lines.line(0).toString(), "Cashflow Record for Pat Smith                      Printed: ");
    EXPECT_EQ(r.lines.line(3).toString(), "Records found span :  12/98 through 1/98, inclusive.");
    EXPECT_EQ(r.expensePanel, "(0 Items) Expense = $0.00 ");
}

TEST_F(ReportText, NotesKeepTheirWindows1252Characters)
{
    // 0x80 to 0x9F differ from Latin-1 (the euro sign, curly quotes); 0xE9 does not.
    const QString paid = QStringLiteral("Caf\u00e9 \u20ac5 \u201ctip\u201d"), open = QStringLiteral("\u2026 Cr\u00e8me");
    writeYear({entry("03-11-98", "FD", 0, open), entry("03-10-98", "FD", cents(-500), paid)});
    const cw::ReportResult result = view({category("FD", "Food")}, request(true));
    EXPECT_TRUE(result.lines.contains(QString(" 03-10-98  $5.00           \t" + paid.leftJustified(40))));
    EXPECT_TRUE(result.lines.contains(QString(" 03-11-98   FD  " + open.leftJustified(40))));
}

class ReportFiles : public ReportTest {};

TEST_F(ReportFiles, AMissingYearIsEmptyAndTheWorkFilesGoAfterTheReport)
{
    const cw::ReportResult empty = view({category("FD", "Food")}, request());
    EXPECT_EQ(empty.lines.size(), 23);   // heading, two empty summaries, end
    EXPECT_EQ(fileSize(kYearFile), 0);

    writeYear({entry("03-10-98", "FD", cents(-7500), "Groceries")});
    for (const char* stale : {"ex_file.$$$", "ic_file.$$$", "todofile.$$$"})
        writeBytes(stale, "old");
    const QByteArray yearBefore = readBytes(kYearFile);
    view({category("FD", "Food")}, request());
    for (const char* name : {"tempcats.$$$", "ex_file.$$$", "ic_file.$$$", "todofile.$$$"})
        EXPECT_FALSE(QFile::exists(name)) << name;
    EXPECT_EQ(readBytes(kYearFile), yearBefore);
}

TEST_F(ReportFiles, ReportReadsTheSelectionFileItIsGiven)
{
    writeYear({entry("03-10-98", "FD", cents(-7500), "Groceries"), entry("03-01-98", "CA", cents(-2500), "Gas")});
    ASSERT_TRUE(cw::makeRepCatFile(env(), {category("CA", "Car")}).isOk());
    const cw::ReportResult r = cw::makeReport(env(), request());
    ASSERT_TRUE(r.status.isOk());
    EXPECT_TRUE(r.lines.contains(QString("Car             $25.00            (  100%)  " + QString(26, u'|'))));
    EXPECT_EQ(r.expensePanel, "(1 Items) Expense = ($25.00) ");
    EXPECT_FALSE(QFile::exists("tempcats.$$$"));
}

TEST_F(ReportFiles, UnreadableYearFileIsReportedAndNothingIsLeftBehind)
{
    writeYear({entry("03-10-98", "FD", cents(-7500), "Groceries")});
    FaultEnv failing(FaultEnv::failing(FaultEnv::Kind::Read, kYearFile));
    const cw::ReportResult r = cw::viewReport(failing, {category("FD", "Food")}, request());
    EXPECT_EQ(r.status.file(), kYearFile);
    EXPECT_TRUE(r.lines.isEmpty());
    EXPECT_TRUE(r.incomePanel.isEmpty());
    EXPECT_FALSE(r.balancePanel.has_value());
    EXPECT_FALSE(QFile::exists("tempcats.$$$"));
}

// The selection file: an empty first record, then the choice in order; an
// older longer file or a planted link replaced whole; absent, no records.
TEST_F(ReportFiles, TheSelectionFileHoldsTheChoiceAfterAnEmptyRecord)
{
    const auto count = [this] { return cw::chosenCategoryCount(cw::readReportSelection(env()).value()); };
    EXPECT_EQ(count(), -1);
    writeBytes("tempcats.$$$", QByteArray(18 * 5, 'x'));
    ASSERT_TRUE(cw::makeRepCatFile(env(), {category("FD", "Food"), category("A", "Auto"), category("FD", "Food")}).isOk());
    EXPECT_EQ(readBytes("tempcats.$$$"), QByteArray(18, '\0') + "FDFood            A Auto            FDFood            ");
    EXPECT_EQ(count(), 3);
    QFile::remove("tempcats.$$$");
    writeBytes("victim", "victim");
    ASSERT_TRUE(QFile::link("victim", "tempcats.$$$"));
    ASSERT_TRUE(cw::makeRepCatFile(env(), {}).isOk());
    EXPECT_EQ(readBytes("victim"), "victim");
    EXPECT_EQ(readBytes("tempcats.$$$"), QByteArray(18, '\0'));
    EXPECT_EQ(count(), 0);
}

// A pick is taken once; All Cats adds the codes the year holds without a
// category, in the category file's order (raw bytes would put ZZ before ab).
TEST(CategoryChoice, APickIsTakenOnceAndAllCatsAddsTheCodesWithoutACategory)
{
    std::vector<cw::CategoryRecord> chosen;
    EXPECT_TRUE(cw::addChosenCategory(chosen, category("FO", "Food")));
    EXPECT_FALSE(cw::addChosenCategory(chosen, category("FO", "Fodder")));
    EXPECT_EQ(chosen, std::vector{category("FO", "Food")});
    const QByteArray year = bytesOf({entry("03-01-98", "ZZ", 1), entry("02-01-98", "FO", 1), entry("01-01-98", "ab", 1)});
    EXPECT_EQ(cw::allCategoriesChoice({category("FO", "Food"), category("FO", "Fodder")}, year),
              (std::vector{category("FO", "Food"), category("ab", "(no category)"), category("ZZ", "(no category)")}));
}
