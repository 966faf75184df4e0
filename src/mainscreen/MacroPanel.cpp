#include "MacroPanel.h"

#include <QLabel>

namespace cw {

MacroPanel::MacroPanel(MainWindow* window, QWidget* parent)
    : QGroupBox(QStringLiteral(" Macro Functions "), parent), window_(window), macSmYr_(new QLabel(this))
{
    setObjectName(QStringLiteral("MacroFrame"));
    setGeometry(40, 90, 380, 280);
    macSmYr_->setObjectName(QStringLiteral("MacSmYr"));
    macSmYr_->setGeometry(150, 28, 50, 22);
    hide();
}

void MacroPanel::setYearLabel(const QString& year) { macSmYr_->setText(year); }
QString MacroPanel::yearLabel() const { return macSmYr_->text(); }

} // namespace cw
