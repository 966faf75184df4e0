#pragma once
// The reports window's rules apart from its widgets: the month range and its
// two buttons, the texts of the status panels, and the resize rules.

#include <QString>

namespace cw {

// The report's months, both included; start <= end always holds.
struct MonthRange {
    int start = 1;
    int end = 12;
    bool operator==(const MonthRange&) const = default;
};

// Start: the start month one later, from December round to January; the end
// month follows when the start would pass it.
void pushStartMonth(MonthRange& range);
// End: the end month one earlier, from January round to December; the start
// month follows when the end would pass it.
void pullEndMonth(MonthRange& range);

// Panel 2 of the settings bar: whether categories are chosen.
inline const QString kNoCategoriesText = QStringLiteral("(Select Categories)");
inline const QString kAllCategoriesText = QStringLiteral("All Categories!");
inline const QString kSomeCategoriesText = QStringLiteral("Selected Categories...");

// Panel 6 of the settings bar.
QString reportTypeText(bool full);

// The result panels after Clear.
inline const QString kClearedIncomeText = QStringLiteral(" Income ");
inline const QString kClearedExpenseText = QStringLiteral(" Expense ");
inline const QString kClearedBalanceText = QStringLiteral(" Balance ");

// The resize rules, in twips: the report list takes the inner width and,
// while the window is more than 2170 twips high, the inner height left by
// the toolbar and the two status bars; the toolbar buttons (the ten of the
// report, Preview and Chart) share the outer width less 100.
struct ReportLayout {
    static constexpr int kToolbarButtons = 12;

    int outerWidth = 0, outerHeight = 0;
    int innerWidth = 0, innerHeight = 0;
    int toolbarHeight = 0, resultsBarHeight = 0, settingsBarHeight = 0;
    int listWidth = 0, listHeight = 0;   // in: as they are; out: as the rules make them
    int toolbarButtonWidth = 0;
};

void applyReportResizeRules(ReportLayout& layout);

} // namespace cw
