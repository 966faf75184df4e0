// Typed amounts of any text: cleaning and conversion under US English and
// German separators, and the currency format read back.

#include "FuzzSupport.h"
#include "store/AmountRules.h"
#include "store/CurrencyFormat.h"

#include <QRegularExpression>
#include <QtEndian>
#include <limits>

namespace {

const QLocale& english()
{
    static const QLocale l(QLocale::English, QLocale::UnitedStates);
    return l;
}

const QLocale& german()
{
    static const QLocale l(QLocale::German, QLocale::Germany);
    return l;
}

bool onlyAmountCharacters(const QString& s)
{
    for (QChar c : s)
        if (!((c >= u'0' && c <= u'9') || c == u'.' || c == u','))
            return false;
    return true;
}

// "." and "," exchanged: the same amount under the other locale's separators.
QString swapSeparators(QString s)
{
    for (QChar& c : s)
        c = c == u'.' ? u',' : c == u',' ? u'.' : c;
    return s;
}

void checkTyped(const QString& typed)
{
    const QString cleaned = cw::cleanAmount(typed);
    FUZZ_CHECK(onlyAmountCharacters(cleaned));
    FUZZ_CHECK(cw::cleanAmount(cleaned) == cleaned);
    FUZZ_CHECK(cw::invalidAmountMessage(typed).text == QStringLiteral("Invalid Amount - ") + typed);

    const std::optional<cw::Money> us = cw::parseCleanAmount(cleaned, english());
    const std::optional<cw::Money> de = cw::parseCleanAmount(cleaned, german());
    FUZZ_CHECK(!us || *us >= 0);
    FUZZ_CHECK(!de || *de >= 0);
    FUZZ_CHECK(us == cw::parseCleanAmount(swapSeparators(cleaned), german()));
    FUZZ_CHECK(de == cw::parseCleanAmount(swapSeparators(cleaned), english()));
    FUZZ_CHECK(cw::amountToMoney(cleaned, false, english()) == us);
    FUZZ_CHECK(cw::amountToMoney(cleaned, true, english()) == (us ? std::optional(-*us) : std::nullopt));

    // Grouping is only a reading aid: without it the amount is the same.
    if (us && cleaned.contains(u',')) {
        QString plain = cleaned;
        plain.remove(u',');
        FUZZ_CHECK(cw::parseCleanAmount(plain, english()) == us);
    }
    // Up to 14 whole digits and 4 decimals read exactly.
    static const QRegularExpression simple(QStringLiteral("^([0-9]{1,14})(?:\\.([0-9]{0,4}))?$"));
    const QRegularExpressionMatch m = simple.match(cleaned);
    if (m.hasMatch()) {
        const QString fraction = m.captured(2).leftJustified(4, u'0');
        FUZZ_CHECK(us == m.captured(1).toLongLong() * cw::kMoneyScale + fraction.toLongLong());
    }

    // Text the checks never see still reads without harm.
    (void)cw::parseCleanAmount(typed, english());
    (void)cw::parseCleanAmount(typed, german());
}

// A stored amount shown in the currency format and typed back reads as the
// amount rounded to the cents shown.
void checkShown(cw::Money amount, const QLocale& locale, const cw::CurrencyFormat& format)
{
    const QString shown = format.format(amount);
    const std::optional<cw::Money> back = cw::parseCleanAmount(cw::cleanAmount(shown), locale);
    const unsigned __int128 units =
        amount < 0 ? (unsigned __int128)(-(cw::MoneySum(amount))) : (unsigned __int128)amount;
    const unsigned __int128 cents = units / 100 + ((units % 100) * 2 >= 100 ? 1 : 0);
    if (cents * 100 > (unsigned __int128)std::numeric_limits<cw::Money>::max())
        FUZZ_CHECK(!back);
    else
        FUZZ_CHECK(back == cw::Money(cents * 100));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* text = reinterpret_cast<const char*>(data);
    checkTyped(QString::fromUtf8(text, qsizetype(size)));
    checkTyped(QString::fromLatin1(text, qsizetype(size)));

    static const cw::CurrencyFormat usFormat(english());
    static const cw::CurrencyFormat deFormat(german());
    if (size >= 8) {
        const cw::Money amount = qFromLittleEndian<qint64>(data);
        checkShown(amount, english(), usFormat);
        checkShown(amount, german(), deFormat);
    }
    return 0;
}
