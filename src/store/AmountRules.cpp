#include "AmountRules.h"

#include "store/Blanks.h"

#include <limits>

namespace cw {

QString cleanAmount(const QString& typed)
{
    const QString text = trimBlanks(typed);
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if ((c >= u'0' && c <= u'9') || c == u'.' || c == u',')
            out.append(c);
    return out;
}

bool typedAmountAllowed(const QString& typed, const QLocale& locale)
{
    QString text = typed;
    text.remove(u' ');
    if (text.isEmpty())
        return true;
    if (text.startsWith(u'(') != text.endsWith(u')'))
        return false;
    if (text.startsWith(u'('))
        text = text.mid(1, text.size() - 2);
    const QString symbol = locale.currencySymbol();
    if (const qsizetype at = symbol.isEmpty() ? -1 : text.indexOf(symbol); at >= 0)
        text.remove(at, symbol.size());
    const auto isSign = [](QChar c) { return c == u'-' || c == u'+'; };
    if (!text.isEmpty() && isSign(text.front()))
        text.remove(0, 1);
    else if (!text.isEmpty() && isSign(text.back()))
        text.chop(1);
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    bool digits = false;
    int points = 0;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (point.contains(c))
            ++points;
        else if (!group.contains(c))
            return false;
    }
    return digits && points <= 1;
}

namespace {

// Integer digits with optional grouping: plain digits, or 1-3 digits followed
// by groups of a separator and exactly three digits.
bool validIntegerPart(QStringView part, QChar group)
{
    if (!part.contains(group))
        return true;
    const auto groups = part.split(group);
    if (groups.front().isEmpty() || groups.front().size() > 3)
        return false;
    for (qsizetype i = 1; i < groups.size(); ++i)
        if (groups[i].size() != 3)
            return false;
    return true;
}

} // namespace

std::optional<Money> parseCleanAmount(const QString& cleaned, const QLocale& locale)
{
    if (cleaned.isEmpty())
        return Money(0);
    const QChar point = locale.decimalPoint().at(0);
    const QString groupText = locale.groupSeparator();
    const QChar group = groupText.isEmpty() ? QChar() : groupText.at(0);

    const qsizetype pointAt = cleaned.indexOf(point);
    const QStringView whole = QStringView(cleaned).left(pointAt < 0 ? cleaned.size() : pointAt);
    const QStringView fraction = pointAt < 0 ? QStringView() : QStringView(cleaned).mid(pointAt + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;   // a lone decimal point
    for (QChar c : whole)
        if (!c.isDigit() && c != group)
            return std::nullopt;
    for (QChar c : fraction)
        if (!c.isDigit())
            return std::nullopt;
    if (!validIntegerPart(whole, group))
        return std::nullopt;

    // Exact decimal arithmetic: whole units, four decimals, then rounding.
    constexpr unsigned __int128 kMax = std::numeric_limits<Money>::max();
    unsigned __int128 value = 0;
    for (QChar c : whole) {
        if (c == group)
            continue;
        value = value * 10 + unsigned(c.unicode() - u'0');
        if (value > kMax)
            return std::nullopt;
    }
    for (int i = 0; i < 4; ++i)
        value = value * 10 + (i < fraction.size() ? unsigned(fraction[i].unicode() - u'0') : 0u);
    if (fraction.size() > 4) {
        const int next = fraction[4].unicode() - u'0';
        bool beyond = false;
        for (qsizetype i = 5; i < fraction.size(); ++i)
            beyond = beyond || fraction[i] != u'0';
        if (next > 5 || (next == 5 && (beyond || value % 2 == 1)))
            ++value;
    }
    if (value > kMax)
        return std::nullopt;
    return Money(value);
}

std::optional<Money> amountToMoney(const QString& cleaned, bool negative, const QLocale& locale)
{
    const std::optional<Money> value = parseCleanAmount(cleaned, locale);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

Message invalidAmountMessage(const QString& typed)
{
    return Message{QStringLiteral("Invalid Amount - ") + typed, QStringLiteral("Entry Aborted"),
                   Message::Icon::Warning};
}

} // namespace cw
