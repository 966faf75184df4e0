// The category editor's work without its widgets.

#include "core/categories/CategoryEditorLogic.h"
#include "support/FaultEnv.h"
#include "support/Records.h"

#include <gtest/gtest.h>

using namespace cw;
using namespace cwtest;

namespace {

const QString kData = QStringLiteral("2026CWK.DAT");
const QString kCats = QStringLiteral("2026CATS.DAT");

TEST(CategoryCodes, CompareAsTheTwoCharacterFieldAndSortStablyUpperCased)
{
    const CategoryRecord a = category("A", "Auto"), al = category("AL", "Alimony");
    for (const auto& [text, matches] : {std::pair("A", true), {"A ", true}, {" A", false}, {"a", false}, {"", false}})
        EXPECT_EQ(codeMatches(a.code, QString::fromLatin1(text)), matches) << text;
    EXPECT_TRUE(codeMatches(al.code, "AL"));
    EXPECT_FALSE(codeMatches(al.code, "all"));   // never cut to fit
    EXPECT_EQ(storedCategoryCode(" x "), "X ");
    EXPECT_EQ(upperCode(QStringView(u"f\u00FF\u00B5").toString()), QStringView(u"F\u0178\u00B5").toString());
    std::vector<CategoryRecord> cats = {category("fb", "1"), category("FA", "2"), category("b", "3"), category("Fb", "4"),
                                        category("\xE9", "5"), category("A", "6"), category("FB", "7"), category("~", "8")};
    sortCategories(cats);
    QStringList order;
    for (const CategoryRecord& c : cats)
        order << c.codeText() + c.nameText().left(1);
    // "A " < "B " < "FA" < "FB" (three of them, as they were) < "~ " < "\xC9 "
    EXPECT_EQ(order.join(u','), QString::fromLatin1("A 6,b 3,FA2,fb1,Fb4,FB7,~ 8,\xE9 5"));
}

TEST(CategoryMessages, ChecksAndQuestionsInTheirWords)
{
    const auto said = [](const std::optional<Message>& m) { return m ? m->title + " | " + m->text : QStringLiteral("none"); };
    EXPECT_EQ(said(checkCategoryInput("  ", "Food", true)), "Entry Aborted | No category code!");
    EXPECT_EQ(said(checkCategoryInput("Q", " ", true)), "Entry Aborted | No category name!");
    EXPECT_EQ(said(checkCategoryInput("Q", " ", false)), "none");
    EXPECT_EQ(said(nothingSelectedMessage()), "Nothing to do! | Please select a category");
    EXPECT_EQ(said(categoryNotFoundMessage()), "Entry Aborted | Category not found - nothing changed");
    EXPECT_EQ(said(duplicateWarning("FO", "")), "Confirm | Category FO already exists!\nIf you continue, records from this and\n"
                                                " will be mixed together, and you\nwill not be able to separate them!\nContinue?");
    EXPECT_EQ(said(deleteCategoryQuestion("Auto")), "Confirm | Delete category Auto ?");
    EXPECT_EQ(deleteCategoryQuestion("Auto").icon, Message::Icon::Warning);
    EXPECT_EQ(said(deleteEntriesQuestion()), "Confirm | Category deleted. Delete records too?");
    EXPECT_EQ(said(areYouSureQuestion()), "Confirm | ARE YOU SURE?");
    EXPECT_EQ(areYouSureQuestion().icon, Message::Icon::Critical);
}

class CategoryFiles : public ::testing::Test {
protected:
    void SetUp() override { writeSampleYear(); }
    TempFolder folder_;
    CategoryEditorLogic logic_{*Env::posix(), kCats, kData};
};

TEST_F(CategoryFiles, SaveKeepsTheOrderAndAOneCharacterCodeIsTheCodeAndABlank)
{
    QString code = " fo ";
    EXPECT_TRUE(*logic_.CatExists(code));
    EXPECT_EQ(code, " FO ");
    ASSERT_TRUE(logic_.save(" a", "Again ").isOk());
    ASSERT_TRUE(logic_.save("b", "Bus").isOk());
    EXPECT_EQ(readBytes(kCats), bytesOf(std::vector{category("A", "Auto"), category("A", "Again"), category("B", "Bus"),
                                                    category("FO", "Food"), category("PY", "Pay")}));
}

TEST_F(CategoryFiles, ChangeRecCodesTouchesOnlyExactMatches)
{
    EXPECT_EQ(*logic_.ChangeRecCodes("A ", "Z"), 2);
    std::vector<LedgerEntry> expected = sampleYear();
    expected[2].setCode("Z");
    expected[4].setCode("Z");
    EXPECT_EQ(readBytes(kData), bytesOf(expected));
    // Nothing to change: nothing is written, so even a read-only file is fine.
    FaultEnv readOnly(FaultEnv::failing(FaultEnv::Kind::Rename, kData, "Read-only file system"));
    CategoryEditorLogic unchanged(readOnly, kCats, kData);
    const Result<qsizetype> none = unchanged.ChangeRecCodes("Z ", "Z");
    ASSERT_TRUE(none.isOk());
    EXPECT_EQ(*none, 0);
    EXPECT_EQ(*unchanged.ChangeRecCodes("fo", "XX"), 0);
}

TEST_F(CategoryFiles, ReplaceChangesTheFirstOfTheCodeAndItsEntries)
{
    must(writeRecords(*Env::posix(), kCats, std::vector{category("FO", "Food"), category("FO", "Fodder")}));
    EXPECT_TRUE(*logic_.replace("FO", " ax", "Axles "));
    EXPECT_EQ(readBytes(kCats), bytesOf(std::vector{category("AX", "Axles"), category("FO", "Fodder")}));
    std::vector<LedgerEntry> expected = sampleYear();
    expected[1].setCode("AX");
    expected[3].setCode("AX");
    EXPECT_EQ(readBytes(kData), bytesOf(expected));

    const QByteArray cats = readBytes(kCats);
    EXPECT_FALSE(*logic_.replace("ZZ", "FO", "Food"));
    EXPECT_FALSE(*logic_.replace("", "FO", "Food"));
    EXPECT_EQ(readBytes(kCats), cats);
    EXPECT_EQ(readBytes(kData), bytesOf(expected));
}

TEST_F(CategoryFiles, RemoveTakesTheFirstOfTheCodeAndItsEntriesGoAfterTwoYes)
{
    must(writeRecords(*Env::posix(), kCats, std::vector{category("FT", "One"), category("FT", "Two")}));
    ASSERT_TRUE(logic_.remove("ft").isOk());   // case counts: nothing goes
    EXPECT_EQ(fileSize(kCats), 36);
    ASSERT_TRUE(logic_.remove("FT").isOk());
    EXPECT_EQ(readBytes(kCats), bytesOf(std::vector{category("FT", "Two")}));

    for (const QList<bool>& answers : {QList<bool>{false}, QList<bool>{true, false}, QList<bool>{true, true}}) {
        QList<QString> asked;
        const Result<qsizetype> gone = logic_.DeleteCatRecs("A ", [&](const Message& m) {
            asked << m.text;
            return answers.value(asked.size() - 1);
        });
        EXPECT_EQ(asked.size(), answers.size());
        EXPECT_EQ(*gone, (answers == QList<bool>{true, true} ? 2 : 0));
    }
    const std::vector<LedgerEntry> year = sampleYear();
    EXPECT_EQ(readBytes(kData), bytesOf(std::vector{year[0], year[1], year[3]}));
}

} // namespace
