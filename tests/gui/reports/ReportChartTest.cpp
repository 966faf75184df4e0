// The report charts: their series read back against the report text, the
// empty cases, the saved pictures, and the chart page of the reports window.

#include "ReportsWindowHarness.h"

#include "support/DialogDriver.h"
#include "gui/reports/ReportChartPage.h"
#include "gui/reports/ReportCharts.h"
#include "core/reports/ReportGenerator.h"
#include "store/CurrencyFormat.h"
#include "store/MonthNames.h"
#include "store/RecordFile.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTimer>

#include <cmath>

using namespace cwtest;

namespace {

const QString kYear = QStringLiteral("1998CWK.DAT");

// Four months of 1998 and one after them; two codes the category file lacks.
void writeKnownYear()
{
    must(cw::writeRecords(*cw::Env::current(), kYear,
                          std::vector<cw::LedgerEntry>{entry("05-01-98", "FD", -990000, "May"),
                                                       entry("04-20-98", "ZZ", -50000, "Orphan"),
                                                       entry("04-02-98", "YY", -70000, "Orphan"),
                                                       entry("03-20-98", "SA", 1500000, "Pay"),
                                                       entry("03-12-98", "CA", -250000, "Gas"),
                                                       entry("03-10-98", "FD", -750000, "Groceries"),
                                                       entry("03-09-98", "FD", 0, "Open item"),
                                                       entry("02-11-98", "FD", -123400, "Lunch"),
                                                       entry("01-02-98", "SA", 1000000, "Pay")}));
}

const std::vector<cw::CategoryRecord> kChosen = {category("SA", "Salary"), category("CA", "Car"), category("FD", "Food"),
                                                 category("ZZ", "(no category)"), category("YY", "(no category)")};

cw::ReportRequest requestFor(int start, int end)
{
    cw::ReportRequest r;
    r.dataFileName = kYear;
    r.startMonth = start;
    r.endMonth = end;
    r.today = QDate(2026, 3, 5);
    return r;
}

cw::ChartFigures figuresFor(const std::vector<cw::CategoryRecord>& chosen, int start, int end)
{
    cw::Result<cw::ChartFigures> f = cw::makeChartFigures(*cw::Env::current(), chosen, requestFor(start, end));
    if (!f)
        qFatal("no figures: %s", qPrintable(f.status().toString()));
    return *f;
}

QString money(double units)
{
    return cw::CurrencyFormat::current().format(cw::MoneySum(std::llround(units * cw::kMoneyScale)));
}

// The category lines of a report section as "amount share", and the text
// after `totalLabel`.
QStringList reportSection(const QStringList& lines, const QString& heading, const QString& totalLabel, QString* total)
{
    QStringList out;
    for (qsizetype i = lines.indexOf(heading) + 4; i < lines.size() && lines[i] != QLatin1String(" "); ++i) {
        const QString& line = lines[i];
        out << line.mid(16, 16).trimmed() + u' ' + line.section(u'(', -1).section(u'%', 0, 0).trimmed();
    }
    for (const QString& line : lines)
        if (line.startsWith(totalLabel))
            *total = line.mid(totalLabel.size()).trimmed();
    out.sort();
    return out;
}

// The bars of a chart as "amount share": the value in currency text and the
// share its label ends with.
QStringList chartBars(QChart* chart)
{
    QStringList out;
    if (chart->series().isEmpty())
        return out;
    auto* series = qobject_cast<QHorizontalBarSeries*>(chart->series().constFirst());
    const QStringList labels = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Vertical).constFirst())->categories();
    QBarSet* set = series->barSets().constFirst();
    for (int i = 0; i < set->count(); ++i)
        out << money(set->at(i)) + u' ' + labels[i].section(u' ', -1).chopped(1);
    out.sort();
    return out;
}

struct Charts {
    Charts()
    {
        for (auto& c : charts)
            c = std::make_unique<QChart>();
    }
    void fill(const cw::ChartFigures& f)
    {
        cw::fillOutChart(charts[0].get(), f);
        cw::fillInChart(charts[1].get(), f);
        cw::fillMonthChart(charts[2].get(), f);
    }
    qsizetype seriesCount() const
    {
        return charts[0]->series().size() + charts[1]->series().size() + charts[2]->series().size();
    }
    std::unique_ptr<QChart> charts[3];
};

double sum(QBarSet* set)
{
    double s = 0;
    for (int i = 0; i < set->count(); ++i)
        s += set->at(i);
    return s;
}

// Answers the Save Chart dialog with `name` once it shows; again while it
// stays open, for up to ten seconds.
void answerFileDialog(const QString& name, int triesLeft = 500)
{
    QTimer::singleShot(20, [name, triesLeft] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            dialog && dialog->objectName() == QLatin1String("SaveChartDialog")) {
            // Typed into the name box: selectFile() leaves the box alone while it has the focus.
            if (auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                box->setText(name);
            QMetaObject::invokeMethod(dialog, "accept");
            if (!dialog->isVisible())
                return;
        }
        if (triesLeft > 0)
            answerFileDialog(name, triesLeft - 1);
    });
}

} // namespace

// The README's picture of the chart page: a year of household entries.
void saveScreenshot(ReportsHarness& h, const QString& file)
{
    std::vector<cw::LedgerEntry> year;
    const char* const codes[] = {"FO", "A", "FO", "FO", "A"};
    for (int month = 12; month >= 1; --month) {
        const QByteArray date = QStringLiteral("%1-15-26").arg(month, 2, 10, QChar(u'0')).toLatin1();
        year.push_back(entry(date.constData(), "PY", 320000 * 100 + month % 3 * 25000 * 100, "Pay"));
        for (int i = 0; i < 5; ++i)
            year.push_back(entry(date.constData(), codes[i], -cw::Money(40000 + (month * 7919 + i * 3571) % 90000) * 100));
    }
    must(cw::writeRecords(*cw::Env::current(), QStringLiteral("2026CWK.DAT"), year));
    h.window->resize(1000, 680);
    h.press("rtbView");
    QTest::qWait(200);   // the charts lay themselves out in the event loop
    h.window->grab().save(file);
}

class ReportChartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { hideThePrinters(); }

    // Every bar is its category's subtotal and share in the report, to the
    // cent; the months add up to the report's totals and the balance line
    // ends at its surplus or deficit.
    void seriesReadBackAsTheReportSays()
    {
        TempFolder folder;
        writeKnownYear();
        for (const auto& [start, end, balanceLabel] :
             {std::tuple{1, 4, "A SURPLUS of    "}, std::tuple{2, 5, "A DEFICIT of    "}}) {
            const QStringList report = cw::viewReport(*cw::Env::current(), kChosen, requestFor(start, end)).lines.toStringList();
            Charts c;
            c.fill(figuresFor(kChosen, start, end));

            QString expense, income, balance;
            QCOMPARE(chartBars(c.charts[0].get()),
                     reportSection(report, " --- Summary of money that went OUT ---", "Total Expense   ", &expense));
            QCOMPARE(chartBars(c.charts[1].get()),
                     reportSection(report, " --- Summary of money that came IN ---", "Total Income    ", &income));
            for (const QString& line : report)
                if (line.startsWith(QLatin1String(balanceLabel)))
                    balance = line.mid(16).trimmed();

            QChart* months = c.charts[2].get();
            auto* columns = qobject_cast<QBarSeries*>(months->series().at(0));
            auto* line = qobject_cast<QLineSeries*>(months->series().at(1));
            QVERIFY(columns && line);
            QCOMPARE(money(sum(columns->barSets().at(0))), income);
            QCOMPARE(money(sum(columns->barSets().at(1))), expense);
            QCOMPARE(line->count(), end - start + 1);
            QCOMPARE(money(line->points().constLast().y()), balance);
            const QStringList names = qobject_cast<QBarCategoryAxis*>(months->axes(Qt::Horizontal).constFirst())->categories();
            QCOMPARE(names.constFirst(), cw::monthName(start));
            QCOMPARE(names.constLast(), cw::monthName(end));
        }
    }

    void noChoiceOrNoEntriesGiveChartsWithoutSeries()
    {
        TempFolder folder;
        writeKnownYear();
        Charts c;
        c.fill(figuresFor(kChosen, 1, 4));
        QVERIFY(c.seriesCount() > 0);
        c.fill(figuresFor({}, 1, 12));
        QCOMPARE(c.seriesCount(), 0);
        c.fill(figuresFor(kChosen, 6, 12));
        QCOMPARE(c.seriesCount(), 0);
    }

    // The PNG against the reference committed beside this test (set
    // CW_UPDATE_CHART_REFERENCE=1 to write it afresh); the SVG holds every
    // label as text.
    void savedPicturesOfAKnownYear()
    {
        TempFolder folder;
        writeKnownYear();
        const cw::ChartFigures f = figuresFor(kChosen, 1, 4);
        const QSize size(900, 600);
        const QString reference = QStringLiteral(CW_SOURCE_DIR "/tests/gui/reports/data/chart-reference.png");
        if (qEnvironmentVariableIsSet("CW_UPDATE_CHART_REFERENCE"))
            QVERIFY(cw::saveCharts(f, reference, size).isOk());

        QVERIFY(cw::saveCharts(f, QStringLiteral("chart.png"), size).isOk());
        const QImage saved = QImage(QStringLiteral("chart.png")).convertToFormat(QImage::Format_RGB32);
        const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved.size(), size);
        QCOMPARE(expected.size(), size);
        qint64 differing = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const QRgb a = saved.pixel(x, y), b = expected.pixel(x, y);
                if (std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))}) > 64)
                    ++differing;
            }
        QVERIFY2(differing < size.width() * size.height() / 100, qPrintable(QString::number(differing)));

        QVERIFY(cw::saveCharts(f, QStringLiteral("chart.svg"), size).isOk());
        const QString svg = QString::fromUtf8(readBytes(QStringLiteral("chart.svg")));
        QVERIFY(svg.startsWith(QLatin1String("<?xml")) && svg.contains(QLatin1String("</svg>")));
        // Each label in its two lines: the name, then amount and share.
        for (const auto* bars : {&f.out, &f.in})
            for (const cw::ChartBar& bar : *bars)
                QVERIFY2(svg.contains(u'>' + bar.name.toHtmlEscaped() + u'<')
                             && svg.contains(u'>' + bar.amountText + u' ' + bar.share + u'<'),
                         qPrintable(bar.label()));

        QVERIFY(cw::saveCharts(f, QStringLiteral("chart.pdf"), size).isOk());
        QVERIFY(readBytes(QStringLiteral("chart.pdf")).startsWith("%PDF"));
        QVERIFY(!cw::saveCharts(f, QStringLiteral("no/such/folder/chart.png"), size).isOk());
    }

    // Chart and its menu item switch pages; the page is rebuilt on showing
    // and on View; Clear returns to List1. No message on the way. Save Chart
    // writes the file chosen in its dialog.
    void chartPageInTheReportsWindow()
    {
        ReportsHarness h;
        auto driver = std::make_unique<DialogDriver>();
        auto* page = h.window->findChild<QWidget*>(QStringLiteral("RepChartPage"));
        auto chartOf = [&](const char* name) {
            return h.window->findChild<QChartView*>(QString::fromLatin1(name))->chart();
        };
        QVERIFY(page && !page->isVisible() && h.list1()->isVisible());

        h.press("rtbChart");
        QVERIFY(page->isVisible() && !h.list1()->isVisible());
        QVERIFY(chartOf("RepChartOut")->series().isEmpty() && chartOf("RepChartMonths")->series().isEmpty());

        h.press("rtbAll");
        QVERIFY(chartOf("RepChartOut")->series().isEmpty());   // until View
        h.press("rtbView");
        QCOMPARE(chartOf("RepChartOut")->series().size(), 1);
        QCOMPARE(chartOf("RepChartIn")->series().size(), 1);
        QCOMPARE(chartOf("RepChartMonths")->series().size(), 2);
        QCOMPARE(page->geometry(), h.list1()->geometry());
        if (const QString shot = qEnvironmentVariable("CW_CHART_SCREENSHOT"); !shot.isEmpty())
            saveScreenshot(h, shot);

        h.window->command(QStringLiteral("rmnuChart"))->trigger();
        QVERIFY(!page->isVisible() && h.list1()->isVisible());
        h.window->command(QStringLiteral("rmnuChart"))->trigger();
        QVERIFY(page->isVisible());
        QVERIFY(h.window->command(QStringLiteral("rtbChart"))->isChecked());

        h.press("rtbClear");
        QVERIFY(!page->isVisible() && h.list1()->isVisible());
        QVERIFY(!h.window->command(QStringLiteral("rtbChart"))->isChecked());
        QCOMPARE(driver->seen.size(), 0);

        driver.reset();   // it would dismiss the file dialog
        answerFileDialog(QStringLiteral("picked.svg"));
        h.window->command(QStringLiteral("rmnuSaveChart"))->trigger();
        QVERIFY(QString::fromUtf8(readBytes(QStringLiteral("picked.svg"))).contains(QLatin1String("Money that went OUT")));
    }

    // Print with the chart page shown: one landscape page, the printer's own
    // orientation kept.
    void printsTheChartsOnOneLandscapePage()
    {
        ReportsHarness h;
        QPrinter* printer = h.window->printDialog()->printer();
        printer->setOutputFileName(QDir::current().absoluteFilePath(QStringLiteral("charts.pdf")));
        printer->setPageOrientation(QPageLayout::Portrait);
        h.press("rtbAll");
        h.press("rtbView");
        h.press("rtbChart");
        DialogDriver driver;
        h.press("rtbPrint");
        QCOMPARE(driver.seen.size(), 0);
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Portrait);

        const QByteArray pdf = readBytes(QStringLiteral("charts.pdf"));
        static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page\b(?!s))"));
        static const QRegularExpression box(QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+))"));
        QCOMPARE(QString::fromLatin1(pdf).count(page), 1);
        const QRegularExpressionMatch m = box.match(QString::fromLatin1(pdf));
        QVERIFY(m.hasMatch());
        QVERIFY(m.captured(1).toDouble() > m.captured(2).toDouble());
    }
};

static RegisterWindowTest<ReportChartTest> registered;
#include "ReportChartTest.moc"
