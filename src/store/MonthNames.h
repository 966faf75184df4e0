#pragma once

#include <QString>

namespace cw {

// "January" .. "December" for 1 to 12; any other number gives `unchanged`.
QString monthName(int month, const QString& unchanged = QString());

} // namespace cw
