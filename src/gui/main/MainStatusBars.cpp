#include "MainStatusBars.h"

#include <QLabel>
#include <QLocale>
#include <QStatusBar>

namespace cw {
namespace {

QLabel* addPanel(QStatusBar* bar, const char* key, const char* tooltip, int stretch)
{
    QLabel* panel = new QLabel(bar);
    panel->setObjectName(QString::fromLatin1(key));
    if (tooltip)
        panel->setToolTip(QString::fromLatin1(tooltip));
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(panel, stretch);
    return panel;
}

} // namespace

MainStatusBars::MainStatusBars(QWidget* parent)
    : totalsBar_(new QStatusBar(parent)), countBar_(new QStatusBar(parent))
{
    totalsBar_->setObjectName(QStringLiteral("StatusBar0CWK"));
    totalsBar_->setSizeGripEnabled(false);
    income_ = addPanel(totalsBar_, "stbIncome", "income", 3);
    expense_ = addPanel(totalsBar_, "stbExpense", "expense", 3);
    balance_ = addPanel(totalsBar_, "stbBalance", "balance", 3);
    date_ = addPanel(totalsBar_, "stbDate", nullptr, 1);

    countBar_->setObjectName(QStringLiteral("StatusBarCWK"));
    countBar_->setSizeGripEnabled(false);
    records_ = addPanel(countBar_, "stbTotal", "records", 3);
    year_ = addPanel(countBar_, "stbYear", "year", 1);
}

void MainStatusBars::showTotals(const EntryTotals& totals)
{
    income_->setText(incomePanelText(totals));
    expense_->setText(expensePanelText(totals));
    balance_->setText(balancePanelText(totals));
}

void MainStatusBars::setRecordsText(const QString& text) { records_->setText(text); }
void MainStatusBars::setYearText(const QString& text) { year_->setText(text); }
void MainStatusBars::setDate(const QDate& date) { date_->setText(QLocale().toString(date, QLocale::ShortFormat)); }

} // namespace cw
