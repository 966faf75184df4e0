#include "YearSelectPanel.h"

#include <QLabel>
#include <QSpinBox>

namespace cw {

YearSelectPanel::YearSelectPanel(MainWindow* window, QWidget* parent)
    : QGroupBox(QStringLiteral(" Select Year "), parent), window_(window), curYear_(new QLabel(this)),
      dataYear_(new QSpinBox(this))
{
    setObjectName(QStringLiteral("YearEdFrame"));
    setGeometry(40, 90, 240, 120);
    curYear_->setObjectName(QStringLiteral("CurYear"));
    curYear_->setGeometry(20, 34, 80, 24);
    dataYear_->setObjectName(QStringLiteral("DataYear"));
    dataYear_->setRange(1968, 3000);
    dataYear_->setSingleStep(1);
    dataYear_->setGeometry(110, 34, 90, 24);
    setEnabled(false);
    hide();
}

QString YearSelectPanel::curYear() const { return curYear_->text(); }
void YearSelectPanel::setCurYear(const QString& year) { curYear_->setText(year); }
void YearSelectPanel::setSpinnerYear(int year) { dataYear_->setValue(year); }

} // namespace cw
