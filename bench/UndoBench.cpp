// Undo of a Save, end to end as the editor and Edit, Undo do it: the year
// file held, the entry saved and the change kept, the list reloaded; then the
// change taken back and the list reloaded again. And what twenty steps keep.

#include "BenchSupport.h"
#include "core/entries/EntryEditorLogic.h"
#include "core/session/DateFormatLogic.h"
#include "core/session/UndoHistory.h"
#include "core/tools/Sorter.h"
#include "gui/main/EntryListModel.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

const cw::EntryFields kTyped{QStringLiteral("07-01"), QStringLiteral("26"), QStringLiteral("FT"),
                             QStringLiteral("$1,234.50"), QStringLiteral("benchmark")};

bool reload(cw::Env& env, const QString& file)
{
    cw::EntryListModel model;
    const cw::Status listed = model.load(env, file, QStringLiteral("FT"));
    benchmark::DoNotOptimize(model.totals().balance);
    return listed.isOk();
}

bool save(cw::UndoHistory& history, cw::Env& env, const QString& file)
{
    cw::UndoScope scope(&history, env, {file});
    return cw::saveNewEntry(cw::LedgerFile(file, &env), kTyped, true, u'A',
                            QLocale(QLocale::English, QLocale::UnitedStates)).done;
}

// One Save and its Undo; compare with BM_SaveEntry.
void BM_UndoSave(benchmark::State& state)
{
    cwbench::YearFolder& year = cwbench::YearFolder::get(int(state.range(0)));
    cw::Env& env = *cw::Env::posix();
    for (auto _ : state) {
        cw::UndoHistory history;
        bool ok = save(history, env, year.dataFile()) && reload(env, year.dataFile());
        ok = ok && history.undo(env).done() && reload(env, year.dataFile());
        state.PauseTiming();
        if (!ok)
            state.SkipWithError("save or undo failed");
        year.restore();
        state.ResumeTiming();
    }
}

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Twenty steps over a year: eighteen saves, a sort and a date conversion;
// counters give what the history keeps and the process's peak memory.
void BM_UndoTwentySteps(benchmark::State& state)
{
    cwbench::YearFolder& year = cwbench::YearFolder::get(int(state.range(0)));
    cw::Env& env = *cw::Env::posix();
    qsizetype held = 0;
    for (auto _ : state) {
        cw::UndoHistory history;
        bool ok = true;
        for (int i = 0; i < 18; ++i)
            ok = ok && save(history, env, year.dataFile());
        {
            cw::UndoScope scope(&history, env, {year.dataFile()});
            ok = ok && cw::sortMainFile(env, year.dataFile(), 'E').isOk();
        }
        {
            cw::UndoScope scope(&history, env, {year.dataFile()});
            ok = ok && cw::convertDataFileDates(env, year.dataFile()).isOk();
        }
        held = history.heldBytes();
        state.PauseTiming();
        if (!ok)
            state.SkipWithError("a step failed");
        year.restore();
        state.ResumeTiming();
    }
    state.counters["held_MB"] = double(held) / (1024 * 1024);
    state.counters["peak_MB"] = double(peakResidentKiB()) / 1024;
}

BENCHMARK(BM_UndoSave)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoTwentySteps)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
