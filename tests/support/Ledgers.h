#pragma once
// Test helpers shared by the macro, utility and import tests: a scratch
// folder, entries built from texts, random year files and a category
// selection.

#include "store/CategoryRecord.h"
#include "store/Env.h"
#include "store/LedgerEntry.h"
#include "store/RecordFile.h"
#include "support/Records.h"

#include <QFile>
#include <QTemporaryDir>
#include <random>
#include <vector>

namespace cwtest {

class Folder {
public:
    QString path(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }
    QByteArray read(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString& name) const { return QFile::exists(path(name)); }

private:
    QTemporaryDir dir_;
};

inline cw::LedgerEntry entry(const QString& date, const QString& code, cw::Money amount, const QString& note)
{
    cw::LedgerEntry e;
    e.setDate(date);
    e.setCode(code);
    e.amount = amount;
    e.setNote(note);
    return e;
}

inline QByteArray bytesOf(const std::vector<cw::LedgerEntry>& entries) { return cw::encodeRecords(entries); }

// The category selection as the reports window writes it: an empty first
// record, then one for each chosen code.
inline std::vector<cw::CategoryRecord> selection(std::initializer_list<const char*> codes)
{
    std::vector<cw::CategoryRecord> out(1);
    for (const char* code : codes) {
        out.emplace_back();
        out.back().setCode(QString::fromLatin1(code));
        out.back().setName(QStringLiteral("name"));
    }
    return out;
}

// Entries of year 98 with few distinct dates and codes, so that equal keys
// are common; lower-case and one-character codes included.
inline std::vector<cw::LedgerEntry> randomEntries(std::mt19937& rng, int count, QChar flag)
{
    static const char* codes[] = {"FT", "AB", "A ", "ft", "zz", "FT", "Q "};
    std::vector<cw::LedgerEntry> out;
    for (int i = 0; i < count; ++i) {
        const int month = int(rng() % 3) + 1, day = int(rng() % 3) + 10;
        const QString mm = QString::number(month).rightJustified(2, u'0');
        const QString dd = QString::number(day);
        const QString date = flag == u'E' ? dd + u'-' + mm + QStringLiteral("-98") : mm + u'-' + dd + QStringLiteral("-98");
        out.push_back(entry(date, QString::fromLatin1(codes[rng() % 7]), cw::Money(rng() % 100000) - 50000,
                            QStringLiteral("note %1").arg(i)));
    }
    return out;
}


} // namespace cwtest
