#pragma once
// A working folder with a 1998 year file, a pinned locale and date.

#include "core/reports/ReportGenerator.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace cwtest {

// Amounts written in cents.
constexpr cw::Money cents(qint64 n) { return n * 100; }

class ReportTest : public ::testing::Test {
protected:
    static inline const QString kYearFile = QStringLiteral("1998CWK.DAT");

    void SetUp() override { pinLocale(); }

    cw::Env& env() { return *cw::Env::current(); }

    void writeYear(const std::vector<cw::LedgerEntry>& entries) { must(cw::writeRecords(env(), kYearFile, entries)); }

    // The user name in 28 characters, as stored.
    cw::ReportRequest request(bool full = false, QChar flag = u'A', int start = 1, int end = 12)
    {
        return {kYearFile, cw::kReportSelectionFileName, start, end, full, flag, "Pat Smith" + QString(19, u' '), QDate(2026, 3, 5)};
    }

    cw::ReportResult view(const std::vector<cw::CategoryRecord>& chosen, const cw::ReportRequest& r)
    {
        cw::ReportResult result = cw::viewReport(env(), chosen, r);
        EXPECT_TRUE(result.status.isOk()) << result.status.toString().toStdString();
        return result;
    }

    TempFolder folder_;
};

} // namespace cwtest
