// The cash-flow report over a generated year: N entries in 20 categories, all
// chosen, whole year, with line items; and the figures of its three charts.


#include "core/reports/ReportFigures.h"
#include "core/reports/ReportGenerator.h"
#include "store/ReportSelection.h"
#include "store/CurrencyFormat.h"
#include "store/RecordFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

constexpr int kCategories = 20;

QString codeOf(int i) { return QString(QChar(u'A' + i)) + QChar(u'X'); }

// A folder holding "2026CWK.DAT" with n entries, newest first, made once per n.
class ReportYear {
public:
    static ReportYear& get(int n)
    {
        static std::map<int, std::unique_ptr<ReportYear>> years;
        auto& y = years[n];
        if (!y)
            y.reset(new ReportYear(n));
        QDir::setCurrent(y->dir_.path());
        return *y;
    }

    std::vector<cw::CategoryRecord> categories;

private:
    explicit ReportYear(int n)
    {
        QDir::setCurrent(dir_.path());
        for (int c = 0; c < kCategories; ++c) {
            cw::CategoryRecord r;
            r.setCode(codeOf(c));
            r.setName(QStringLiteral("Category %1").arg(c));
            categories.push_back(r);
        }
        std::vector<cw::LedgerEntry> entries;
        entries.reserve(size_t(n));
        for (int i = 0; i < n; ++i) {
            const QDate d = QDate(2026, 12, 31).addDays(-int(qint64(i) * 365 / n));
            cw::LedgerEntry e;
            e.setDate(d.toString(QStringLiteral("MM-dd-yy")));
            e.setCode(codeOf(int((qint64(i) * 7) % kCategories)));
            e.amount = i % 50 == 0 ? 0 : (i % 5 == 0 ? 1 : -1) * cw::Money(100 + (qint64(i) * 7919) % 50000000);
            e.setNote(QStringLiteral("entry %1").arg(i));
            entries.push_back(e);
        }
        cw::writeRecords(*cw::Env::current(), QStringLiteral("2026CWK.DAT"), entries);
    }

    QTemporaryDir dir_;
};

void BM_MakeReport(benchmark::State& state)
{
    cw::CurrencyFormat::useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    ReportYear& year = ReportYear::get(int(state.range(0)));
    cw::Env& env = *cw::Env::current();
    cw::ReportRequest request;
    request.dataFileName = QStringLiteral("2026CWK.DAT");
    request.full = true;
    request.userName = QStringLiteral("Bench");
    request.today = QDate(2026, 3, 5);
    qsizetype lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        cw::makeRepCatFile(env, year.categories);
        state.ResumeTiming();
        cw::ReportResult result = cw::makeReport(env, request);
        lines = result.lines.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["lines"] = double(lines);
}
BENCHMARK(BM_MakeReport)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// What the chart page needs before it draws: the report's totals, bars and months.
void BM_MakeChart(benchmark::State& state)
{
    cw::CurrencyFormat::useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    ReportYear& year = ReportYear::get(int(state.range(0)));
    cw::ReportRequest request;
    request.dataFileName = QStringLiteral("2026CWK.DAT");
    size_t bars = 0;
    for (auto _ : state) {
        cw::Result<cw::ChartFigures> figures = cw::makeChartFigures(*cw::Env::current(), year.categories, request);
        bars = figures->out.size() + figures->in.size();
        benchmark::DoNotOptimize(figures);
    }
    state.counters["bars"] = double(bars);
}
BENCHMARK(BM_MakeChart)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

