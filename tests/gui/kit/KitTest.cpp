// The widget kit: the help window, where windows open, the main window's
// resize rules and what text boxes take.

#include "core/session/HelpText.h"
#include "gui/kit/HelpWindow.h"
#include "gui/kit/MainLayout.h"
#include "gui/kit/ScreenPlace.h"
#include "gui/kit/Win1252Validator.h"

#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>

#include <gtest/gtest.h>

using namespace cw;

namespace {

void application()
{
    static int argc = 1;
    static char name[] = "gui_kit_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance())
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);   // lives for the whole test process
}

TEST(HelpWindow, ShowsTheTopicOfTheContextNumberAndFollowsLinks)
{
    application();
    HelpWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Coinwick 2 - Help"));
    EXPECT_FALSE(window.isVisible());
    auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    auto* list = window.findChild<QListWidget*>(QStringLiteral("HelpTopicList"));
    ASSERT_TRUE(browser && list);
    EXPECT_EQ(list->count(), helpTopics().size());

    window.showTopic(HelpContext::EntryEditor);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.currentAnchor(), QStringLiteral("entry-editor"));
    ASSERT_TRUE(list->currentItem());
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Entry editor"));
    const int entryEditorTop = browser->verticalScrollBar()->value();
    EXPECT_GT(entryEditorTop, 0);

    window.showTopic(12345);
    EXPECT_EQ(window.currentAnchor(), kHelpContentsAnchor);
    EXPECT_LT(browser->verticalScrollBar()->value(), entryEditorTop);
    emit browser->anchorClicked(QUrl(QStringLiteral("#backup")));
    EXPECT_EQ(window.currentAnchor(), QStringLiteral("backup"));
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Backup"));
    EXPECT_GT(browser->verticalScrollBar()->value(), entryEditorTop);
    list->setCurrentRow(0);
    EXPECT_EQ(window.currentAnchor(), kHelpContentsAnchor);

    window.close();
    window.showTopic(HelpContext::MacroFunctions);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.currentAnchor(), QStringLiteral("macros"));
}

const QMargins kFrame(4, 28, 4, 4);

TEST(ScreenPlace, AWindowOpensInsideTheScreenAtTheSizesUsersHave)
{
    for (const QSize screen : {QSize(1366, 768), QSize(1024, 600), QSize(800, 480)}) {
        const QRect available(QPoint(0, 0), screen - QSize(0, 40));   // a panel at the bottom
        const QRect main = placeWithin(QRect(100, 100, 820, 580), QRect(), available, kFrame);
        EXPECT_TRUE(available.contains(main.marginsAdded(kFrame))) << screen.width();
        EXPECT_EQ(main.size(), QSize(820, 580).boundedTo(available.marginsRemoved(kFrame).size()));
        // A window opened over it: centred where it fits, inside the screen always.
        const QRect help = placeWithin(QRect(0, 0, 640, 700), main, available, kFrame);
        EXPECT_TRUE(available.contains(help.marginsAdded(kFrame))) << screen.width();
        EXPECT_EQ(placeWithin(QRect(0, 0, 300, 200), main, available, kFrame).center(), main.center());
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
    EXPECT_EQ(l.catList.height, 4470);
    EXPECT_EQ(l.catList.left, 5900);
    l.innerHeight = 2266;
    applyResizeRules(l);
    EXPECT_EQ(l.itemList.height, 1066);
}

// Control characters are never taken from typed or pasted text; in a stored
// box nothing Windows-1252 lacks either. The cursor keeps its place.
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

} // namespace
