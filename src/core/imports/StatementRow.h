#pragma once
// What every statement reader gives: the rows in file order, each with its
// line, or the one failure that makes the file unreadable.

#include "store/Money.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace cw {

struct StatementRow {
    int line = 0;                  // where the row starts, counted from 1
    QDate date;                    // invalid when `error` says why
    std::optional<Money> amount;   // nullopt when `error` says why
    QString payee;                 // QIF P, OFX NAME, the CSV note columns
    QString memo;                  // QIF M, OFX MEMO
    QString code;                  // a category code the file carries itself
    QString fitid;                 // OFX FITID
    QString error;                 // why the date or amount cannot be read
    bool exactNote = false;        // the payee is the stored note, blanks kept

    // The payee, then a blank and the memo when there is one and it differs.
    QString note() const;
};

// Why a file is not a statement, and the line where that shows.
struct StatementFailure {
    int line = 0;
    QString reason;
};

struct StatementRead {
    std::vector<StatementRow> rows;
    std::optional<StatementFailure> failure;
};

// Binary data at its line: a zero byte anywhere, or in the first 64 KiB a
// control byte no text file holds (tab, line ends, form feed and the old
// end-of-file mark 0x1A are text).
std::optional<StatementFailure> binaryDataFailure(QByteArrayView bytes);

} // namespace cw
