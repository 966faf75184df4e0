#include "PlainNumber.h"

#include <charconv>

namespace cw {
namespace {

template <class CharAt>
double readNumber(qsizetype size, CharAt at)
{
    char digits[64];
    int n = 0;
    bool seenDigit = false, seenPoint = false, seenSign = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = at(i);
        if (c == u' ')
            continue;
        if ((c == u'-' || c == u'+') && !seenSign && !seenDigit && !seenPoint) {
            seenSign = true;
            if (c == u'-')
                digits[n++] = '-';
            continue;
        }
        if (c == u'.' && !seenPoint) {
            seenPoint = true;
            if (n < int(sizeof digits) - 1)
                digits[n++] = '.';
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        seenDigit = true;
        if (n < int(sizeof digits) - 1)
            digits[n++] = char(c);
    }
    if (!seenDigit)
        return 0.0;
    double value = 0.0;
    std::from_chars(digits, digits + n, value);
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
