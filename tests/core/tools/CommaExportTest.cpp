// The comma export: amounts and lines, the categories and months chosen, and
// the targets it refuses or fails on.

#include "support/Records.h"
#include "core/tools/CommaExport.h"
#include "support/FaultEnv.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

using namespace cwtest;

TEST(ExportLine, AmountsWholeLinesAndTheEdgesOfTheTexts)
{
    const std::pair<Money, const char*> cases[] = {{0, " 0 "}, {12345000, " 1234.5 "}, {-1, "-.0001 "}, {10000000000, " 1000000 "},
                                                   {5000, " .5 "}, {-125000, "-12.5 "}, {10203, " 1.0203 "},
                                                   {std::numeric_limits<Money>::min(), "-922337203685477.5808 "}};
    for (const auto& [money, text] : cases)
        EXPECT_EQ(exportAmountText(money, u'.'), text);
    EXPECT_EQ(exportAmountText(-125000, u','), "-12,5 ");
    // Double quotes in a note become blanks.
    EXPECT_EQ(exportLine(entry("03-15-98", "FD", -125000, "Lunch"), "1998", u'.'),
              "\"03-15-1998\",\"FD\",\"-12.5 \",\"Lunch" + QByteArray(35, ' ') + "\"\r\n");
    EXPECT_EQ(exportLine(entry("15-03-98", "A", 5000, QStringLiteral("say \"hi\" \u00e9")), "1998", u'.'),
              "\"15-03-1998\",\"A \",\" .5 \",\"say  hi  \xe9" + QByteArray(30, ' ') + "\"\r\n");
    // The usual texts are compared through the export window; here the edges.
    EXPECT_EQ(exportRangeText(1, 12, "1998", 0), "January through December, 1998; 0 categories.");
    EXPECT_EQ(exportTargetPath("/", "a.txt"), "/a.txt");
}

TEST(ExportLines, CategoriesAndMonths)
{
    const LedgerEntry jan = entry("01-20-98", "FD", 1, "jan"), feb = entry("02-01-98", "FD", 2, "feb");
    const LedgerEntry other = entry("01-05-98", "XX", 3, "other"), oneChar = entry("01-06-98", "A", 4, "one");
    const ExportRange january{1, 1, u'A', QStringLiteral("1998"), u'.'};
    const auto line = [](const LedgerEntry& e) { return exportLine(e, QStringLiteral("1998"), u'.'); };

    qsizetype count = 0;
    EXPECT_EQ(exportLines({jan, feb, other, oneChar}, selection({"FD", "A"}), january, &count), line(jan) + line(oneChar));
    EXPECT_EQ(count, 2);
    // A code chosen twice writes its entries twice.
    EXPECT_EQ(exportLines({jan, feb}, selection({"FD", "ZZ", "FD"}), {1, 2, u'A', QStringLiteral("1998"), u'.'}, &count),
              line(jan) + line(jan) + line(feb) + line(feb));
    EXPECT_EQ(count, 4);
    // Day-month dates: the month is characters 4 and 5.
    const LedgerEntry march = entry("15-03-98", "FD", 1, "");
    EXPECT_EQ(exportLines({march}, selection({"FD"}), {3, 3, u'E', QStringLiteral("1998"), u'.'}), line(march));
    EXPECT_EQ(exportLines({march}, selection({"FD"}), {3, 3, u'A', QStringLiteral("1998"), u'.'}), QByteArray());
}

class ExportFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        cwtest::pinLocale();
        cwtest::writeBytes(QStringLiteral("1998CWK.DAT"), cwtest::bytesOf({jan, feb}));
        cwtest::writeBytes(QStringLiteral("tempcats.$$$"), encodeRecords(selection({"FD"})));
    }
    Result<qsizetype> run(const QString& target, Env& env = *Env::posix())
    {
        return commafile(env, target, folder.path(QStringLiteral("1998CWK.DAT")), folder.path(QStringLiteral("tempcats.$$$")),
                         1, 12, u'A');
    }
    const LedgerEntry jan = entry("01-20-98", "FD", 1, "jan");
    const LedgerEntry feb = entry("02-01-98", "XX", 2, "feb");
    cwtest::TempFolder folder;
};

TEST_F(ExportFile, FailuresAreSaidAndChangeNothing)
{
    const QString nameless = exportTargetPath(folder.path(), QString());
    EXPECT_FALSE(exportTargetHoldsData(*Env::posix(), nameless).isOk());
    EXPECT_FALSE(run(nameless).isOk());
    EXPECT_FALSE(run(folder.path(QStringLiteral("no/such/folder.txt"))).isOk());

    cwtest::writeBytes(QStringLiteral("OLD.TXT"), "old\r\n");
    cwtest::FaultEnv env([](const cwtest::FaultEnv::Call& c) -> std::optional<QString> {
        return c.kind == cwtest::FaultEnv::Kind::Append ? std::optional(QStringLiteral("No space left on device")) : std::nullopt;
    });
    const Result<qsizetype> failed = run(folder.path(QStringLiteral("OLD.TXT")), env);
    ASSERT_FALSE(failed.isOk());
    EXPECT_EQ(failed.status().file(), folder.path(QStringLiteral("OLD.TXT")));   // the target, not the work file
    EXPECT_EQ(cwtest::readBytes(QStringLiteral("OLD.TXT")), QByteArray("old\r\n"));
}

TEST_F(ExportFile, NeverWritesIntoTheLedgerNorThroughALink)
{
    cwtest::writeBytes(QStringLiteral("elsewhere.txt"), "victim");
    ASSERT_TRUE(QFile::link(folder.path(QStringLiteral("elsewhere.txt")), folder.path(QStringLiteral("link.txt"))));
    for (const char* name : {"1998cwk.dat", "tempcats.$$$", "link.txt"}) {   // a ledger name in any case, a work file, a link
        const QString target = folder.path(QString::fromLatin1(name));
        const QByteArray before = cwtest::readBytes(QString::fromLatin1(name));
        const std::optional<Message> refused = refusedExportTarget(*Env::posix(), target);
        ASSERT_TRUE(refused) << name;
        EXPECT_EQ(refused->title, QStringLiteral("Data Export"));
        EXPECT_FALSE(run(target).isOk()) << name;
        EXPECT_EQ(cwtest::readBytes(QString::fromLatin1(name)), before) << name;
    }
    EXPECT_EQ(refusedExportTarget(*Env::posix(), folder.path(QStringLiteral("1998CWK.DAT")))->text,
              QStringLiteral("This file belongs to the ledger; choose another name."));
    EXPECT_EQ(cwtest::readBytes(QStringLiteral("elsewhere.txt")), QByteArray("victim"));
    EXPECT_FALSE(refusedExportTarget(*Env::posix(), folder.path(QStringLiteral("CWK_DATA.TXT"))));
}

} // namespace
} // namespace cw
