// coinwick_report: builds the cash-flow report of one year over every
// category of the year's category file, as the Reports window's View does,
// and prints its line count (or the report itself).
//
//   coinwick_report FOLDER YEAR START_MONTH END_MONTH full|summary [--print]

#include "core/reports/ReportGenerator.h"
#include "store/ReportSelection.h"
#include "store/CategoryFile.h"
#include "store/CurrencyFormat.h"
#include "store/FileNames.h"

#include <QDate>
#include <QDir>
#include <QLocale>
#include <cstdio>
#include <cstring>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: coinwick_report FOLDER YEAR START_MONTH END_MONTH full|summary [--print]\n");
    return 2;
}

bool readMonth(const char* text, int* month)
{
    bool ok = false;
    *month = QString::fromLocal8Bit(text).toInt(&ok);
    return ok && *month >= 1 && *month <= 12;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 6 || argc > 7)
        return usage();
    const bool print = argc == 7 && std::strcmp(argv[6], "--print") == 0;
    if (argc == 7 && !print)
        return usage();
    const QString year = QString::fromLocal8Bit(argv[2]);
    int startMonth = 0;
    int endMonth = 0;
    if (year.size() != 4 || !readMonth(argv[3], &startMonth) || !readMonth(argv[4], &endMonth))
        return usage();
    const QString type = QString::fromLocal8Bit(argv[5]);
    if (type != QLatin1String("full") && type != QLatin1String("summary"))
        return usage();
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "coinwick_report: cannot enter %s\n", argv[1]);
        return 1;
    }

    // A fixed currency format, so that runs on different machines print alike.
    cw::CurrencyFormat::useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    cw::Env& env = *cw::Env::current();

    const cw::Result<std::vector<cw::CategoryRecord>> categories =
        cw::CategoryFile(cw::resolveFileName(env, cw::categoryFileName(year)), &env).readAll();
    if (!categories) {
        std::fprintf(stderr, "coinwick_report: %s\n", qPrintable(categories.status().toString()));
        return 1;
    }

    cw::ReportRequest request;
    request.dataFileName = cw::resolveFileName(env, cw::dataFileName(year));
    request.startMonth = startMonth;
    request.endMonth = endMonth;
    request.full = type == QLatin1String("full");
    request.dateFlag = u'A';
    request.today = QDate::currentDate();

    if (const cw::Status written = cw::makeRepCatFile(env, *categories); !written) {
        std::fprintf(stderr, "coinwick_report: %s\n", qPrintable(written.toString()));
        return 1;
    }
    const cw::ReportResult report = cw::makeReport(env, request);
    if (!report.status) {
        std::fprintf(stderr, "coinwick_report: %s\n", qPrintable(report.status.toString()));
        return 1;
    }

    if (print) {
        for (qsizetype i = 0; i < report.lines.size(); ++i) {
            const QByteArray bytes = report.lines.line(i).toUtf8();
            std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
            std::fputc('\n', stdout);
        }
    } else {
        std::printf("%lld\n", static_cast<long long>(report.lines.size()));
    }
    return 0;
}
