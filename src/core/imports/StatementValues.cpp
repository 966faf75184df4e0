#include "StatementValues.h"

#include "store/Win1252.h"

#include <limits>

namespace cw {

bool isValidUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        int more = 0;
        char32_t cp = 0, least = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            more = 1, cp = c & 0x1F, least = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2, cp = c & 0x0F, least = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3, cp = c & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (i + more >= n)
            return false;
        for (int k = 1; k <= more; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = cp << 6 | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not UTF-8.
        if (cp < least || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            return false;
        i += more + 1;
    }
    return true;
}

QString decodeStatementText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return fromWin1252(bytes.data(), bytes.size());
}

namespace {

bool isGroupBlank(QChar c) { return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F) || c == u'\''; }

// Digits grouped by `group` in threes (or not grouped at all): the value.
bool readWhole(QStringView text, QChar group, __int128& value)
{
    value = 0;
    const qsizetype firstGroup = text.indexOf(group);
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == group) {
            // The first group holds 1 to 3 digits, every later one exactly 3.
            if (run == 0 || run > 3 || (i != firstGroup && run != 3))
                return false;
            run = 0;
            continue;
        }
        if (!c.isDigit() || c.unicode() > 127)
            return false;
        ++run;
        value = value * 10 + (c.unicode() - '0');
        if (value > std::numeric_limits<Money>::max())
            return false;
    }
    return firstGroup < 0 || run == 3;
}

} // namespace

std::optional<Money> parseStatementAmount(QStringView text, DecimalMark mark)
{
    QStringView t = text.trimmed();
    bool negative = false;
    if (t.size() >= 2 && t.front() == u'(' && t.back() == u')') {
        negative = true;
        t = t.sliced(1, t.size() - 2).trimmed();
    }
    // Sign and currency symbol on either side, in any order.
    for (bool changed = true; changed && !t.isEmpty();) {
        changed = false;
        for (int end = 0; end < 2 && !t.isEmpty(); ++end) {
            const QChar c = end == 0 ? t.front() : t.back();
            const bool sign = c == u'-' || c == u'+' || c == QChar(0x2212);
            if (!sign && c.category() != QChar::Symbol_Currency)
                continue;
            if (sign) {
                if (negative && c != u'+')
                    return std::nullopt;   // two minus signs
                negative = c != u'+';
            }
            t = (end == 0 ? t.sliced(1) : t.chopped(1)).trimmed();
            changed = true;
        }
    }
    QString body;
    body.reserve(t.size());
    for (QChar c : t)
        if (!isGroupBlank(c))
            body.append(c);
    if (body.isEmpty())
        return std::nullopt;

    QChar point = u'.', group = u',';
    if (mark == DecimalMark::Comma)
        std::swap(point, group);
    if (mark == DecimalMark::Guess) {
        const qsizetype lastPoint = body.lastIndexOf(u'.'), lastComma = body.lastIndexOf(u',');
        if (lastPoint >= 0 && lastComma >= 0) {
            if (lastComma > lastPoint)
                std::swap(point, group);
        } else if (lastComma >= 0) {
            // One comma before exactly three digits groups them ("1,234");
            // otherwise it is the decimal comma ("12,50").
            const bool groups = body.count(u',') > 1 || body.size() - lastComma - 1 == 3;
            if (!groups)
                std::swap(point, group);
        } else if (body.count(u'.') > 1) {
            std::swap(point, group);   // "1.234.567"
        }
    }

    const qsizetype at = body.indexOf(point);
    if (at >= 0 && body.indexOf(point, at + 1) >= 0)
        return std::nullopt;
    const QStringView whole = at < 0 ? QStringView(body) : QStringView(body).first(at);
    const QStringView fraction = at < 0 ? QStringView() : QStringView(body).sliced(at + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    __int128 units = 0;
    if (!readWhole(whole, group, units))
        return std::nullopt;
    int digits = 0;
    bool roundUp = false;
    for (QChar c : fraction) {
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
        if (digits < 4)
            units = units * 10 + (c.unicode() - '0');
        else if (digits == 4)
            roundUp = c.unicode() >= '5';
        ++digits;
    }
    for (; digits < 4; ++digits)
        units *= 10;
    if (roundUp)
        ++units;
    if (units > std::numeric_limits<Money>::max())
        return std::nullopt;
    return negative ? -Money(units) : Money(units);
}

QDate parseStatementDate(QStringView text, DateOrder order, int pivotYear)
{
    int parts[3] = {0, 0, 0};
    int widths[3] = {0, 0, 0};
    bool apostropheYear = false;
    int n = -1;
    bool inNumber = false;
    const QStringView t = text.trimmed();
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128) {
            if (!inNumber) {
                if (++n == 3)
                    return {};
                inNumber = true;
            }
            if (++widths[n] > 8)
                return {};
            parts[n] = parts[n] * 10 + (c.unicode() - '0');
            continue;
        }
        // A time after the date ("2026-03-15 10:30", "2026-03-15T10:30") is left unread.
        if (n == 2 && (c == u' ' || c == u'T'))
            break;
        if (c == u'\'') {
            if (n != 1)
                return {};
            apostropheYear = true;
        } else if (c != u'-' && c != u'/' && c != u'.' && c != u' ') {
            return {};
        }
        inNumber = false;
    }
    // Eight digits in one piece: YYYYMMDD.
    if (n == 0 && widths[0] == 8 && order == DateOrder::YMD) {
        const int v = parts[0];
        return QDate(v / 10000, v / 100 % 100, v % 100);
    }
    if (n != 2 || widths[0] > 4 || widths[1] > 4 || widths[2] > 4)
        return {};
    const int yi = order == DateOrder::YMD ? 0 : 2;
    const int mi = order == DateOrder::MDY ? 0 : 1;
    const int di = order == DateOrder::MDY ? 1 : order == DateOrder::DMY ? 0 : 2;
    if (widths[mi] > 2 || widths[di] > 2 || (widths[yi] != 2 && widths[yi] != 4 && !(apostropheYear && widths[yi] == 1)))
        return {};
    int year = parts[yi];
    if (apostropheYear && yi == 2) {
        if (widths[yi] <= 2)
            year += 2000;
    } else if (widths[yi] == 2) {
        // The century that puts the year nearest the pivot.
        const int century = pivotYear / 100 * 100;
        int best = century + year;
        for (int c : {century - 100, century + 100})
            if (std::abs(c + year - pivotYear) < std::abs(best - pivotYear))
                best = c + year;
        year = best;
    }
    const QDate d(year, parts[mi], parts[di]);
    return d.isValid() ? d : QDate();
}

QString dateOrderName(DateOrder order)
{
    switch (order) {
    case DateOrder::MDY: return QStringLiteral("MDY");
    case DateOrder::DMY: return QStringLiteral("DMY");
    case DateOrder::YMD: return QStringLiteral("YMD");
    }
    return {};
}

std::optional<DateOrder> dateOrderFromName(QStringView name)
{
    for (DateOrder o : {DateOrder::MDY, DateOrder::DMY, DateOrder::YMD})
        if (name.compare(dateOrderName(o), Qt::CaseInsensitive) == 0)
            return o;
    return std::nullopt;
}

} // namespace cw
