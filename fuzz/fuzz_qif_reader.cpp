// A QIF file of any bytes: read in both date orders, then planned into a
// small year. Whatever the input, rows come in file order, a row without an
// error has its date and amount, and only new rows start ticked.

#include "FuzzSupport.h"
#include "core/imports/ImportPlan.h"
#include "core/imports/QifReader.h"
#include "store/RecordFile.h"

namespace {

QByteArray smallYear()
{
    std::vector<cw::LedgerEntry> year(2);
    year[0].setDate(QStringLiteral("03-15-26"));
    year[0].setCode(QStringLiteral("FD"));
    year[0].amount = -75000;
    year[0].setNote(QStringLiteral("CORNER GROCERY"));
    year[1].setDate(QStringLiteral("01-02-26"));
    year[1].setCode(QStringLiteral("PY"));
    year[1].amount = 25000000;
    year[1].setNote(QStringLiteral("ACME PAYROLL"));
    return cw::encodeRecords(year);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QByteArray year = smallYear();
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QChar flag = size % 2 ? u'E' : u'A';
    const cw::StatementRead read = cw::readQif(bytes, flag, 2026);
    if (read.failure) {
        FUZZ_CHECK(read.failure->line >= 1);
        FUZZ_CHECK(!read.failure->reason.isEmpty());
        return 0;
    }
    int line = 0;
    for (const cw::StatementRow& r : read.rows) {
        FUZZ_CHECK(r.line > line);
        line = r.line;
        FUZZ_CHECK(r.error.isEmpty() == (r.date.isValid() && r.amount.has_value()));
    }

    cw::ImportContext context;
    context.flag = flag;
    context.activeYear = 2026;
    context.defaultCode = QStringLiteral("MI");
    const std::vector<cw::ImportRow> plan = cw::planImport(read.rows, year, context);
    FUZZ_CHECK(plan.size() == read.rows.size());
    for (size_t i = 0; i < plan.size(); ++i) {
        FUZZ_CHECK((plan[i].state == cw::ImportState::Error) == !read.rows[i].error.isEmpty());
        FUZZ_CHECK(plan[i].ticked == (plan[i].state == cw::ImportState::New));
        FUZZ_CHECK(!plan[i].codeFromDefault || plan[i].entry.codeText() == QStringLiteral("MI"));
    }
    return 0;
}
