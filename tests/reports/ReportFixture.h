#pragma once
// A working folder with a 1998 year file, a pinned locale and date, and
// whole-report comparison.

#include "reports/ReportGenerator.h"
#include "store/CurrencyFormat.h"
#include "store/RecordFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace cwtest {

inline cw::LedgerEntry entry(const char* date, const char* code, qint64 cents, const char* note)
{
    cw::LedgerEntry e;
    e.setDate(QString::fromLatin1(date));
    e.setCode(QString::fromLatin1(code));
    e.amount = cents * 100;
    e.setNote(QString::fromLatin1(note));
    return e;
}

inline cw::CategoryRecord category(const char* code, const char* name)
{
    cw::CategoryRecord c;
    c.setCode(QString::fromLatin1(code));
    c.setName(QString::fromLatin1(name));
    return c;
}

class ReportTest : public ::testing::Test {
protected:
    static inline const QString kRule = QString(70, u'-');
    static inline const QString kYearFile = QStringLiteral("1998CWK.DAT");

    void SetUp() override { cw::CurrencyFormat::useLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }

    cw::Env& env() { return *cw::Env::current(); }

    void writeYear(const std::vector<cw::LedgerEntry>& entries)
    {
        ASSERT_TRUE(cw::writeRecords(env(), kYearFile, entries).isOk());
    }

    cw::ReportRequest request(bool full = false, QChar flag = u'A')
    {
        cw::ReportRequest r;
        r.dataFileName = kYearFile;
        r.full = full;
        r.dateFlag = flag;
        r.userName = QStringLiteral("Pat Smith                   ");   // 28 characters, as stored
        r.today = QDate(2026, 3, 5);
        return r;
    }

    cw::ReportResult view(const std::vector<cw::CategoryRecord>& chosen, const cw::ReportRequest& r)
    {
        cw::ReportResult result = cw::viewReport(env(), chosen, r);
        EXPECT_TRUE(result.status.isOk()) << result.status.toString().toStdString();
        return result;
    }

    static void expectLines(const cw::ReportResult& result, const QStringList& expected)
    {
        EXPECT_EQ(result.lines.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
    }

    TempFolder folder_;
};

} // namespace cwtest
