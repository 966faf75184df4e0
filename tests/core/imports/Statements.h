#pragma once
// The committed statement files, and rows as one line of text for tables.

#include "core/imports/StatementRow.h"

#include <QFile>
#include <QString>

namespace cwtest {

inline QString statementPath(const char* name) { return QStringLiteral(CW_STATEMENTS_DIR "/") + QString::fromLatin1(name); }

inline QByteArray statementBytes(const char* name)
{
    QFile f(statementPath(name));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// "line|date|amount in ten-thousandths|note|fitid|code|error"
inline QString rowText(const cw::StatementRow& r)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
        .arg(r.line)
        .arg(r.date.isValid() ? r.date.toString(Qt::ISODate) : QString())
        .arg(r.amount ? QString::number(*r.amount) : QString())
        .arg(r.note(), r.fitid, r.code, r.error);
}

inline QStringList rowTexts(const std::vector<cw::StatementRow>& rows)
{
    QStringList out;
    for (const cw::StatementRow& r : rows)
        out.append(rowText(r));
    return out;
}

} // namespace cwtest
