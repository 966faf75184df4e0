// Opening a year in the main window: building the entry list model from a
// year data file of N entries, as PopItemList does for "all".


#include "BenchSupport.h"
#include "gui/main/EntryListModel.h"
#include "core/session/ProgramState.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LoadMainWindow(benchmark::State& state)
{
    cwbench::YearFolder& year = cwbench::YearFolder::get(int(state.range(0)));
    for (auto _ : state) {
        cw::EntryListModel model;
        cw::Status s = model.load(*cw::Env::current(), year.dataFile(), cw::kAllCategories);
        if (!s) {
            state.SkipWithError(qPrintable(s.toString()));
            break;
        }
        benchmark::DoNotOptimize(model.totals().balance);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_LoadMainWindow)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

