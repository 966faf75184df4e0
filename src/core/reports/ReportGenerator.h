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

#include <QDate>
#include <QStringList>
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

// MakeReport: reads the year data file and the selection file, builds the
// report, then removes the selection file and the report work files
// ("ex_file.$$$", "ic_file.$$$", "todofile.$$$") whatever happened.
ReportResult makeReport(Env& env, const ReportRequest& request);

// What View does: the selection file written from `chosen`, then the report.
ReportResult viewReport(Env& env, const std::vector<CategoryRecord>& chosen, const ReportRequest& request);

} // namespace cw
