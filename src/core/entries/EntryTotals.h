#pragma once
// Totals of the listed entries and the status panel texts built from them.

#include "store/Money.h"

#include <QString>

namespace cw {

struct EntryTotals {
    MoneySum income = 0;    // sum of the positive amounts
    MoneySum expense = 0;   // sum of the negative amounts: zero or negative
    MoneySum balance = 0;
    qint64 count = 0;       // listed entries, zero amounts included

    void add(Money amount)
    {
        balance += amount;
        if (amount > 0)
            income += amount;
        else if (amount < 0)
            expense += amount;
        ++count;
    }
};

// "  Income = $1.00  ", or "  No Income! " when there is none.
QString incomePanelText(const EntryTotals& totals);
// "  Expense = ($1.00)  ", or "  No Expense! " when there is none.
QString expensePanelText(const EntryTotals& totals);
QString balancePanelText(const EntryTotals& totals);
// " 12  2026  records for category: FO  " followed by the category's stored name.
QString recordsPanelText(qint64 count, const QString& year, const QString& category, const QString& name);
// The active-year panel as start-up writes it ("   Active Year = 2026  ")
// and as a year change writes it ("  Active Year = 2026  ").
QString startUpYearPanelText(const QString& year);
QString yearChangePanelText(const QString& year);

} // namespace cw
