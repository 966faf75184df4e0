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

// Day between 1 and 31 and month between 1 and 12, read with the plain
// number reader from the flag's positions; nothing else is tested.
bool isValidDate(QStringView date, QChar flag);

// The month and day numbers at the flag's positions of a stored date.
int monthOf(QStringView date, QChar flag);
int dayOf(QStringView date, QChar flag);

} // namespace cw
