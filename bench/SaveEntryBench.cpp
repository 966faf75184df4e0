// Save EXPENSE end to end without the window: the typed amount converted, the
// entry checked and inserted in order into a year data file of N entries, and
// the entry list model reloaded on the entry's category, as the editor does.


#include "BenchSupport.h"
#include "core/entries/EntryEditorLogic.h"
#include "gui/main/EntryListModel.h"

#include <benchmark/benchmark.h>

namespace {

void saveEntry(benchmark::State& state, cw::Env* env)
{
    cwbench::YearFolder& year = cwbench::YearFolder::get(int(state.range(0)));
    const cw::LedgerFile file(year.dataFile(), env);
    const cw::EntryFields typed{QStringLiteral("07-01"), QStringLiteral("26"), QStringLiteral("FT"),
                                QStringLiteral("$1,234.50"), QStringLiteral("benchmark")};
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    for (auto _ : state) {
        const cw::EntryChange change = cw::saveNewEntry(file, typed, true, u'A', locale);
        cw::EntryListModel model;
        const cw::Status listed = model.load(*env, year.dataFile(), QStringLiteral("FT"));
        benchmark::DoNotOptimize(model.totals().balance);
        state.PauseTiming();
        if (!change.done || !listed)
            state.SkipWithError("save failed");
        year.restore();
        state.ResumeTiming();
    }
}

// Flushed to disk as the program does it.
void BM_SaveEntry(benchmark::State& state) { saveEntry(state, cw::Env::posix()); }

// The same work without the flushes: the program's share of the time.
void BM_SaveEntryNoFlush(benchmark::State& state)
{
    cwbench::NoFlushEnv env;
    saveEntry(state, &env);
}

BENCHMARK(BM_SaveEntry)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveEntryNoFlush)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

