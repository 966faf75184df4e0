#include "core/tools/Calculator.h"

#include <gtest/gtest.h>
#include <cfloat>

namespace cw {
namespace {

QString calc(const char* top, const char* op, const char* bottom)
{
    Calculator c;
    return c.compute(QString::fromLatin1(top), QString::fromLatin1(bottom), QString::fromLatin1(op));
}

TEST(Calculator, Arithmetic)
{
    EXPECT_EQ(calc("7", "+", "5"), QStringLiteral(" 12"));
    EXPECT_EQ(calc("2", "-", "5"), QStringLiteral("-3"));
    EXPECT_EQ(calc("1", "/", "3"), QStringLiteral(" .3333333"));
    EXPECT_EQ(calc("0.1", "+", "0.2"), QStringLiteral(" .3"));
    EXPECT_EQ(calc("12abc", "x", ""), QStringLiteral(" 0"));
    EXPECT_EQ(calc("12abc", "+", ""), QStringLiteral(" 12"));
    EXPECT_EQ(calc(" 12", "x", "-0.5"), QStringLiteral("-6"));
    EXPECT_EQ(calc("-1", "/", "3"), QStringLiteral("-.3333333"));
    EXPECT_EQ(calc("0", "x", "-1"), QStringLiteral(" 0"));
}

TEST(Calculator, FailuresAreShownAndTheLastResultKept)
{
    Calculator c;
    EXPECT_EQ(c.compute(QStringLiteral("7"), QStringLiteral("5"), QStringLiteral("+")), QStringLiteral(" 12"));
    EXPECT_EQ(c.compute(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("/")), QStringLiteral("Division by zero"));
    EXPECT_EQ(c.compute(QStringLiteral("0"), QStringLiteral(""), QStringLiteral("/")), QStringLiteral("Division by zero"));
    EXPECT_EQ(c.compute(QStringLiteral("3E38"), QStringLiteral("10"), QStringLiteral("x")), QStringLiteral("Overflow"));
    EXPECT_EQ(c.compute(QStringLiteral("3E38"), QStringLiteral("3E38"), QStringLiteral("+")), QStringLiteral("Overflow"));
    EXPECT_EQ(c.compute(QStringLiteral("1E39"), QStringLiteral("1"), QStringLiteral("+")), QStringLiteral("Overflow"));
    EXPECT_EQ(c.result(), 12.0f);
    // An operator other than the four leaves the result as it was.
    EXPECT_EQ(c.compute(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("?")), QStringLiteral(" 12"));
    c.clear();
    EXPECT_EQ(c.result(), 0.0f);
}

TEST(Calculator, ResultOnTopChains)
{
    Calculator c;
    const QString twelve = c.compute(QStringLiteral("7"), QStringLiteral("5"), QStringLiteral("+"));
    EXPECT_EQ(c.compute(twelve, QStringLiteral("3"), QStringLiteral("x")), QStringLiteral(" 36"));
}

TEST(NumberText, SevenDigitsAndExponents)
{
    EXPECT_EQ(basicNumberText(1234567.0f), QStringLiteral(" 1234567"));
    EXPECT_EQ(basicNumberText(9999999.0f), QStringLiteral(" 9999999"));
    EXPECT_EQ(basicNumberText(10000000.0f), QStringLiteral(" 1E+07"));
    EXPECT_EQ(basicNumberText(12345678.0f), QStringLiteral(" 1.234568E+07"));
    EXPECT_EQ(basicNumberText(1e10f), QStringLiteral(" 1E+10"));
    EXPECT_EQ(basicNumberText(-1e10f), QStringLiteral("-1E+10"));
    EXPECT_EQ(basicNumberText(0.0001f), QStringLiteral(" .0001"));
    EXPECT_EQ(basicNumberText(0.00001f), QStringLiteral(" 1E-05"));
    EXPECT_EQ(basicNumberText(0.5f), QStringLiteral(" .5"));
    EXPECT_EQ(basicNumberText(-0.5f), QStringLiteral("-.5"));
    EXPECT_EQ(basicNumberText(1.5f), QStringLiteral(" 1.5"));
    EXPECT_EQ(basicNumberText(FLT_MAX), QStringLiteral(" 3.402823E+38"));
    EXPECT_EQ(basicNumberText(-0.0f), QStringLiteral(" 0"));
    EXPECT_EQ(basicNumberText(123.456f), QStringLiteral(" 123.456"));
}

} // namespace
} // namespace cw
