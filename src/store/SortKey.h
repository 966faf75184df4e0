#pragma once
// The ledger sort key: the digits YYMMDD of the date (month and day at the
// flag's positions), then the decimal character codes of the two code
// characters (a blank is 32, "f" is 102), read as one number. Codes of 100 or
// more add a digit, so such keys compare greater whatever the dates. The year
// data file holds its entries in descending key order.

#include "store/LedgerEntry.h"

namespace cw {

double ledgerSortKey(const LedgerEntry& entry, char flag);

} // namespace cw
