#include "Win1252.h"

#include <array>
#include <cstring>

namespace cw {
namespace {

// 0x80..0x9F; the five bytes the code page leaves undefined map to the
// control character of the same number, so they survive a round trip.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QChar win1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHigh[byte - 0x80]);
    return QChar(char16_t(byte));
}

int unicodeToWin1252(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return int(ch);
    for (int i = 0; i < int(kHigh.size()); ++i)
        if (kHigh[size_t(i)] == ch)
            return 0x80 + i;
    return -1;
}

bool win1252Holds(QChar ch) { return unicodeToWin1252(ch.unicode()) >= 0; }

QString fromWin1252(const char* bytes, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < size; ++i)
        dst[i] = win1252ToUnicode(static_cast<unsigned char>(bytes[i]));
    return out;
}

QByteArray toWin1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t ch = text.at(i).unicode();
        // A surrogate pair is one character the code page cannot hold.
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i, ch = 0x10000;
        const int b = unicodeToWin1252(ch);
        out.append(b < 0 ? '?' : char(b));
    }
    return out;
}

void putFixedText(char* field, qsizetype width, const QString& text)
{
    const QByteArray bytes = toWin1252(text);
    const qsizetype n = qMin(width, bytes.size());
    std::memcpy(field, bytes.constData(), size_t(n));
    std::memset(field + n, ' ', size_t(width - n));
}

QString fixedTextTrimmedRight(const char* field, qsizetype width)
{
    qsizetype n = width;
    while (n > 0 && field[n - 1] == ' ')
        --n;
    return fromWin1252(field, n);
}

} // namespace cw
