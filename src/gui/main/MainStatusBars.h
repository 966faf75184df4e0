#pragma once
// The main window's two status bars: StatusBar0CWK with the income, expense
// and balance of the listed entries and the date, StatusBarCWK with the
// listed count and the active year. Each panel is a QLabel named after its key.

#include "core/entries/EntryTotals.h"

#include <QDate>

class QLabel;
class QStatusBar;
class QWidget;

namespace cw {

class MainStatusBars {
public:
    explicit MainStatusBars(QWidget* parent);

    QStatusBar* totalsBar() const { return totalsBar_; }
    QStatusBar* countBar() const { return countBar_; }

    void showTotals(const EntryTotals& totals);
    void setRecordsText(const QString& text);
    void setYearText(const QString& text);
    // stbDate: the date in the locale's short form.
    void setDate(const QDate& date);

private:
    QStatusBar* totalsBar_;
    QStatusBar* countBar_;
    QLabel* income_;
    QLabel* expense_;
    QLabel* balance_;
    QLabel* records_;
    QLabel* year_;
    QLabel* date_;
};

} // namespace cw
