#pragma once
// QIF statements: "!Type:Bank", "!Type:CCard" and "!Type:Cash" sections of
// records ended by "^". A record's D is its date (in the date format flag's
// order, with the "'" year forms), T or U its amount (grouping allowed), P
// the payee and M the memo; other lines (L, N, C, A, splits) are left out.
// Sections of other types (investments, category and account lists) are
// skipped.

#include "StatementRow.h"

#include <QByteArrayView>

namespace cw {

StatementRead readQif(QByteArrayView bytes, QChar dateFlag, int activeYear);

} // namespace cw
