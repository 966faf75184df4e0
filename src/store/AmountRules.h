#pragma once
// Typed amounts: cleaning, and conversion to Money with the locale's decimal
// and grouping separators.

#include "store/Message.h"
#include "store/Money.h"

#include <QLocale>
#include <optional>

namespace cw {

// Whether a typed amount holds only what an amount may: digits, blanks, one
// decimal separator, the locale's grouping separator, one sign ("-" or "+")
// first or last, the currency symbol and enclosing parentheses. "1O0.00",
// "abc" and "-" are refused; an empty or blank text is allowed (an open item).
bool typedAmountAllowed(const QString& typed, const QLocale& locale);

// Leading and trailing blanks removed, then only digits, "." and "," kept.
QString cleanAmount(const QString& typed);

// The cleaned text as an unsigned amount rounded to four decimals (half to
// even). Empty reads as 0. Not a number under the locale's separators (a lone
// decimal point, two of them, misplaced grouping) or too large: nullopt.
std::optional<Money> parseCleanAmount(const QString& cleaned, const QLocale& locale);

// Absolute value of the cleaned amount, negated for an expense.
std::optional<Money> amountToMoney(const QString& cleaned, bool negative, const QLocale& locale);

// "Invalid Amount - " and the text as the user typed it.
Message invalidAmountMessage(const QString& typed);

} // namespace cw
