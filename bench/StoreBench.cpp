// Reading and changing a year data file of N entries.

#include "BenchSupport.h"
#include "store/LedgerFile.h"

#include <benchmark/benchmark.h>

using namespace cw;
using cwbench::NoFlushEnv;
using cwbench::YearFolder;

namespace {

LedgerEntry midYearEntry()
{
    LedgerEntry e;
    e.setDate(QStringLiteral("07-01-26"));
    e.setCode(QStringLiteral("FT"));
    e.amount = -125000;
    e.setNote(QStringLiteral("benchmark"));
    return e;
}

void BM_ReadAllEntries(benchmark::State& state)
{
    YearFolder& year = YearFolder::get(int(state.range(0)));
    LedgerFile file(year.dataFile());
    for (auto _ : state) {
        Result<std::vector<LedgerEntry>> all = file.readAll();
        benchmark::DoNotOptimize(all->data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void insertBench(benchmark::State& state, Env* env)
{
    YearFolder& year = YearFolder::get(int(state.range(0)));
    LedgerFile file(year.dataFile(), env);
    for (auto _ : state) {
        Status s = file.insertInOrder(midYearEntry(), 'A');
        state.PauseTiming();
        if (!s)
            state.SkipWithError("insert failed");
        year.restore();
        state.ResumeTiming();
    }
}

void BM_InsertEntry(benchmark::State& state)
{
    NoFlushEnv env;
    insertBench(state, &env);
}

void BM_InsertEntryDurable(benchmark::State& state) { insertBench(state, Env::posix()); }

void BM_ReplaceEntry(benchmark::State& state)
{
    YearFolder& year = YearFolder::get(int(state.range(0)));
    NoFlushEnv env;
    LedgerFile file(year.dataFile(), &env);
    // The entry in the middle of the file, so half of it is searched.
    LedgerEntry a = year.entries()[year.entries().size() / 2], b = a;
    b.setNote(QStringLiteral("replaced"));
    for (auto _ : state) {
        Result<bool> found = file.replace(a, b);
        if (!found || !*found)
            state.SkipWithError("replace failed");
        std::swap(a, b);
    }
    year.restore();
}

void BM_DeleteEntry(benchmark::State& state)
{
    YearFolder& year = YearFolder::get(int(state.range(0)));
    NoFlushEnv env;
    LedgerFile file(year.dataFile(), &env);
    const LedgerEntry victim = year.entries()[year.entries().size() / 2];
    for (auto _ : state) {
        Result<bool> found = file.deleteOne(victim);
        state.PauseTiming();
        if (!found || !*found)
            state.SkipWithError("delete failed");
        year.restore();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_ReadAllEntries)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertEntry)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceEntry)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteEntry)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertEntryDurable)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
