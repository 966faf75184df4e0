#include "NumberReader.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace cw {
namespace {

// Exponents beyond this make every value zero or too large, whatever its digits.
constexpr long kExponentLimit = 100000;

bool skipped(char16_t c) { return c == u' ' || c == u'\t'; }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

} // namespace

ReadNumber readNumber(QStringView text)
{
    ReadNumber n;
    const qsizetype size = text.size();
    qsizetype i = 0;
    auto next = [&]() -> char16_t {
        while (i < size && skipped(text[i].unicode()))
            ++i;
        return i < size ? text[i].unicode() : u'\0';
    };

    char16_t c = next();
    if (c == u'-' || c == u'+') {
        n.negative = c == u'-';
        ++i;
    }
    bool seenDigit = false, seenPoint = false;
    long fractionDigits = 0;
    for (c = next(); i < size; c = next()) {
        if (isDigit(c)) {
            seenDigit = true;
            if (!(c == u'0' && n.digits.empty()))
                n.digits.push_back(char(c));
            if (seenPoint)
                ++fractionDigits;
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        ++i;
    }
    if (!seenDigit)
        return ReadNumber{};

    long exponent = 0;
    if (c == u'E' || c == u'e' || c == u'D' || c == u'd') {
        ++i;
        bool negativeExponent = false;
        c = next();
        if (c == u'-' || c == u'+') {
            negativeExponent = c == u'-';
            ++i;
        }
        for (c = next(); i < size && isDigit(c); ++i, c = next())
            exponent = std::min(kExponentLimit, exponent * 10 + long(c - u'0'));
        if (negativeExponent)
            exponent = -exponent;
    }
    // Leading zeros were never kept; trailing zeros of the digits are folded
    // into the exponent so that the digits stay short.
    while (!n.digits.empty() && n.digits.back() == '0') {
        n.digits.pop_back();
        --fractionDigits;
    }
    if (n.digits.empty())
        return ReadNumber{n.negative, {}, 0};
    n.exponent = exponent - fractionDigits;
    return n;
}

double ReadNumber::toDouble() const
{
    if (digits.empty())
        return negative ? -0.0 : 0.0;
    const long magnitude = long(digits.size()) + exponent;   // digits before the point
    double value;
    if (magnitude > 400) {
        value = std::numeric_limits<double>::infinity();
    } else if (magnitude < -400) {
        value = 0.0;
    } else {
        const std::string text = digits + 'e' + std::to_string(exponent);
        const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
        if (r.ec == std::errc::result_out_of_range)
            value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::optional<Money> ReadNumber::toMoney() const
{
    if (digits.empty())
        return Money(0);
    constexpr unsigned __int128 kMax = std::numeric_limits<Money>::max();
    const long scale = exponent + 4;   // value in ten-thousandths = digits x 10^scale
    const long wholeDigits = long(digits.size()) + std::min(scale, 0L);
    if (wholeDigits + std::max(scale, 0L) > 19)
        return std::nullopt;

    unsigned __int128 units = 0;
    for (long d = 0; d < wholeDigits; ++d)
        units = units * 10 + unsigned(digits[size_t(d)] - '0');
    for (long d = 0; d < scale; ++d)
        units *= 10;
    if (scale < 0 && wholeDigits >= 0) {
        // Round half to even on the dropped digits.
        const int first = wholeDigits < long(digits.size()) ? digits[size_t(wholeDigits)] - '0' : 0;
        const bool beyond = digits.size() > size_t(wholeDigits) + 1;   // no trailing zeros are kept
        if (first > 5 || (first == 5 && (beyond || units % 2 == 1)))
            ++units;
    }
    if (units > kMax)
        return std::nullopt;
    return negative ? -Money(units) : Money(units);
}

} // namespace cw
