#include "ReportFigures.h"

#include "store/CurrencyFormat.h"
#include "store/MonthNames.h"

#include <QHash>
#include <algorithm>

namespace cw {
namespace {

struct Sized {
    const CategoryRecord* category;
    MoneySum amount;
};

std::vector<ChartBar> bars(const ReportTotals& totals, bool expense)
{
    std::vector<Sized> found;
    QHash<QString, int> names;
    for (const ReportTotals::Category& c : totals.categories) {
        const MoneySum amount = expense ? c.expense : c.income;
        if (amount == 0)
            continue;   // the report writes no line for it either
        found.push_back({&c.category, amount});
        ++names[c.category.nameText().trimmed()];
    }
    std::stable_sort(found.begin(), found.end(), [](const Sized& a, const Sized& b) { return a.amount > b.amount; });

    const CurrencyFormat& money = CurrencyFormat::current();
    const MoneySum total = expense ? totals.expenseTotal : totals.incomeTotal;
    std::vector<ChartBar> out;
    out.reserve(found.size());
    for (const Sized& s : found) {
        QString name = s.category->nameText().trimmed();
        if (names.value(name) > 1)
            name += u' ' + s.category->codeText();
        out.push_back({name, money.format(s.amount), shareText(reportShare(s.amount, total)) + u'%', s.amount});
    }
    return out;
}

} // namespace

ChartFigures chartFigures(const ReportTotals& totals, int startMonth, int endMonth)
{
    ChartFigures f;
    f.out = bars(totals, true);
    f.in = bars(totals, false);
    if (f.out.empty() && f.in.empty())
        return f;   // nothing found: no months either
    MoneySum balance = 0;
    for (int m = std::max(1, startMonth); m <= std::min(12, endMonth); ++m) {
        const MoneySum income = totals.monthIncome[size_t(m - 1)];
        const MoneySum expense = totals.monthExpense[size_t(m - 1)];
        balance += income - expense;
        f.months.push_back({monthName(m), income, expense, balance});
    }
    return f;
}

Result<ChartFigures> makeChartFigures(Env& env, const std::vector<CategoryRecord>& chosen,
                                      const ReportRequest& request)
{
    Result<ReportTotals> totals = reportTotals(env, chosen, request);
    if (!totals)
        return totals.status();
    return chartFigures(*totals, request.startMonth, request.endMonth);
}

} // namespace cw
