// Whole reports, line by line, in US English.

#include "ReportFixture.h"

#include "store/ReportSelection.h"
#include "support/FaultEnv.h"

#include <QFile>

using namespace cwtest;

namespace {

QString bar(int n) { return QString(n, u'|'); }

const QString kHeading = QStringLiteral("Cashflow Record for Pat Smith                      Printed: 03-05-2026");
const QString kOutHeading = QStringLiteral(" --- Summary of money that went OUT ---");
const QString kInHeading = QStringLiteral(" --- Summary of money that came IN ---");
const QString kColumns = QStringLiteral(" Category              Sub Total             Graph");

// The six lines every report starts with.
QStringList head(const QString& period, const QString& span, const QString& first = kHeading)
{
    return {first, QString(70, u'-'), period, span, QString(70, u'-'), " "};
}

// The two summaries, money out and then money in: their category lines and
// the totals in their padded fields.
QStringList summaries(const QStringList& out, const QString& expense, const QStringList& in, const QString& income)
{
    return QStringList{kOutHeading, " ", kColumns, " "} + out
        + QStringList{" ", "Total Expense   " + expense, " ", kInHeading, " ", kColumns, " "} + in
        + QStringList{" ", "Total Income    " + income, " "};
}

const QString kWholeYear = QStringLiteral("Searched the period:  1/98 through 12/98, inclusive.");

const std::vector<cw::CategoryRecord> kFoodCarSalary = {
    category("FD", "Food"), category("CA", "Car"), category("SA", "Salary")};

} // namespace

class ReportText : public ReportTest {
protected:
    // A full report in which nothing was found: no category lines, no balance, no items.
    static QStringList emptyFullReport(const QString& period)
    {
        return head(period, "Records found span :  12/98 through 1/98, inclusive.")
            + summaries({}, "$0.00           ", {}, "$0.00           ") + QStringList{
            " ",
            kRule,
            "                        Line items - money OUT",
            kRule,
            " ",
            kRule,
            "                        Line items - money IN",
            kRule,
            " ",
            kRule,
            "  END",
        };
    }
};

TEST_F(ReportText, FoodAndCarSummaryWithSurplus)
{
    writeYear({entry("03-20-98", "SA", cents(15000), "Pay"),
               entry("03-12-98", "CA", cents(-2500), "Gas"),
               entry("03-10-98", "FD", cents(-7500), "Groceries")});
    const cw::ReportResult r = view(kFoodCarSalary, request());
    expectLines(r, head(kWholeYear, "Records found span :  3/98 through 3/98, inclusive.") + summaries({
        "Food            $75.00            (   75%)  " + bar(26),
        "Car             $25.00            (   25%)  " + bar(9),
    }, "$100.00         ", {
        "Salary          $150.00           (  100%)  " + bar(26),
    }, "$150.00         ") + QStringList{
        "A SURPLUS of    $50.00          ",
        " ",
        kRule,
        "  END",
    });
    EXPECT_EQ(r.incomePanel, "(1 Items) Income = $150.00 ");
    EXPECT_EQ(r.expensePanel, "(2 Items) Expense = ($100.00) ");
    EXPECT_EQ(r.balancePanel, QString("Balance = $50.00 "));
}

TEST_F(ReportText, FullReportWithOpenItemsLineItemsAndDeficit)
{
    writeYear({entry("04-02-98", "FD", cents(-1250), "Lunch"),
               entry("03-15-98", "FD", cents(0), "Refund pending"),
               entry("03-10-98", "FD", cents(-7500), "Groceries"),
               entry("03-05-98", "SA", cents(4000), "Side job"),
               entry("03-01-98", "CA", cents(-2500), "Gas")});
    const cw::ReportResult r = view(kFoodCarSalary, request(true));
    expectLines(r, head(kWholeYear, "Records found span :  3/98 through 4/98, inclusive.") + summaries({
        "Food            $87.50            (77.78%)  " + bar(26),
        "Car             $25.00            (22.22%)  " + bar(7),
    }, "$112.50         ", {
        "Salary          $40.00            (  100%)  " + bar(26),
    }, "$40.00          ") + QStringList{
        "A DEFICIT of    ($72.50)        ",
        " ",
        kRule,
        " ",
        " --- Open Items ---",
        " ",
        " Date         Cat   Note",
        " ",
        " 03-15-98   FD  Refund pending                          ",
        " ",
        kRule,
        "                        Line items - money OUT",
        kRule,
        " ",
        " Category: Food            ",
        " ",
        " 04-02-98  $12.50          \tLunch                                   ",
        " 03-10-98  $75.00          \tGroceries                               ",
        " ",
        " Category: Car             ",
        " ",
        " 03-01-98  $25.00          \tGas                                     ",
        " ",
        kRule,
        "                        Line items - money IN",
        kRule,
        " ",
        " Category: Salary          ",
        " ",
        " 03-05-98  $40.00          \tSide job                                ",
        " ",
        kRule,
        "  END",
    });
    // Open items are not counted.
    EXPECT_EQ(r.incomePanel, "(1 Items) Income = $40.00 ");
    EXPECT_EQ(r.expensePanel, "(3 Items) Expense = ($112.50) ");
    EXPECT_EQ(r.balancePanel, QString("Balance = ($72.50) "));
}

TEST_F(ReportText, CategoryChosenTwiceCountsTwiceEverywhere)
{
    writeYear({entry("03-10-98", "FD", cents(-7500), "Groceries"),
               entry("03-01-98", "CA", cents(-2500), "Gas")});
    const cw::ReportResult r =
        view({category("FD", "Food"), category("CA", "Car"), category("FD", "Food")}, request(true));
    const QString groceries = " 03-10-98  $75.00          \tGroceries                               ";
    expectLines(r, head(kWholeYear, "Records found span :  3/98 through 3/98, inclusive.") + summaries({
        "Food            $150.00           (85.71%)  " + bar(26),
        "Car             $25.00            (14.29%)  " + bar(4),
        "Food            $150.00           (85.71%)  " + bar(26),
    }, "$175.00         ", {}, "$0.00           ") + QStringList{
        "A DEFICIT of    ($175.00)       ",
        " ",
        kRule,
        "                        Line items - money OUT",
        kRule,
        " ", " Category: Food            ", " ", groceries, groceries,
        " ", " Category: Car             ", " ",
        " 03-01-98  $25.00          \tGas                                     ",
        " ", " Category: Food            ", " ", groceries, groceries,
        " ",
        kRule,
        "                        Line items - money IN",
        kRule,
        " ",
        kRule,
        "  END",
    });
    EXPECT_EQ(r.incomePanel, "(0 Items) Income = $0.00 ");
    EXPECT_EQ(r.expensePanel, "(3 Items) Expense = ($175.00) ");
    EXPECT_EQ(r.balancePanel, QString("Balance = ($175.00) "));
}

TEST_F(ReportText, EmptyPeriodShowsReversedSpanAndZeroTotals)
{
    writeYear({entry("03-20-98", "SA", cents(15000), "Pay"), entry("03-10-98", "FD", cents(0), "Open")});
    cw::ReportRequest q = request(true);
    q.startMonth = 6;
    q.endMonth = 8;
    const cw::ReportResult r = view(kFoodCarSalary, q);
    expectLines(r, emptyFullReport("Searched the period:  6/98 through 8/98, inclusive."));
    EXPECT_EQ(r.incomePanel, "(0 Items) Income = $0.00 ");
    EXPECT_EQ(r.expensePanel, "(0 Items) Expense = $0.00 ");
    EXPECT_FALSE(r.balancePanel.has_value());
}

TEST_F(ReportText, IncomeEqualToExpenseWritesNoBalance)
{
    writeYear({entry("05-02-98", "SA", cents(5000), "Pay"), entry("05-01-98", "FD", cents(-5000), "Food")});
    const cw::ReportResult r = view(kFoodCarSalary, request());
    expectLines(r, head(kWholeYear, "Records found span :  5/98 through 5/98, inclusive.") + summaries({
        "Food            $50.00            (  100%)  " + bar(26),
    }, "$50.00          ", {
        "Salary          $50.00            (  100%)  " + bar(26),
    }, "$50.00          ") + QStringList{
        " ",
        kRule,
        "  END",
    });
    EXPECT_FALSE(r.balancePanel.has_value());
}

// The same ledger under both date orders: the month is read where the flag puts it.
class OpenItemsByFlag : public ReportTest, public ::testing::WithParamInterface<char> {};

TEST_P(OpenItemsByFlag, OnlyZeroAmountsOfThePeriodAreOpenItems)
{
    const bool dayFirst = GetParam() == 'E';
    auto d = [&](const char* monthFirst, const char* dayFirstDate) { return dayFirst ? dayFirstDate : monthFirst; };
    writeYear({entry(d("04-20-98", "20-04-98"), "FD", 0, "April"),
               entry(d("03-15-98", "15-03-98"), "FD", 0, "Pending"),
               entry(d("03-10-98", "10-03-98"), "FD", cents(-500), "Pens"),
               entry(d("03-09-98", "09-03-98"), "HM", 0, "Not chosen")});
    cw::ReportRequest q = request(false, QChar(GetParam()));
    q.startMonth = 3;
    q.endMonth = 3;
    const cw::ReportResult r = view({category("FD", "Food")}, q);
    expectLines(r, head("Searched the period:  3/98 through 3/98, inclusive.",
                        "Records found span :  3/98 through 3/98, inclusive.",
                        dayFirst ? "Cashflow Record for Pat Smith                      Printed: 05-03-2026" : kHeading)
                       + summaries({"Food            $5.00             (  100%)  " + bar(26)}, "$5.00           ", {},
                                   "$0.00           ") + QStringList{
        "A DEFICIT of    ($5.00)         ",
        " ",
        kRule,
        " ",
        " --- Open Items ---",
        " ",
        " Date         Cat   Note",
        " ",
        QString(" ") + d("03-15-98", "15-03-98") + "   FD  Pending                                 ",
        " ",
        kRule,
        "  END",
    });
    EXPECT_EQ(r.expensePanel, "(1 Items) Expense = ($5.00) ");
}

INSTANTIATE_TEST_SUITE_P(Flags, OpenItemsByFlag, ::testing::Values('A', 'E'));

TEST_F(ReportText, PercentagesRoundToTenThousandthsAndBarsHalfToEven)
{
    // $1 of $20,000 is exactly half a ten-thousandth: it rounds to the even 0, and the
    // rest to 100. Bars: 26 x 47 / 52 = 23.5 gives 24, 26 x 1 / 52 = 0.5 gives 0.
    writeYear({entry("06-05-98", "TR", cents(-100), "Ticket"),
               entry("06-04-98", "RN", cents(-1999900), "Rent"),
               entry("06-03-98", "SA", cents(5200), "Pay"),
               entry("06-02-98", "GF", cents(4700), "Gift"),
               entry("06-01-98", "BK", cents(100), "Book sale")});
    const cw::ReportResult r = view({category("TR", "Travel"), category("RN", "Rent"), category("SA", "Salary"),
                                     category("GF", "Gifts"), category("BK", "Books")},
                                    request());
    expectLines(r, head(kWholeYear, "Records found span :  6/98 through 6/98, inclusive.") + summaries({
        "Travel          $1.00             (    0%)  ",
        "Rent            $19,999.00        (  100%)  " + bar(26),
    }, "$20,000.00      ", {
        "Salary          $52.00            (   52%)  " + bar(26),
        "Gifts           $47.00            (   47%)  " + bar(24),
        "Books           $1.00             (    1%)  ",
    }, "$100.00         ") + QStringList{
        "A DEFICIT of    ($19,900.00)    ",
        " ",
        kRule,
        "  END",
    });
}

TEST_F(ReportText, PercentageFieldKeepsOnlyNeededDecimals)
{
    writeYear({entry("07-04-98", "TR", cents(-750), "Bus"),
               entry("07-03-98", "RN", cents(-9250), "Rent"),
               entry("07-02-98", "SA", cents(100), "a"),
               entry("07-01-98", "GF", cents(100), "b"),
               entry("07-01-98", "BK", cents(100), "c")});
    const cw::ReportResult r = view({category("TR", "Travel"), category("RN", "Rent"), category("SA", "Salary"),
                                     category("GF", "Gifts"), category("BK", "Books")},
                                    request());
    expectLines(r, head(kWholeYear, "Records found span :  7/98 through 7/98, inclusive.") + summaries({
        "Travel          $7.50             (  7.5%)  " + bar(2),
        "Rent            $92.50            ( 92.5%)  " + bar(26),
    }, "$100.00         ", {
        "Salary          $1.00             (33.33%)  " + bar(26),
        "Gifts           $1.00             (33.33%)  " + bar(26),
        "Books           $1.00             (33.33%)  " + bar(26),
    }, "$3.00           ") + QStringList{
        "A DEFICIT of    ($97.00)        ",
        " ",
        kRule,
        "  END",
    });
}

TEST_F(ReportText, CurrencyTextLongerThanSixteenIsWrittenWholeAndTheReportGoesOn)
{
    writeYear({entry("08-02-98", "SA", cents(200), "Pay"),
               entry("08-01-98", "FD", cents(-100000000000LL), "Feast")});
    const cw::ReportResult r = view({category("FD", "Food"), category("SA", "Salary")}, request(true));
    expectLines(r, head(kWholeYear, "Records found span :  8/98 through 8/98, inclusive.") + summaries({
        "Food            $1,000,000,000.00  (  100%)  " + bar(26),
    }, "$1,000,000,000.00", {
        "Salary          $2.00             (  100%)  " + bar(26),
    }, "$2.00           ") + QStringList{
        "A DEFICIT of    ($999,999,998.00)",
        " ",
        kRule,
        "                        Line items - money OUT",
        kRule,
        " ", " Category: Food            ", " ",
        " 08-01-98  $1,000,000,000.00\tFeast                                   ",
        " ",
        kRule,
        "                        Line items - money IN",
        kRule,
        " ", " Category: Salary          ", " ",
        " 08-02-98  $2.00           \tPay                                     ",
        " ",
        kRule,
        "  END",
    });
    EXPECT_FALSE(QFile::exists("tempcats.$$$"));
}

TEST_F(ReportText, MonthRangeAndExactCodesDecideWhatIsSelected)
{
    writeYear({entry("05-01-98", "FD", cents(-100), "May"),
               entry("04-30-98", "FD", cents(-200), "April"),
               entry("03-01-98", "fd", cents(-400), "lower-case code"),
               entry("02-28-98", "FD", cents(-800), "February"),
               entry("xx-05-98", "FD", cents(-1600), "no month"),
               entry("04-01-98", "A", cents(-3200), "one-letter code")});
    cw::ReportRequest q = request();
    q.startMonth = 3;
    q.endMonth = 4;
    const cw::ReportResult r = view({category("FD", "Food"), category("A", "Auto")}, q);
    expectLines(r, head("Searched the period:  3/98 through 4/98, inclusive.",
                        "Records found span :  4/98 through 4/98, inclusive.") + summaries({
        "Food            $2.00             ( 5.88%)  " + bar(2),
        "Auto            $32.00            (94.12%)  " + bar(26),
    }, "$34.00          ", {}, "$0.00           ") + QStringList{
        "A DEFICIT of    ($34.00)        ",
        " ",
        kRule,
        "  END",
    });
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

TEST_F(ReportText, NoCategoriesGivesHeadingEmptySummariesAndEnd)
{
    writeYear({entry("03-10-98", "FD", cents(-7500), "Groceries")});
    const cw::ReportResult r = view({}, request(true));
    expectLines(r, emptyFullReport(kWholeYear));
}

TEST_F(ReportText, MissingYearFileReadsAsNoEntriesAndIsLeftEmpty)
{
    const cw::ReportResult r = view({category("FD", "Food")}, request());
    EXPECT_EQ(r.lines.size(), 23);   // heading, two empty summaries, end
    EXPECT_TRUE(QFile::exists(kYearFile));
    EXPECT_EQ(QFile(kYearFile).size(), 0);
}

// ---------------------------------------------------------------- files

class ReportFiles : public ReportTest {};

TEST_F(ReportFiles, SelectionAndWorkFilesAreRemovedAfterTheReport)
{
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
    EXPECT_TRUE(r.lines.contains(QString("Car             $25.00            (  100%)  " + bar(26))));
    EXPECT_EQ(r.expensePanel, "(1 Items) Expense = ($25.00) ");
    EXPECT_FALSE(QFile::exists("tempcats.$$$"));
}

TEST_F(ReportFiles, UnreadableYearFileIsReportedAndNothingIsLeftBehind)
{
    writeYear({entry("03-10-98", "FD", cents(-7500), "Groceries")});
    FaultEnv failing(FaultEnv::failing(FaultEnv::Kind::Read, kYearFile));
    const cw::ReportResult r = cw::viewReport(failing, {category("FD", "Food")}, request());
    EXPECT_FALSE(r.status.isOk());
    EXPECT_EQ(r.status.file(), kYearFile);
    EXPECT_TRUE(r.lines.isEmpty());
    EXPECT_TRUE(r.incomePanel.isEmpty());
    EXPECT_FALSE(r.balancePanel.has_value());
    EXPECT_FALSE(QFile::exists("tempcats.$$$"));
}

TEST_F(ReportText, NotesKeepTheirWindows1252Characters)
{
    // 0x80 to 0x9F differ from Latin-1 (the euro sign, curly quotes); 0xE9 does not.
    cw::LedgerEntry paid = entry("03-10-98", "FD", cents(-500), "");
    paid.setNote(QStringLiteral("Caf\u00e9 \u20ac5 \u201ctip\u201d"));
    cw::LedgerEntry open = entry("03-11-98", "FD", 0, "");
    open.setNote(QStringLiteral("\u2026 Cr\u00e8me"));
    writeYear({open, paid});
    const cw::ReportResult result = view({category("FD", "Food")}, request(true));
    const QString padded = QStringLiteral("Caf\u00e9 \u20ac5 \u201ctip\u201d").leftJustified(40);
    EXPECT_TRUE(result.lines.contains(QString(QStringLiteral(" 03-10-98  $5.00           \t") + padded)));
    EXPECT_TRUE(result.lines.contains(QString(QStringLiteral(" 03-11-98   FD  ") + QStringLiteral("\u2026 Cr\u00e8me").leftJustified(40))));
}
