// The date check, the month names and the Windows-1252 code page.

#include "store/DateRules.h"
#include "store/MonthNames.h"
#include "store/Win1252.h"

#include <gtest/gtest.h>

using namespace cw;

TEST(DateCheck, TheDayMustExistInItsMonthOfTheActiveYearUnderTheFlag)
{
    struct Case {
        const char16_t* date;
        char16_t flag;
        int year;
        bool valid;
    };
    const Case cases[] = {
        {u"01-31-98", u'A', 1998, true},   {u"13-01-98", u'A', 1998, false}, {u"00-10-98", u'A', 1998, false},
        {u"01-32-98", u'A', 1998, false},  {u"01-00-98", u'A', 1998, false}, {u"__-__-98", u'A', 1998, false},
        {u"31-12-98", u'E', 1998, true},   {u"31-12-98", u'A', 1998, false}, {u"02-29-24", u'A', 2024, true},
        {u"02-29-26", u'A', 2026, false},  {u"29-02-00", u'E', 2100, false}, {u"29-02-00", u'E', 2000, true},
        {u"04-31-26", u'A', 2026, false},  {u"02-30-26", u'A', 2026, false}, {u"04-30-26", u'A', 2026, true},
        {u"01-7--98", u'A', 1998, true},   // a day field of "7-" reads as 7
    };
    for (const Case& c : cases)
        EXPECT_EQ(isValidDate(c.date, c.flag, c.year), c.valid) << QString::fromUtf16(c.date).toStdString() << " " << c.year;
    EXPECT_EQ(dayOf(u"01-7--98", u'A'), 7);
}

TEST(MonthNames, NamesAndOutOfRange)
{
    EXPECT_EQ(monthName(1), QStringLiteral("January"));
    EXPECT_EQ(monthName(12), QStringLiteral("December"));
    EXPECT_EQ(monthName(13, QStringLiteral("keep")), QStringLiteral("keep"));
}

TEST(Win1252, EveryByteRoundTripsAndWhatItLacksIsAQuestionMark)
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    EXPECT_EQ(toWin1252(fromWin1252(all)), all);
    EXPECT_EQ(fromWin1252(QByteArray("\x80\x99\x9F")), QStringLiteral("\u20AC\u2122\u0178"));
    EXPECT_EQ(toWin1252(QStringLiteral("\u2013\u201C\u201D")), QByteArray("\x96\x93\x94"));
    EXPECT_EQ(toWin1252(QStringLiteral("a\u0100b\U0001F600c")), QByteArray("a?b?c"));
    EXPECT_FALSE(win1252Holds(QChar(0x0100)));
    EXPECT_TRUE(win1252Holds(QChar(0x20AC)));
}
