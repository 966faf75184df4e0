// A CSV file of any bytes: split by libcsv under each delimiter, the
// delimiter and mapping guessed, the rows mapped, and the program's own
// export read. Whatever the input, the mapping survives its text form and
// each record after the header lines gives one row.

#include "FuzzSupport.h"
#include "core/imports/CsvReader.h"
#include "core/imports/StatementFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QChar flag = size % 2 ? u'E' : u'A';
    (void)cw::detectStatementFormat(bytes);
    const char detected = cw::detectCsvDelimiter(bytes);
    FUZZ_CHECK(detected == ',' || detected == ';' || detected == '\t');

    for (const char delimiter : {',', ';', '\t'}) {
        const cw::CsvTable table = cw::readCsvTable(bytes, delimiter);
        if (table.failure) {
            FUZZ_CHECK(table.failure->line >= 1);
            continue;
        }
        int line = 0;
        for (const cw::CsvRecord& r : table.records) {
            FUZZ_CHECK(r.line >= line);
            line = r.line;
        }
        cw::CsvMapping m = cw::guessCsvMapping(table, delimiter, flag, 2026);
        FUZZ_CHECK(cw::CsvMapping::fromText(m.toText()) == m);
        const std::vector<cw::StatementRow> rows = cw::mapCsvRows(table, m, 2026);
        FUZZ_CHECK(qsizetype(rows.size()) == qMax<qsizetype>(0, qsizetype(table.records.size()) - m.skip));
        for (const cw::StatementRow& r : rows)
            FUZZ_CHECK(r.error.isEmpty() == (r.date.isValid() && r.amount.has_value()));

        // Debit and credit columns over whatever the first two columns hold.
        m.amountCol = 0;
        m.debitCol = 1;
        m.creditCol = 2;
        m.decimalComma = !m.decimalComma;
        for (const cw::StatementRow& r : cw::mapCsvRows(table, m, 2026))
            FUZZ_CHECK(r.error.isEmpty() == (r.date.isValid() && r.amount.has_value()));
    }
    const cw::StatementRead own = cw::readOwnExport(bytes, flag, 2026);
    for (const cw::StatementRow& r : own.rows)
        FUZZ_CHECK(r.exactNote);
    return 0;
}
