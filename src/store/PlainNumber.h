#pragma once
// The plain number reader: blanks are skipped wherever they stand, an optional
// sign, digits with "." as the only decimal point; reading stops at the first
// character that cannot continue the number. No digits read as 0.

#include <QStringView>

namespace cw {

double readPlainNumber(QStringView text);
double readPlainNumber(const char* text, qsizetype size);

} // namespace cw
