#include "CurrencyFormat.h"

#include <algorithm>
#include <memory>

namespace cw {
namespace {

std::unique_ptr<CurrencyFormat>& instance()
{
    static std::unique_ptr<CurrencyFormat> format;
    return format;
}

bool writesBrackets(const QLocale& locale)
{
    return locale.language() == QLocale::English && locale.territory() == QLocale::UnitedStates;
}

// Splits a formatted probe around its number text.
void splitAround(const QString& probe, const QString& number, QString* prefix, QString* suffix)
{
    const qsizetype at = probe.indexOf(number);
    if (at < 0) {
        *prefix = QString();
        *suffix = QString();
        return;
    }
    *prefix = probe.left(at);
    *suffix = probe.mid(at + number.size());
}

constexpr unsigned __int128 kPowersOfTen[] = {1, 10, 100, 1000, 10000};

// Room for the digits of any sum: 39 digits, a separator between each three
// and the decimal point.
constexpr qsizetype kMostDigitCharacters = 39 + 13 + 1;

char16_t* copyText(const QString& text, char16_t* out)
{
    const auto* from = reinterpret_cast<const char16_t*>(text.constData());
    return std::copy(from, from + text.size(), out);
}

} // namespace

CurrencyFormat::CurrencyFormat(const QLocale& locale)
{
    point_ = locale.decimalPoint().at(0);
    const QString group = locale.groupSeparator();
    group_ = group.isEmpty() ? QChar() : group.at(0);
    zero_ = locale.zeroDigit().at(0);

    const double probeValue = 1234567.0;
    const QString positive = locale.toCurrencyString(probeValue);
    decimals_ = 0;
    QString number = locale.toString(probeValue, 'f', 0);
    for (int d = 4; d >= 0; --d) {
        const QString candidate = locale.toString(probeValue, 'f', d);
        if (positive.contains(candidate)) {
            decimals_ = d;
            number = candidate;
            break;
        }
    }
    splitAround(positive, number, &positivePrefix_, &positiveSuffix_);
    if (writesBrackets(locale)) {
        negativePrefix_ = QLatin1Char('(') + positivePrefix_;
        negativeSuffix_ = positiveSuffix_ + QLatin1Char(')');
    } else {
        splitAround(locale.toCurrencyString(-probeValue), number, &negativePrefix_, &negativeSuffix_);
    }
    maxLength_ = kMostDigitCharacters
        + std::max(positivePrefix_.size() + positiveSuffix_.size(), negativePrefix_.size() + negativeSuffix_.size());
}

template <class Unsigned>
char16_t* CurrencyFormat::writeDigits(Unsigned shown, char16_t* end) const
{
    char16_t* p = end;
    const char16_t zero = zero_.unicode();
    for (int i = 0; i < decimals_; ++i, shown /= 10)
        *--p = char16_t(zero + int(shown % 10));
    if (decimals_ > 0)
        *--p = point_.unicode();
    int count = 0;
    do {
        if (count > 0 && count % 3 == 0 && !group_.isNull())
            *--p = group_.unicode();
        *--p = char16_t(zero + int(shown % 10));
        shown /= 10;
        ++count;
    } while (shown > 0);
    return p;
}

QString CurrencyFormat::format(Money amount) const { return format(MoneySum(amount)); }

QString CurrencyFormat::format(MoneySum amount) const
{
    QString text(maxLength_, Qt::Uninitialized);
    char16_t* start = reinterpret_cast<char16_t*>(text.data());
    text.truncate(write(amount, start) - start);
    return text;
}

char16_t* CurrencyFormat::write(MoneySum amount, char16_t* out) const
{
    const bool negative = amount < 0;
    const unsigned __int128 units = magnitude(amount);
    // Ten-thousandths rounded half away from zero to the decimals shown, in
    // 64-bit arithmetic wherever the amount fits, which is every single amount.
    const unsigned __int128 shown = units <= UINT64_MAX ? shownUnits(quint64(units)) : shownUnits(units);
    // A negative amount that rounds to zero is shown as zero.
    const QString& prefix = negative && shown != 0 ? negativePrefix_ : positivePrefix_;
    const QString& suffix = negative && shown != 0 ? negativeSuffix_ : positiveSuffix_;

    char16_t digits[kMostDigitCharacters];
    char16_t* end = digits + kMostDigitCharacters;
    char16_t* p = shown <= UINT64_MAX ? writeDigits(quint64(shown), end) : writeDigits(shown, end);
    out = copyText(prefix, out);
    out = std::copy(p, end, out);
    return copyText(suffix, out);
}

qsizetype CurrencyFormat::length(MoneySum amount) const
{
    const unsigned __int128 units = magnitude(amount);
    unsigned __int128 whole = units <= UINT64_MAX ? shownUnits(quint64(units)) : shownUnits(units);
    const bool negative = amount < 0 && whole != 0;
    whole /= kPowersOfTen[decimals_];
    const auto countDigits = [](auto v) {
        qsizetype d = 1;
        for (; v >= 10; v /= 10)
            ++d;
        return d;
    };
    const qsizetype digits = whole <= UINT64_MAX ? countDigits(quint64(whole)) : countDigits(whole);
    const qsizetype separators = group_.isNull() ? 0 : (digits - 1) / 3;
    const qsizetype fraction = decimals_ > 0 ? 1 + decimals_ : 0;
    const qsizetype around = negative ? negativePrefix_.size() + negativeSuffix_.size()
                                      : positivePrefix_.size() + positiveSuffix_.size();
    return around + digits + separators + fraction;
}

unsigned __int128 CurrencyFormat::magnitude(MoneySum amount)
{
    return amount < 0 ? (unsigned __int128)(-(amount + 1)) + 1 : (unsigned __int128)amount;
}

template <class Unsigned>
Unsigned CurrencyFormat::shownUnits(Unsigned units) const
{
    const auto scale = Unsigned(kPowersOfTen[4 - decimals_]);
    return units / scale + (scale > 1 && (units % scale) * 2 >= scale ? 1 : 0);
}

const CurrencyFormat& CurrencyFormat::current()
{
    auto& format = instance();
    if (!format)
        format = std::make_unique<CurrencyFormat>(QLocale());
    return *format;
}

void CurrencyFormat::useLocale(const QLocale& locale)
{
    QLocale::setDefault(locale);
    instance() = std::make_unique<CurrencyFormat>(locale);
}

QLocale CurrencyFormat::effectiveLocale(const QLocale& system)
{
    if (system.language() == QLocale::C || system.currencySymbol().isEmpty())
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return system;
}

} // namespace cw
