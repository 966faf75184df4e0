#pragma once
// Blank trimming as the stored texts need it: only blanks (0x20) are removed,
// never tabs or other white space.

#include <QString>
#include <QStringView>

namespace cw {

inline QString trimBlanks(QStringView text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && text[from] == u' ')
        ++from;
    while (to > from && text[to - 1] == u' ')
        --to;
    return text.mid(from, to - from).toString();
}

inline QString trimRightBlanks(QStringView text)
{
    qsizetype to = text.size();
    while (to > 0 && text[to - 1] == u' ')
        --to;
    return text.left(to).toString();
}

} // namespace cw
