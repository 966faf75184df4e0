// The utilities over a year of N entries: sorting a shuffled data file and
// exporting every entry to a comma-delimited file.


#include "BenchSupport.h"
#include "core/tools/CommaExport.h"
#include "core/tools/Sorter.h"

#include <benchmark/benchmark.h>
#include <random>

using namespace cw;

namespace {

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QByteArray shuffledYear(const cwbench::YearFolder& year)
{
    std::vector<LedgerEntry> entries = year.entries();
    std::shuffle(entries.begin(), entries.end(), std::mt19937(42));
    return encodeRecords(entries);
}

// Read, sort and durable safe rewrite of the whole file.
void BM_SortMainFile(benchmark::State& state)
{
    cwbench::YearFolder& year = cwbench::YearFolder::get(int(state.range(0)));
    const QByteArray shuffled = shuffledYear(year);
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(year.dataFile(), shuffled);
        state.ResumeTiming();
        const Result<SortRun> run = sortMainFile(*Env::posix(), year.dataFile(), 'A');
        if (!run || !run->written)
            state.SkipWithError("sort failed");
    }
    year.restore();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SortMainFile)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state)
{
    cwbench::YearFolder& year = cwbench::YearFolder::get(int(state.range(0)));
    std::vector<CategoryRecord> selection(1);
    for (const char* code : {"FT", "CA", "HM", "SA", "UT", "EN", "MD", "TX"}) {
        selection.emplace_back();
        selection.back().setCode(QString::fromLatin1(code));
    }
    writeFile(QStringLiteral("tempcats.$$$"), encodeRecords(selection));
    cwbench::NoFlushEnv env;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(QStringLiteral("CWK_DATA.TXT"));
        state.ResumeTiming();
        const Result<qsizetype> lines = commafile(env, QStringLiteral("CWK_DATA.TXT"), year.dataFile(),
                                                  QStringLiteral("tempcats.$$$"), 1, 12, u'A');
        if (!lines || *lines != state.range(0))
            state.SkipWithError("export failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Export)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

