// The editing panels' plain logic: the amount an opened entry shows, saving,
// the year switch's copy, and the category editor's comparisons, order and
// file changes.

#include "support/Seed.h"
#include "support/TempFolder.h"

#include "core/categories/CategoryEditorLogic.h"
#include "core/entries/EntryEditorLogic.h"
#include "core/session/YearSwitch.h"

#include "store/AmountRules.h"
#include "support/FaultEnv.h"

#include <gtest/gtest.h>
#include <limits>

using namespace cw;
using namespace cwtest;

namespace {

const QString kData = QStringLiteral("2026CWK.DAT");
const QString kCats = QStringLiteral("2026CATS.DAT");
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

class EditingLogic : public ::testing::Test {
protected:
    void SetUp() override
    {
        pinLocale();
        writeSampleYear();
    }
    EntryFields fields(const char* date, const char* code, const char* amount, const char* note = "")
    {
        return {QString::fromLatin1(date), QStringLiteral("26"), QString::fromLatin1(code), QString::fromLatin1(amount),
                QString::fromLatin1(note)};
    }
    WorkFolder folder_;
    LedgerFile file_{kData};
};

TEST_F(EditingLogic, OpenedAmountShowsFullPrecisionAndReadsBackUnchanged)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(amountEditorText(0, kUs), "0");
    EXPECT_EQ(amountEditorText(-125000, kUs), "12.5");
    EXPECT_EQ(amountEditorText(123456, kUs), "12.3456");
    EXPECT_EQ(amountEditorText(1, kUs), "0.0001");
    EXPECT_EQ(amountEditorText(12345670000, kUs), "1234567");   // no grouping
    EXPECT_EQ(amountEditorText(std::numeric_limits<Money>::min(), kUs), "922337203685477.5808");
    EXPECT_EQ(amountEditorText(-125000, german), "12,5");
    for (const QLocale& locale : {kUs, german})
        for (Money m : {Money(-123456), Money(10000), Money(1), Money(0), std::numeric_limits<Money>::max()})
            EXPECT_EQ(amountToMoney(cleanAmount(amountEditorText(m, locale)), m < 0, locale), m) << m;
}

TEST_F(EditingLogic, SaveCleansConvertsAndInsertsInOrder)
{
    EntryChange c = saveNewEntry(file_, fields("03-15", "FO", "$1,234.50", "Market"), true, u'A', kUs);
    EXPECT_TRUE(c.done);
    EXPECT_EQ(c.cleanedAmount, "1,234.50");
    c = saveNewEntry(file_, fields("03-05", " A", ""), false, u'A', kUs);   // equal key: in front
    EXPECT_TRUE(c.done);
    EXPECT_EQ(c.cleanedAmount, "0");
    c = saveNewEntry(file_, fields("01-01", "PY", "-25"), false, u'A', kUs);
    EXPECT_TRUE(c.done);
    std::vector<LedgerEntry> expected = sampleYear();
    expected.insert(expected.begin() + 2, entry("03-05-26", "A", 0, ""));
    expected.insert(expected.begin(), entry("03-15-26", "FO", -12345000, "Market"));
    expected.push_back(entry("01-01-26", "PY", 250000, ""));   // the date counts before the code
    EXPECT_EQ(readBytes(kData), encodeRecords(expected));
}

// ---- year switch ---------------------------------------------------------

// The question and the switch itself are checked through the window.
TEST_F(EditingLogic, YearSwitchCopiesByteForByte)
{
    ProgramState state;
    state.setActiveYear("2026");
    // A trailing partial record is copied too: the copy is of bytes, not records.
    writeBytes(kCats, encodeRecords(sampleCategories()) + "XY");
    const YearSwitch change("1999", state);
    EXPECT_TRUE(*change.categoriesMissing(*Env::posix()));
    writeBytes("1999CATS.DAT", QByteArray());
    EXPECT_TRUE(*change.categoriesMissing(*Env::posix()));
    ASSERT_TRUE(change.copyCategories(*Env::posix()).isOk());
    EXPECT_EQ(readBytes("1999CATS.DAT"), readBytes(kCats));
    EXPECT_FALSE(*change.categoriesMissing(*Env::posix()));
}

TEST_F(EditingLogic, YearSwitchWithNothingToCopyWritesNothing)
{
    ProgramState state;
    state.setActiveYear("2025");   // no category file
    EXPECT_TRUE(YearSwitch("2027", state).copyCategories(*Env::posix()).isOk());
    EXPECT_EQ(fileSize("2027CATS.DAT"), -1);
    // The same year, its category file empty: it is its own previous file.
    state.setActiveYear("2024");
    writeBytes("2024CATS.DAT", QByteArray());
    const YearSwitch same("2024", state);
    EXPECT_TRUE(*same.categoriesMissing(*Env::posix()));
    EXPECT_TRUE(same.copyCategories(*Env::posix()).isOk());
    EXPECT_EQ(fileSize("2024CATS.DAT"), 0);
}

// ---- category editor -----------------------------------------------------

TEST_F(EditingLogic, CodesCompareAsTheTwoCharacterField)
{
    const CategoryRecord a = category("A", "Auto");
    EXPECT_TRUE(codeMatches(a.code, "A"));
    EXPECT_TRUE(codeMatches(a.code, "A "));
    EXPECT_FALSE(codeMatches(a.code, " A"));
    EXPECT_FALSE(codeMatches(a.code, "a"));   // case counts
    EXPECT_FALSE(codeMatches(a.code, ""));
    const CategoryRecord al = category("AL", "Alimony");
    EXPECT_FALSE(codeMatches(al.code, "all"));   // never cut to fit
    EXPECT_EQ(storedCategoryCode(" x "), "X ");
    EXPECT_EQ(upperCode(QStringView(u"f\u00FF\u00B5").toString()), QStringView(u"F\u0178\u00B5").toString());
}

TEST_F(EditingLogic, SortIsStableByUpperCasedCodeOnCharacterCodes)
{
    std::vector<CategoryRecord> cats = {category("fb", "1"), category("FA", "2"), category("b", "3"),
                                        category("Fb", "4"), category("\xE9", "5"), category("A", "6"),
                                        category("FB", "7"), category("~", "8")};
    sortCategories(cats);
    QStringList order;
    for (const CategoryRecord& c : cats)
        order << c.codeText() + c.nameText().left(1);
    // "A " < "B " < "FA" < "FB" (three of them, as they were) < "~ " < "\xC9 "
    EXPECT_EQ(order.join(u','), QString::fromLatin1("A 6,b 3,FA2,fb1,Fb4,FB7,~ 8,\xE9 5"));
}

TEST_F(EditingLogic, ChangeRecCodesTouchesOnlyExactMatches)
{
    CategoryEditorLogic logic(*Env::posix(), kCats, kData);
    EXPECT_EQ(*logic.ChangeRecCodes("A ", "Z"), 2);
    std::vector<LedgerEntry> expected = sampleYear();
    expected[2].setCode("Z");
    expected[4].setCode("Z");
    EXPECT_EQ(readBytes(kData), encodeRecords(expected));
    // Nothing to change: nothing is written, so even a read-only file is fine.
    cwtest::FaultEnv readOnly(cwtest::FaultEnv::failing(cwtest::FaultEnv::Kind::Rename, kData, "Read-only file system"));
    CategoryEditorLogic unchanged(readOnly, kCats, kData);
    const Result<qsizetype> none = unchanged.ChangeRecCodes("Z ", "Z");
    ASSERT_TRUE(none.isOk());
    EXPECT_EQ(*none, 0);
    EXPECT_EQ(*unchanged.ChangeRecCodes("fo", "XX"), 0);
}

TEST_F(EditingLogic, ReplaceChangesTheFirstOfTheCodeAndItsEntries)
{
    must(writeRecords(*Env::posix(), kCats, std::vector{category("FO", "Food"), category("FO", "Fodder")}));
    CategoryEditorLogic logic(*Env::posix(), kCats, kData);
    EXPECT_TRUE(*logic.replace("FO", " ax", "Axles "));
    EXPECT_EQ(readBytes(kCats), encodeRecords(std::vector{category("AX", "Axles"), category("FO", "Fodder")}));
    std::vector<LedgerEntry> expected = sampleYear();
    expected[1].setCode("AX");
    expected[3].setCode("AX");
    EXPECT_EQ(readBytes(kData), encodeRecords(expected));

    const QByteArray cats = readBytes(kCats);
    EXPECT_FALSE(*logic.replace("ZZ", "FO", "Food"));
    EXPECT_FALSE(*logic.replace("", "FO", "Food"));
    EXPECT_EQ(readBytes(kCats), cats);
    EXPECT_EQ(readBytes(kData), encodeRecords(expected));
}

TEST_F(EditingLogic, RemoveTakesTheFirstOfTheCodeThroughItsWorkFile)
{
    must(writeRecords(*Env::posix(), kCats, std::vector{category("FT", "One"), category("FT", "Two")}));
    CategoryEditorLogic logic(*Env::posix(), kCats, kData);
    ASSERT_TRUE(logic.remove("ft").isOk());   // case counts: nothing goes
    EXPECT_EQ(fileSize(kCats), 36);
    ASSERT_TRUE(logic.remove("FT").isOk());
    EXPECT_EQ(readBytes(kCats), encodeRecords(std::vector{category("FT", "Two")}));
    EXPECT_EQ(fileSize("tempkeys.$$$"), -1);
}

} // namespace
