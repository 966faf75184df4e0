#include "Calculator.h"

#include "store/NumberReader.h"

#include <charconv>
#include <cmath>

namespace cw {

QString basicNumberText(float value)
{
    const bool negative = value < 0;
    char buffer[32];
    // printf's %.7G, written in the C locale whatever the program's.
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, double(std::fabs(value)),
                                 std::chars_format::general, 7);
    QString digits = QString::fromLatin1(buffer, r.ptr - buffer).toUpper();
    if (digits.startsWith(QLatin1String("0.")))
        digits.remove(0, 1);
    return (negative ? u'-' : u' ') + digits;
}

bool readOperand(const QString& text, float* value)
{
    const float f = float(readNumber(text).toDouble());
    if (std::isinf(f))
        return false;
    *value = f;
    return true;
}

QString Calculator::compute(const QString& topText, const QString& bottomText, const QString& op)
{
    float top = 0.0f, bottom = 0.0f;
    if (!readOperand(topText, &top) || !readOperand(bottomText, &bottom))
        return kOverflowText;
    top_ = top;
    bottom_ = bottom;

    float result = result_;
    if (op == QLatin1String("+")) {
        result = top + bottom;
    } else if (op == QLatin1String("-")) {
        result = top - bottom;
    } else if (op == QLatin1String("x")) {
        result = top * bottom;
    } else if (op == QLatin1String("/")) {
        if (bottom == 0.0f)
            return kDivisionByZeroText;
        result = top / bottom;
    }
    if (std::isinf(result))
        return kOverflowText;
    result_ = result;
    return basicNumberText(result_);
}

} // namespace cw
