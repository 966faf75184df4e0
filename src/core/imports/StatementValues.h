#pragma once
// The pieces of a statement line: text in either encoding, amounts as banks
// write them, and dates in a chosen field order.

#include "store/Money.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <optional>

namespace cw {

// UTF-8 when the bytes are valid UTF-8 (a byte-order mark is dropped),
// otherwise Windows-1252.
QString decodeStatementText(QByteArrayView bytes);
bool isValidUtf8(QByteArrayView bytes);

enum class DecimalMark {
    Point,   // "1,234.56"
    Comma,   // "1.234,56"
    Guess,   // the last separator is the decimal one unless it groups three digits
};

// An amount: optional sign (leading or trailing "-"/"+", or brackets), a
// currency symbol, digits grouped in threes, decimals (rounded to four
// places, half away from zero). nullopt when it is none or too large.
std::optional<Money> parseStatementAmount(QStringView text, DecimalMark mark);

enum class DateOrder { MDY, DMY, YMD };

// A date of three numbers separated by "-", "/", "." or blanks, in `order`.
// A two-digit year is taken in the century that puts it nearest `pivotYear`;
// after "'" (the QIF form: 1/5'04, 1/5' 4) it is in the 2000s. The date must
// exist. An invalid QDate when it cannot be read.
QDate parseStatementDate(QStringView text, DateOrder order, int pivotYear);

// "MDY", "DMY", "YMD" and back.
QString dateOrderName(DateOrder order);
std::optional<DateOrder> dateOrderFromName(QStringView name);

} // namespace cw
