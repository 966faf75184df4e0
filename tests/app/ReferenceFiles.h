#pragma once
// A small writer of its own for the files the program keeps: the 58-byte
// entries, the 18-byte categories and the 690-byte settings record, changed
// by the same actions the user takes in the window. It shares nothing with
// the program, so the byte comparison checks the program against an
// independent reading of the file rules.

#include <QByteArray>
#include <QList>
#include <QString>
#include <algorithm>
#include <cstdint>

namespace cwtest::reference {

// ASCII text, fixed width: blank-padded on the right or cut.
inline QByteArray fixedText(const QString& text, int width)
{
    QByteArray out = text.toLatin1().left(width);
    return out + QByteArray(width - out.size(), ' ');
}

inline QByteArray littleEndian(std::int64_t value, int bytes)
{
    QByteArray out;
    for (auto u = static_cast<std::uint64_t>(value); out.size() < bytes; u >>= 8)
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
    std::int64_t amount() const
    {
        std::uint64_t u = 0;
        for (int i = 7; i >= 0; --i)
            u = u << 8 | static_cast<unsigned char>(bytes[10 + i]);
        return static_cast<std::int64_t>(u);
    }
    // MM-DD-YY: YYMMDD, then the decimal character codes of the two code characters.
    std::uint64_t sortKey() const
    {
        QByteArray digits = bytes.mid(6, 2) + bytes.mid(0, 2) + bytes.mid(3, 2);
        for (char c : code())
            digits += QByteArray::number(static_cast<unsigned char>(c));
        return digits.toULongLong();
    }
    bool operator==(const Entry&) const = default;
};

class Ledger {
public:
    QList<Entry> entries;

    // Before the first entry whose key is less than or equal to the new one's.
    void insert(const Entry& e)
    {
        entries.insert(std::find_if(entries.begin(), entries.end(), [&](const Entry& x) { return x.sortKey() <= e.sortKey(); }), e);
    }
    // The first entry equal in all four fields.
    void replace(const Entry& old, const Entry& edited) { *std::find(entries.begin(), entries.end(), old) = edited; }
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
        std::stable_sort(records.begin(), records.end(), [](const QByteArray& a, const QByteArray& b) { return a.left(2) < b.left(2); });
    }
    int rowOf(const QString& code) const
    {
        for (int i = 0; i < records.size(); ++i)
            if (records[i].left(2) == fixedText(code, 2))
                return i;
        return -1;
    }
    QByteArray bytes() const { return records.join(); }
};

// The settings record a first start writes, for "MM-DD-YYYY" today.
inline QByteArray newSettings(const QString& today)
{
    QByteArray p(690, '\0');
    p.replace(0, 28, fixedText(QStringLiteral("Your Name (click Options)"), 28));
    p.replace(33, 60, QByteArray(60, ' '));
    p.replace(94, 2, "$A");
    p.replace(128, 50, fixedText(QStringLiteral("00-00-0000your mom's birthday (for example)"), 50));
    p.replace(630, 10, fixedText(today, 10));
    return p;
}

} // namespace cwtest::reference
