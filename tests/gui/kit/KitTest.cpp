// The widget kit: where windows open, the main window's resize rules and
// what text boxes take. The help window is proved through the main window.

#include "gui/kit/MainLayout.h"
#include "gui/kit/ScreenPlace.h"
#include "gui/kit/Win1252Validator.h"

#include <gtest/gtest.h>

using namespace cw;

namespace {

const QMargins kFrame(4, 28, 4, 4);

// Inside the screen and over the opener at the sizes users have is proved with
// the real windows (tests/app); here the size kept and a window past an edge.
TEST(ScreenPlace, ASizeWithinTheScreensFreeAreaAndAPlaceBackInsideIt)
{
    for (const QSize screen : {QSize(1366, 768), QSize(1024, 600), QSize(800, 480)}) {
        const QRect available(QPoint(0, 0), screen - QSize(0, 40));   // a panel at the bottom
        const QRect main = placeWithin(QRect(100, 100, 820, 580), QRect(), available, kFrame);
        EXPECT_EQ(main.size(), QSize(820, 580).boundedTo(available.marginsRemoved(kFrame).size())) << screen.width();
    }
    // Past an edge: moved back, the size kept.
    const QRect available(0, 0, 1024, 600);
    EXPECT_EQ(placeWithin(QRect(900, 500, 300, 200), QRect(), available, QMargins()), QRect(724, 400, 300, 200));
    EXPECT_EQ(placeWithin(QRect(-50, -20, 300, 200), QRect(), available, QMargins()), QRect(0, 0, 300, 200));
}

TEST(MainLayout, ResizeRulesFollowTheWindowOnlyWithinLimits)
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
    EXPECT_EQ(l.catList, (TwipRect{5900, 930, 3000, 4470}));
    l.innerHeight = 2266;
    applyResizeRules(l);
    EXPECT_EQ(l.itemList.height, 1066);
}

// Control characters are never taken from typed or pasted text; in a stored
// box nothing Windows-1252 lacks either. The cursor keeps its place.
TEST(TextBoxes, ControlCharactersAreDroppedEverywhere)
{
    // What a plain box and a stored box keep, each with its cursor.
    const std::tuple<QString, int, QString> cases[] = {
        {QStringLiteral("a\nb\tc\x01" "d"), 7, QStringLiteral("abcd 4|abcd 4")},
        {QStringLiteral("x\r\n\u0085\u007Fy"), 3, QStringLiteral("xy 1|xy 1")},
        {QStringLiteral("\u20AC5 \u4E2D"), 4, QStringLiteral("\u20AC5 \u4E2D 4|\u20AC5  3")},
    };
    for (const auto& [in, pos, kept] : cases) {
        QString plain = in, stored = in;
        int plainPos = pos, storedPos = pos;
        PlainTextValidator().validate(plain, plainPos);
        Win1252Validator().validate(stored, storedPos);
        EXPECT_EQ(QStringLiteral("%1 %2|%3 %4").arg(plain).arg(plainPos).arg(stored).arg(storedPos), kept);
    }
}

} // namespace
