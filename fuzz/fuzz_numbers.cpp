// The number readers on any text: the plain number reader, the date check,
// the ledger sort key of any 58-byte record, the macro amount reader and the
// calculator's operands and arithmetic.

#include "FuzzSupport.h"
#include "store/NumberReader.h"
#include "store/DateRules.h"
#include "store/LedgerEntry.h"
#include "store/PlainNumber.h"
#include "store/SortKey.h"
#include "core/tools/Calculator.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

bool startsWithDigit(const QString& s) { return !s.isEmpty() && s.front() >= u'0' && s.front() <= u'9'; }

bool sameNumber(const cw::ReadNumber& a, const cw::ReadNumber& b)
{
    return a.negative == b.negative && a.digits == b.digits && a.exponent == b.exponent;
}

void checkPlain(const QString& text, QByteArrayView latin1)
{
    const double value = cw::readPlainNumber(text);
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(cw::readPlainNumber(latin1.data(), latin1.size()) == cw::readPlainNumber(QString::fromLatin1(latin1)));
    // Blanks and leading zeros do not change the number.
    FUZZ_CHECK(cw::readPlainNumber(QStringLiteral(" ") + text) == value);
    if (startsWithDigit(text))
        FUZZ_CHECK(cw::readPlainNumber(QStringLiteral("0") + text) == value);

    for (QChar flag : {QChar(u'A'), QChar(u'E')}) {
        if (cw::isValidDate(text, flag, 2024)) {
            const int month = cw::monthOf(text, flag), day = cw::dayOf(text, flag);
            FUZZ_CHECK(month >= 1 && month <= 12 && day >= 1 && day <= 31);
        }
    }
}

// The key of a record whose date is all digits equals the key the plain
// reader gives for the same digits and code numbers.
void checkSortKey(QByteArrayView bytes)
{
    char record[cw::LedgerEntryCodec::kSize] = {};
    std::memcpy(record, bytes.data(), size_t(qMin<qsizetype>(bytes.size(), sizeof record)));
    const cw::LedgerEntry e = cw::LedgerEntryCodec::decode(record);
    for (char flag : {'A', 'E'}) {
        const double key = cw::ledgerSortKey(e, flag);
        FUZZ_CHECK(std::isfinite(key));
        const char* d = e.date.data();
        const int m = flag == 'E' ? 3 : 0, dd = flag == 'E' ? 0 : 3;
        char text[32];
        const int n = std::snprintf(text, sizeof text, "%c%c%c%c%c%c%u%u", d[6], d[7], d[m], d[m + 1], d[dd],
                                    d[dd + 1], unsigned(static_cast<unsigned char>(e.code[0])),
                                    unsigned(static_cast<unsigned char>(e.code[1])));
        FUZZ_CHECK(key == cw::readPlainNumber(text, n));
    }
}

void checkMacroNumber(const QString& text)
{
    const cw::ReadNumber n = cw::readNumber(text);
    FUZZ_CHECK(n.digits.empty() || (n.digits.front() != '0' && n.digits.back() != '0'));
    FUZZ_CHECK(sameNumber(cw::readNumber(QStringLiteral(" \t") + text), n));
    if (startsWithDigit(text))
        FUZZ_CHECK(sameNumber(cw::readNumber(QStringLiteral("0") + text), n));

    const double x = n.toDouble();
    FUZZ_CHECK(!std::isnan(x));
    const std::optional<cw::Money> money = n.toMoney();
    // Money holds up to 922,337,203,685,477.5807; the double agrees with it
    // to a ten-thousandth.
    if (std::fabs(x) < 9.2e14)
        FUZZ_CHECK(money.has_value());
    if (std::fabs(x) > 9.3e14)
        FUZZ_CHECK(!money.has_value());
    if (money)
        FUZZ_CHECK(std::fabs(double(*money) / 1e4 - x) <= 0.5e-4 + 1e-15 * std::fabs(x));
}

void checkCalculator(const QString& text)
{
    const qsizetype cut = text.indexOf(u'\n');
    const QString top = cut < 0 ? text : text.left(cut);
    const QString bottom = cut < 0 ? QString() : text.mid(cut + 1);

    float value = 0.0f;
    if (cw::readOperand(top, &value)) {
        FUZZ_CHECK(std::isfinite(value));
        // Seven significant digits read back within their rounding.
        const QString shown = cw::basicNumberText(value);
        FUZZ_CHECK(shown.startsWith(u' ') || shown.startsWith(u'-'));
        float back = 0.0f;
        FUZZ_CHECK(cw::readOperand(shown, &back));
        FUZZ_CHECK(std::fabs(double(back) - double(value)) <= 1e-6 * std::fabs(double(value)) + 1e-45);
    }

    static const QString ops[] = {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("x"),
                                  QStringLiteral("/"), QStringLiteral("?")};
    cw::Calculator calc;
    for (const QString& op : ops) {
        const QString shown = calc.compute(top, bottom, op);
        FUZZ_CHECK(!shown.isEmpty());
        FUZZ_CHECK(std::isfinite(calc.result()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString utf8 = QString::fromUtf8(bytes);
    checkPlain(utf8, bytes);
    checkSortKey(bytes);
    checkMacroNumber(utf8);
    checkCalculator(utf8);
    return 0;
}
