#pragma once
// What the report window's charts show, worked out from the report's own
// totals: the bars of money out and money in, largest first, and per month
// of the period its income, expense and the running balance. Plain values,
// free of any window or chart, so that tests and benchmarks read them.

#include "ReportGenerator.h"

#include <QString>
#include <vector>

namespace cw {

struct ChartBar {
    // The category's name; where two bars share one (codes without a
    // category), each name is followed by its code.
    QString name;
    QString amountText;    // the subtotal in currency text
    QString share;         // the share as the report prints it, and "%"
    MoneySum amount = 0;   // the report's subtotal, positive

    // "Food $75.00 75%".
    QString label() const { return name + u' ' + amountText + u' ' + share; }
};

struct ChartMonth {
    QString name;          // "January"
    MoneySum income = 0;
    MoneySum expense = 0;  // positive
    MoneySum balance = 0;  // income less expense from the first month of the period to this one
};

struct ChartFigures {
    std::vector<ChartBar> out;       // largest first; ties in the order chosen
    std::vector<ChartBar> in;
    std::vector<ChartMonth> months;  // every month of the period, or none when nothing was found
};

// The figures of `totals` for the months `startMonth` to `endMonth`.
ChartFigures chartFigures(const ReportTotals& totals, int startMonth, int endMonth);

// The report's totals for `chosen` and the request's months, then their figures.
Result<ChartFigures> makeChartFigures(Env& env, const std::vector<CategoryRecord>& chosen,
                                      const ReportRequest& request);

// An amount in currency units, as a chart plots it.
inline double chartValue(MoneySum amount) { return double(amount) / double(kMoneyScale); }

} // namespace cw
