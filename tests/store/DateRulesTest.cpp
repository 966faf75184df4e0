// The date check, the plain number reader and the month names.

#include "store/DateRules.h"
#include "store/MonthNames.h"
#include "store/PlainNumber.h"

#include <gtest/gtest.h>

#include <limits>

using namespace cw;

TEST(PlainNumber, SkipsBlanksAndStopsAtTheFirstOtherCharacter)
{
    EXPECT_EQ(readPlainNumber(u" 1 2 3 "), 123.0);
    EXPECT_EQ(readPlainNumber(u"7-"), 7.0);
    EXPECT_EQ(readPlainNumber(u"1,234.50"), 1.0);
    EXPECT_EQ(readPlainNumber(u"12.5.7"), 12.5);
    EXPECT_EQ(readPlainNumber(u"-25"), -25.0);
    EXPECT_EQ(readPlainNumber(u"$12"), 0.0);
    EXPECT_EQ(readPlainNumber(u""), 0.0);
    EXPECT_EQ(readPlainNumber(u"01234"), 1234.0);
}

TEST(DateCheck, MonthFirstFlag)
{
    EXPECT_TRUE(isValidDate(u"01-31-98", u'A', 1998));
    EXPECT_FALSE(isValidDate(u"13-01-98", u'A', 1998));
    EXPECT_FALSE(isValidDate(u"00-10-98", u'A', 1998));
    EXPECT_FALSE(isValidDate(u"01-32-98", u'A', 1998));
    EXPECT_FALSE(isValidDate(u"01-00-98", u'A', 1998));
    EXPECT_FALSE(isValidDate(u"__-__-98", u'A', 1998));
}

TEST(DateCheck, DayFirstFlag)
{
    EXPECT_TRUE(isValidDate(u"31-12-98", u'E', 1998));
    EXPECT_FALSE(isValidDate(u"31-12-98", u'A', 1998));
}

TEST(DateCheck, TheDayMustExistInItsMonthOfTheActiveYear)
{
    EXPECT_TRUE(isValidDate(u"02-29-24", u'A', 2024));
    EXPECT_FALSE(isValidDate(u"02-29-26", u'A', 2026));
    EXPECT_FALSE(isValidDate(u"29-02-00", u'E', 2100));   // a century that is no leap year
    EXPECT_TRUE(isValidDate(u"29-02-00", u'E', 2000));
    EXPECT_FALSE(isValidDate(u"04-31-26", u'A', 2026));
    EXPECT_FALSE(isValidDate(u"02-30-26", u'A', 2026));
    EXPECT_TRUE(isValidDate(u"04-30-26", u'A', 2026));
}

TEST(DateCheck, DayFieldHoldingSevenAndDashReadsAsSeven)
{
    EXPECT_TRUE(isValidDate(u"01-7--98", u'A', 1998));
    EXPECT_EQ(dayOf(u"01-7--98", u'A'), 7);
}

TEST(MonthNames, NamesAndOutOfRange)
{
    EXPECT_EQ(monthName(1), QStringLiteral("January"));
    EXPECT_EQ(monthName(12), QStringLiteral("December"));
    EXPECT_EQ(monthName(13, QStringLiteral("keep")), QStringLiteral("keep"));
}

TEST(PlainNumber, BeyondADoubleReadsAsTheLargestDoubleOrZero)
{
    EXPECT_EQ(readPlainNumber(QString(400, u'9')), std::numeric_limits<double>::max());
    EXPECT_EQ(readPlainNumber(QStringLiteral("-") + QString(400, u'9')), -std::numeric_limits<double>::max());
    EXPECT_EQ(readPlainNumber(QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1")), 0.0);
}
