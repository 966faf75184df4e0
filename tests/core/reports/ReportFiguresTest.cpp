// The chart figures from the report's totals: the bars, their labels and
// order, the months and the running balance, and the empty cases.

#include "ReportFixture.h"

#include "core/reports/ReportFigures.h"
#include "store/MonthNames.h"

using namespace cwtest;

namespace {

// Four months of 1998 and one after them; two codes the category file lacks.
std::vector<cw::LedgerEntry> seededYear()
{
    return {entry("05-01-98", "FD", cents(-9900), "May, outside the months"),
            entry("04-20-98", "ZZ", cents(-500), "Orphan"),
            entry("04-02-98", "YY", cents(-700), "Orphan"),
            entry("03-20-98", "SA", cents(15000), "Pay"),
            entry("03-12-98", "CA", cents(-2500), "Gas"),
            entry("03-10-98", "FD", cents(-7500), "Groceries"),
            entry("03-09-98", "FD", 0, "Open item"),
            entry("02-11-98", "FD", cents(-1234), "Lunch"),
            entry("01-02-98", "SA", cents(10000), "Pay")};
}

const std::vector<cw::CategoryRecord> kChosen = {category("SA", "Salary"), category("CA", "Car"), category("FD", "Food"),
                                                 category("ZZ", "(no category)"), category("YY", "(no category)")};

QStringList labels(const std::vector<cw::ChartBar>& bars)
{
    QStringList out;
    for (const cw::ChartBar& b : bars)
        out << b.label();
    return out;
}

} // namespace

class ChartFigures : public ReportTest {
protected:
    cw::ChartFigures figures(const std::vector<cw::CategoryRecord>& chosen, int start, int end)
    {
        cw::ReportRequest r = request();
        r.startMonth = start;
        r.endMonth = end;
        cw::Result<cw::ChartFigures> f = cw::makeChartFigures(env(), chosen, r);
        EXPECT_TRUE(f.isOk());
        return *f;
    }
};

TEST_F(ChartFigures, BarsLargestFirstWithNameAmountAndShareAsTheReportPrintsThem)
{
    writeYear(seededYear());
    const cw::ChartFigures f = figures(kChosen, 1, 4);
    // Shares of 124.34: 87.34 -> 70.24%, 25 -> 20.11%, 7 -> 5.63%, 5 -> 4.02%.
    EXPECT_EQ(labels(f.out), QStringList({"Food $87.34 70.24%", "Car $25.00 20.11%", "(no category) YY $7.00 5.63%",
                                          "(no category) ZZ $5.00 4.02%"}));
    EXPECT_EQ(f.out.front().amount, cents(8734));
    EXPECT_EQ(labels(f.in), QStringList({"Salary $250.00 100%"}));
}

TEST_F(ChartFigures, EveryMonthOfThePeriodWithItsRunningBalance)
{
    writeYear(seededYear());
    const cw::ChartFigures f = figures(kChosen, 1, 4);
    ASSERT_EQ(f.months.size(), 4u);
    const std::vector<std::array<qint64, 3>> expected = {
        {10000, 0, 10000}, {0, 1234, 8766}, {15000, 10000, 13766}, {0, 1200, 12566}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(f.months[i].name, cw::monthName(int(i) + 1));
        EXPECT_EQ(f.months[i].income, cents(expected[i][0])) << i;
        EXPECT_EQ(f.months[i].expense, cents(expected[i][1])) << i;
        EXPECT_EQ(f.months[i].balance, cents(expected[i][2])) << i;
    }
    // A month without entries inside the period shows zero.
    const cw::ChartFigures late = figures(kChosen, 3, 6);
    ASSERT_EQ(late.months.size(), 4u);
    EXPECT_EQ(late.months[3].name, QStringLiteral("June"));
    EXPECT_EQ(late.months[3].income + late.months[3].expense, 0);
    EXPECT_EQ(late.months[3].balance, cents(15000 - 10000 - 1200 - 9900));
}

TEST_F(ChartFigures, CategoryChosenTwiceCountsTwiceInBarsAndMonths)
{
    writeYear(seededYear());
    const cw::ChartFigures f = figures({category("FD", "Food"), category("FD", "Food")}, 2, 3);
    ASSERT_EQ(f.out.size(), 2u);
    EXPECT_EQ(f.out[0].amount, cents(2 * 8734));
    // The report's total counts the code's entries twice, not once per bar.
    EXPECT_EQ(f.months[0].expense + f.months[1].expense, cents(2 * 8734));
}

TEST_F(ChartFigures, NothingChosenNothingFoundOrOnlyOpenItemsGiveNoFigures)
{
    writeYear(seededYear());
    const cw::ChartFigures none = figures({}, 1, 12);
    const cw::ChartFigures empty = figures(kChosen, 6, 12);
    writeYear({entry("03-09-98", "FD", 0, "Open item")});
    const cw::ChartFigures open = figures(kChosen, 1, 12);
    for (const cw::ChartFigures* f : {&none, &empty, &open}) {
        EXPECT_TRUE(f->out.empty());
        EXPECT_TRUE(f->in.empty());
        EXPECT_TRUE(f->months.empty());
    }
}
