#include "store/Win1252.h"

#include <gtest/gtest.h>

using namespace cw;

TEST(Win1252, EveryByteRoundTrips)
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    EXPECT_EQ(toWin1252(fromWin1252(all)), all);
}

TEST(Win1252, HighRangeMapsToTheCodePage)
{
    EXPECT_EQ(fromWin1252(QByteArray("\x80\x99\x9F")), QStringLiteral("\u20AC\u2122\u0178"));
    EXPECT_EQ(toWin1252(QStringLiteral("\u2013\u201C\u201D")), QByteArray("\x96\x93\x94"));
}

TEST(Win1252, CharactersItLacksBecomeQuestionMarks)
{
    EXPECT_EQ(toWin1252(QStringLiteral("a\u0100b\U0001F600c")), QByteArray("a?b?c"));
    EXPECT_FALSE(win1252Holds(QChar(0x0100)));
    EXPECT_TRUE(win1252Holds(QChar(0x20AC)));
}
