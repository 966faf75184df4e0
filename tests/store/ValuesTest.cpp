// Values as typed, stored and shown: amounts, the currency format, the number
// readers, dates, month names and the code page.

#include "store/AmountRules.h"
#include "store/CurrencyFormat.h"
#include "store/DateRules.h"
#include "store/MonthNames.h"
#include "store/NumberReader.h"
#include "store/PlainNumber.h"
#include "store/Win1252.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace cw;

namespace {

const QLocale us(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);
constexpr Money kMax = std::numeric_limits<Money>::max();

TEST(AmountCleaning, KeepsWhatAnAmountHolds)
{
    for (const auto& [in, out] : {std::pair("  $1,234.50 ", "1,234.50"), {"-25", "25"}, {"(12.00)", "12.00"}, {"abc", ""}})
        EXPECT_EQ(cleanAmount(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
    for (const char* good : {"", "  ", "12-", "-12", "+12", "$1,234.50-", "($1,234.50)", "( 12 )", "$ -5", ".5"})
        EXPECT_TRUE(typedAmountAllowed(QString::fromLatin1(good), us)) << good;
    for (const char* bad : {"1O0.00", "abc", "-", "$", "()", "(12", "12)", "--12", "-12+", "1-2", "12e3", "1/2", "$$12"})
        EXPECT_FALSE(typedAmountAllowed(QString::fromLatin1(bad), us)) << bad;
    EXPECT_TRUE(typedAmountAllowed(QStringLiteral("1.234,50 \u20AC"), german));
    EXPECT_FALSE(typedAmountAllowed(QStringLiteral("$12"), german));
}

TEST(AmountConversion, GroupedWithTheLocaleRoundedHalfToEvenWithinWhatMoneyHolds)
{
    const std::tuple<const char*, bool, Money> amounts[] = {
        {"1,234.50", true, -12345000}, {"123,456", false, 1234560000}, {"25", false, 250000},
        {"", true, 0},                 {".5", false, 5000},            {"5.", false, 50000}};
    for (const auto& [text, expense, money] : amounts)
        EXPECT_EQ(amountToMoney(QString::fromLatin1(text), expense, us), money) << text;
    EXPECT_EQ(amountToMoney(QStringLiteral("1.234,50"), false, german), Money(12345000));
    for (const char* bad : {".", "1.2.3", "1,23", ",123", "12,34,567", "1.234,50"})
        EXPECT_FALSE(amountToMoney(QString::fromLatin1(bad), false, us)) << bad;
    for (const auto& [text, money] : {std::pair("0.00005", 0), {"0.00015", 2}, {"0.000051", 1}, {"12.3456", 123456}})
        EXPECT_EQ(parseCleanAmount(QString::fromLatin1(text), us), Money(money)) << text;
    EXPECT_EQ(parseCleanAmount(QStringLiteral("922337203685477.5807"), us), Money(kMax));
    EXPECT_FALSE(parseCleanAmount(QStringLiteral("922337203685477.5808"), us));
    EXPECT_FALSE(parseCleanAmount(QStringLiteral("99999999999999999999999"), us));
    EXPECT_EQ(invalidAmountMessage(QStringLiteral("1..2")).text, QStringLiteral("Invalid Amount - 1..2"));
}

TEST(CurrencyFormat, RoundsHalfAwayFromZeroShowsSumsBeyondMoneyWholeAndKnowsItsLength)
{
    const CurrencyFormat f(us);
    for (const auto& [units, text] : {std::pair<MoneySum, const char*>(123450, "$12.35"), {-123450, "($12.35)"},
                                      {123449, "$12.34"}, {-49, "$0.00"},
                                      {MoneySum(kMax) * 2, "$1,844,674,407,370,955.16"},
                                      {MoneySum(INT64_MIN), "($922,337,203,685,477.58)"}})
        EXPECT_EQ(f.format(units), QString::fromLatin1(text));
    EXPECT_EQ(CurrencyFormat(german).format(Money(-12345000)), german.toCurrencyString(-1234.5));
    // The C locale falls back to US English.
    EXPECT_EQ(CurrencyFormat(CurrencyFormat::effectiveLocale(QLocale::c())).format(Money(-12345000)), "($1,234.50)");
    // Every digit count, both signs, rounding up to a new digit, and sums beyond Money.
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);   // no decimals
    for (const QLocale& locale : {us, german, japanese}) {
        const CurrencyFormat f(locale);
        std::vector<MoneySum> amounts = {0, -49, 49, 50, -50, 99995, -99995, MoneySum(kMax) * 3, MoneySum(INT64_MIN) * 2};
        for (MoneySum a = 7; a < MoneySum(1) << 62; a = a * 10 + 3)
            amounts.insert(amounts.end(), {a, -a, a * 10 - 1, -(a * 10 - 1)});
        for (MoneySum a : amounts)
            EXPECT_EQ(f.length(a), f.format(a).size()) << qPrintable(f.format(a));
    }
}

TEST(PlainNumber, SkipsBlanksAndStopsAtTheFirstOtherCharacter)
{
    for (const auto& [text, value] : {std::pair(" 1 2 3 ", 123.0), {"7-", 7.0}, {"1,234.50", 1.0}, {"12.5.7", 12.5},
                                      {"-25", -25.0}, {"$12", 0.0}, {"", 0.0}, {"01234", 1234.0}})
        EXPECT_EQ(readPlainNumber(QString::fromLatin1(text)), value) << text;
    EXPECT_EQ(readPlainNumber(QString(400, u'9')), std::numeric_limits<double>::max());
    EXPECT_EQ(readPlainNumber(QStringLiteral("-") + QString(400, u'9')), -std::numeric_limits<double>::max());
    EXPECT_EQ(readPlainNumber(QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1")), 0.0);
}

Money money(const char* text) { return readNumber(QString::fromLatin1(text)).toMoney().value_or(-1); }

TEST(NumberReader, ReadsUpToTheFirstOtherCharacterAndRoundsMoneyHalfToEven)
{
    const std::pair<const char*, Money> cases[] = {
        {"-100.00 <- remark", -1000000}, {"$5", 0}, {"1,250.00", 10000}, {"  -  12 . 5", -125000}, {"\t7\t5", 750000},
        {"1.2.3", 12000}, {"+-5", 0}, {"5-", 50000}, {"", 0}, {".", 0}, {"-.5", -5000}, {"007", 70000},
        {"1E3", 10000000}, {"2.5d-1", 2500}, {"1e+ 2", 1000000}, {"1E", 10000}, {"1Ex", 10000}, {"E5", 0},
        {"1E-400", 0}, {"120E-2", 12000}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(money(text), value) << text;
    EXPECT_EQ(readNumber(u"-1.5E2").toDouble(), -150.0);
    EXPECT_TRUE(std::isinf(readNumber(u"1E400").toDouble()));
    EXPECT_EQ(readNumber(u"12abc").toDouble(), 12.0);
    const std::pair<const char*, Money> rounded[] = {
        {"0.00005", 0}, {"0.00015", 2}, {"0.00025", 2}, {"0.000250001", 3}, {"-0.00015", -2}, {"0.000049", 0},
        {"12.34565", 123456}, {"922337203685477.5807", kMax}, {"-922337203685477.5807", -kMax}, {"1E14", 1000000000000000000}};
    for (const auto& [text, value] : rounded)
        EXPECT_EQ(money(text), value) << text;
    for (const char* tooLarge : {"922337203685477.5808", "922337203685477.58075", "1E15", "1E99999999999999"})
        EXPECT_FALSE(readNumber(QString::fromLatin1(tooLarge)).toMoney()) << tooLarge;
}

TEST(DateCheck, TheDayMustExistInItsMonthOfTheActiveYearUnderTheFlag)
{
    const std::tuple<const char16_t*, char16_t, int, bool> cases[] = {
        {u"01-31-98", u'A', 1998, true},   {u"13-01-98", u'A', 1998, false}, {u"00-10-98", u'A', 1998, false},
        {u"01-32-98", u'A', 1998, false},  {u"01-00-98", u'A', 1998, false}, {u"__-__-98", u'A', 1998, false},
        {u"31-12-98", u'E', 1998, true},   {u"31-12-98", u'A', 1998, false}, {u"02-29-24", u'A', 2024, true},
        {u"02-29-26", u'A', 2026, false},  {u"29-02-00", u'E', 2100, false}, {u"29-02-00", u'E', 2000, true},
        {u"04-31-26", u'A', 2026, false},  {u"02-30-26", u'A', 2026, false}, {u"04-30-26", u'A', 2026, true},
        {u"01-7--98", u'A', 1998, true},   // a day field of "7-" reads as 7
    };
    for (const auto& [date, flag, year, valid] : cases)
        EXPECT_EQ(isValidDate(date, flag, year), valid) << QString::fromUtf16(date).toStdString() << " " << year;
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

} // namespace
