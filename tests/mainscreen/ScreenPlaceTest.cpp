// Where windows open: within the screen's free area at the sizes users have,
// centred over their opener.

#include "gui/kit/ScreenPlace.h"

#include <gtest/gtest.h>

namespace {

const QMargins kFrame(4, 28, 4, 4);

TEST(ScreenPlace, AWindowLargerThanTheScreenOpensAtTheScreensSizeInsideIt)
{
    for (const QSize screen : {QSize(1366, 768), QSize(1024, 600), QSize(800, 480)}) {
        const QRect available(QPoint(0, 0), screen - QSize(0, 40));   // a panel at the bottom
        const QRect main = cw::placeWithin(QRect(100, 100, 820, 580), QRect(), available, kFrame);
        EXPECT_TRUE(available.contains(main.marginsAdded(kFrame))) << screen.width();
        EXPECT_EQ(main.size(), QSize(820, 580).boundedTo(available.marginsRemoved(kFrame).size()));
        // A window opened over it: centred where it fits, inside the screen always.
        const QRect help = cw::placeWithin(QRect(0, 0, 640, 700), main, available, kFrame);
        EXPECT_TRUE(available.contains(help.marginsAdded(kFrame))) << screen.width();
        const QRect small = cw::placeWithin(QRect(0, 0, 300, 200), main, available, kFrame);
        EXPECT_EQ(small.center(), main.center());
    }
}

TEST(ScreenPlace, AWindowPastAnEdgeIsMovedBackAndKeepsItsSize)
{
    const QRect available(0, 0, 1024, 600);
    EXPECT_EQ(cw::placeWithin(QRect(900, 500, 300, 200), QRect(), available, QMargins()), QRect(724, 400, 300, 200));
    EXPECT_EQ(cw::placeWithin(QRect(-50, -20, 300, 200), QRect(), available, QMargins()), QRect(0, 0, 300, 200));
}

} // namespace
