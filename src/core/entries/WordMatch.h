#pragma once
// Find's word match over the notes of the entry list.

#include "store/Message.h"

#include <QString>
#include <QStringView>
#include <functional>

namespace cw {

// The search text as it is remembered and searched for: upper case, then
// leading and trailing blanks removed.
QString findSearchText(const QString& answer);

// Whether `search` begins a blank-separated word of `text`, or begins at the
// second character of such a word. Both are compared exactly, so callers
// pass upper-cased texts. An empty search text hits at the first blank.
bool wordMatch(QStringView search, QStringView text);

// The match on a note as the list shows it: trimmed and upper-cased first.
bool noteHolds(QStringView search, const QString& note);

// One scan of Find over the listed rows from `next` on, in order. Each row
// examined moves `next` past it; the scan stops at the first row whose note
// holds the search text.
struct FindScan {
    qsizetype hit = -1;            // the row found, -1 for none
    qsizetype lastExamined = -1;   // -1 when no row was left to examine
    qsizetype next = 0;            // the row the next scan starts at
};
FindScan scanNotes(QStringView search, qsizetype next, qsizetype rowCount,
                   const std::function<QString(qsizetype)>& noteAt);

inline const QString kFindPrompt = QStringLiteral("Find what?");
inline const QString kFindTitle = QStringLiteral("Search for a word");
Message findNextQuestion();   // "Find next?", title "Searching..."
Message findDoneMessage();    // "That's all!", title "Done searching"

} // namespace cw
