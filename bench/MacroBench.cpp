// Playing a macro of 50 entries into a year of N entries.


#include "BenchSupport.h"
#include "core/macros/MacroPlayer.h"

#include <benchmark/benchmark.h>

using namespace cw;

namespace {

QByteArray fiftyEntryMacro()
{
    static const char* const codes[] = {"ft", "SA", "MD", "TX", "EN"};
    QByteArray macro = "'payroll deductions\r\n";
    for (int i = 0; i < 50; ++i)
        macro += QByteArray(codes[i % 5]) + "\r\n-" + QByteArray::number(10 + i) + ".25\r\ndeduction "
            + QByteArray::number(i) + "\r\n";
    return macro;
}

void BM_PlayMacro(benchmark::State& state)
{
    cwbench::YearFolder& year = cwbench::YearFolder::get(int(state.range(0)));
    QFile macro(QStringLiteral("BENCH.MCR"));
    macro.open(QIODevice::WriteOnly | QIODevice::Truncate);
    macro.write(fiftyEntryMacro());
    macro.close();

    cwbench::NoFlushEnv env;
    for (auto _ : state) {
        const MacroPlayOutcome played =
            playMacroFile(env, QStringLiteral("BENCH.MCR"), QStringLiteral("07-01-26"), year.dataFile(), u'A');
        state.PauseTiming();
        if (!played.status || played.inserted != 50)
            state.SkipWithError("play failed");
        year.restore();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlayMacro)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

