#include "WordMatch.h"

#include "store/Blanks.h"

namespace cw {

QString findSearchText(const QString& answer) { return trimBlanks(answer.toUpper()); }

bool wordMatch(QStringView search, QStringView text)
{
    // The word so far is text[wordStart, i]; a blank empties it.
    const qsizetype s = search.size();
    qsizetype wordStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u' ') {
            wordStart = i + 1;
            if (s == 0)
                return true;
            continue;
        }
        const qsizetype length = i - wordStart + 1;
        if (length == s && text.mid(wordStart, length) == search)
            return true;
        if (length >= 2 && length - 1 == s && text.mid(wordStart + 1, s) == search)
            return true;
    }
    return false;
}

bool noteHolds(QStringView search, const QString& note)
{
    return wordMatch(search, trimBlanks(note).toUpper());
}

} // namespace cw
