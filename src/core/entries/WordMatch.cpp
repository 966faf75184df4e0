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

FindScan scanNotes(QStringView search, qsizetype next, qsizetype rowCount,
                   const std::function<QString(qsizetype)>& noteAt)
{
    FindScan scan;
    scan.next = next;
    for (qsizetype row = next; row < rowCount; ++row) {
        scan.lastExamined = row;
        scan.next = row + 1;
        if (noteHolds(search, noteAt(row))) {
            scan.hit = row;
            break;
        }
    }
    return scan;
}

Message findNextQuestion()
{
    return {QStringLiteral("Find next?"), QStringLiteral("Searching..."), Message::Icon::Question};
}

Message findDoneMessage()
{
    return {QStringLiteral("That's all!"), QStringLiteral("Done searching"), Message::Icon::Warning};
}

} // namespace cw
