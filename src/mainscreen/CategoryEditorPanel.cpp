#include "CategoryEditorPanel.h"

namespace cw {

CategoryEditorPanel::CategoryEditorPanel(MainWindow* window, QWidget* parent)
    : QGroupBox(QStringLiteral(" Category Editor "), parent), window_(window)
{
    setObjectName(QStringLiteral("CatEdFrame"));
    setGeometry(40, 90, 340, 170);
    hide();
}

} // namespace cw
