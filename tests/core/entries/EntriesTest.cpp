// The entry list's selection and totals, Find's word match, and the entry
// editor's work without its widgets.

#include "core/entries/EntryEditorLogic.h"
#include "core/entries/EntrySelection.h"
#include "core/entries/WordMatch.h"
#include "store/AmountRules.h"
#include "support/Records.h"

#include <gtest/gtest.h>
#include <limits>

using namespace cw;
using namespace cwtest;

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);

TEST(EntryTotals, ExtremeAmountsDoNotOverflowThePanels)
{
    pinLocale();
    constexpr Money kMax = std::numeric_limits<Money>::max(), kMin = std::numeric_limits<Money>::min();
    EntryTotals t;
    for (Money m : {kMax, kMax, kMax, kMin, kMin})
        t.add(m);
    EXPECT_EQ(incomePanelText(t), "  Income = $2,767,011,611,056,432.74  ");
    EXPECT_EQ(expensePanelText(t), "  Expense = ($1,844,674,407,370,955.16)  ");
    EXPECT_EQ(balancePanelText(t), "  Balance = $922,337,203,685,477.58  ");
    EXPECT_EQ(incomePanelText({}), "  No Income! ");
    EXPECT_EQ(expensePanelText({}), "  No Expense! ");
}

TEST(CategoryFilter, ComparesTheStoredTwoCharacters)
{
    const LedgerEntry a = entry("01-01-26", "A", 1), fo = entry("01-01-26", "FO", 1);
    for (const auto& [filter, e, passes] : {std::tuple("all", a, true), {"A ", a, true}, {"A", a, false}, {"", a, false},
                                           {"ALL", a, false}, {"FO", fo, true}, {"fo", fo, false}, {"OF", fo, false}})
        EXPECT_EQ(CategoryFilter(QString::fromLatin1(filter)).passes(e), passes) << filter;
    EXPECT_FALSE(CategoryFilter(QStringLiteral("F\u4e00")).passes(fo));
    EXPECT_EQ(selectEntries(sampleYear(), "all").totals.count, 5);   // the zero entry counts
    EXPECT_EQ(selectEntries(sampleYear(), "A ").size(), 2);
}

bool hits(const char* search, const char* note)
{
    return noteHolds(findSearchText(QString::fromUtf8(search)), QString::fromUtf8(note));
}

TEST(WordMatch, StartOfAWordOrItsSecondCharacterInAnyCase)
{
    for (const auto& [search, note] : {std::pair("tax", "Taxi to airport"), {"tax", "(tax refund)"}, {"axi", "Taxi to"},
                                       {"ax", "Taxi"}, {"x", "(x)"}, {"car", "new carpet"}, {"to", "Taxi to airport"},
                                       {"  TaX ", "  taxi  "}})
        EXPECT_TRUE(hits(search, note)) << search << " in " << note;
    for (const auto& [search, note] : {std::pair("tax", "surtax"), {"xi", "Taxi"}, {"airports", "Taxi to airport"},
                                       {"bus fare", "bus fare"}, {"Note", ""}})
        EXPECT_FALSE(hits(search, note)) << search << " in " << note;
    EXPECT_EQ(findSearchText(QStringLiteral("  bus fare ")), QStringLiteral("BUS FARE"));
    // An empty search text hits at the first inner blank.
    EXPECT_TRUE(wordMatch(u"", u"TAXI TO"));
    EXPECT_FALSE(wordMatch(u"", u"TAXI"));
}

TEST(EntryEditor, OpenedAmountReadsBackUnchangedAndStoringFollowsTheCode)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const std::pair<Money, const char*> shown[] = {{0, "0"}, {-125000, "12.5"}, {123456, "12.3456"}, {1, "0.0001"},
                                                   {12345670000, "1234567"}, {std::numeric_limits<Money>::min(), "922337203685477.5808"}};
    for (const auto& [amount, text] : shown)
        EXPECT_EQ(amountEditorText(amount, kUs), QString::fromLatin1(text));
    EXPECT_EQ(amountEditorText(-125000, german), "12,5");
    for (const QLocale& locale : {kUs, german})
        for (Money m : {Money(-123456), Money(10000), Money(1), Money(0), std::numeric_limits<Money>::max()})
            EXPECT_EQ(amountToMoney(cleanAmount(amountEditorText(m, locale)), m < 0, locale), m) << m;
    EXPECT_EQ(noteEditorText(entry("", "", 0, "  two blanks")), "  two blanks");
    for (auto [selected, followed] : {std::pair<QString, QString>("all", "all"), {"", "A "}}) {
        followStoredCode(selected, "A ");
        EXPECT_EQ(selected, followed);
    }
}

class EntryChanges : public ::testing::Test {
protected:
    void SetUp() override
    {
        pinLocale();
        writeSampleYear();
    }
    static EntryFields fields(const char* date, const char* code, const char* amount, const char* note = "")
    {
        return {QString::fromLatin1(date), "26", QString::fromLatin1(code), QString::fromLatin1(amount), QString::fromLatin1(note)};
    }
    TempFolder folder_;
    LedgerFile file_{QStringLiteral("2026CWK.DAT")};
};

TEST_F(EntryChanges, SaveCleansConvertsAndInsertsInOrder)
{
    EntryChange c = saveNewEntry(file_, fields("03-15", "FO", "$1,234.50", "Market"), true, u'A', kUs);
    EXPECT_TRUE(c.done);
    EXPECT_EQ(c.cleanedAmount, "1,234.50");
    c = saveNewEntry(file_, fields("03-05", " A", ""), false, u'A', kUs);   // equal key: in front
    EXPECT_EQ(c.cleanedAmount, "0");
    EXPECT_TRUE(saveNewEntry(file_, fields("01-01", "PY", "-25"), false, u'A', kUs).done);
    std::vector<LedgerEntry> expected = sampleYear();
    expected.insert(expected.begin() + 2, entry("03-05-26", "A", 0, ""));
    expected.insert(expected.begin(), entry("03-15-26", "FO", -12345000, "Market"));
    expected.push_back(entry("01-01-26", "PY", 250000, ""));   // the date counts before the code
    EXPECT_EQ(readBytes(file_.name()), bytesOf(expected));
}

TEST_F(EntryChanges, RefusalsNameTheFieldAndWriteNothing)
{
    const std::tuple<EntryFields, const char*, EntryField> cases[] = {
        {fields("13-45", "FO", "12"), "Invalid Date - 13-45-26", EntryField::Date},
        {fields("03-16", "", "12"), "No Category Selected", EntryField::Category},
        {fields("03-16", "FO", "1O0.00"), "Invalid Amount - 1O0.00", EntryField::Amount},
        {fields("03-16", "FO", "$1.2.3"), "Invalid Amount - $1.2.3", EntryField::Amount},
    };
    for (const auto& [typed, said, fault] : cases) {
        const EntryChange change = saveNewEntry(file_, typed, true, u'A', kUs);
        ASSERT_TRUE(change.refusal) << said;
        EXPECT_EQ(change.refusal->text + " | " + change.refusal->title, QString::fromLatin1(said) + " | Entry Aborted");
        EXPECT_EQ(change.fault, fault) << said;
    }
    EXPECT_EQ(readBytes(file_.name()), bytesOf(sampleYear()));
}

TEST_F(EntryChanges, ReplaceKeepsTheSignAndThePlaceAndDeleteTakesOne)
{
    const std::vector<LedgerEntry> year = sampleYear();
    EXPECT_TRUE(replaceEntry(file_, year[3], fields("12-31", "PY", "99", "moved"), true, u'A', kUs).done);
    std::vector<LedgerEntry> expected = year;
    expected[3] = entry("12-31-26", "PY", -990000, "moved");
    EXPECT_EQ(readBytes(file_.name()), bytesOf(expected));

    const EntryChange gone = replaceEntry(file_, year[3], fields("02-28", "FO", "1"), true, u'A', kUs);
    ASSERT_TRUE(gone.refusal);
    EXPECT_EQ(*gone.refusal, entryNotFoundMessage());
    EXPECT_EQ(entryNotFoundMessage().text, "Entry not found - nothing changed");

    EXPECT_TRUE(deleteEntry(file_, year[1]).done);
    EXPECT_TRUE(deleteEntry(file_, year[1]).refusal);   // the only one is gone
}

} // namespace
