#pragma once
// Money in the locale's currency format. The pattern (symbol, separators,
// decimals, negative form) is taken from the locale once; formatting an
// amount makes no locale call. US English, and the C locale that falls back
// to it, write negatives in brackets: ($1,234.50).

#include "store/Money.h"

#include <QLocale>
#include <QString>

namespace cw {

class CurrencyFormat {
public:
    explicit CurrencyFormat(const QLocale& locale);

    QString format(Money amount) const;
    QString format(MoneySum amount) const;
    // Writes the text of `amount` at `out`, which has room for maxLength()
    // characters, and returns the end: for callers that build long texts.
    char16_t* write(MoneySum amount, char16_t* out) const;
    qsizetype maxLength() const { return maxLength_; }
    // How many characters write() gives for `amount`, without writing them.
    qsizetype length(MoneySum amount) const;
    int decimals() const { return decimals_; }

    // The program's format, over the locale the program uses.
    static const CurrencyFormat& current();
    // Makes `locale` the program's locale (QLocale's default) and rebuilds the
    // format. The C locale, which has no currency, becomes US English.
    static void useLocale(const QLocale& locale);
    static QLocale effectiveLocale(const QLocale& system);

private:
    // Writes the digits of `shown` (in the shown decimals) ending at `end`;
    // returns where they start.
    template <class Unsigned>
    char16_t* writeDigits(Unsigned shown, char16_t* end) const;
    // Ten-thousandths rounded half away from zero to the shown decimals.
    template <class Unsigned>
    Unsigned shownUnits(Unsigned units) const;
    static unsigned __int128 magnitude(MoneySum amount);

    QString positivePrefix_, positiveSuffix_;
    QString negativePrefix_, negativeSuffix_;
    QChar point_, group_, zero_;
    int decimals_ = 2;
    qsizetype maxLength_ = 0;
};

} // namespace cw
