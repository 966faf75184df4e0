// The chart figures from the report's totals: the bars, their labels and
// order, the months and the running balance, and the empty cases.

#include "ReportFixture.h"

#include "core/reports/ReportFigures.h"

using namespace cwtest;

namespace {

class ChartFigures : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        writeYear(chartYear());
    }
    cw::ChartFigures figures(const std::vector<cw::CategoryRecord>& chosen, int start, int end)
    {
        return cw::makeChartFigures(env(), chosen, request(false, u'A', start, end)).value();
    }
    static QString bars(const std::vector<cw::ChartBar>& bars)
    {
        QStringList out;
        for (const cw::ChartBar& b : bars)
            out << b.label() + '=' + QString::number(qint64(b.amount));
        return out.join(" | ");
    }
    // Each month as "name income expense balance", in cents.
    static QString months(const cw::ChartFigures& f)
    {
        QStringList out;
        for (const cw::ChartMonth& m : f.months)
            out << QStringLiteral("%1 %2 %3 %4").arg(m.name).arg(qint64(m.income / 100)).arg(qint64(m.expense / 100)).arg(qint64(m.balance / 100));
        return out.join(" | ");
    }
};

// Shares of 124.34: 87.34 -> 70.24%, 25 -> 20.11%, 7 -> 5.63%, 5 -> 4.02%.
TEST_F(ChartFigures, BarsLargestFirstWithNameAmountAndShareAsTheReportPrintsThem)
{
    const cw::ChartFigures f = figures(kChartChoice, 1, 4);
    EXPECT_EQ(bars(f.out), "Food $87.34 70.24%=873400 | Car $25.00 20.11%=250000 | (no category) YY $7.00 5.63%=70000 | "
                           "(no category) ZZ $5.00 4.02%=50000");
    EXPECT_EQ(bars(f.in), "Salary $250.00 100%=2500000");
    // The report's total counts a code chosen twice twice, in the bars and the months.
    const cw::ChartFigures twice = figures({category("FD", "Food"), category("FD", "Food")}, 2, 3);
    EXPECT_EQ(bars(twice.out).toStdString(), "Food FD $174.68 100%=1746800 | Food FD $174.68 100%=1746800");
    EXPECT_EQ(twice.months[0].expense + twice.months[1].expense, cents(2 * 8734));
}

// A month without entries inside the period shows zero.
TEST_F(ChartFigures, EveryMonthOfThePeriodWithItsRunningBalance)
{
    EXPECT_EQ(months(figures(kChartChoice, 1, 4)), "January 10000 0 10000 | February 0 1234 8766 | March 15000 10000 13766 | April 0 1200 12566");
    EXPECT_EQ(months(figures(kChartChoice, 3, 6)), "March 15000 10000 5000 | April 0 1200 3800 | May 0 9900 -6100 | June 0 0 -6100");
}

TEST_F(ChartFigures, NothingChosenNothingFoundOrOnlyOpenItemsGiveNoFigures)
{
    const cw::ChartFigures none = figures({}, 1, 12), empty = figures(kChartChoice, 6, 12);
    writeYear({entry("03-09-98", "FD", 0, "Open item")});
    const cw::ChartFigures open = figures(kChartChoice, 1, 12);
    for (const cw::ChartFigures* f : {&none, &empty, &open})
        EXPECT_TRUE(f->out.empty() && f->in.empty() && f->months.empty());
}

} // namespace
