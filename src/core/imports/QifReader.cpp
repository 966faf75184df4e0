#include "QifReader.h"

#include "StatementValues.h"

#include <QStringList>

namespace cw {
namespace {

enum class Section { None, Statement, Other };

Section sectionOf(QStringView header)
{
    if (!header.startsWith(u"!Type:", Qt::CaseInsensitive))
        return Section::Other;   // !Account, !Option, !Clear: lists and settings
    const QStringView type = header.sliced(6).trimmed();
    for (const char16_t* t : {u"Bank", u"CCard", u"Cash"})
        if (type.compare(QStringView(t), Qt::CaseInsensitive) == 0)
            return Section::Statement;
    return Section::Other;
}

struct Record {
    int line = 0;
    bool any = false;
    std::optional<QString> date, amount;
    QString payee, memo;
};

StatementRow finish(const Record& r, DateOrder order, int activeYear)
{
    StatementRow row;
    row.line = r.line;
    row.payee = r.payee;
    row.memo = r.memo;
    if (!r.date)
        row.error = QStringLiteral("no date");
    else if (row.date = parseStatementDate(*r.date, order, activeYear); !row.date.isValid())
        row.error = QStringLiteral("date \"%1\" not readable").arg(*r.date);
    if (!r.amount) {
        if (row.error.isEmpty())
            row.error = QStringLiteral("no amount");
    } else if (row.amount = parseStatementAmount(*r.amount, DecimalMark::Guess); !row.amount && row.error.isEmpty()) {
        row.error = QStringLiteral("amount \"%1\" not readable").arg(*r.amount);
    }
    return row;
}

} // namespace

StatementRead readQif(QByteArrayView bytes, QChar dateFlag, int activeYear)
{
    StatementRead out;
    if ((out.failure = binaryDataFailure(bytes)))
        return out;
    const DateOrder order = dateFlag == u'E' ? DateOrder::DMY : DateOrder::MDY;
    const QString text = decodeStatementText(bytes);
    Section section = Section::None;
    bool sawStatement = false;
    Record record;
    int lineNo = 0;
    auto close = [&] {
        if (section == Section::Statement && record.any)
            out.rows.push_back(finish(record, order, activeYear));
        record = Record{};
    };

    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = from;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QStringView line = QStringView(text).sliced(from, end - from);
        from = end + (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n' ? 2 : 1);
        ++lineNo;

        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.front() == u'!') {
            close();
            section = sectionOf(trimmed);
            sawStatement = sawStatement || section == Section::Statement;
            continue;
        }
        if (section == Section::None) {
            out.failure = StatementFailure{lineNo, QStringLiteral("no !Type:Bank, !Type:CCard or !Type:Cash line")};
            return out;
        }
        if (trimmed.front() == u'^') {
            close();
            continue;
        }
        if (section != Section::Statement)
            continue;
        if (!record.any)
            record.line = lineNo;
        record.any = true;
        const QString value = line.sliced(1).trimmed().toString();
        switch (line.front().unicode()) {
        case 'D': record.date = value; break;
        case 'T': record.amount = value; break;
        case 'U': if (!record.amount) record.amount = value; break;
        case 'P': record.payee = value; break;
        case 'M': record.memo = value; break;
        default: break;   // L, N, C, A, S, E, $ and anything else
        }
    }
    close();
    if (!sawStatement)
        out.failure = StatementFailure{qMax(lineNo, 1), QStringLiteral("no !Type:Bank, !Type:CCard or !Type:Cash line")};
    return out;
}

} // namespace cw
