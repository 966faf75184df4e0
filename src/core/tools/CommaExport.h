#pragma once
// The comma-delimited export of a report's categories and month range.
//
// One line per exported entry, Windows-1252, ended by CR LF:
//   "MM-DD-YYYY","CD"," -12.5 ","note, 40 characters, quotes blanked"
// The date is the stored date's first six characters and the year text; the
// amount has a blank (or a minus), up to four decimals without trailing
// zeros, no grouping, no 0 before the decimal separator, and one blank.

#include "store/CategoryRecord.h"
#include "store/Env.h"
#include "store/LedgerEntry.h"
#include "store/Message.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace cw {

QString exportAmountText(Money amount, QChar decimalPoint);

QByteArray exportLine(const LedgerEntry& entry, const QString& yearText, QChar decimalPoint);

struct ExportRange {
    int startMonth = 1;   // both ends included
    int endMonth = 12;
    QChar flag = u'A';    // where the month stands in the stored date
    QString yearText;     // the data file name's first four characters
    QChar decimalPoint = u'.';
};

// The lines for `entries` in their order: for each entry, one line per
// selection record (the unwritten first one included) whose code equals the
// entry's, blank fill included, when the entry's month lies in the range.
QByteArray exportLines(const std::vector<LedgerEntry>& entries, const std::vector<CategoryRecord>& selection,
                       const ExportRange& range, qsizetype* lineCount = nullptr);

// The year text of a year data file: the first four characters of its name.
QString exportYearText(const QString& dataFile);

// "January through March, 1998; 4 categories."
QString exportRangeText(int startMonth, int endMonth, const QString& yearText, qsizetype chosenCategories);

// The folder, a "/" unless its trimmed path already ends in one, and the
// file name unchanged.
QString exportTargetPath(const QString& folder, const QString& fileName);

// Why the target may not be written, or nullopt: a file the program keeps
// ("This file belongs to the ledger; choose another name.", title "Data
// Export"; letter case does not count) or a link.
std::optional<Message> refusedExportTarget(Env& env, const QString& target);

// Whether the target already holds data (then the append question is
// asked). An empty file name or a target that exists but cannot be read is a
// failure.
Result<bool> exportTargetHoldsData(Env& env, const QString& target);

// Writes the export lines of `dataFile` for the selection file's categories
// after whatever the target holds (an empty or new target just gets them),
// through the safe rewrite; the decimal separator is the program locale's.
// An empty file name or a file that cannot be read or written is a failure
// (a failed write names the target), and nothing changes then; so is a
// refused target (refusedExportTarget). Returns the
// number of lines written.
Result<qsizetype> commafile(Env& env, const QString& target, const QString& dataFile,
                            const QString& selectionFile, int startMonth, int endMonth, QChar flag);

Message selectCategoriesFirstMessage();              // "You must select categories first!"
Message appendExportQuestion(const QString& target); // "... already exists!" Yes/No
Message exportFinishedMessage(const QString& target);

} // namespace cw
