// Amount cleaning, conversion to Money and the currency format.

#include "store/AmountRules.h"
#include "store/CurrencyFormat.h"

#include <gtest/gtest.h>

using namespace cw;

namespace {
const QLocale us(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);
}

TEST(AmountCleaning, KeepsOnlyDigitsPointsAndCommas)
{
    EXPECT_EQ(cleanAmount(QStringLiteral("  $1,234.50 ")), QStringLiteral("1,234.50"));
    EXPECT_EQ(cleanAmount(QStringLiteral("-25")), QStringLiteral("25"));
    EXPECT_EQ(cleanAmount(QStringLiteral("(12.00)")), QStringLiteral("12.00"));
    EXPECT_EQ(cleanAmount(QStringLiteral("abc")), QString());
}

TEST(AmountCleaning, TypedTextMayHoldOnlyWhatAnAmountHolds)
{
    for (const char* good : {"", "  ", "12-", "-12", "+12", "$1,234.50-", "($1,234.50)", "( 12 )", "$ -5", ".5"})
        EXPECT_TRUE(typedAmountAllowed(QString::fromLatin1(good), us)) << good;
    for (const char* bad : {"1O0.00", "abc", "-", "$", "()", "(12", "12)", "--12", "-12+", "1-2", "12e3", "1/2", "$$12"})
        EXPECT_FALSE(typedAmountAllowed(QString::fromLatin1(bad), us)) << bad;
    EXPECT_TRUE(typedAmountAllowed(QStringLiteral("1.234,50 \u20AC"), german));
    EXPECT_FALSE(typedAmountAllowed(QStringLiteral("$12"), german));
}

TEST(AmountConversion, GroupedAmountsReadWithTheLocale)
{
    EXPECT_EQ(amountToMoney(QStringLiteral("1,234.50"), true, us), Money(-12345000));
    EXPECT_EQ(amountToMoney(QStringLiteral("123,456"), false, us), Money(1234560000));
    EXPECT_EQ(amountToMoney(QStringLiteral("25"), false, us), Money(250000));
    EXPECT_EQ(amountToMoney(QStringLiteral("1.234,50"), false, german), Money(12345000));
    EXPECT_EQ(amountToMoney(QStringLiteral(""), true, us), Money(0));
    EXPECT_EQ(amountToMoney(QStringLiteral(".5"), false, us), Money(5000));
    EXPECT_EQ(amountToMoney(QStringLiteral("5."), false, us), Money(50000));
}

TEST(AmountConversion, RefusesWhatIsNotANumber)
{
    for (const char* bad : {".", "1.2.3", "1,23", ",123", "12,34,567", "1.234,50"})
        EXPECT_FALSE(amountToMoney(QString::fromLatin1(bad), false, us)) << bad;
}

TEST(AmountConversion, RoundsToFourDecimalsHalfToEven)
{
    EXPECT_EQ(parseCleanAmount(QStringLiteral("0.00005"), us), Money(0));
    EXPECT_EQ(parseCleanAmount(QStringLiteral("0.00015"), us), Money(2));
    EXPECT_EQ(parseCleanAmount(QStringLiteral("0.000051"), us), Money(1));
    EXPECT_EQ(parseCleanAmount(QStringLiteral("12.3456"), us), Money(123456));
}

TEST(AmountConversion, RefusesWhatMoneyCannotHold)
{
    EXPECT_EQ(parseCleanAmount(QStringLiteral("922337203685477.5807"), us), Money(INT64_MAX));
    EXPECT_FALSE(parseCleanAmount(QStringLiteral("922337203685477.5808"), us));
    EXPECT_FALSE(parseCleanAmount(QStringLiteral("99999999999999999999999"), us));
    EXPECT_EQ(invalidAmountMessage(QStringLiteral("1..2")).text, QStringLiteral("Invalid Amount - 1..2"));
}

TEST(CurrencyFormat, RoundsHalfAwayFromZeroToTheShownDecimals)
{
    const CurrencyFormat f(us);
    EXPECT_EQ(f.format(Money(123450)), QStringLiteral("$12.35"));
    EXPECT_EQ(f.format(Money(-123450)), QStringLiteral("($12.35)"));
    EXPECT_EQ(f.format(Money(123449)), QStringLiteral("$12.34"));
    EXPECT_EQ(f.format(Money(-49)), QStringLiteral("$0.00"));
}

TEST(CurrencyFormat, SumsBeyondMoneyAreShownWhole)
{
    const CurrencyFormat f(us);
    const MoneySum twice = MoneySum(INT64_MAX) * 2;
    EXPECT_EQ(f.format(twice), QStringLiteral("$1,844,674,407,370,955.16"));
    EXPECT_EQ(f.format(MoneySum(INT64_MIN)), QStringLiteral("($922,337,203,685,477.58)"));
}

TEST(CurrencyFormat, LengthIsTheLengthOfTheText)
{
    // Every digit count, both signs, rounding up to a new digit, and sums beyond Money.
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);   // no decimals
    for (const QLocale& locale : {us, german, japanese}) {
        const CurrencyFormat f(locale);
        std::vector<MoneySum> amounts = {0, -49, 49, 50, -50, 99995, -99995, MoneySum(INT64_MAX) * 3, MoneySum(INT64_MIN) * 2};
        for (MoneySum a = 7; a < MoneySum(1) << 62; a = a * 10 + 3)
            amounts.insert(amounts.end(), {a, -a, a * 10 - 1, -(a * 10 - 1)});
        for (MoneySum a : amounts)
            EXPECT_EQ(f.length(a), f.format(a).size()) << qPrintable(f.format(a));
    }
}

TEST(CurrencyFormat, OtherLocalesUseTheirOwnPattern)
{
    const CurrencyFormat f(german);
    EXPECT_EQ(f.format(Money(12345000)), german.toCurrencyString(1234.5));
    EXPECT_EQ(f.format(Money(-12345000)), german.toCurrencyString(-1234.5));
}

TEST(CurrencyFormat, TheCLocaleFallsBackToUsEnglish)
{
    const QLocale effective = CurrencyFormat::effectiveLocale(QLocale::c());
    EXPECT_EQ(effective.language(), QLocale::English);
    EXPECT_EQ(CurrencyFormat(effective).format(Money(-12345000)), QStringLiteral("($1,234.50)"));
}
