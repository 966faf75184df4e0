#include "CurrencyFormat.h"

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
}

QString CurrencyFormat::digits(unsigned __int128 units) const
{
    // units are ten-thousandths; round half away from zero to the decimals shown.
    unsigned __int128 scale = 1;
    for (int i = decimals_; i < 4; ++i)
        scale *= 10;
    unsigned __int128 shown = units / scale + ((units % scale) * 2 >= scale && scale > 1 ? 1 : 0);
    unsigned __int128 divisor = 1;
    for (int i = 0; i < decimals_; ++i)
        divisor *= 10;
    unsigned __int128 whole = shown / divisor;
    const unsigned __int128 fraction = shown % divisor;

    QString wholeText;
    int count = 0;
    do {
        if (count > 0 && count % 3 == 0 && !group_.isNull())
            wholeText.prepend(group_);
        wholeText.prepend(QChar(zero_.unicode() + int(whole % 10)));
        whole /= 10;
        ++count;
    } while (whole > 0);
    if (decimals_ == 0)
        return wholeText;
    QString fractionText(decimals_, zero_);
    unsigned __int128 f = fraction;
    for (int i = decimals_ - 1; i >= 0; --i, f /= 10)
        fractionText[i] = QChar(zero_.unicode() + int(f % 10));
    return wholeText + point_ + fractionText;
}

QString CurrencyFormat::format(Money amount) const { return format(MoneySum(amount)); }

QString CurrencyFormat::format(MoneySum amount) const
{
    const bool negative = amount < 0;
    const unsigned __int128 units = negative ? (unsigned __int128)(-(amount + 1)) + 1 : (unsigned __int128)amount;
    const QString text = digits(units);
    // A negative amount that rounds to zero is shown as zero.
    bool allZero = true;
    for (QChar c : text)
        allZero = allZero && (c == zero_ || c == point_ || c == group_);
    if (negative && !allZero)
        return negativePrefix_ + text + negativeSuffix_;
    return positivePrefix_ + text + positiveSuffix_;
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
