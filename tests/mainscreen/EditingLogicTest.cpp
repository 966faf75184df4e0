// The editing panels' plain logic: the amount an opened entry shows, save,
// replace and delete with their refusals, the year switch, and the category
// editor's comparisons, order and file changes.

#include "Seed.h"

#include "mainscreen/CategoryEditorLogic.h"
#include "mainscreen/EntryEditorLogic.h"
#include "mainscreen/YearSwitch.h"

#include "store/AmountRules.h"

#include <QFile>
#include <gtest/gtest.h>
#include <limits>

using namespace cw;
using namespace cwtest;

namespace {

const QString kData = QStringLiteral("2026CWK.DAT");
const QString kCats = QStringLiteral("2026CATS.DAT");
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

QByteArray fileBytes(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void putBytes(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Fails every write to one file.
class FailingWritesEnv : public EnvWrapper {
public:
    explicit FailingWritesEnv(QString target) : EnvWrapper(Env::posix()), target_(std::move(target)) {}
    Status renameFile(const QString& from, const QString& to) override
    {
        if (to == target_)
            return Status::ioError(to, QStringLiteral("Read-only file system"));
        return EnvWrapper::renameFile(from, to);
    }

private:
    QString target_;
};

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

TEST_F(EditingLogic, OpenedNoteLosesOnlyItsTrailingFill)
{
    EXPECT_EQ(noteEditorText(entry("01-01-26", "A", 0, "  two  ")), "  two");
    EXPECT_EQ(noteEditorText(entry("01-01-26", "A", 0, "")), "");
}

TEST_F(EditingLogic, StoringFollowsTheCodeUnlessAllAreListed)
{
    QString selected = kAllCategories;
    followStoredCode(selected, "PY");
    EXPECT_EQ(selected, "all");
    selected = "FO";
    followStoredCode(selected, "A");
    EXPECT_EQ(selected, "A ");
}

TEST_F(EditingLogic, SaveCleansConvertsAndInsertsInOrder)
{
    EntryChange c = saveNewEntry(file_, fields("03-15", "FO", "$1,234.50", "Market"), true, u'A', kUs);
    EXPECT_TRUE(c.done);
    EXPECT_EQ(c.cleanedAmount, "1,234.50");
    c = saveNewEntry(file_, fields("03-05", " A", "abc"), false, u'A', kUs);   // equal key: in front
    EXPECT_TRUE(c.done);
    EXPECT_EQ(c.cleanedAmount, "0");
    c = saveNewEntry(file_, fields("01-01", "PY", "-25"), false, u'A', kUs);
    EXPECT_TRUE(c.done);
    std::vector<LedgerEntry> expected = sampleYear();
    expected.insert(expected.begin() + 2, entry("03-05-26", "A", 0, ""));
    expected.insert(expected.begin(), entry("03-15-26", "FO", -12345000, "Market"));
    expected.push_back(entry("01-01-26", "PY", 250000, ""));   // the date counts before the code
    EXPECT_EQ(fileBytes(kData), encodeRecords(expected));
}

TEST_F(EditingLogic, RefusalsWriteNothing)
{
    const QByteArray before = fileBytes(kData);
    // The amount is converted before the entry checks run.
    EntryChange c = saveNewEntry(file_, fields("13-01", "FO", "1..2"), true, u'A', kUs);
    EXPECT_FALSE(c.done);
    ASSERT_TRUE(c.refusal);
    EXPECT_EQ(*c.refusal, invalidAmountMessage("1..2"));
    c = saveNewEntry(file_, fields("13-01", "FO", "1"), true, u'A', kUs);
    EXPECT_EQ(c.refusal->text, "Invalid Date - 13-01-26");
    c = saveNewEntry(file_, fields("31-12", "FO", "1"), true, u'E', kUs);   // day first: valid
    EXPECT_TRUE(c.done);
    putBytes(kData, before);
    c = saveNewEntry(file_, fields("01-01", "  ", "1"), true, u'A', kUs);
    EXPECT_EQ(c.refusal->text, "No Category Selected");
    EXPECT_EQ(c.refusal->title, "Entry Aborted");
    EXPECT_EQ(fileBytes(kData), before);
}

TEST_F(EditingLogic, ReplaceFindsTheRememberedEntryAndKeepsItsSign)
{
    const LedgerEntry groceries = sampleYear()[1];
    EntryChange c = replaceEntry(file_, groceries, fields("03-11", "FO", "1,234.50", "Big"), true, u'A', kUs);
    EXPECT_TRUE(c.done);
    std::vector<LedgerEntry> expected = sampleYear();
    expected[1] = entry("03-11-26", "FO", -12345000, "Big");
    EXPECT_EQ(fileBytes(kData), encodeRecords(expected));

    c = replaceEntry(file_, groceries, fields("03-11", "FO", "1"), true, u'A', kUs);   // gone now
    EXPECT_FALSE(c.done);
    EXPECT_EQ(*c.refusal, entryNotFoundMessage());
    EXPECT_EQ(c.refusal->text, "Entry not found - nothing changed");
    EXPECT_EQ(fileBytes(kData), encodeRecords(expected));
}

TEST_F(EditingLogic, DeleteRemovesOneOfIdenticalEntries)
{
    const LedgerEntry twin = entry("03-10-26", "FO", -425000, "Groceries");
    must(writeRecords(*Env::posix(), kData, std::vector<LedgerEntry>{twin, twin}));
    EXPECT_TRUE(deleteEntry(file_, twin).done);
    EXPECT_EQ(fileBytes(kData), encodeRecords(std::vector<LedgerEntry>{twin}));
    EXPECT_TRUE(deleteEntry(file_, twin).done);
    EntryChange c = deleteEntry(file_, twin);
    EXPECT_EQ(*c.refusal, entryNotFoundMessage());
    EXPECT_EQ(fileSize(kData), 0);
}

TEST_F(EditingLogic, FailedWriteIsReportedAndTheFileKept)
{
    FailingWritesEnv env(kData);
    const QByteArray before = fileBytes(kData);
    EntryChange c = saveNewEntry(LedgerFile(kData, &env), fields("03-15", "FO", "1"), true, u'A', kUs);
    EXPECT_FALSE(c.done);
    EXPECT_FALSE(c.failure.isOk());
    EXPECT_EQ(c.failure.file(), kData);
    EXPECT_EQ(fileBytes(kData), before);
}

// ---- year switch ---------------------------------------------------------

TEST_F(EditingLogic, YearSwitchAsksAndCopiesByteForByte)
{
    ProgramState state;
    state.setActiveYear("2026");
    // A trailing partial record is copied too: the copy is of bytes, not records.
    putBytes(kCats, encodeRecords(sampleCategories()) + "XY");
    const YearSwitch change("1999", state);
    EXPECT_EQ(change.question().text, "There is no category file for 1999\nCopy over 2026's categories ?");
    EXPECT_EQ(change.question().title, "No categories!");
    EXPECT_EQ(change.question().icon, Message::Icon::Question);
    EXPECT_TRUE(*change.categoriesMissing(*Env::posix()));
    putBytes("1999CATS.DAT", QByteArray());
    EXPECT_TRUE(*change.categoriesMissing(*Env::posix()));
    ASSERT_TRUE(change.copyCategories(*Env::posix()).isOk());
    EXPECT_EQ(fileBytes("1999CATS.DAT"), fileBytes(kCats));
    EXPECT_FALSE(*change.categoriesMissing(*Env::posix()));
    change.apply(state);
    EXPECT_EQ(state.dataFileName, "1999CWK.DAT");
    EXPECT_EQ(state.categoryFileName, "1999CATS.DAT");
}

TEST_F(EditingLogic, YearSwitchWithNothingToCopyWritesNothing)
{
    ProgramState state;
    state.setActiveYear("2025");   // no category file
    EXPECT_TRUE(YearSwitch("2027", state).copyCategories(*Env::posix()).isOk());
    EXPECT_EQ(fileSize("2027CATS.DAT"), -1);
    // The same year, its category file empty: it is its own previous file.
    state.setActiveYear("2024");
    putBytes("2024CATS.DAT", QByteArray());
    const YearSwitch same("2024", state);
    EXPECT_TRUE(*same.categoriesMissing(*Env::posix()));
    EXPECT_TRUE(same.copyCategories(*Env::posix()).isOk());
    EXPECT_EQ(fileSize("2024CATS.DAT"), 0);
}

TEST_F(EditingLogic, YearSwitchWritesOverAFileNamedInLowerCase)
{
    ProgramState state;
    state.setActiveYear("2026");
    putBytes("1998cats.dat", QByteArray());
    ASSERT_TRUE(YearSwitch("1998", state).copyCategories(*Env::posix()).isOk());
    EXPECT_EQ(fileBytes("1998cats.dat"), fileBytes(kCats));
    EXPECT_EQ(fileSize("1998CATS.DAT"), -1);
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

TEST_F(EditingLogic, InputChecksComeInOrder)
{
    EXPECT_EQ(checkCategoryInput(" ", "", true)->text, "No category code!");
    EXPECT_EQ(checkCategoryInput("A", " ", true)->text, "No category name!");
    EXPECT_FALSE(checkCategoryInput("A", " ", false));
    EXPECT_EQ(checkCategoryInput("A", "", true)->title, "Entry Aborted");
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

TEST_F(EditingLogic, CatExistsUpperCasesTheCallersCode)
{
    CategoryEditorLogic logic(*Env::posix(), kCats, kData);
    QString code = "fo";
    EXPECT_TRUE(*logic.CatExists(code));
    EXPECT_EQ(code, "FO");
    code = "a";
    EXPECT_TRUE(*logic.CatExists(code));
    code = "zz";
    EXPECT_FALSE(*logic.CatExists(code));
}

TEST_F(EditingLogic, SaveAppendsAndSortsInOneRewrite)
{
    CategoryEditorLogic logic(*Env::posix(), kCats, kData);
    putBytes(kCats, QByteArray());
    ASSERT_TRUE(logic.save("py", " Pay ").isOk());
    ASSERT_TRUE(logic.save("b", "Bank").isOk());
    EXPECT_EQ(fileBytes(kCats), encodeRecords(std::vector{category("B", "Bank"), category("PY", "Pay")}));
}

TEST_F(EditingLogic, ChangeRecCodesTouchesOnlyExactMatches)
{
    CategoryEditorLogic logic(*Env::posix(), kCats, kData);
    EXPECT_EQ(*logic.ChangeRecCodes("A ", "Z"), 2);
    std::vector<LedgerEntry> expected = sampleYear();
    expected[2].setCode("Z");
    expected[4].setCode("Z");
    EXPECT_EQ(fileBytes(kData), encodeRecords(expected));
    // Nothing to change: nothing is written, so even a read-only file is fine.
    FailingWritesEnv readOnly(kData);
    CategoryEditorLogic unchanged(readOnly, kCats, kData);
    EXPECT_EQ(*unchanged.ChangeRecCodes("Z ", "Z"), 0);
    EXPECT_EQ(*unchanged.ChangeRecCodes("fo", "XX"), 0);
}

TEST_F(EditingLogic, ReplaceChangesTheFirstOfTheCodeAndItsEntries)
{
    must(writeRecords(*Env::posix(), kCats, std::vector{category("FO", "Food"), category("FO", "Fodder")}));
    CategoryEditorLogic logic(*Env::posix(), kCats, kData);
    EXPECT_TRUE(*logic.replace("FO", " ax", "Axles "));
    EXPECT_EQ(fileBytes(kCats), encodeRecords(std::vector{category("AX", "Axles"), category("FO", "Fodder")}));
    std::vector<LedgerEntry> expected = sampleYear();
    expected[1].setCode("AX");
    expected[3].setCode("AX");
    EXPECT_EQ(fileBytes(kData), encodeRecords(expected));

    const QByteArray cats = fileBytes(kCats);
    EXPECT_FALSE(*logic.replace("ZZ", "FO", "Food"));
    EXPECT_FALSE(*logic.replace("", "FO", "Food"));
    EXPECT_EQ(fileBytes(kCats), cats);
    EXPECT_EQ(fileBytes(kData), encodeRecords(expected));
}

TEST_F(EditingLogic, ReplacePutsTheCategoryBackWhenTheEntriesCannotBeRecoded)
{
    FailingWritesEnv env(kData);
    CategoryEditorLogic logic(env, kCats, kData);
    const QByteArray cats = fileBytes(kCats);
    Result<bool> r = logic.replace("FO", "FX", "Fix");
    EXPECT_FALSE(r.isOk());
    EXPECT_EQ(r.status().file(), kData);
    EXPECT_EQ(fileBytes(kCats), cats);
    EXPECT_EQ(fileBytes(kData), encodeRecords(sampleYear()));
}

TEST_F(EditingLogic, RemoveTakesTheFirstOfTheCodeThroughItsWorkFile)
{
    must(writeRecords(*Env::posix(), kCats, std::vector{category("FT", "One"), category("FT", "Two")}));
    CategoryEditorLogic logic(*Env::posix(), kCats, kData);
    ASSERT_TRUE(logic.remove("ft").isOk());   // case counts: nothing goes
    EXPECT_EQ(fileSize(kCats), 36);
    ASSERT_TRUE(logic.remove("FT").isOk());
    EXPECT_EQ(fileBytes(kCats), encodeRecords(std::vector{category("FT", "Two")}));
    EXPECT_EQ(fileSize("tempkeys.$$$"), -1);
}

TEST_F(EditingLogic, DeleteCatRecsAsksTwiceBeforeAnythingGoes)
{
    CategoryEditorLogic logic(*Env::posix(), kCats, kData);
    QList<Message> asked;
    QList<bool> answers = {true, false};
    auto ask = [&](const Message& m) {
        asked << m;
        return answers.takeFirst();
    };
    EXPECT_EQ(*logic.DeleteCatRecs("A", ask), 0);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0].text, "Category deleted. Delete records too?");
    EXPECT_EQ(asked[1].text, "ARE YOU SURE?");
    EXPECT_EQ(asked[1].icon, Message::Icon::Critical);
    EXPECT_EQ(fileBytes(kData), encodeRecords(sampleYear()));

    answers = {true, true};
    EXPECT_EQ(*logic.DeleteCatRecs("A", ask), 2);
    const std::vector<LedgerEntry> year = sampleYear();
    EXPECT_EQ(fileBytes(kData), encodeRecords(std::vector{year[0], year[1], year[3]}));
    EXPECT_EQ(fileSize("tempfile.$$$"), -1);
}

TEST_F(EditingLogic, DuplicateWarningHasFiveLines)
{
    const Message m = duplicateWarning("FO", "");
    EXPECT_EQ(m.text.split(u'\n').size(), 5);
    EXPECT_EQ(m.text.split(u'\n')[2], " will be mixed together, and you");
    EXPECT_EQ(m.title, "Confirm");
    EXPECT_EQ(m.icon, Message::Icon::Warning);
}

} // namespace
