#pragma once
// CSV statements through libcsv (RFC 4180 quoting): the table of fields,
// the delimiter and mapping guessed from it, and the rows a mapping gives.

#include "StatementRow.h"
#include "StatementValues.h"

#include <QByteArrayView>
#include <QList>
#include <QStringList>

namespace cw {

struct CsvRecord {
    int line = 0;   // where the record starts
    QStringList fields;
};

struct CsvTable {
    std::vector<CsvRecord> records;
    std::optional<StatementFailure> failure;
};

// The records of `bytes` split at `delimiter`; text is UTF-8 when the whole
// file is valid UTF-8, otherwise Windows-1252. Blank lines are no records.
// A quote where none may stand, an unclosed quote or binary data is a
// failure at its line.
CsvTable readCsvTable(QByteArrayView bytes, char delimiter);

// The delimiter of the first lines: comma, semicolon or tab, whichever
// stands the same number of times (and at least once) on each of them,
// the most often; a comma when none does.
char detectCsvDelimiter(QByteArrayView bytes);

// Which column holds what; columns count from 1, 0 is none.
struct CsvMapping {
    char delimiter = ',';
    int skip = 0;   // header lines left out
    int dateCol = 0;
    DateOrder dateOrder = DateOrder::MDY;
    int amountCol = 0;
    int debitCol = 0;    // money out, whatever its sign
    int creditCol = 0;   // money in, whatever its sign
    bool decimalComma = false;
    QList<int> noteCols;   // joined by a blank
    int codeCol = 0;

    bool operator==(const CsvMapping&) const = default;
    // The mapping as one line of text, and back (nullopt when it is none).
    QString toText() const;
    static std::optional<CsvMapping> fromText(QStringView text);
};

// "3 4" -> {3, 4}; anything but numbers and blanks is left out.
QList<int> parseColumnList(QStringView text);
QString columnListText(const QList<int>& columns);

// A first mapping for a table read with `delimiter`: a first line without a
// date is a header; columns are taken by their header's words (date, amount,
// debit, credit, description, ...) or, failing that, by what their values
// read as. The date order tried first is the flag's.
CsvMapping guessCsvMapping(const CsvTable& table, char delimiter, QChar dateFlag, int activeYear);

// The statement rows of the table under `mapping`.
std::vector<StatementRow> mapCsvRows(const CsvTable& table, const CsvMapping& mapping, int activeYear);

// The file's first line, as the mapping is remembered by it.
QString csvHeaderLine(QByteArrayView bytes);

} // namespace cw
