#pragma once
// The report's three charts drawn with Qt Charts from the figures of
// ReportFigures: money out and money in as horizontal bars, and the months
// as income and expense columns with the running balance as a line. Also
// the three together on one picture: into a PNG, SVG or PDF file, or on one
// landscape page of a printer.

#include "core/reports/ReportFigures.h"
#include "ReportPrinter.h"

#include <QColor>
#include <QRectF>
#include <QString>

class QChart;
class QPainter;
class QPrinter;

namespace cw {

// Expense dark red and income light green, apart in grey too.
inline const QColor kChartExpenseColour(200, 0, 0);
inline const QColor kChartIncomeColour(120, 200, 120);
inline const QColor kChartBalanceColour(0, 0, 0);

// Each replaces what `chart` held; empty figures leave it without series.
void fillOutChart(QChart* chart, const ChartFigures& figures);
void fillInChart(QChart* chart, const ChartFigures& figures);
void fillMonthChart(QChart* chart, const ChartFigures& figures);

// Where each chart lies in a picture of `size`: money out and money in side
// by side above the months, as on the chart page.
struct ChartPlaces {
    QRectF out, in, months;
};
ChartPlaces chartPlaces(const QSizeF& size);

// The three charts drawn into `target` of `painter`'s device.
void paintCharts(const ChartFigures& figures, QPainter& painter, const QRectF& target);

// The three charts over the whole page of the printer `painter` is open on.
void paintChartsOnPage(const ChartFigures& figures, QPainter& painter, const QPrinter& printer);

// Writes the charts into `fileName`, its kind by its ending: ".svg", ".pdf",
// anything else PNG. `size` is the picture in pixels (PNG, SVG) or its
// proportion on the landscape page (PDF).
Status saveCharts(const ChartFigures& figures, const QString& fileName, const QSize& size);

// The charts on one landscape page of `printer`, whatever its orientation,
// which it keeps. As with the report, a printer without a device writes
// kNoPrinterFileName in `folder`, and a failure abandons the job.
PrintOutcome printCharts(const ChartFigures& figures, QPrinter& printer, const QString& folder);

} // namespace cw
