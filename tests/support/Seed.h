#pragma once
// Test data: entries, categories and settings written the way the program
// stores them, in a fresh working folder.

#include "support/Records.h"
#include "support/TempFolder.h"

#include "store/Env.h"
#include "store/PersonalRecord.h"
#include "store/PersonalSettings.h"
#include "store/RecordFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace cwtest {

inline const QDate kToday(2026, 3, 15);

// A fresh temporary folder made the working folder while it lives.
using WorkFolder = TempFolder;

// A year in file order, newest first: income, expenses, a zero entry and a
// one-character code.
inline std::vector<cw::LedgerEntry> sampleYear()
{
    return {
        entry("03-14-26", "PY", 15000000, " Paycheck "),
        entry("03-10-26", "FO", -425000, "Groceries"),
        entry("03-05-26", "A", 0, "Oil check"),
        entry("02-28-26", "FO", -72500, "Lunch"),
        entry("01-02-26", "A", -3000000, "Tires"),
    };
}

inline std::vector<cw::CategoryRecord> sampleCategories()
{
    return {category("A", "Auto"), category("FO", "Food"), category("PY", "Pay")};
}

inline void must(const cw::Status& status)
{
    if (!status)
        qFatal("test set-up failed: %s", qPrintable(status.toString()));
}

inline void writeSampleYear()
{
    cw::Env& env = *cw::Env::posix();
    must(cw::writeRecords(env, QStringLiteral("2026CWK.DAT"), sampleYear()));
    must(cw::writeRecords(env, QStringLiteral("2026CATS.DAT"), sampleCategories()));
}

// "PERSONAL.DAT" as a run a month ago left it, with a date format flag and a passcode.
inline void writeSettings(QChar flag, std::int16_t passCode = 0)
{
    cw::PersonalRecord p = cw::PersonalRecord::creationValues(kToday.addDays(-30));
    p.setDateFormatFlag(flag);
    p.passCode = passCode;
    must(cw::savePersonal(*cw::Env::posix(), p));
}

inline void writePasscode(std::int16_t code) { writeSettings(u'A', code); }

inline qint64 fileSize(const QString& name) { return QFileInfo(name).exists() ? QFileInfo(name).size() : -1; }

} // namespace cwtest
