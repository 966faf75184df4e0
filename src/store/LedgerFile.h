#pragma once
// A year data file: entries in descending ledger-sort-key order, newest first.
// Every change writes the whole new file through a work file (SafeWrite).
// The entry checks (EntryChecks.h) are the caller's, before any of these.

#include "store/Env.h"
#include "store/LedgerEntry.h"

#include <vector>

namespace cw {

class LedgerFile {
public:
    explicit LedgerFile(QString name, Env* env = Env::current());

    const QString& name() const { return name_; }

    Result<std::vector<LedgerEntry>> readAll() const;

    // Stored in front of the first entry whose key is less than or equal to
    // its own: after all newer entries, before entries with an equal key.
    Status insertInOrder(const LedgerEntry& entry, char flag) const;

    // Overwrites, in place, the first record equal in all four fields to
    // `remembered`. False when there is none; nothing is written then.
    Result<bool> replace(const LedgerEntry& remembered, const LedgerEntry& edited) const;

    // Removes the first record equal in all four fields to `entry` (and only
    // that one), through "temp.$$$". False when there is none.
    Result<bool> deleteOne(const LedgerEntry& entry) const;

    // Replaces the whole file with `entries`.
    Status writeAll(const std::vector<LedgerEntry>& entries, const QString& workName = QString()) const;

private:
    QString name_;
    Env* env_;
};

// The record index at which `key` goes: the first whose key is <= it.
qsizetype insertionIndex(const QByteArray& records, double key, char flag);

} // namespace cw
