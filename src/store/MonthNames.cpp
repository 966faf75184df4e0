#include "MonthNames.h"

namespace cw {

QString monthName(int month, const QString& unchanged)
{
    static const char* const names[] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
    if (month < 1 || month > 12)
        return unchanged;
    return QString::fromLatin1(names[month - 1]);
}

} // namespace cw
