// Importing a 10,000-row CSV statement into a year of 100,000 entries: the
// file read and mapped, categories guessed, duplicates found, one rewrite.

#ifdef HAVE_CW_IMPORTS

#include "BenchSupport.h"
#include "core/imports/ImportPlan.h"
#include "core/imports/StatementImport.h"

#include <benchmark/benchmark.h>

using namespace cw;

namespace {

QByteArray amountText(Money m)
{
    const Money a = m < 0 ? -m : m;
    return (m < 0 ? "-" : "") + QByteArray::number(a / kMoneyScale) + '.'
        + QByteArray::number(a % kMoneyScale).rightJustified(4, '0');
}

// A third of the notes equal a note of the year, a third share its first
// word, a third are new; every 50th row is an entry of the year again.
QByteArray statement(const std::vector<LedgerEntry>& year, int rows)
{
    QByteArray out = "Date,Description,Amount\r\n";
    for (int i = 0; i < rows; ++i) {
        if (i % 50 == 0) {
            const LedgerEntry& e = year[size_t(i) * year.size() / size_t(rows)];
            const QByteArray d = e.dateText().toLatin1();
            out += d.left(2) + '/' + d.mid(3, 2) + "/2026," + e.noteTrimmed().toLatin1() + ',' + amountText(e.amount) + "\r\n";
            continue;
        }
        const QDate d = QDate(2026, 1, 1).addDays(i % 365);
        const QByteArray note = i % 3 == 0 ? "entry " + QByteArray::number(i * 7)
                                : i % 3 == 1 ? "Entry fee " + QByteArray::number(i)
                                             : "SHOP " + QByteArray::number(i);
        out += d.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ',' + note + ',' + amountText(-(1000 + i * 37)) + "\r\n";
    }
    return out;
}

void BM_Import(benchmark::State& state)
{
    cwbench::YearFolder& year = cwbench::YearFolder::get(100000);
    const int rows = int(state.range(0));
    {
        QFile f(QStringLiteral("BANK.CSV"));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(statement(year.entries(), rows));
    }
    cwbench::NoFlushEnv env;
    ImportContext context;
    context.activeYear = 2026;
    context.defaultCode = QStringLiteral("MI");
    for (auto _ : state) {
        StatementImport file;
        if (file.load(env, QStringLiteral("BANK.CSV"), {}, u'A', 2026)) {
            state.SkipWithError("statement not read");
            break;
        }
        FileContents records;
        if (!env.mapFile(year.dataFile(), false, &records)) {
            state.SkipWithError("year not read");
            break;
        }
        const std::vector<ImportRow> plan = planImport(file.rows(), records.view(), context);
        const ImportOutcome out = writeImport(env, year.dataFile(), plan, u'A');
        state.PauseTiming();
        if (!out.status || out.written != rows - rows / 50)
            state.SkipWithError("import failed");
        year.restore();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Import)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

#endif
