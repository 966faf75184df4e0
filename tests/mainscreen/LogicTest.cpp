// The main screen's plain logic: totals, the category filter, the entry list
// model, the passcode loop, the resize rules, the folder lock.

#include "support/Seed.h"

#include "gui/main/EntryListModel.h"
#include "store/FolderLock.h"
#include "gui/kit/MainLayout.h"
#include "core/session/StartUp.h"
#include "gui/kit/Win1252Validator.h"

#include <gtest/gtest.h>
#include <limits>

using namespace cw;
using namespace cwtest;

namespace {

class MainScreenLogic : public ::testing::Test {
protected:
    void SetUp() override { pinLocale(); }
    WorkFolder folder_;
};

TEST_F(MainScreenLogic, TotalsOfExtremeAmountsDoNotOverflow)
{
    constexpr Money kMax = std::numeric_limits<Money>::max();
    constexpr Money kMin = std::numeric_limits<Money>::min();
    EntryTotals t;
    for (int i = 0; i < 3; ++i)
        t.add(kMax);
    t.add(kMin);
    t.add(kMin);
    EXPECT_EQ(t.income, MoneySum(kMax) * 3);
    EXPECT_EQ(t.expense, MoneySum(kMin) * 2);
    // 3 x 922,337,203,685,477.5807
    EXPECT_EQ(incomePanelText(t), "  Income = $2,767,011,611,056,432.74  ");
    EXPECT_EQ(expensePanelText(t), "  Expense = ($1,844,674,407,370,955.16)  ");
    EXPECT_EQ(balancePanelText(t), "  Balance = $922,337,203,685,477.58  ");
}

TEST_F(MainScreenLogic, FilterComparesTheStoredTwoCharacters)
{
    const LedgerEntry a = entry("01-01-26", "A", 1, "");
    const LedgerEntry fo = entry("01-01-26", "FO", 1, "");
    EXPECT_TRUE(CategoryFilter("all").passes(a));
    EXPECT_TRUE(CategoryFilter("A ").passes(a));
    EXPECT_FALSE(CategoryFilter("A").passes(a));
    EXPECT_FALSE(CategoryFilter("").passes(a));
    EXPECT_FALSE(CategoryFilter("ALL").passes(a));
    EXPECT_TRUE(CategoryFilter("FO").passes(fo));
    EXPECT_FALSE(CategoryFilter("fo").passes(fo));
    EXPECT_FALSE(CategoryFilter(QStringLiteral("F\u4e00")).passes(fo));
    EXPECT_EQ(selectEntries(sampleYear(), "all").totals.count, 5);   // the zero entry counts
}

TEST_F(MainScreenLogic, ModelSkipsAPartialRecordAndMakesAnAbsentFile)
{
    writeSampleYear();
    EntryListModel model;
    QFile cut("2026CWK.DAT");
    ASSERT_TRUE(cut.resize(58 * 2 - 1));
    ASSERT_TRUE(model.load(*Env::current(), "2026CWK.DAT", "all").isOk());
    EXPECT_EQ(model.rowCount(), 1);
    ASSERT_TRUE(model.load(*Env::current(), "1999CWK.DAT", "all").isOk());
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(fileSize("1999CWK.DAT"), 0);
}

TEST_F(MainScreenLogic, PasscodeAnswerIsReadAsANumber)
{
    EXPECT_TRUE(passcodeAccepted(" 01234 ", 1234));
    EXPECT_TRUE(passcodeAccepted("1234", 1234));
    EXPECT_TRUE(passcodeAccepted("12 34", 1234));   // blanks are skipped wherever they stand
    EXPECT_FALSE(passcodeAccepted("", 1234));
    EXPECT_FALSE(passcodeAccepted("1,234", 1234));
    EXPECT_TRUE(passcodeAccepted("", 0));
}

TEST_F(MainScreenLogic, PasscodeLoopRewritesTheStartDateBeforeEachQuestion)
{
    writePasscode(77);
    int asked = 0;
    QStringList told;
    const StartUpResult r = openPersonalSettings(
        *Env::current(), kToday,
        [&] {
            QFile f("PERSONAL.DAT");
            f.open(QIODevice::ReadOnly);
            EXPECT_EQ(f.readAll().mid(630, 10), "03-15-2026");
            return ++asked == 2 ? QStringLiteral("77") : QString();
        },
        [&](const Message& m) { told << m.text; });
    EXPECT_EQ(r.outcome, StartUpResult::Outcome::Opened);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(told, QStringList{"Incorrect code. Try again."});

    ProgramState state;
    state.selectedCategory = "FO";
    startRun(state, r.personal, kToday);
    EXPECT_EQ(state.dataFileName, "2026CWK.DAT");
    EXPECT_EQ(state.categoryFileName, "2026CATS.DAT");
    EXPECT_EQ(state.selectedCategory, "all");
    EXPECT_EQ(state.currencySymbol, "$");
}

TEST_F(MainScreenLogic, ResizeRulesFollowTheWindowOnlyWithinLimits)
{
    MainLayout l;
    l.innerWidth = 9000, l.innerHeight = 6000;
    l.toolbarHeight = 600, l.totalsBarHeight = 300, l.countBarHeight = 300;
    l.itemList = {0, 0, 5000, 3000};
    l.catList = {0, 0, 3000, 2000};
    l.fullYear = {0, 0, 3000, 330};
    l.entryEditor = {0, 0, 4000, 2000};
    applyResizeRules(l);
    EXPECT_EQ(l.itemList, (TwipRect{0, 600, 5900, 4800}));
    EXPECT_EQ(l.catList, (TwipRect{5900, 930, 3000, 4470}));
    EXPECT_EQ(l.fullYear, (TwipRect{5885, 600, 3000, 330}));
    EXPECT_EQ(l.entryEditor, (TwipRect{2500, 2000, 4000, 2000}));
    EXPECT_EQ(l.toolbarButtonWidth, 988);

    // Width not above the category list plus 100, height not above 2265: kept.
    l.innerWidth = 3100, l.innerHeight = 2265;
    applyResizeRules(l);
    EXPECT_EQ(l.itemList, (TwipRect{0, 600, 5900, 4800}));
    EXPECT_EQ(l.catList.height, 4470);
    EXPECT_EQ(l.catList.left, 5900);
    l.innerHeight = 2266;
    applyResizeRules(l);
    EXPECT_EQ(l.itemList.height, 1066);
}

TEST_F(MainScreenLogic, OneProgramPerFolder)
{
    auto first = std::make_unique<FolderLock>(QDir::currentPath());
    EXPECT_EQ(first->state(), FolderLock::State::Held);
    const FolderLock second(QDir::currentPath());
    EXPECT_EQ(second.state(), FolderLock::State::HeldByAnother);
    first.reset();   // as a crashed run's lock goes with its process
    const FolderLock third(QDir::currentPath());
    EXPECT_EQ(third.state(), FolderLock::State::Held);
    const FolderLock nowhere(QDir::currentPath() + "/missing");
    EXPECT_EQ(nowhere.state(), FolderLock::State::Failed);
    EXPECT_FALSE(nowhere.status().toString().isEmpty());
}

} // namespace

// What a text box takes from typed or pasted text: control characters never;
// in a stored box also nothing Windows-1252 lacks. The cursor keeps its place.
TEST(TextBoxes, ControlCharactersAreDroppedEverywhere)
{
    struct Case {
        QString in;
        int pos;
        QString plain, stored;
        int plainPos, storedPos;
    };
    const Case cases[] = {
        {QStringLiteral("a\nb\tc\x01" "d"), 7, QStringLiteral("abcd"), QStringLiteral("abcd"), 4, 4},
        {QStringLiteral("x\r\n\u0085\u007Fy"), 3, QStringLiteral("xy"), QStringLiteral("xy"), 1, 1},
        {QStringLiteral("\u20AC5 \u4E2D"), 4, QStringLiteral("\u20AC5 \u4E2D"), QStringLiteral("\u20AC5 "), 4, 3},
    };
    for (const Case& c : cases) {
        QString plain = c.in, stored = c.in;
        int plainPos = c.pos, storedPos = c.pos;
        PlainTextValidator().validate(plain, plainPos);
        Win1252Validator().validate(stored, storedPos);
        EXPECT_EQ(plain, c.plain);
        EXPECT_EQ(plainPos, c.plainPos);
        EXPECT_EQ(stored, c.stored);
        EXPECT_EQ(storedPos, c.storedPos);
    }
}
