#include "PlainNumber.h"

#include <charconv>
#include <limits>
#include <string>

namespace cw {
namespace {

template <class CharAt>
double readNumber(qsizetype size, CharAt at)
{
    std::string digits;
    bool seenDigit = false, seenPoint = false, seenSign = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = at(i);
        if (c == u' ')
            continue;
        if ((c == u'-' || c == u'+') && !seenSign && !seenDigit && !seenPoint) {
            seenSign = true;
            if (c == u'-')
                digits += '-';
            continue;
        }
        if (c == u'.' && !seenPoint) {
            seenPoint = true;
            digits += '.';
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        seenDigit = true;
        digits += char(c);
    }
    if (!seenDigit)
        return 0.0;
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)end;
    // Beyond a double: the largest double for huge magnitudes (the reader
    // always yields a finite number), zero for tiny ones.
    if (error == std::errc::result_out_of_range) {
        const bool negative = digits.front() == '-';
        const std::string::size_type point = digits.find('.');
        const std::string whole = digits.substr(negative ? 1 : 0, point == std::string::npos ? std::string::npos : point - (negative ? 1 : 0));
        const bool huge = whole.find_first_not_of('0') != std::string::npos;
        value = huge ? std::numeric_limits<double>::max() : 0.0;
        if (negative)
            value = -value;
    }
    return value;
}

} // namespace

double readPlainNumber(QStringView text)
{
    return readNumber(text.size(), [&](qsizetype i) { return text[i].unicode(); });
}

double readPlainNumber(const char* text, qsizetype size)
{
    return readNumber(size, [&](qsizetype i) { return char16_t(static_cast<unsigned char>(text[i])); });
}

} // namespace cw
