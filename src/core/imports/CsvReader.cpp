#include "CsvReader.h"

#include "store/Win1252.h"

#include <csv.h>

#include <algorithm>
#include <array>

namespace cw {
namespace {

struct TableBuilder {
    CsvTable* table = nullptr;
    bool utf8 = true;
    int line = 0;   // the line being fed
    int recordLine = 0;
    QStringList fields;

    QString decode(const char* s, size_t n) const
    {
        return utf8 ? QString::fromUtf8(s, qsizetype(n)) : fromWin1252(s, qsizetype(n));
    }
};

void onField(void* s, size_t n, void* data)
{
    auto* b = static_cast<TableBuilder*>(data);
    if (b->fields.isEmpty() && b->recordLine == 0)
        b->recordLine = b->line;
    b->fields.append(b->decode(static_cast<const char*>(s), n));
}

void onRecord(int, void* data)
{
    auto* b = static_cast<TableBuilder*>(data);
    b->table->records.push_back({b->recordLine ? b->recordLine : b->line, std::move(b->fields)});
    b->fields = {};
    b->recordLine = 0;
}

// Only the blank is trimmed around unquoted fields: a tab may be the delimiter.
int isBlank(unsigned char c) { return c == ' '; }

} // namespace

CsvTable readCsvTable(QByteArrayView bytes, char delimiter)
{
    CsvTable table;
    if ((table.failure = binaryDataFailure(bytes)))
        return table;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    TableBuilder b;
    b.table = &table;
    b.utf8 = isValidUtf8(bytes);

    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&parser, static_cast<unsigned char>(delimiter));
    csv_set_space_func(&parser, isBlank);
    // Fed a line at a time, so each record knows the line it starts on.
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', from);
        end = end < 0 ? bytes.size() : end + 1;
        ++b.line;
        const size_t length = size_t(end - from);
        if (csv_parse(&parser, bytes.data() + from, length, onField, onRecord, &b) != length) {
            table.failure = StatementFailure{b.line, QString::fromLatin1(csv_strerror(csv_error(&parser)))};
            csv_free(&parser);
            return table;
        }
        from = end;
    }
    if (csv_fini(&parser, onField, onRecord, &b) != 0)
        table.failure = StatementFailure{qMax(b.recordLine ? b.recordLine : b.line, 1), QStringLiteral("a quoted field is not closed")};
    csv_free(&parser);
    return table;
}

char detectCsvDelimiter(QByteArrayView bytes)
{
    // Counts outside quotes on each of the first ten non-blank lines.
    std::vector<std::array<int, 3>> counts;
    const char candidates[3] = {',', ';', '\t'};
    qsizetype from = 0;
    while (from < bytes.size() && counts.size() < 10) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(from, end - from);
        from = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        std::array<int, 3> c{0, 0, 0};
        bool quoted = false;
        for (char ch : line) {
            if (ch == '"')
                quoted = !quoted;
            for (int i = 0; i < 3 && !quoted; ++i)
                c[size_t(i)] += ch == candidates[i];
        }
        counts.push_back(c);
    }
    char best = ',';
    int bestCount = 0;
    for (int i = 0; i < 3; ++i) {
        if (counts.empty())
            break;
        const int first = counts.front()[size_t(i)];
        const bool steady = std::all_of(counts.begin(), counts.end(), [&](const auto& c) { return c[size_t(i)] == first; });
        if (steady && first > bestCount) {
            best = candidates[i];
            bestCount = first;
        }
    }
    return best;
}

QList<int> parseColumnList(QStringView text)
{
    QList<int> out;
    for (QStringView part : text.split(u' ', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (ok && n > 0 && n <= 1000)
            out.append(n);
    }
    return out;
}

QString columnListText(const QList<int>& columns)
{
    QStringList parts;
    for (int c : columns)
        parts.append(QString::number(c));
    return parts.join(u' ');
}

// delimiter skip date order amount debit credit comma notes code, ";"-separated.
QString CsvMapping::toText() const
{
    return QStringList{QString::number(int(static_cast<unsigned char>(delimiter))), QString::number(skip),
                       QString::number(dateCol), dateOrderName(dateOrder), QString::number(amountCol),
                       QString::number(debitCol), QString::number(creditCol), QString::number(decimalComma ? 1 : 0),
                       columnListText(noteCols), QString::number(codeCol)}
        .join(u';');
}

std::optional<CsvMapping> CsvMapping::fromText(QStringView text)
{
    const QList<QStringView> p = text.split(u';');
    if (p.size() != 10)
        return std::nullopt;
    CsvMapping m;
    bool ok = true;
    auto number = [&](QStringView s, int most) {
        bool good = false;
        const int n = s.toInt(&good);
        ok = ok && good && n >= 0 && n <= most;
        return n;
    };
    const int delimiter = number(p[0], 255);
    ok = ok && (delimiter == ',' || delimiter == ';' || delimiter == '\t');
    m.delimiter = char(delimiter);
    m.skip = number(p[1], 1000);
    m.dateCol = number(p[2], 1000);
    const std::optional<DateOrder> order = dateOrderFromName(p[3]);
    ok = ok && order;
    m.dateOrder = order.value_or(DateOrder::MDY);
    m.amountCol = number(p[4], 1000);
    m.debitCol = number(p[5], 1000);
    m.creditCol = number(p[6], 1000);
    m.decimalComma = number(p[7], 1) == 1;
    m.noteCols = parseColumnList(p[8]);
    m.codeCol = number(p[9], 1000);
    if (!ok)
        return std::nullopt;
    return m;
}

namespace {

QString field(const CsvRecord& r, int col) { return col >= 1 && col <= r.fields.size() ? r.fields[col - 1].trimmed() : QString(); }

bool headerHas(const QString& header, std::initializer_list<const char16_t*> words)
{
    const QString h = header.toLower();
    return std::any_of(words.begin(), words.end(), [&](const char16_t* w) { return h.contains(QStringView(w)); });
}

} // namespace

CsvMapping guessCsvMapping(const CsvTable& table, char delimiter, QChar dateFlag, int activeYear)
{
    CsvMapping m;
    m.delimiter = delimiter;
    const std::vector<CsvRecord>& rs = table.records;
    if (rs.empty())
        return m;
    const DateOrder orders[3] = {dateFlag == u'E' ? DateOrder::DMY : DateOrder::MDY,
                                 dateFlag == u'E' ? DateOrder::MDY : DateOrder::DMY, DateOrder::YMD};
    auto anyDate = [&](const QString& s) {
        return std::any_of(std::begin(orders), std::end(orders),
                           [&](DateOrder o) { return parseStatementDate(s, o, activeYear).isValid(); });
    };
    const bool header = std::none_of(rs.front().fields.begin(), rs.front().fields.end(), anyDate);
    m.skip = header ? 1 : 0;
    const qsizetype first = m.skip, last = qMin<qsizetype>(qsizetype(rs.size()), first + 20);
    int columns = 0;
    for (qsizetype i = 0; i < qsizetype(rs.size()) && i < last; ++i)
        columns = qMax(columns, int(rs[size_t(i)].fields.size()));

    // How many non-empty sample values of a column pass `test`; a column
    // passes when most of them do (a bank's odd row does not hide it).
    auto passing = [&](int col, auto test) {
        int seen = 0, passed = 0;
        for (qsizetype i = first; i < last; ++i) {
            const QString v = field(rs[size_t(i)], col);
            if (v.isEmpty())
                continue;
            ++seen;
            passed += test(v) ? 1 : 0;
        }
        return passed * 2 > seen ? passed : 0;
    };
    auto all = [&](int col, auto test) { return passing(col, test) > 0; };
    // A decimal comma: some value ends in a comma and one or two digits.
    if (delimiter != ',') {
        for (qsizetype i = first; i < last && !m.decimalComma; ++i)
            for (const QString& v : rs[size_t(i)].fields) {
                const QString t = v.trimmed();
                const qsizetype c = t.lastIndexOf(u',');
                if (c > 0 && t.size() - c - 1 >= 1 && t.size() - c - 1 <= 2 && t[c - 1].isDigit() && t.back().isDigit())
                    m.decimalComma = true;
            }
    }
    const DecimalMark mark = m.decimalComma ? DecimalMark::Comma : DecimalMark::Point;
    auto amountColumn = [&](int col) { return all(col, [&](const QString& v) { return parseStatementAmount(v, mark).has_value(); }); };

    for (int col = 1; col <= columns && !m.dateCol; ++col) {
        int best = 0;
        for (DateOrder o : orders)
            if (const int n = passing(col, [&](const QString& v) { return parseStatementDate(v, o, activeYear).isValid(); }); n > best) {
                best = n;
                m.dateCol = col;
                m.dateOrder = o;
            }
    }
    if (header) {
        const QStringList& h = rs.front().fields;
        for (int col = 1; col <= h.size(); ++col) {
            const QString& name = h[col - 1];
            if (col == m.dateCol)
                continue;
            if (!m.debitCol && headerHas(name, {u"debit", u"withdrawal", u"money out", u"paid out", u"soll", u"outflow"}))
                m.debitCol = col;
            else if (!m.creditCol && headerHas(name, {u"credit", u"deposit", u"money in", u"paid in", u"haben", u"inflow"}))
                m.creditCol = col;
            else if (!m.amountCol && headerHas(name, {u"amount", u"betrag", u"montant", u"importe", u"bedrag", u"value"}))
                m.amountCol = col;
            else if (m.noteCols.isEmpty() && headerHas(name, {u"description", u"payee", u"memo", u"name", u"details", u"narrative",
                                      u"reference", u"text", u"verwendungszweck", u"libell", u"concept"}))
                m.noteCols.append(col);
        }
    }
    if (m.debitCol && m.creditCol)
        m.amountCol = 0;
    if (!m.amountCol && !(m.debitCol && m.creditCol)) {
        m.debitCol = m.creditCol = 0;
        for (int col = 1; col <= columns && !m.amountCol; ++col)
            if (col != m.dateCol && amountColumn(col))
                m.amountCol = col;
    }
    if (m.noteCols.isEmpty()) {
        for (int col = 1; col <= columns; ++col) {
            if (col == m.dateCol || col == m.amountCol || col == m.debitCol || col == m.creditCol)
                continue;
            if (!amountColumn(col) && all(col, [](const QString&) { return true; })) {
                m.noteCols.append(col);
                break;
            }
        }
    }
    return m;
}

std::vector<StatementRow> mapCsvRows(const CsvTable& table, const CsvMapping& m, int activeYear)
{
    std::vector<StatementRow> out;
    const DecimalMark mark = m.decimalComma ? DecimalMark::Comma : DecimalMark::Point;
    for (size_t i = size_t(qMax(m.skip, 0)); i < table.records.size(); ++i) {
        const CsvRecord& r = table.records[i];
        StatementRow row;
        row.line = r.line;
        QStringList note;
        for (int c : m.noteCols)
            if (const QString v = field(r, c); !v.isEmpty())
                note.append(v);
        row.payee = note.join(u' ');
        row.code = field(r, m.codeCol);

        const QString dateText = field(r, m.dateCol);
        if (m.dateCol == 0)
            row.error = QStringLiteral("no date column");
        else if (row.date = parseStatementDate(dateText, m.dateOrder, activeYear); !row.date.isValid())
            row.error = QStringLiteral("date \"%1\" not readable").arg(dateText);

        auto setError = [&](const QString& reason) {
            if (row.error.isEmpty())
                row.error = reason;
        };
        if (m.amountCol) {
            const QString t = field(r, m.amountCol);
            row.amount = parseStatementAmount(t, mark);
            if (!row.amount)
                setError(QStringLiteral("amount \"%1\" not readable").arg(t));
        } else if (m.debitCol || m.creditCol) {
            const QString debit = field(r, m.debitCol), credit = field(r, m.creditCol);
            const std::optional<Money> d = debit.isEmpty() ? Money(0) : parseStatementAmount(debit, mark);
            const std::optional<Money> c = credit.isEmpty() ? Money(0) : parseStatementAmount(credit, mark);
            if (!d)
                setError(QStringLiteral("amount \"%1\" not readable").arg(debit));
            else if (!c)
                setError(QStringLiteral("amount \"%1\" not readable").arg(credit));
            else if (debit.isEmpty() && credit.isEmpty())
                setError(QStringLiteral("no amount"));
            else
                row.amount = std::abs(*c) - std::abs(*d);   // both within the largest Money: no overflow
        } else {
            setError(QStringLiteral("no amount column"));
        }
        out.push_back(std::move(row));
    }
    return out;
}

QString csvHeaderLine(QByteArrayView bytes)
{
    qsizetype end = bytes.indexOf('\n');
    if (end < 0)
        end = bytes.size();
    QByteArrayView line = bytes.first(end);
    if (line.endsWith('\r'))
        line.chop(1);
    return decodeStatementText(line);
}

} // namespace cw
