#include "StatementFile.h"

#include "CsvReader.h"
#include "StatementValues.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace cw {
namespace {

// The first non-blank line, without its line end.
QByteArrayView firstLine(QByteArrayView bytes)
{
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = bytes.sliced(from, end - from).trimmed();
        if (!line.isEmpty())
            return line;
        from = end + 1;
    }
    return {};
}

const QRegularExpression& ownExportLine()
{
    static const QRegularExpression re(QString::fromLatin1(R"(^"\d\d-\d\d-\d{4}","..","[ -]\d*[.,]?\d* ","[^"]{40}"$)"));
    return re;
}

} // namespace

StatementFormat detectStatementFormat(QByteArrayView bytes)
{
    const QByteArrayView head = bytes.first(qMin<qsizetype>(bytes.size(), 4096));
    const QByteArray upper = head.toByteArray().toUpper();
    if (upper.contains("OFXHEADER") || upper.contains("<OFX>") || upper.contains("<?OFX"))
        return StatementFormat::Ofx;
    for (qsizetype from = 0; from < head.size();) {
        qsizetype end = head.indexOf('\n', from);
        if (end < 0)
            end = head.size();
        if (head.sliced(from, end - from).trimmed().toByteArray().toLower().startsWith("!type:"))
            return StatementFormat::Qif;
        from = end + 1;
    }
    if (ownExportLine().match(decodeStatementText(firstLine(bytes))).hasMatch())
        return StatementFormat::OwnExport;
    return StatementFormat::Csv;
}

QString statementFormatName(StatementFormat format)
{
    switch (format) {
    case StatementFormat::Ofx: return QStringLiteral("OFX");
    case StatementFormat::Qif: return QStringLiteral("QIF");
    case StatementFormat::OwnExport: return QStringLiteral("Coinwick export");
    case StatementFormat::Csv: return QStringLiteral("CSV");
    }
    return {};
}

Result<QByteArray> readStatementFile(Env& env, const QString& path)
{
    FileContents contents;
    if (Status s = env.mapFile(path, false, &contents); !s)
        return s;
    if (contents.size() > kMaxStatementSize)
        return Status::ioError(QFileInfo(path).fileName(), QStringLiteral("larger than 100 MiB, not a statement to import"));
    return QByteArray(contents.data(), contents.size());
}

StatementRead readOwnExport(QByteArrayView bytes, QChar dateFlag, int activeYear)
{
    StatementRead out;
    const CsvTable table = readCsvTable(bytes, ',');
    if (table.failure) {
        out.failure = table.failure;
        return out;
    }
    const DateOrder order = dateFlag == u'E' ? DateOrder::DMY : DateOrder::MDY;
    for (const CsvRecord& r : table.records) {
        StatementRow row;
        row.line = r.line;
        row.exactNote = true;
        if (r.fields.size() != 4) {
            row.error = QStringLiteral("not a line of the comma export");
            out.rows.push_back(row);
            continue;
        }
        row.date = parseStatementDate(r.fields[0], order, activeYear);
        if (!row.date.isValid())
            row.error = QStringLiteral("date \"%1\" not readable").arg(r.fields[0]);
        row.code = r.fields[1].trimmed();
        // Up to four decimals and no grouping: the one separator is the decimal one.
        row.amount = parseStatementAmount(QString(r.fields[2]).replace(u',', u'.'), DecimalMark::Point);
        if (!row.amount && row.error.isEmpty())
            row.error = QStringLiteral("amount \"%1\" not readable").arg(r.fields[2]);
        row.payee = r.fields[3];
        out.rows.push_back(row);
    }
    return out;
}

Message statementFailureMessage(const QString& file, const StatementFailure& failure)
{
    return Message{QStringLiteral("%1: line %2: %3").arg(QFileInfo(file).fileName()).arg(failure.line).arg(failure.reason),
                   kProgramTitle, Message::Icon::Warning};
}

} // namespace cw
