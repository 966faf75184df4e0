#pragma once
// What an import does with each statement row: the entry it would store,
// its state (new, duplicate, other year, error), the category it gets, and
// the one rewrite of the year data file that stores the ticked rows.

#include "StatementRow.h"
#include "store/Env.h"
#include "store/LedgerEntry.h"
#include "store/Message.h"

#include <QSet>
#include <optional>
#include <vector>

namespace cw {

enum class ImportState { New, Duplicate, OtherYear, Error };

struct ImportRow {
    ImportState state = ImportState::New;
    QString error;          // the reason of an Error row
    LedgerEntry entry;      // as it will be stored (no date for an Error row)
    bool amountRead = true;         // false when the row's amount cannot be read
    bool codeFromDefault = false;   // the code is the default category's
    bool ticked = false;
    QString fitid;

    bool canTick() const { return state == ImportState::New || state == ImportState::Duplicate; }
    // "new", "duplicate", "other year", "error: " and the reason.
    QString stateText() const;
};

struct ImportContext {
    QChar flag = u'A';
    int activeYear = 0;
    QString defaultCode;          // the category a row gets when nothing is guessed
    QSet<QString> knownFitids;    // imported into this year before
};

// One row per statement row, in order. The date is stored in the flag's
// order with its year's two digits; the note as 40 characters of
// Windows-1252. A row is a duplicate when an entry equal in date, amount and
// note is in the year or earlier in the file, or its FITID was imported
// before or stands earlier in the file. The code is the file's own, else the
// guessed one (the newest entry of the year, by date then file order, whose
// note equals the row's, trimmed and case ignored; else whose note's first
// word is the row's first word), else the default. Only new rows are ticked.
// `yearRecords` are the year data file's bytes.
std::vector<ImportRow> planImport(const std::vector<StatementRow>& rows, QByteArrayView yearRecords,
                                  const ImportContext& context);

// Gives the rows that took the default category the new one.
void setDefaultCategory(std::vector<ImportRow>& rows, const QString& code);

struct ImportOutcome {
    qsizetype written = 0;
    qsizetype duplicatesSkipped = 0;   // duplicate rows not ticked
    qsizetype otherYear = 0;
    QStringList fitids;                // of the rows written
    std::optional<Message> refused;    // a ticked row that cannot be stored; nothing written
    Status status;                     // the data file could not be read or written
};

// Inserts the ticked rows' entries, in row order, into `dataFile` with one
// safe rewrite: byte for byte what inserting them one by one gives.
ImportOutcome writeImport(Env& env, const QString& dataFile, const std::vector<ImportRow>& rows, QChar flag);

// "N entries imported, M duplicates skipped, K for other years."
Message importSummaryMessage(const ImportOutcome& outcome);

} // namespace cw
