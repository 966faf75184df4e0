#include "ReportFixture.h"

#include "core/reports/CategoryChoice.h"
#include "store/RecordFile.h"
#include "store/ReportSelection.h"

using namespace cwtest;

class ReportSelectionFile : public ReportTest {};

TEST_F(ReportSelectionFile, FirstRecordIsZeroBytesThenTheChoiceInOrder)
{
    ASSERT_TRUE(cw::makeRepCatFile(env(), {category("FD", "Food"), category("A", "Auto"), category("FD", "Food")}).isOk());
    const QByteArray expected = QByteArray(18, '\0') + "FDFood            " + "A Auto            " + "FDFood            ";
    EXPECT_EQ(readBytes("tempcats.$$$"), expected);

    auto records = cw::readReportSelection(env());
    ASSERT_TRUE(records.isOk());
    ASSERT_EQ(records->size(), 4u);
    EXPECT_EQ(cw::chosenCategoryCount(*records), 3);
    EXPECT_EQ((*records)[0], cw::CategoryRecord{});
    EXPECT_EQ((*records)[2].codeText(), "A ");
}

TEST(CategoryChoice, APickIsTakenOnceAllCatsAddsTheCodesWithoutACategoryInTheFilesOrder)
{
    std::vector<cw::CategoryRecord> chosen;
    EXPECT_TRUE(cw::addChosenCategory(chosen, category("FO", "Food")));
    EXPECT_FALSE(cw::addChosenCategory(chosen, category("FO", "Fodder")));
    EXPECT_EQ(chosen, std::vector{category("FO", "Food")});

    // Raw byte order would put ZZ before ab; the category file's order puts AB first.
    const QByteArray year = cw::encodeRecords(std::vector{entry("03-01-98", "ZZ", 1, ""), entry("02-01-98", "FO", 1, ""),
                                                          entry("01-01-98", "ab", 1, "")});
    const std::vector<cw::CategoryRecord> all =
        cw::allCategoriesChoice({category("FO", "Food"), category("FO", "Fodder")}, year);
    EXPECT_EQ(all, (std::vector{category("FO", "Food"), category("ab", "(no category)"), category("ZZ", "(no category)")}));
}

TEST_F(ReportSelectionFile, NothingChosenStillWritesTheFirstRecord)
{
    ASSERT_TRUE(cw::makeRepCatFile(env(), {}).isOk());
    EXPECT_EQ(readBytes("tempcats.$$$"), QByteArray(18, '\0'));
    auto records = cw::readReportSelection(env());
    ASSERT_TRUE(records.isOk());
    EXPECT_EQ(cw::chosenCategoryCount(*records), 0);
}

TEST_F(ReportSelectionFile, AnOlderLongerFileOrAPlantedLinkIsReplacedWhole)
{
    writeBytes("tempcats.$$$", QByteArray(18 * 5, 'x'));
    ASSERT_TRUE(cw::makeRepCatFile(env(), {category("CA", "Car")}).isOk());
    EXPECT_EQ(readBytes("tempcats.$$$"), QByteArray(18, '\0') + "CACar             ");
    QFile::remove("tempcats.$$$");
    writeBytes("victim", "victim");
    ASSERT_TRUE(QFile::link("victim", "tempcats.$$$"));
    ASSERT_TRUE(cw::makeRepCatFile(env(), {}).isOk());
    EXPECT_EQ(readBytes("victim"), "victim");
    EXPECT_FALSE(QFileInfo("tempcats.$$$").isSymLink());
}

TEST_F(ReportSelectionFile, AbsentFileReadsAsNoRecords)
{
    auto records = cw::readReportSelection(env());
    ASSERT_TRUE(records.isOk());
    EXPECT_TRUE(records->empty());
    EXPECT_EQ(cw::chosenCategoryCount(*records), -1);
}
