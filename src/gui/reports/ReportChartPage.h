#pragma once
// RepChartPage: the reports window's chart page, three chart views laid out
// as chartPlaces() says: RepChartOut and RepChartIn side by side above
// RepChartMonths. It only turns figures into chart series.

#include "core/reports/ReportFigures.h"

#include <QWidget>

class QChartView;

namespace cw {

class ReportChartPage : public QWidget {
    Q_OBJECT
public:
    explicit ReportChartPage(QWidget* parent = nullptr);

    // Draws `figures`, replacing what was shown.
    void setFigures(const ChartFigures& figures);
    const ChartFigures& figures() const { return figures_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QChartView* out_;
    QChartView* in_;
    QChartView* months_;
    ChartFigures figures_;
};

} // namespace cw
