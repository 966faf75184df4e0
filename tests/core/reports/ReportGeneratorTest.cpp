// Whole reports and their panels against the texts under data/; the category
// choice, and the selection and work files around them.

#include "ReportFixture.h"

#include "core/reports/CategoryChoice.h"
#include "store/ReportSelection.h"
#include "support/FaultEnv.h"

using namespace cwtest;

namespace {

QString panels(const cw::ReportResult& r)
{
    return r.incomePanel + u'|' + r.expensePanel + u'|' + r.balancePanel.value_or(QStringLiteral("-"));
}

} // namespace

class ReportText : public ReportTest {};

// Each file under data/: "year date | code | cents | note" lines, newest first;
// "chosen code | name"; "request summary|full | first | last month | flag";
// "panels", then "report" and its lines (CW_UPDATE_REPORT_DATA=1 rewrites them).
TEST_F(ReportText, WholeReportsAndTheirPanels)
{
    const QDir data(QStringLiteral(CW_REPORT_DATA_DIR));
    for (const QString& name : data.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        SCOPED_TRACE(name.toStdString());
        const QString text = QString::fromUtf8(readBytes(data.filePath(name)));
        const qsizetype at = text.indexOf("\nreport\n") + 8;
        std::vector<cw::LedgerEntry> year;
        std::vector<cw::CategoryRecord> chosen;
        cw::ReportRequest r = request();
        QString expectedPanels;
        for (const QString& line : text.left(at).split(u'\n')) {
            const QString key = line.section(u' ', 0, 0);
            const QStringList f = line.section(u' ', 1).split(" | ");
            if (key == "year")
                year.push_back(entry(f[0], f[1], cents(f[2].toLongLong()), f[3]));
            else if (key == "chosen") {
                chosen.emplace_back().setCode(f[0]);
                chosen.back().setName(f[1]);
            } else if (key == "request")
                r = request(f[0] == "full", f[3][0], f[1].toInt(), f[2].toInt());
            else if (key == "panels")
                expectedPanels = line.mid(7);
        }
        writeYear(year);
        const cw::ReportResult result = view(chosen, r);
        const QString shown = result.lines.toStringList().join(u'\n') + u'\n';
        if (qEnvironmentVariableIsSet("CW_UPDATE_REPORT_DATA"))
            writeBytes(data.filePath(name),
                       (QString(text.left(at)).replace("panels " + expectedPanels + '\n', "panels " + panels(result) + '\n') + shown).toUtf8());
        EXPECT_EQ(shown.toStdString(), text.mid(at).toStdString());
        EXPECT_EQ(panels(result), expectedPanels);
    }
}

class ReportFiles : public ReportTest {};

TEST_F(ReportFiles, AMissingYearIsEmptyAnUnreadableOneSaidAndTheWorkFilesGo)
{
    const cw::ReportResult empty = view({category("FD", "Food")}, request());
    EXPECT_EQ(empty.lines.size(), 23);   // heading, two empty summaries, end
    EXPECT_EQ(fileSize(kYearFile), 0);

    writeYear({entry("03-10-98", "FD", cents(-7500), "Groceries")});
    for (const char* stale : {"ex_file.$$$", "ic_file.$$$", "todofile.$$$"})
        writeBytes(stale, "old");
    const QByteArray yearBefore = readBytes(kYearFile);
    view({category("FD", "Food")}, request());
    for (const char* name : {"tempcats.$$$", "ex_file.$$$", "ic_file.$$$", "todofile.$$$"})
        EXPECT_FALSE(QFile::exists(name)) << name;
    EXPECT_EQ(readBytes(kYearFile), yearBefore);

    // An unreadable year: said, and nothing is left behind.
    FaultEnv failing(FaultEnv::failing(FaultEnv::Kind::Read, kYearFile));
    const cw::ReportResult r = cw::viewReport(failing, {category("FD", "Food")}, request());
    EXPECT_EQ(r.status.file(), kYearFile);
    EXPECT_TRUE(r.lines.isEmpty() && r.incomePanel.isEmpty() && !r.balancePanel.has_value());
    EXPECT_FALSE(QFile::exists("tempcats.$$$"));
}

TEST_F(ReportFiles, ReportReadsTheSelectionFileItIsGiven)
{
    writeYear({entry("03-10-98", "FD", cents(-7500), "Groceries"), entry("03-01-98", "CA", cents(-2500), "Gas")});
    ASSERT_TRUE(cw::makeRepCatFile(env(), {category("CA", "Car")}).isOk());
    const cw::ReportResult r = cw::makeReport(env(), request());
    ASSERT_TRUE(r.status.isOk());
    EXPECT_TRUE(r.lines.contains(QString("Car             $25.00            (  100%)  " + QString(26, u'|'))));
    EXPECT_EQ(r.expensePanel, "(1 Items) Expense = ($25.00) ");
    EXPECT_FALSE(QFile::exists("tempcats.$$$"));
}

// An older longer file or a planted link is replaced whole; an absent one counts none.
TEST_F(ReportFiles, TheSelectionFileHoldsTheChoiceAfterAnEmptyRecord)
{
    EXPECT_EQ(cw::chosenCategoryCount(env()), 0);
    EXPECT_FALSE(QFile::exists("tempcats.$$$"));
    writeBytes("tempcats.$$$", QByteArray(18 * 5, 'x'));
    ASSERT_TRUE(cw::makeRepCatFile(env(), {category("FD", "Food"), category("A", "Auto"), category("FD", "Food")}).isOk());
    EXPECT_EQ(readBytes("tempcats.$$$"), QByteArray(18, '\0') + "FDFood            A Auto            FDFood            ");
    EXPECT_EQ(cw::chosenCategoryCount(env()), 3);
    QFile::remove("tempcats.$$$");
    writeBytes("victim", "victim");
    ASSERT_TRUE(QFile::link("victim", "tempcats.$$$"));
    ASSERT_TRUE(cw::makeRepCatFile(env(), {}).isOk());
    EXPECT_EQ(readBytes("victim"), "victim");
    EXPECT_EQ(readBytes("tempcats.$$$"), QByteArray(18, '\0'));
    writeBytes("tempcats.$$$", QByteArray(18 + 17, '\0'));   // and a partial record
    EXPECT_EQ(cw::chosenCategoryCount(env()), 0);
}

// The codes without a category in the category file's order: raw bytes would put ZZ before ab.
TEST(CategoryChoice, APickIsTakenOnceAndAllCatsAddsTheCodesWithoutACategory)
{
    std::vector<cw::CategoryRecord> chosen;
    EXPECT_TRUE(cw::addChosenCategory(chosen, category("FO", "Food")));
    EXPECT_FALSE(cw::addChosenCategory(chosen, category("FO", "Fodder")));
    EXPECT_EQ(chosen, std::vector{category("FO", "Food")});
    const QByteArray year = bytesOf({entry("03-01-98", "ZZ", 1), entry("02-01-98", "FO", 1), entry("01-01-98", "ab", 1)});
    EXPECT_EQ(cw::allCategoriesChoice({category("FO", "Food"), category("FO", "Fodder")}, year),
              (std::vector{category("FO", "Food"), category("ab", "(no category)"), category("ZZ", "(no category)")}));
}
