#pragma once
// Date Format and Date Coverter: switching the date format flag between
// "A" (MM-DD-YY) and "E" (DD-MM-YY), and swapping month and day in every
// stored date of a year data file.

#include "store/Env.h"
#include "store/Message.h"

#include <QByteArray>
#include <optional>

namespace cw {

// The flag the Date Format command changes to: "A" for "E", "E" for "A";
// nullopt for any other flag, which the command leaves alone.
std::optional<QChar> otherDateFlag(QChar flag);

// "Current date format is ..." with the change it offers; flag "A" or "E".
Message dateFormatQuestion(QChar flag);
// "Date format set to MM-DD-YY (A)" or "... DD-MM-YY (E)", for the new flag.
Message dateFormatSetMessage(QChar newFlag);
// "Swap place of month and day in this year's data?"
Message dateConvertQuestion();

// Every whole 58-byte record's date becomes characters 4-5, "-",
// characters 1-2, "-", characters 7-8 of the old one; nothing is validated
// and every other byte, a trailing partial record included, stays.
void swapMonthAndDay(QByteArray& records);

// Whether the year data file holds at least one whole record (an absent file
// is created empty, as every record file is).
Result<bool> yearHoldsEntries(Env& env, const QString& dataFileName);

// The swap over the year data file as one safe rewrite; a file without a
// whole record is left as it is.
Status convertDataFileDates(Env& env, const QString& dataFileName);

} // namespace cw
