#pragma once
// A statement file as a whole: read through the Env, its format recognised
// from its content, and the program's own comma export read back.

#include "StatementRow.h"
#include "store/Env.h"
#include "store/Message.h"

#include <QByteArrayView>

namespace cw {

enum class StatementFormat {
    Ofx,         // OFX 1 SGML, OFX 2 XML, QFX: an OFX header or <OFX>
    Qif,         // a "!Type:" line
    OwnExport,   // the lines this program's comma export writes
    Csv,         // anything else
};

StatementFormat detectStatementFormat(QByteArrayView bytes);
QString statementFormatName(StatementFormat format);

inline constexpr qsizetype kMaxStatementSize = qsizetype(100) * 1024 * 1024;

// The file's bytes; a file over 100 MiB is refused unread.
Result<QByteArray> readStatementFile(Env& env, const QString& path);

// The program's own export: "MM-DD-YYYY","CD"," -12.5 ","note of 40"; the
// date in the flag's order, the code and the note as stored.
StatementRead readOwnExport(QByteArrayView bytes, QChar dateFlag, int activeYear);

// "FILE: line N: reason" (title "Coinwick 2", OK, exclamation icon).
Message statementFailureMessage(const QString& file, const StatementFailure& failure);

} // namespace cw
