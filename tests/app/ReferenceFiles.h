#pragma once
// A small writer of its own for the files the program keeps: the 58-byte
// entries, the 18-byte categories and the 690-byte settings record, changed
// by the same actions the user takes in the window. It shares nothing with
// the program, so the byte comparison at the end checks the program against
// an independent reading of the file rules.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <algorithm>
#include <cstdint>

namespace cwtest::reference {

// Windows-1252 for the ASCII characters the test types, fixed width:
// blank-padded on the right or cut.
inline QByteArray fixedText(const QString& text, int width)
{
    QByteArray out;
    for (QChar c : text) {
        Q_ASSERT(c.unicode() < 0x80);
        out.append(char(c.unicode()));
    }
    out.truncate(width);
    out.append(QByteArray(width - out.size(), ' '));
    return out;
}

inline QByteArray littleEndian(std::int64_t value, int bytes)
{
    QByteArray out;
    auto u = static_cast<std::uint64_t>(value);
    for (int i = 0; i < bytes; ++i, u >>= 8)
        out.append(char(u & 0xFF));
    return out;
}

// One entry: date 8, code 2, amount 8 (ten-thousandths, low byte first), note 40.
struct Entry {
    QByteArray bytes;

    static Entry make(const QString& date, const QString& code, std::int64_t amount, const QString& note)
    {
        return {fixedText(date, 8) + fixedText(code, 2) + littleEndian(amount, 8) + fixedText(note, 40)};
    }
    QByteArray date() const { return bytes.left(8); }
    QByteArray code() const { return bytes.mid(8, 2); }
    QByteArray note() const { return bytes.mid(18, 40); }
    std::int64_t amount() const
    {
        std::uint64_t u = 0;
        for (int i = 7; i >= 0; --i)
            u = u << 8 | static_cast<unsigned char>(bytes[10 + i]);
        return static_cast<std::int64_t>(u);
    }
    void setDate(const QByteArray& d) { bytes.replace(0, 8, d); }
    void setCode(const QString& c) { bytes.replace(8, 2, fixedText(c, 2)); }
    bool operator==(const Entry&) const = default;
};

// YYMMDD, then the decimal character codes of the two code characters.
inline std::uint64_t sortKey(const Entry& e, char flag)
{
    const QByteArray d = e.date();
    const QByteArray month = flag == 'E' ? d.mid(3, 2) : d.mid(0, 2);
    const QByteArray day = flag == 'E' ? d.mid(0, 2) : d.mid(3, 2);
    QByteArray digits = d.mid(6, 2) + month + day;
    for (char c : e.code())
        digits += QByteArray::number(static_cast<unsigned char>(c));
    return digits.toULongLong();
}

class Ledger {
public:
    QList<Entry> entries;

    // Before the first entry whose key is less than or equal to the new one's.
    void insert(const Entry& e, char flag)
    {
        const std::uint64_t k = sortKey(e, flag);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (sortKey(entries[i], flag) <= k) {
                entries.insert(i, e);
                return;
            }
        }
        entries.append(e);
    }
    // The first entry equal in all four fields.
    void replace(const Entry& old, const Entry& edited)
    {
        const auto it = std::find(entries.begin(), entries.end(), old);
        Q_ASSERT(it != entries.end());
        *it = edited;
    }
    void removeOne(const Entry& e)
    {
        const auto it = std::find(entries.begin(), entries.end(), e);
        Q_ASSERT(it != entries.end());
        entries.erase(it);
    }
    void recode(const QString& from, const QString& to)
    {
        for (Entry& e : entries)
            if (e.code() == fixedText(from, 2))
                e.setCode(to);
    }
    // Month and day change places; the year stays.
    void swapDayAndMonth()
    {
        for (Entry& e : entries) {
            const QByteArray d = e.date();
            e.setDate(d.mid(3, 2) + '-' + d.mid(0, 2) + '-' + d.mid(6, 2));
        }
    }
    // Newest first; equal keys keep their order.
    void sort(char flag)
    {
        std::stable_sort(entries.begin(), entries.end(),
                         [flag](const Entry& a, const Entry& b) { return sortKey(a, flag) > sortKey(b, flag); });
    }
    QByteArray bytes() const
    {
        QByteArray out;
        for (const Entry& e : entries)
            out += e.bytes;
        return out;
    }
};

// Code 2, name 16; kept in order of the upper-cased code, stable.
class Categories {
public:
    QList<QByteArray> records;

    void add(const QString& code, const QString& name)
    {
        records.append(fixedText(code.trimmed().toUpper(), 2) + fixedText(name.trimmed(), 16));
        sort();
    }
    // The first record of `selected` takes the new code and name.
    void replace(const QString& selected, const QString& code, const QString& name)
    {
        for (QByteArray& r : records) {
            if (r.left(2) == fixedText(selected, 2)) {
                r = fixedText(code.trimmed().toUpper(), 2) + fixedText(name.trimmed(), 16);
                break;
            }
        }
        sort();
    }
    int rowOf(const QString& code) const
    {
        for (int i = 0; i < records.size(); ++i)
            if (records[i].left(2) == fixedText(code, 2))
                return i;
        return -1;
    }
    QByteArray bytes() const { return records.join(); }

private:
    void sort()
    {
        std::stable_sort(records.begin(), records.end(),
                         [](const QByteArray& a, const QByteArray& b) { return a.left(2).toUpper() < b.left(2).toUpper(); });
    }
};

// The settings record a first start writes, for "MM-DD-YYYY" today.
inline QByteArray newSettings(const QString& today)
{
    QByteArray p(690, '\0');
    p.replace(0, 28, fixedText(QStringLiteral("Your Name (click Options)"), 28));
    p.replace(33, 30, QByteArray(30, ' '));
    p.replace(63, 30, QByteArray(30, ' '));
    p[94] = '$';
    p[95] = 'A';
    p.replace(128, 10, fixedText(QStringLiteral("00-00-0000"), 10));
    p.replace(138, 40, fixedText(QStringLiteral("your mom's birthday (for example)"), 40));
    p.replace(630, 10, fixedText(today, 10));
    return p;
}

// An export line: "DD-MM-YYYY","CD"," 12.5 ","note of 40"
inline QByteArray exportLine(const Entry& e, const QByteArray& year)
{
    const std::int64_t a = e.amount();
    const std::uint64_t units = a < 0 ? std::uint64_t(0) - std::uint64_t(a) : std::uint64_t(a);
    QByteArray amount(1, a < 0 ? '-' : ' ');
    const std::uint64_t whole = units / 10000, fraction = units % 10000;
    if (whole != 0 || fraction == 0)
        amount += QByteArray::number(qulonglong(whole));
    if (fraction != 0) {
        QByteArray digits = QByteArray::number(qulonglong(fraction)).rightJustified(4, '0');
        while (digits.endsWith('0'))
            digits.chop(1);
        amount += '.' + digits;
    }
    amount += ' ';
    QByteArray note = e.note();
    note.replace('"', ' ');
    return '"' + e.date().left(6) + year + "\",\"" + e.code() + "\",\"" + amount + "\",\"" + note + "\"\r\n";
}

// "$1,234.50", negatives in brackets, for amounts in whole cents.
inline QString dollars(std::int64_t tenThousandths)
{
    const bool negative = tenThousandths < 0;
    const std::int64_t cents = (negative ? -tenThousandths : tenThousandths) / 100;
    QString whole = QString::number(cents / 100);
    for (int i = int(whole.size()) - 3; i > 0; i -= 3)
        whole.insert(i, u',');
    const QString text = u'$' + whole + u'.' + QStringLiteral("%1").arg(cents % 100, 2, 10, QChar(u'0'));
    return negative ? u'(' + text + u')' : text;
}

} // namespace cwtest::reference
