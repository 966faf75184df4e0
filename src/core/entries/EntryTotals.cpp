#include "EntryTotals.h"

#include "store/CurrencyFormat.h"

namespace cw {
namespace {

QString amountPanel(const char* label, MoneySum amount)
{
    return QLatin1String(label) + CurrencyFormat::current().format(amount) + QStringLiteral("  ");
}

} // namespace

QString incomePanelText(const EntryTotals& totals)
{
    return totals.income == 0 ? QStringLiteral("  No Income! ") : amountPanel("  Income = ", totals.income);
}

QString expensePanelText(const EntryTotals& totals)
{
    return totals.expense == 0 ? QStringLiteral("  No Expense! ") : amountPanel("  Expense = ", totals.expense);
}

QString balancePanelText(const EntryTotals& totals) { return amountPanel("  Balance = ", totals.balance); }

QString recordsPanelText(qint64 count, const QString& year, const QString& category, const QString& name)
{
    return QLatin1Char(' ') + QString::number(count) + QStringLiteral("  ") + year
        + QStringLiteral("  records for category: ") + category.toUpper() + QStringLiteral("  ") + name;
}

QString startUpYearPanelText(const QString& year)
{
    return QStringLiteral("   Active Year = ") + year + QStringLiteral("  ");
}

QString yearChangePanelText(const QString& year)
{
    return QStringLiteral("  Active Year = ") + year + QStringLiteral("  ");
}

} // namespace cw
