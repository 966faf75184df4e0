#pragma once
// The committed statement files (statements/), the rows a reader is to find
// in each (data/NAME.rows, one row a line), and rows as one line of text.

#include "core/imports/StatementRow.h"
#include "support/TempFolder.h"

namespace cwtest {

inline QByteArray statementBytes(const char* name) { return readBytes(QStringLiteral(CW_STATEMENTS_DIR "/") + name); }

inline QString expectedRows(const char* name)
{
    return QString::fromUtf8(readBytes(QStringLiteral(CW_STATEMENTS_DIR "/../data/") + name + ".rows"));
}

// "line|date|amount in ten-thousandths|note|fitid|code|error", a line each.
inline QString rowTexts(const std::vector<cw::StatementRow>& rows)
{
    QString out;
    for (const cw::StatementRow& r : rows)
        out += QStringLiteral("%1|%2|%3|%4|%5|%6|%7\n")
                   .arg(r.line)
                   .arg(r.date.isValid() ? r.date.toString(Qt::ISODate) : QString())
                   .arg(r.amount ? QString::number(*r.amount) : QString())
                   .arg(r.note(), r.fitid, r.code, r.error);
    return out;
}

} // namespace cwtest
