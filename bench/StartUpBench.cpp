// The start-up's file work for a year of N entries: the folder lock, the
// settings read and rewritten, the year's entries and categories read, and
// whatever the start-up does to the working folder before them.

#ifdef HAVE_CW_MAINSCREEN

#include "BenchSupport.h"
#include "gui/kit/CategoryListModel.h"
#include "gui/main/EntryListModel.h"
#include "store/FolderLock.h"
#include "core/session/ProgramState.h"
#include "core/session/StartUp.h"

#include <QDate>
#include <QDir>
#include <benchmark/benchmark.h>

namespace {

void BM_StartUp(benchmark::State& state)
{
    cwbench::YearFolder& year = cwbench::YearFolder::get(int(state.range(0)));
    cw::Env& env = *cw::Env::current();
    const QDate today(2026, 7, 1);
    for (auto _ : state) {
        const cw::FolderLock lock(QDir::currentPath());
        if (lock.state() != cw::FolderLock::State::Held) {
            state.SkipWithError("lock not held");
            break;
        }
        const cw::StartUpResult started =
            cw::openPersonalSettings(env, today, [] { return QString(); }, [](const cw::Message&) {});
        cw::CategoryListModel categories;
        cw::EntryListModel entries;
        cw::Status s = started.outcome == cw::StartUpResult::Outcome::Opened ? categories.load(env, QStringLiteral("2026CATS.DAT"))
                                                                            : started.status;
        if (s)
            s = entries.load(env, year.dataFile(), cw::kAllCategories);
        if (!s) {
            state.SkipWithError(qPrintable(s.toString()));
            break;
        }
        benchmark::DoNotOptimize(entries.totals().balance);
    }
}

BENCHMARK(BM_StartUp)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

#endif
