#include "DateRules.h"

#include "store/PlainNumber.h"

namespace cw {
namespace {

QStringView field(QStringView date, qsizetype from)
{
    return from < date.size() ? date.mid(from, 2) : QStringView();
}

// Month first for 'A': month at 1-2 and day at 4-5; 'E' swaps them.
QStringView monthField(QStringView date, QChar flag) { return field(date, flag == u'E' ? 3 : 0); }
QStringView dayField(QStringView date, QChar flag) { return field(date, flag == u'E' ? 0 : 3); }

} // namespace

QString todayText(const QDate& today) { return today.toString(QStringLiteral("MM-dd-yyyy")); }

QString todayEditorDate(const QDate& today, QChar flag)
{
    const QString t = todayText(today);
    return flag == u'E' ? t.mid(3, 3) + t.left(2) : t.left(5);
}

bool isValidDate(QStringView date, QChar flag, int activeYear)
{
    const double day = readPlainNumber(dayField(date, flag));
    const double month = readPlainNumber(monthField(date, flag));
    if (day > 31 || day < 1 || month > 12 || month < 1)
        return false;
    return day <= QDate(activeYear, int(month), 1).daysInMonth();
}

int monthOf(QStringView date, QChar flag) { return int(readPlainNumber(monthField(date, flag))); }
int dayOf(QStringView date, QChar flag) { return int(readPlainNumber(dayField(date, flag))); }

} // namespace cw
