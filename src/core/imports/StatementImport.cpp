#include "StatementImport.h"

#include "OfxReader.h"
#include "QifReader.h"

namespace cw {

std::optional<StatementProblem> StatementImport::load(Env& env, const QString& path, const ImportMemory& memory,
                                                      QChar flag, int activeYear)
{
    *this = StatementImport{};
    path_ = path;
    activeYear_ = activeYear;
    Result<QByteArray> bytes = readStatementFile(env, path);
    if (!bytes)
        return StatementProblem{bytes.status(), std::nullopt};
    bytes_ = std::move(*bytes);
    format_ = detectStatementFormat(bytes_);

    StatementRead read;
    switch (format_) {
    case StatementFormat::Ofx: read = readOfx(bytes_); break;
    case StatementFormat::Qif: read = readQif(bytes_, flag, activeYear); break;
    case StatementFormat::OwnExport: read = readOwnExport(bytes_, flag, activeYear); break;
    case StatementFormat::Csv: {
        header_ = csvHeaderLine(bytes_);
        const auto known = memory.mappings.find(header_);
        std::optional<CsvMapping> mapping;
        if (known != memory.mappings.end())
            mapping = CsvMapping::fromText(known->second);
        remembered_ = mapping.has_value();
        if (!mapping) {
            const char delimiter = detectCsvDelimiter(bytes_);
            table_ = readCsvTable(bytes_, delimiter);
            if (table_.failure)
                return StatementProblem{Status::ok(), table_.failure};
            mapping = guessCsvMapping(table_, delimiter, flag, activeYear);
        }
        mapping_.delimiter = 0;   // the table is read for the mapping's delimiter if not yet
        if (!remembered_)
            mapping_.delimiter = mapping->delimiter;
        return setMapping(*mapping);
    }
    }
    if (read.failure)
        return StatementProblem{Status::ok(), read.failure};
    rows_ = std::move(read.rows);
    return std::nullopt;
}

std::optional<StatementProblem> StatementImport::setMapping(const CsvMapping& mapping)
{
    if (!isCsv())
        return std::nullopt;
    if (mapping.delimiter != mapping_.delimiter || table_.records.empty()) {
        table_ = readCsvTable(bytes_, mapping.delimiter);
        if (table_.failure) {
            rows_.clear();
            mapping_ = mapping;
            return StatementProblem{Status::ok(), table_.failure};
        }
    }
    mapping_ = mapping;
    rows_ = mapCsvRows(table_, mapping_, activeYear_);
    return std::nullopt;
}

} // namespace cw
