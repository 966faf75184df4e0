#include "ReportCharts.h"

#include "SvgWriter.h"

#include "store/CurrencyFormat.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <cmath>

namespace cw {
namespace {

// Charts are laid out at most this wide and scaled up to larger targets
// (a printer's page), so that their texts keep their size against the bars.
constexpr qreal kLayoutWidth = 1200;

void clearChart(QChart* chart, const QString& title)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
}

// An amount axis from 0 (or below, for a negative balance) to at least
// `highest` in about `steps` round steps, its labels in currency text.
QCategoryAxis* amountAxis(double lowest, double highest, int steps)
{
    const double span = std::max(highest - lowest, 0.01);
    const double rough = span / steps;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude * 10;
    for (double m : {1.0, 2.0, 5.0})
        if (magnitude * m >= rough) {
            step = magnitude * m;
            break;
        }
    step = std::max(step, 0.01);   // a cent apart at least, so that no two labels read alike
    const double from = std::floor(lowest / step) * step;
    const double to = std::ceil(highest / step) * step;
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(from);
    const CurrencyFormat& money = CurrencyFormat::current();
    for (double v = from; v <= to + step / 2; v += step)
        axis->append(money.format(MoneySum(std::llround(v * kMoneyScale))), v);
    axis->setRange(from, to);
    axis->setTruncateLabels(false);
    return axis;
}

void fillBarChart(QChart* chart, const QString& title, const std::vector<ChartBar>& bars, const QColor& colour)
{
    clearChart(chart, title);
    chart->legend()->hide();
    // Room at the right for the last amount label, centred on the plot's end.
    chart->setMargins(QMargins(10, 10, 40, 10));
    if (bars.empty())
        return;
    auto* set = new QBarSet(title);
    set->setColor(colour);
    set->setBorderColor(colour.darker(150));
    QStringList labels;
    // A horizontal bar chart lists its first category at the bottom. Axis
    // labels are rich text: the name above its amount and share, to fit
    // beside the bars, and a name's "<" or "&" escaped.
    for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar) {
        set->append(chartValue(bar->amount));
        labels << bar->name.toHtmlEscaped() + QStringLiteral("<br>")
                + (bar->amountText + u' ' + bar->share).toHtmlEscaped();
    }
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    series->setBarWidth(0.7);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    // Few steps: the chart is half the page wide and currency texts are long.
    QCategoryAxis* amounts = amountAxis(0, chartValue(bars.front().amount), 3);
    chart->addAxis(amounts, Qt::AlignBottom);
    series->attachAxis(amounts);
}

} // namespace

void fillOutChart(QChart* chart, const ChartFigures& figures)
{
    fillBarChart(chart, QStringLiteral("Money that went OUT"), figures.out, kChartExpenseColour);
}

void fillInChart(QChart* chart, const ChartFigures& figures)
{
    fillBarChart(chart, QStringLiteral("Money that came IN"), figures.in, kChartIncomeColour);
}

void fillMonthChart(QChart* chart, const ChartFigures& figures)
{
    clearChart(chart, QStringLiteral("Month by month"));
    chart->legend()->setVisible(!figures.months.empty());
    chart->legend()->setAlignment(Qt::AlignBottom);
    if (figures.months.empty())
        return;
    auto* income = new QBarSet(QStringLiteral("Income"));
    income->setColor(kChartIncomeColour);
    income->setBorderColor(kChartIncomeColour.darker(150));
    auto* expense = new QBarSet(QStringLiteral("Expense"));
    expense->setColor(kChartExpenseColour);
    expense->setBorderColor(kChartExpenseColour.darker(150));
    auto* balance = new QLineSeries;
    balance->setName(QStringLiteral("Balance"));
    QPen line(kChartBalanceColour, 3);
    balance->setPen(line);
    balance->setPointsVisible(true);
    QStringList names;
    double lowest = 0, highest = 0;
    for (size_t i = 0; i < figures.months.size(); ++i) {
        const ChartMonth& m = figures.months[i];
        income->append(chartValue(m.income));
        expense->append(chartValue(m.expense));
        balance->append(double(i), chartValue(m.balance));
        names << m.name;
        highest = std::max({highest, chartValue(m.income), chartValue(m.expense), chartValue(m.balance)});
        lowest = std::min(lowest, chartValue(m.balance));
    }
    auto* columns = new QBarSeries;
    columns->append(income);
    columns->append(expense);
    chart->addSeries(columns);
    chart->addSeries(balance);
    auto* months = new QBarCategoryAxis;
    months->append(names);
    months->setTruncateLabels(false);
    chart->addAxis(months, Qt::AlignBottom);
    columns->attachAxis(months);
    balance->attachAxis(months);
    QCategoryAxis* amounts = amountAxis(lowest, highest, 5);
    chart->addAxis(amounts, Qt::AlignLeft);
    columns->attachAxis(amounts);
    balance->attachAxis(amounts);
}

ChartPlaces chartPlaces(const QSizeF& size)
{
    const qreal halfWidth = size.width() / 2;
    const qreal halfHeight = size.height() / 2;
    return {QRectF(0, 0, halfWidth, halfHeight), QRectF(halfWidth, 0, size.width() - halfWidth, halfHeight),
            QRectF(0, halfHeight, size.width(), size.height() - halfHeight)};
}

void paintCharts(const ChartFigures& figures, QPainter& painter, const QRectF& target)
{
    QSizeF layout = target.size();
    if (layout.width() > kLayoutWidth)
        layout *= kLayoutWidth / layout.width();
    QGraphicsScene scene(0, 0, layout.width(), layout.height());
    scene.setBackgroundBrush(Qt::white);
    const ChartPlaces places = chartPlaces(layout);
    const std::pair<void (*)(QChart*, const ChartFigures&), QRectF> charts[] = {
        {fillOutChart, places.out}, {fillInChart, places.in}, {fillMonthChart, places.months}};
    for (const auto& [fill, place] : charts) {
        auto* chart = new QChart;   // the scene owns it
        scene.addItem(chart);
        fill(chart, figures);
        chart->setGeometry(place);
        chart->layout()->activate();
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, target, scene.sceneRect());
    painter.restore();
}

void paintChartsOnPage(const ChartFigures& figures, QPainter& painter, const QPrinter& printer)
{
    paintCharts(figures, painter, QRectF(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size()));
}

Status saveCharts(const ChartFigures& figures, const QString& fileName, const QSize& size)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return Status::ioError(fileName, file.errorString());
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    bool painted = false;
    if (suffix == QLatin1String("svg")) {
        SvgWriter svg(&file, size);
        QPainter painter;
        if (painter.begin(&svg)) {
            paintCharts(figures, painter, QRectF(QPointF(0, 0), QSizeF(size)));
            painted = painter.end();
        }
    } else if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(&file);
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setTitle(QStringLiteral("Coinwick 2 charts"));
        QPainter painter;
        if (painter.begin(&pdf)) {
            const QSizeF page(pdf.width(), pdf.height());
            paintCharts(figures, painter, QRectF(QPointF(0, 0), QSizeF(size).scaled(page, Qt::KeepAspectRatio)));
            painted = painter.end();
        }
    } else {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintCharts(figures, painter, QRectF(image.rect()));
        }
        painted = image.save(&file, "PNG");
    }
    if (!painted || !file.commit())
        return Status::ioError(fileName, file.error() != QFileDevice::NoError ? file.errorString()
                                                                               : QStringLiteral("The picture could not be written"));
    return Status::ok();
}

PrintOutcome printCharts(const ChartFigures& figures, QPrinter& printer, const QString& folder)
{
    const PrinterSettingsKept kept(printer);
    PrintOutcome outcome;
    const bool noPrinter = printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty();
    if (noPrinter) {
        outcome.fileWritten = QDir(folder).absoluteFilePath(kNoPrinterFileName);
        printer.setOutputFileName(outcome.fileWritten);
    }
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setCopyCount(1);   // one page

    QPainter painter;
    if (painter.begin(&printer)) {
        paintChartsOnPage(figures, painter, printer);
        outcome.ok = painter.end();
    } else {
        outcome.ok = false;
    }
    if (!outcome.ok) {
        printer.abort();
        outcome.failure = kPrinterError;
        outcome.fileWritten.clear();
    }
    return outcome;
}

} // namespace cw
