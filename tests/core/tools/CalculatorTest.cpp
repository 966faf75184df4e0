// The calculator: arithmetic in single precision shown as BASIC prints a
// number, its failures, and the result kept for "result on top".

#include "core/tools/Calculator.h"

#include <gtest/gtest.h>
#include <cfloat>

namespace cw {
namespace {

TEST(Calculator, ArithmeticFailuresAndTheLastResult)
{
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"7", "+", "5", " 12"}, {"2", "-", "5", "-3"}, {"1", "/", "3", " .3333333"}, {"0.1", "+", "0.2", " .3"},
        {"12abc", "x", "", " 0"}, {"12abc", "+", "", " 12"}, {" 12", "x", "-0.5", "-6"}, {"-1", "/", "3", "-.3333333"},
        {"0", "x", "-1", " 0"}};
    for (const auto& [top, op, bottom, shown] : cases)
        EXPECT_EQ(Calculator().compute(top, bottom, op), shown) << top << op << bottom;
    Calculator c;
    EXPECT_EQ(c.compute("7", "5", "+"), " 12");
    for (const auto& [top, op, bottom, shown] : {std::tuple("1", "/", "0", "Division by zero"), {"0", "/", "", "Division by zero"},
                                                {"3E38", "x", "10", "Overflow"}, {"3E38", "+", "3E38", "Overflow"},
                                                {"1E39", "+", "1", "Overflow"}, {"1", "?", "1", " 12"}})   // another operator: as it was
        EXPECT_EQ(c.compute(top, bottom, op), shown) << top << op << bottom;
    EXPECT_EQ(c.result(), 12.0f);
    EXPECT_EQ(c.compute(c.compute("7", "5", "+"), "3", "x"), " 36");   // result on top
    c.clear();
    EXPECT_EQ(c.result(), 0.0f);
}

TEST(NumberText, SevenDigitsAndExponents)
{
    const std::pair<float, const char*> cases[] = {
        {1234567.0f, " 1234567"}, {9999999.0f, " 9999999"}, {10000000.0f, " 1E+07"}, {12345678.0f, " 1.234568E+07"},
        {1e10f, " 1E+10"}, {-1e10f, "-1E+10"}, {0.0001f, " .0001"}, {0.00001f, " 1E-05"}, {0.5f, " .5"}, {-0.5f, "-.5"},
        {1.5f, " 1.5"}, {FLT_MAX, " 3.402823E+38"}, {-0.0f, " 0"}, {123.456f, " 123.456"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(basicNumberText(value), text) << text;
}

} // namespace
} // namespace cw
