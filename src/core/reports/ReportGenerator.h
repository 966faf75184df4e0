#pragma once
// The cash-flow report: from the year data file and the report selection
// file, the report text line by line and the three result panel texts.
//
// Entries are read once and grouped by category code; every total, line and
// order comes out as if the selection file were walked category by category
// over the whole year file, so a category chosen twice counts twice.

#include "store/ReportSelection.h"
#include "core/reports/ReportText.h"
#include "store/CategoryRecord.h"
#include "store/Env.h"
#include "store/Money.h"

#include <QDate>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace cw {

struct ReportRequest {
    QString dataFileName;                                // "1998CWK.DAT"
    QString selectionFileName = kReportSelectionFileName;
    int startMonth = 1;                                  // both months included
    int endMonth = 12;
    bool full = false;                                   // line items too
    QChar dateFlag = u'A';                               // 'A' MM-DD-YY, 'E' DD-MM-YY
    QString userName;                                    // printed as given, blank fill included
    QDate today;                                         // the date in the heading
};

struct ReportResult {
    Status status;               // a file that could not be read; the lines are then empty
    ReportText lines;
    QString incomePanel;         // "(3 Items) Income = $10.00 "
    QString expensePanel;        // "(2 Items) Expense = ($4.00) "
    // "Balance = ... "; nullopt when income equals expense and the panel keeps its text.
    std::optional<QString> balancePanel;
};

// The sums behind a report's summaries, counted as the report counts them: a
// category chosen twice brings its entries twice. Open items add nothing.
struct ReportTotals {
    struct Category {
        CategoryRecord category;   // as chosen
        MoneySum expense = 0;      // its subtotal of money out, positive
        MoneySum income = 0;       // its subtotal of money in
    };
    std::vector<Category> categories;   // in the order chosen
    MoneySum expenseTotal = 0;
    MoneySum incomeTotal = 0;
    // Money in and out by report month, January at index 0.
    std::array<MoneySum, 12> monthIncome{};
    std::array<MoneySum, 12> monthExpense{};
};

// The totals of the report View would make for `chosen`, without its text:
// the same one pass over the year file. The request's months and date flag
// count; the selection file is neither read nor written.
Result<ReportTotals> reportTotals(Env& env, const std::vector<CategoryRecord>& chosen, const ReportRequest& request);

// A subtotal's share of its section total as the report prints it, in
// hundredths of a percent: the fraction rounded to ten-thousandths, halves
// to the even one. 0 when the total is 0.
MoneySum reportShare(MoneySum subtotal, MoneySum total);
// The shortest decimal form of a share in hundredths ("75", "7.5", "33.33"),
// with the locale's decimal point.
QString shareText(MoneySum hundredths);

// MakeReport: reads the year data file and the selection file, builds the
// report, then removes the selection file and the report work files
// ("ex_file.$$$", "ic_file.$$$", "todofile.$$$") whatever happened.
ReportResult makeReport(Env& env, const ReportRequest& request);

// What View does: the selection file written from `chosen`, then the report.
ReportResult viewReport(Env& env, const std::vector<CategoryRecord>& chosen, const ReportRequest& request);

} // namespace cw
