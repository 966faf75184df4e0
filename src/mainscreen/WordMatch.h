#pragma once
// Find's word match over the notes of the entry list.

#include <QString>
#include <QStringView>

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

} // namespace cw
