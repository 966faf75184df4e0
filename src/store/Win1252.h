#pragma once
// Windows-1252, the single-byte code page of every stored text field.
// Qt's own encoder writes 0x1A for what it cannot map; this one writes "?".

#include <QByteArray>
#include <QString>

namespace cw {

QChar win1252ToUnicode(unsigned char byte);
// The byte for a character, or -1 when Windows-1252 does not hold it.
int unicodeToWin1252(char32_t ch);
bool win1252Holds(QChar ch);

QString fromWin1252(const char* bytes, qsizetype size);
inline QString fromWin1252(const QByteArray& bytes) { return fromWin1252(bytes.constData(), bytes.size()); }
// Characters the code page lacks become "?".
QByteArray toWin1252(const QString& text);

// Fixed-width text fields: the text cut to the width or padded with blanks.
void putFixedText(char* field, qsizetype width, const QString& text);
// The field's text with trailing blanks removed.
QString fixedTextTrimmedRight(const char* field, qsizetype width);

} // namespace cw
