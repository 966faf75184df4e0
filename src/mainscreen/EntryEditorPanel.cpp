#include "EntryEditorPanel.h"

#include <QLabel>

namespace cw {

EntryEditorPanel::EntryEditorPanel(MainWindow* window, QWidget* parent)
    : QGroupBox(parent), window_(window), smYr_(new QLabel(this))
{
    setObjectName(QStringLiteral("EntryEdFrame"));
    resize(520, 270);
    smYr_->setObjectName(QStringLiteral("SmYr"));
    smYr_->setGeometry(150, 28, 50, 22);
    setEnabled(false);
    hide();
}

void EntryEditorPanel::setYearLabel(const QString& year) { smYr_->setText(year); }
QString EntryEditorPanel::yearLabel() const { return smYr_->text(); }

} // namespace cw
