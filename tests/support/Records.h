#pragma once
// Entries, categories and settings as the program stores them, the sample
// years, and the pinned locale and date every test works with.

#include "store/CategoryRecord.h"
#include "store/CurrencyFormat.h"
#include "store/Env.h"
#include "store/LedgerEntry.h"
#include "store/PersonalRecord.h"
#include "store/PersonalSettings.h"
#include "store/RecordFile.h"
#include "support/TempFolder.h"

#include <QDate>
#include <QFileInfo>
#include <random>
#include <vector>

namespace cwtest {

inline const QDate kToday(2026, 3, 15);

inline void pinLocale() { cw::CurrencyFormat::useLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }

inline cw::LedgerEntry entry(const QString& date, const QString& code, cw::Money amount, const QString& note)
{
    cw::LedgerEntry e;
    e.setDate(date);
    e.setCode(code);
    e.amount = amount;
    e.setNote(note);
    return e;
}

// Texts as Latin-1 bytes.
inline cw::LedgerEntry entry(const char* date, const char* code, cw::Money amount, const char* note = "")
{
    return entry(QString::fromLatin1(date), QString::fromLatin1(code), amount, QString::fromLatin1(note));
}

inline cw::CategoryRecord category(const char* code, const char* name)
{
    cw::CategoryRecord c;
    c.setCode(QString::fromLatin1(code));
    c.setName(QString::fromLatin1(name));
    return c;
}

template <class R>
QByteArray bytesOf(const std::vector<R>& records) { return cw::encodeRecords(records); }
inline QByteArray bytesOf(std::initializer_list<cw::LedgerEntry> entries) { return cw::encodeRecords(std::vector(entries)); }

// The category selection as the reports window writes it: an empty first
// record, then one for each chosen code.
inline std::vector<cw::CategoryRecord> selection(std::initializer_list<const char*> codes)
{
    std::vector<cw::CategoryRecord> out(1);
    for (const char* code : codes)
        out.push_back(category(code, "name"));
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
        const QString date = flag == u'E' ? QStringLiteral("%2-%1-98") : QStringLiteral("%1-%2-98");
        out.push_back(entry(date.arg(month, 2, 10, QChar(u'0')).arg(day), QString::fromLatin1(codes[rng() % 7]),
                            cw::Money(rng() % 100000) - 50000, QStringLiteral("note %1").arg(i)));
    }
    return out;
}

// A year in file order, newest first: income, expenses, a zero entry and a
// one-character code.
inline std::vector<cw::LedgerEntry> sampleYear()
{
    return {entry("03-14-26", "PY", 15000000, " Paycheck "), entry("03-10-26", "FO", -425000, "Groceries"),
            entry("03-05-26", "A", 0, "Oil check"), entry("02-28-26", "FO", -72500, "Lunch"),
            entry("01-02-26", "A", -3000000, "Tires")};
}

inline std::vector<cw::CategoryRecord> sampleCategories()
{
    return {category("A", "Auto"), category("FO", "Food"), category("PY", "Pay")};
}

// The year the chart tests draw: four months of 1998 and one after them, two
// codes the category file lacks, and the categories chosen for it.
inline std::vector<cw::LedgerEntry> chartYear()
{
    return {entry("05-01-98", "FD", -990000, "May"),      entry("04-20-98", "ZZ", -50000, "Orphan"),
            entry("04-02-98", "YY", -70000, "Orphan"),    entry("03-20-98", "SA", 1500000, "Pay"),
            entry("03-12-98", "CA", -250000, "Gas"),      entry("03-10-98", "FD", -750000, "Groceries"),
            entry("03-09-98", "FD", 0, "Open item"),      entry("02-11-98", "FD", -123400, "Lunch"),
            entry("01-02-98", "SA", 1000000, "Pay")};
}
inline const std::vector<cw::CategoryRecord> kChartChoice = {category("SA", "Salary"), category("CA", "Car"), category("FD", "Food"),
                                                             category("ZZ", "(no category)"), category("YY", "(no category)")};

inline void must(const cw::Status& status)
{
    if (!status)
        qFatal("test set-up failed: %s", qPrintable(status.toString()));
}

inline void writeSampleYear()
{
    must(cw::writeRecords(*cw::Env::posix(), QStringLiteral("2026CWK.DAT"), sampleYear()));
    must(cw::writeRecords(*cw::Env::posix(), QStringLiteral("2026CATS.DAT"), sampleCategories()));
}

// "PERSONAL.DAT" as a run a month ago left it.
inline void writeSettings(QChar flag, std::int16_t passCode = 0, const QString& userName = {})
{
    cw::PersonalRecord p = cw::PersonalRecord::creationValues(kToday.addDays(-30));
    p.setDateFormatFlag(flag);
    p.passCode = passCode;
    if (!userName.isEmpty())
        p.setUserName(userName);
    must(cw::savePersonal(*cw::Env::posix(), p));
}

inline qint64 fileSize(const QString& name) { return QFileInfo(name).exists() ? QFileInfo(name).size() : -1; }

} // namespace cwtest
