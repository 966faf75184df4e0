#pragma once
// Several entries inserted in order with one rewrite of the year data file.

#include "store/LedgerEntry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace cw {

// The records of a year data file after `entries` are inserted in order one
// after the other, each in front of the first record whose key is less than
// or equal to its own: byte for byte what that many single inserts give,
// also for a file out of key order. Among the new entries, a later one with
// an equal key lands before the earlier one. A trailing partial record is
// dropped when anything is inserted, as a single insert drops it.
QByteArray insertManyInOrder(QByteArrayView records, const std::vector<LedgerEntry>& entries, char flag);

} // namespace cw
