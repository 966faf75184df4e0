#pragma once
// One statement file on its way into the year: read once, its format
// recognised, its rows read (a CSV file's under the mapping remembered for
// its first line, else a guessed one) and read again when the mapping
// changes.

#include "CsvReader.h"
#include "ImportMemory.h"
#include "StatementFile.h"

namespace cw {

// Why a file gives no rows: it cannot be read (status), or it is not a
// statement (failure at a line).
struct StatementProblem {
    Status status;
    std::optional<StatementFailure> failure;
};

class StatementImport {
public:
    // Reads `path` through the Env; the rows' dates use the flag's order (QIF,
    // the program's export) and two-digit years near `activeYear`.
    std::optional<StatementProblem> load(Env& env, const QString& path, const ImportMemory& memory, QChar flag,
                                         int activeYear);

    StatementFormat format() const { return format_; }
    bool isCsv() const { return format_ == StatementFormat::Csv; }
    const QString& path() const { return path_; }
    const std::vector<StatementRow>& rows() const { return rows_; }

    // CSV: the mapping in use, whether it was remembered for this file's
    // first line, and that line.
    const CsvMapping& mapping() const { return mapping_; }
    bool mappingRemembered() const { return remembered_; }
    const QString& headerLine() const { return header_; }
    // Reads the rows again under `mapping` (the fields again when the
    // delimiter changed).
    std::optional<StatementProblem> setMapping(const CsvMapping& mapping);

private:
    QString path_;
    QByteArray bytes_;
    StatementFormat format_ = StatementFormat::Csv;
    std::vector<StatementRow> rows_;
    CsvTable table_;
    CsvMapping mapping_;
    bool remembered_ = false;
    QString header_;
    int activeYear_ = 0;
};

} // namespace cw
