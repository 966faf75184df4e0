#pragma once
// Date texts and the date check. Flag 'A' orders month first (MM-DD-YY),
// flag 'E' day first (DD-MM-YY).

#include <QDate>
#include <QString>

namespace cw {

// Today as MM-DD-YYYY, whatever the flag.
QString todayText(const QDate& today);
// Today as the five-character editor date in the flag's order.
QString todayEditorDate(const QDate& today, QChar flag);

// Month between 1 and 12 and a day that exists in that month of
// `activeYear` (February 29 only in a leap year), both read with the plain
// number reader from the flag's positions. Used for dates about to be stored;
// dates already in a file are read as they are.
bool isValidDate(QStringView date, QChar flag, int activeYear);

// The month and day numbers at the flag's positions of a stored date.
int monthOf(QStringView date, QChar flag);
int dayOf(QStringView date, QChar flag);

} // namespace cw
