#include "ReportChartPage.h"

#include "ReportCharts.h"

#include <QChart>
#include <QChartView>

namespace cw {
namespace {

QChartView* newChartView(QWidget* parent, const char* name)
{
    auto* view = new QChartView(new QChart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setFrameShape(QFrame::NoFrame);
    return view;
}

} // namespace

ReportChartPage::ReportChartPage(QWidget* parent)
    : QWidget(parent),
      out_(newChartView(this, "RepChartOut")),
      in_(newChartView(this, "RepChartIn")),
      months_(newChartView(this, "RepChartMonths"))
{
    setObjectName(QStringLiteral("RepChartPage"));
    setAutoFillBackground(true);
    setFigures(ChartFigures{});
}

void ReportChartPage::setFigures(const ChartFigures& figures)
{
    figures_ = figures;
    fillOutChart(out_->chart(), figures_);
    fillInChart(in_->chart(), figures_);
    fillMonthChart(months_->chart(), figures_);
}

void ReportChartPage::resizeEvent(QResizeEvent* event)
{
    const ChartPlaces places = chartPlaces(size());
    out_->setGeometry(places.out.toRect());
    in_->setGeometry(places.in.toRect());
    months_->setGeometry(places.months.toRect());
    QWidget::resizeEvent(event);
}

} // namespace cw
